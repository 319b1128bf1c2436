#!/bin/sh
# The release packages: each unpacks to the program and the players' text (the
# Linux one with both Wine relays), and the zip holds the very 32-bit program
# the Win32 stage checked.
set -eu
cd "$VS_ROOT"
sh tools/package.sh >build-win32-i686/package.log 2>&1 || {
  cat build-win32-i686/package.log
  exit 1
}
version=$(sed -n 's/^project(VornakStarter VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip="dist/VornakStarter-$version-win32.zip"
tgz="dist/VornakStarter-$version-linux-x86_64.tar.gz"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}

mkdir "$work/zip" "$work/tgz"
unzip -q "$zip" -d "$work/zip" || fail "cannot unpack $zip"
[ "$(cd "$work/zip" && find . -type f | sort | tr '\n' ' ')" = "./VornakStarter.EXE ./VornakStarter.txt " ] ||
  fail "$zip holds: $(cd "$work/zip" && find . | tr '\n' ' ')"
[ -f build-win32-i686/checked.sha256 ] || fail "the Win32 stage has not checked the release program"
checked=$(cut -d' ' -f1 build-win32-i686/checked.sha256)
[ "$(sha256sum <"$work/zip/VornakStarter.EXE" | cut -d' ' -f1)" = "$checked" ] ||
  fail "the zip's VornakStarter.EXE is not the program the Win32 stage checked"
grep -q "$(printf 'Where to put it\r')" "$work/zip/VornakStarter.txt" ||
  fail "the players' text in the zip lacks CR LF line ends or its first part"

tar -xzf "$tgz" -C "$work/tgz" || fail "cannot unpack $tgz"
[ "$(cd "$work/tgz" && find . -type f | LC_ALL=C sort | tr '\n' ' ')" = "./VornakStarter ./VornakStarter.txt ./VornakStarterRelay.exe ./VornakStarterRelay32.exe " ] ||
  fail "$tgz holds: $(cd "$work/tgz" && find . | tr '\n' ' ')"
[ -x "$work/tgz/VornakStarter" ] || fail "the Linux program is not executable"
file "$work/tgz/VornakStarter" | grep -q "ELF 64-bit.*x86-64.*stripped" ||
  fail "not a stripped x86-64 program: $(file "$work/tgz/VornakStarter")"
! ldd "$work/tgz/VornakStarter" | grep "not found" || fail "the Linux program misses libraries"
file "$work/tgz/VornakStarterRelay.exe" | grep -q "PE32+ executable (console) x86-64" ||
  fail "the Wine relay is no 64-bit Windows program: $(file "$work/tgz/VornakStarterRelay.exe")"
file "$work/tgz/VornakStarterRelay32.exe" | grep -q "PE32 executable (console) Intel 80386" ||
  fail "the 32-bit Wine relay: $(file "$work/tgz/VornakStarterRelay32.exe")"
grep -q "^Where to put it$" "$work/tgz/VornakStarter.txt" || fail "the players' text in the tar.gz"

ls -l "$zip" "$tgz"
echo "packages OK"
