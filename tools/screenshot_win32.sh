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
. "$root/tools/wine_session.sh"
cleanup() {
  wine_session_end
  rm -rf "$work"
}
trap cleanup EXIT
wine_session "$root/build-win32/shot-prefix" "$work" 800x600x24
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
