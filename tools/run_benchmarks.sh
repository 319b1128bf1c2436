#!/bin/sh
# Builds every benchmark program of bench/ (the *_bench.cpp files) and runs
# each, printing its figures; exits 0 when every one ran. The start-up
# benchmark gets an X server of its own and runs at a player's 20 mods and at
# 1,000; arguments go to it (--runs N).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${VS_BENCH_BUILD:-$root/build-bench}"
"$root/tools/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVS_BUILD_QT=ON \
  -DVS_BUILD_TESTS=OFF -DVS_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2
status=0
runtime=$(mktemp -d)
echo "machine: $(nproc) cores, $(uname -srm); load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for source in "$root"/bench/*_bench.cpp; do
  [ -e "$source" ] || continue
  name=$(basename "$source" .cpp)
  echo "=== $name"
  XDG_RUNTIME_DIR="$runtime" "$build/bench/$name" || status=1
done
for mods in 20 1000; do
  echo "=== startup_bench, $mods mods"
  XDG_RUNTIME_DIR="$runtime" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$build/bench/startup/startup_bench" --mods "$mods" "$@" || status=1
done
rm -rf "$runtime"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
