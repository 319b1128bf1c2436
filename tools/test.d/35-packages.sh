#!/bin/sh
# The release packages: each unpacks to the program and the players' text (the
# Linux one with both Wine relays), and the zip holds the very 32-bit program
# the Win32 stage checked. The Linux one brings its Qt but not ICU's data,
# needs of the system only the README's desktop libraries, and runs where the
# system has no Qt.
set -eu
cd "$VS_ROOT"
# The file of the Linux package that links Qt and must find it in the package:
# the Qt front end's module. The program itself links no Qt.
qt_elf=VornakStarter-libs/libvornakstarter-qt.so
# The Linux download's limit, in bytes.
download_limit=12000000
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
for f in libvornakstarter-qt.so libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libQt6XcbQpa.so.6 libicuuc.so.72 \
  libicudata.so.72 libxkbcommon-x11.so.0 plugins/platforms/libqxcb.so plugins/imageformats/libqico.so; do
  [ -f "$work/tgz/$libs/$f" ] || fail "the Linux package lacks $libs/$f"
done
# ICU's data library is our empty one, not Debian's 31 MB.
for data in "$work/tgz/$libs"/libicudata.so.*; do
  [ "$(wc -c <"$data")" -lt 65536 ] || fail "${data#$work/tgz/} is ICU's full data ($(wc -c <"$data") bytes)"
  nm -D --defined-only "$data" | grep -q " R icudt[0-9]*_dat$" || fail "${data#$work/tgz/} lacks ICU's data symbol"
done
size=$(wc -c <"$tgz")
[ "$size" -le "$download_limit" ] || fail "$tgz is $size bytes, above $download_limit"
echo "download: $size bytes (.tar.gz), $(wc -c <"${tgz%.gz}.xz") bytes (.tar.xz); unpacked: $(du -sb "$work/tgz" | cut -f1) bytes"
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
! ldd "$work/tgz/VornakStarter" | grep "not found\|libQt6" ||
  fail "the program misses libraries or links Qt itself"
! ldd "$work/tgz/$qt_elf" | grep "not found" || fail "$qt_elf misses libraries"
ldd "$work/tgz/$qt_elf" | grep -q "libQt6Widgets.so.6 => $work/tgz/$libs/" ||
  fail "$qt_elf takes another Qt than its own"
# What the files need of the system is what the README promises a desktop has.
python3 tools/desktop_packages.py --libraries README.md >"$work/promised"
for elf in $elves; do objdump -p "$elf" | awk '/NEEDED/ { print $2 }'; done | sort -u >"$work/needed"
for name in $(cat "$work/needed"); do
  [ -e "$work/tgz/$libs/$name" ] || grep -qx "$name" "$work/promised" ||
    fail "$name is needed but neither in the package nor in the README's desktop libraries"
done
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
  # Asked for Wayland, which the release does not bring: xcb, and one line.
  HOME="$work/home" XDG_CONFIG_HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-0 \
    unshare -m sh tools/hidden_qt_run.sh "$work/game/system/VornakStarter" \
    "VornakStarter v$version" "$work/hidden-qt" >"$work/hidden-qt.log" 2>&1 || {
    cat "$work/hidden-qt.log"
    fail "the release does not show its window without the system's Qt (QT_QPA_PLATFORM=wayland)"
  }
  cat "$work/hidden-qt.log"
  said="$work/hidden-qt.launcher.log"
  [ "$(wc -l <"$said")" = 1 ] && grep -q '"wayland".*"xcb"' "$said" || {
    cat "$said"
    fail "with QT_QPA_PLATFORM=wayland the launcher should say one line about taking xcb"
  }
  echo "QT_QPA_PLATFORM=wayland: $(cat "$said")"
  convert "$work/hidden-qt.xwd" build/release-without-system-qt.png &&
    echo "screenshot: build/release-without-system-qt.png"
fi

# Texts without ICU's data: the Qt tests (codecs, the description panel, the
# log) on the package's libraries, and the Polish run of the end-to-end test
# on the package itself, each with every ICU function it imports tripwired.
cmake --build build -j2 --target vs_qt_tests >/dev/null
sh tools/icu_tripwire.sh "$work/tgz" "$work/icu-tripwire.so"
export VS_ICU_TRIPWIRE_LOG="$work/icu-calls.log"
mkdir -m 700 -p "$work/qt-runtime"
LD_LIBRARY_PATH="$work/tgz/$libs" LD_PRELOAD="$work/icu-tripwire.so" QT_QPA_PLATFORM=offscreen \
  LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/qt-runtime" build/tests/vs_qt_tests >"$work/qt-tests.log" 2>&1 || {
  tail -30 "$work/qt-tests.log"
  fail "the Qt tests on the package's libraries"
}
LD_LIBRARY_PATH="$work/tgz/$libs" ldd build/tests/vs_qt_tests | grep -q "libicudata.so.* => $work/tgz/$libs/" ||
  fail "the Qt tests did not run on the package's ICU"
tail -1 "$work/qt-tests.log"
python3 tests/e2e/launcher_e2e.py --launcher "$work/tgz/VornakStarter" --polish-only \
  --preload "$work/icu-tripwire.so" --artifacts build/e2e-package-artifacts || fail "the Polish run on the package"
unset VS_ICU_TRIPWIRE_LOG
cat "$work/icu-calls.log"
! grep "ICU called" "$work/icu-calls.log" || fail "ICU was called"
[ "$(grep -c "^armed: .*/\(vs_qt_tests\|VornakStarter\)$" "$work/icu-calls.log")" -ge 2 ] ||
  fail "the ICU tripwire was not loaded into both"

ls -l "$zip" "$tgz" "${tgz%.gz}.xz"
echo "packages OK"
