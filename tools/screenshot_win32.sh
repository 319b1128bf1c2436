#!/bin/sh
# Cross-builds VornakStarter.EXE, runs it in a demo game under Wine on a
# private X server and saves a picture of its window (default
# docs/screenshot-win32.png).
#   tools/screenshot_win32.sh [PNG]
# Wine's own desktop window draws the caption, as no window manager runs.
# "MS Sans Serif" is mapped to Tahoma, the narrow face that stands in for it
# on Windows; without the mapping Wine falls back to a much wider face.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot-win32.png}")
VS_ROOT="$root" sh "$root/tools/build_windows.sh" >/dev/null

work=$(mktemp -d)
export WINEPREFIX="$root/build-win32/shot-prefix"
export HOME="$work/home" TMPDIR="$work/tmp"
export WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
mkdir -p "$HOME" "$TMPDIR"

display=120
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
sleep 1

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for font in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf; do
  [ -f "$font" ] && cp -u "$font" "$fonts/"
done
wine reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes" \
  /v "MS Sans Serif" /d "Tahoma" /f >/dev/null 2>&1
wineserver -w

sh "$root/tools/make_demo.sh" "$work/game" >/dev/null
cp "$root/build-win32/VornakStarter.EXE" "$work/game/system/"
(cd "$work/game/system" && wine explorer /desktop=shot,640x520 VornakStarter.EXE \
  >/dev/null 2>&1 &)
sleep 10
mkdir -p "$(dirname "$out")"
# The desktop's plain background is cut away, leaving the dialog.
import -window root -crop 640x520+0+0 +repage -trim +repage "$out"
echo "screenshot saved: $out"
