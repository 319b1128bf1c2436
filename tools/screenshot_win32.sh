#!/bin/sh
# Cross-builds VornakStarter.EXE, runs it in a demo game under Wine on a
# private X server and saves a picture of its window (default
# docs/screenshot-win32.png), at 96 DPI or the scale given (Wine's LogPixels).
#   tools/screenshot_win32.sh [PNG] [DPI]
# Wine's own desktop window draws the caption, as no window manager runs.
# "MS Sans Serif" is mapped to Tahoma, the narrow face that stands in for it
# on Windows; without the mapping Wine falls back to a much wider face.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot-win32.png}")
dpi=${2:-96}
VS_ROOT="$root" sh "$root/tools/build_windows.sh" >/dev/null

# The desktop and the screen grow with the scale.
desktop="$((640 * dpi / 96))x$((520 * dpi / 96))"
screen="$((800 * dpi / 96))x$((640 * dpi / 96))x24"

work=$(mktemp -d)
. "$root/tools/wine_session.sh"
cleanup() {
  wine_session_end
  rm -rf "$work"
}
trap cleanup EXIT
wine_session "$root/build-win32/shot-prefix" "$work" "$screen"
wine reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes" \
  /v "MS Sans Serif" /d "Tahoma" /f >/dev/null 2>&1
wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1
wineserver -w

sh "$root/tools/make_demo.sh" "$work/game" >/dev/null
cp "$root/build-win32/VornakStarter.EXE" "$work/game/system/"
(cd "$work/game/system" && wine explorer /desktop=shot,"$desktop" VornakStarter.EXE \
  >/dev/null 2>&1 &)
sleep 10
mkdir -p "$(dirname "$out")"
# The desktop's plain background is cut away, leaving the dialog.
import -window root -crop "$desktop+0+0" +repage -trim +repage "$out"
echo "screenshot saved: $out"
