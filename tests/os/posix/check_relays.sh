#!/bin/sh
# The two Wine relays read as files: the 32-bit one cannot run on this
# project's machines (their kernel refuses 32-bit programs), so its machine,
# subsystem and imports are what is checked. Both are console programs that
# import only DLLs every Windows and every Wine prefix has.
#   check_relays.sh FOLDER
set -eu
check() {
  kind=$(file -b "$1/$2")
  case "$kind" in
    "$3"*) ;;
    *)
      echo "FAILED: $2 is not a $3: $kind"
      exit 1
      ;;
  esac
  imports=$($4 -p "$1/$2" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
  [ "$imports" = "kernel32.dll msvcrt.dll " ] || {
    echo "FAILED: $2 imports: $imports"
    exit 1
  }
  echo "$2: $kind; imports $imports"
}
check "$1" VornakStarterRelay.exe "PE32+ executable (console) x86-64" x86_64-w64-mingw32-objdump
check "$1" VornakStarterRelay32.exe "PE32 executable (console) Intel 80386" i686-w64-mingw32-objdump
