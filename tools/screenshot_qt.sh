#!/bin/sh
# Runs the Linux launcher of ./build in a demo game on a private X server,
# clicks Frostpeak Expedition and starts it, and saves a picture of its
# window (default docs/screenshot.png). QT_SCALE_FACTOR, when set, scales the
# window (1.5 for 150 %) and the clicks with it.
#   tools/screenshot_qt.sh [PNG]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshot.png}")
[ -x "$root/build/VornakStarter" ] || {
  echo "build the launcher first (cmake --build build --target VornakStarter)"
  exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sh "$root/tools/make_demo.sh" "$work/game" >/dev/null
cp "$root/build/VornakStarter" "$work/game/system/VornakStarter"
mkdir -m 700 "$work/runtime"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb SHOT="$out" PROGRAM="$work/game/system/VornakStarter"
# The third row of the list: 24 pixels a row at 1x.
scale=${QT_SCALE_FACTOR:-1}
export ROW_X=$(awk -v s="$scale" 'BEGIN { printf "%d", 60 * s }')
export ROW_Y=$(awk -v s="$scale" 'BEGIN { printf "%d", 124 * s }')
xvfb-run -a -s "-screen 0 $(awk -v s="$scale" 'BEGIN { printf "%dx%dx24", 800 * s, 600 * s }')" sh -c '
  "$PROGRAM" >/dev/null 2>&1 &
  launcher=$!
  window=""
  for _ in $(seq 50); do
    window=$(xdotool search --name "^VornakStarter v" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "no launcher window" >&2; kill "$launcher"; exit 1; }
  xdotool windowmove "$window" 0 0
  sleep 0.5
  # The third row, then Start; the stand-in game'"'"'s message window is
  # closed again.
  xdotool mousemove "$ROW_X" "$ROW_Y" click 1
  sleep 0.3
  xdotool key Return
  sleep 1.5
  for other in $(xdotool search --name "^vornakmod.exe\$" 2>/dev/null); do xdotool windowkill "$other"; done
  sleep 0.5
  import -window "$window" "$SHOT"
  kill "$launcher"
'
echo "saved $out"
