#!/bin/sh
# Builds every benchmark program of bench/ and runs each, printing its figures.
# The start-up benchmark gets an X server of its own.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${VS_BENCH_BUILD:-$root/build-bench}"
"$root/tools/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVS_BUILD_QT=ON \
  -DVS_BUILD_TESTS=OFF -DVS_BUILD_BENCH=ON >/dev/null
cmake --build "$build"
status=0
for source in "$root"/bench/*.cpp; do
  [ -e "$source" ] || continue
  name=$(basename "$source" .cpp)
  echo "=== $name"
  "$build/bench/$name" || status=1
done
echo "=== startup_bench"
runtime=$(mktemp -d)
XDG_RUNTIME_DIR="$runtime" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$build/bench/startup/startup_bench" "$@" || status=1
rm -rf "$runtime"
exit $status
