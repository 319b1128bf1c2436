#!/bin/sh
# The Windows build (mingw-w64) and its tests under Wine, on one private
# Xvfb display and one private Wine prefix for the whole run.
set -eu
cd "$VS_ROOT"
build="$VS_ROOT/build-win32"
sh tools/build_windows.sh

work="$build/wine-run"
mkdir -p "$work/home" "$work/tmp"
export WINEPREFIX="$build/wine-prefix"
export HOME="$work/home"
export TMPDIR="$work/tmp"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
export WINEARCH=win64

# One display for every Wine call: a windowless first start spoils the prefix.
display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=":$display"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >"$work/wineboot.log" 2>&1 || true
  wineserver -w
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for font in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf; do
  [ -f "$font" ] && cp -u "$font" "$fonts/"
done

# Wine's helpers inherit the output and outlive the program: write it to a
# file and show it afterwards.
status=0
wine "$build/tests/vs_win32_tests.exe" >"$work/vs_win32_tests.out" 2>&1 || status=$?
wineserver -w
tr -d '\r' <"$work/vs_win32_tests.out"
if [ "$status" -ne 0 ]; then
  echo "vs_win32_tests.exe exited with $status"
  exit 1
fi
