#!/bin/sh
# Makes a preload library that stands in for every ICU function the release's
# own files import (Qt's Core, so far): a call to any of them writes its name
# to $VS_ICU_TRIPWIRE_LOG (and standard error) and aborts; each program it
# is loaded into writes "armed: PROGRAM" there first. Run the release
# with LD_PRELOAD=OUT and no ICU call can pass unseen; the release brings no
# ICU data, so nothing it does may need ICU.
#   tools/icu_tripwire.sh PACKAGE_FOLDER OUT.so      prints how many functions it guards
set -eu
package=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
elves=$(find "$package" -type f -exec sh -c 'head -c4 "$1" | grep -q ELF' _ {} \; -print)
: >"$work/icu"
: >"$work/imported"
for elf in $elves; do
  case $(basename "$elf") in
    libicu*) nm -D --defined-only "$elf" | awk '$2 == "T" || $2 == "W" { print $3 }' >>"$work/icu" ;;
    *) nm -D --undefined-only "$elf" | awk '{ print $2 }' >>"$work/imported" ;;
  esac
done
sort -u "$work/icu" -o "$work/icu"
sort -u "$work/imported" | sed 's/@.*//' | sort -u | comm -12 - "$work/icu" >"$work/guarded"
[ -s "$work/guarded" ] || { echo "icu_tripwire.sh: no file of $package imports ICU"; exit 1; }

{
  cat <<'EOF'
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>
static void say(int fd, const char* name) {
  write(fd, name, strlen(name));
  write(fd, "\n", 1);
}
static void note(const char* line) {
  const char* log = getenv("VS_ICU_TRIPWIRE_LOG");
  int fd = log ? open(log, O_WRONLY | O_CREAT | O_APPEND, 0644) : -1;
  if (fd >= 0) {
    say(fd, line);
    close(fd);
  }
}
/* The log shows which programs ran guarded, so a run without it shows too. */
__attribute__((constructor)) static void armed(void) {
  char line[4096] = "armed: ";
  ssize_t n = readlink("/proc/self/exe", line + 7, sizeof line - 8);
  line[n > 0 ? 7 + n : 7] = 0;
  note(line);
}
static void tripped(const char* name) {
  say(2, name);
  note(name);
  abort();
}
EOF
  awk '{ printf "__attribute__((visibility(\"default\"))) void trip%d(void) __asm__(\"%s\");\n", NR, $1
         printf "void trip%d(void) { tripped(\"ICU called: %s\"); }\n", NR, $1 }' "$work/guarded"
} >"$work/tripwire.c"
cc -shared -fPIC -O1 -w -o "$out" "$work/tripwire.c"
echo "$(wc -l <"$work/guarded") ICU functions guarded"
