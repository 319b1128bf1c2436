#!/bin/sh
# The release packages: each unpacks to the program and the players' text (the
# Linux one with both Wine relays), and the zip holds the very 32-bit program
# the Win32 stage checked. The Linux one brings its Qt and runs where the
# system has none.
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
libs=VornakStarter-libs
[ "$(cd "$work/tgz" && find . -maxdepth 1 | LC_ALL=C sort | tr '\n' ' ')" = ". ./VornakStarter ./$libs ./VornakStarter.txt ./VornakStarterRelay.exe ./VornakStarterRelay32.exe " ] ||
  fail "$tgz holds: $(cd "$work/tgz" && find . -maxdepth 1 | tr '\n' ' ')"
for f in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libQt6XcbQpa.so.6 libicuuc.so.72 \
  libicudata.so.72 libxkbcommon-x11.so.0 plugins/platforms/libqxcb.so plugins/imageformats/libqico.so; do
  [ -f "$work/tgz/$libs/$f" ] || fail "the Linux package lacks $libs/$f"
done
[ -x "$work/tgz/VornakStarter" ] || fail "the Linux program is not executable"
file "$work/tgz/VornakStarter" | grep -q "ELF 64-bit.*x86-64" ||
  fail "not an x86-64 program: $(file "$work/tgz/VornakStarter")"
# Every ELF file stripped, none needing a C library newer than 2.35.
elves=$(find "$work/tgz" -type f -exec sh -c 'head -c4 "$1" | grep -q "ELF"' _ {} \; -print)
for elf in $elves; do
  file "$elf" | grep -q ", stripped\(,\|$\)" || fail "not stripped: $(file "$elf")"
  newest=$(objdump -T "$elf" | grep -o 'GLIBC_[0-9.]*' | sed 's/GLIBC_//' | sort -uV | tail -1)
  [ -z "$newest" ] || [ "$(printf '%s\n2.35\n' "$newest" | sort -V | tail -1)" = 2.35 ] ||
    fail "${elf#$work/tgz/} needs GLIBC_$newest"
done
readelf -d "$work/tgz/VornakStarter" | grep -q "(RPATH).*\[\$ORIGIN/$libs\]" ||
  fail "the program does not look for its libraries beside itself"
! ldd "$work/tgz/VornakStarter" | grep "not found" || fail "the Linux program misses libraries"
ldd "$work/tgz/VornakStarter" | grep -q "libQt6Widgets.so.6 => $work/tgz/$libs/" ||
  fail "the program takes another Qt than its own"
file "$work/tgz/VornakStarterRelay.exe" | grep -q "PE32+ executable (console) x86-64" ||
  fail "the Wine relay is no 64-bit Windows program: $(file "$work/tgz/VornakStarterRelay.exe")"
file "$work/tgz/VornakStarterRelay32.exe" | grep -q "PE32 executable (console) Intel 80386" ||
  fail "the 32-bit Wine relay: $(file "$work/tgz/VornakStarterRelay32.exe")"
grep -q "^Where to put it$" "$work/tgz/VornakStarter.txt" || fail "the players' text in the tar.gz"

# The release on a desktop without Qt 6 or ICU: they are hidden in a mount
# namespace of its own, and the program must still show its window.
if [ "$(id -u)" != 0 ] || ! unshare -m true 2>/dev/null; then
  echo "SKIPPED: the release without the system's Qt (needs root for unshare -m)"
else
  mkdir -p "$work/game/system" "$work/game/data/modvdf" "$work/home"
  mkdir -m 700 "$work/runtime"
  cp -a "$work/tgz/." "$work/game/system/"
  printf '[info]\r\ntitle=Vornak\r\nvdf=\r\n' >"$work/game/system/vornakgame.ini"
  HOME="$work/home" XDG_CONFIG_HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    unshare -m sh tools/hidden_qt_run.sh "$work/game/system/VornakStarter" \
    "VornakStarter v$version" "$work/hidden-qt" >"$work/hidden-qt.log" 2>&1 || {
    cat "$work/hidden-qt.log"
    fail "the release does not show its window without the system's Qt"
  }
  cat "$work/hidden-qt.log"
  convert "$work/hidden-qt.xwd" build/release-without-system-qt.png &&
    echo "screenshot: build/release-without-system-qt.png"
fi

ls -l "$zip" "$tgz"
echo "packages OK"
