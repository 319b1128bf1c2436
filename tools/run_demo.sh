#!/bin/sh
# Builds the launcher, lays out the demo game (default ./demo-game) and starts
# the launcher in it. Without a display it runs under a virtual X server and
# saves a screenshot to DIR/screenshot.png instead.
#   tools/run_demo.sh [DIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-./demo-game}
build="$root/build-demo"

if [ "$(id -u)" = 0 ]; then
  "$root/tools/setup.sh"
else
  echo "not root: skipping tools/setup.sh, the build packages must be installed already"
fi

cmake -S "$root" -B "$build" -G Ninja -DVS_BUILD_QT=ON -DVS_BUILD_TESTS=OFF -DVS_BUILD_BENCH=OFF
cmake --build "$build" --target VornakStarter
# The Wine relays (for 64-bit and 32-bit prefixes), where the mingw-w64
# compilers built them: a Windows game beside the launcher then starts
# through Wine.
cmake --build "$build" --target VornakStarterRelay 2>/dev/null || true

sh "$root/tools/make_demo.sh" "$dir"
dir=$(cd "$dir" && pwd)
# The launcher is ours, not the user's: always the fresh build.
cp "$build/VornakStarter" "$dir/system/VornakStarter"
for relay in VornakStarterRelay.exe VornakStarterRelay32.exe; do
  if [ -f "$build/$relay" ]; then
    cp "$build/$relay" "$dir/system/$relay"
  fi
done

# It must find its files from its own location, not from where it was started.
cd /
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime"
trap 'rm -rf "$runtime"' EXIT

if [ -n "${DISPLAY:-}" ]; then
  echo "starting $dir/system/VornakStarter"
  "$dir/system/VornakStarter"
  exit 0
fi

shot="$dir/screenshot.png"
echo "no DISPLAY: running the launcher under xvfb-run, screenshot after 3 s to $shot"
export SHOT="$shot" PROGRAM="$dir/system/VornakStarter"
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  "$PROGRAM" &
  launcher=$!
  sleep 3
  status=0
  if kill -0 "$launcher" 2>/dev/null; then
    import -window root "$SHOT" || status=1
    kill "$launcher"
  else
    echo "the launcher ended before the screenshot" >&2
    status=1
  fi
  wait "$launcher" 2>/dev/null || true
  exit $status
'
echo "screenshot saved: $shot"
