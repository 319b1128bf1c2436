#!/bin/sh
# The Windows build (mingw-w64) and its tests under Wine, on one private
# Xvfb display and one private Wine prefix for the whole run.
set -eu
cd "$VS_ROOT"
build="$VS_ROOT/build-win32"
sh tools/build_windows.sh

work="$build/wine-run"
mkdir -p "$work"
. "$VS_ROOT/tools/wine_session.sh"
trap wine_session_end EXIT
wine_session "$build/wine-prefix" "$work" 1024x768x24

# Wine's display scale, read by each program at its start.
use_dpi() {
  wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$1" /f \
    >"$work/reg.out" 2>&1
  wineserver -w
}

# Wine's helpers inherit the output and outlive the program: write it to a
# file and show it afterwards.
run_tests() {
  name=$1
  shift
  status=0
  wine "$build/tests/vs_win32_tests.exe" "$@" >"$work/$name.out" 2>&1 || status=$?
  wineserver -w
  tr -d '\r' <"$work/$name.out"
  if [ "$status" -ne 0 ]; then
    echo "vs_win32_tests.exe ($name) exited with $status"
    exit 1
  fi
}

# The 32-bit release program is read as a file: 32-bit programs cannot run on
# this machine (its kernel refuses 32-bit executables, so Wine's 32-bit half
# would not start either). What the suite checked is written down for the
# packages stage.
release="$VS_ROOT/build-win32-i686/VornakStarter.EXE"
rm -f "$VS_ROOT/build-win32-i686/checked.sha256"
checked=$(sha256sum <"$release")
export VS_RELEASE_EXE="Z:$release"

# A 32-bit Windows GUI program that imports only DLLs every Windows has.
file "$release" | grep -q "PE32 executable (GUI) Intel 80386" || {
  echo "not a 32-bit Windows GUI program: $(file "$release")"
  exit 1
}
imports=$(i686-w64-mingw32-objdump -p "$release" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z')
case " $(echo $imports) " in
  *" kernel32.dll "*) ;;
  *)
    echo "no imports read from the release program: $imports"
    exit 1
    ;;
esac
for dll in $imports; do
  case "$dll" in
    advapi32.dll | comctl32.dll | gdi32.dll | kernel32.dll | msvcrt.dll | ole32.dll | shell32.dll | \
      user32.dll) ;;
    *)
      echo "the release program needs $dll"
      exit 1
      ;;
  esac
done

use_dpi 96
export VS_EXPECT_DPI=96
run_tests all
# The layout again where Windows scales the display by 150% and 200%.
for dpi in 144 192; do
  use_dpi $dpi
  VS_EXPECT_DPI=$dpi
  run_tests "scaling-$dpi" --gtest_filter='Win32Scaling.*'
done
use_dpi 96
echo "$checked" >"$VS_ROOT/build-win32-i686/checked.sha256"
