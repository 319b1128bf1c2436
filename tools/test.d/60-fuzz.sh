#!/bin/sh
# Each fuzz target for a short fixed time, from its seed corpus, with ASan and
# UBSan. A finding fails the stage; the input that caused it is kept in
# build-fuzz/findings/. FUZZ_SECONDS sets the time per target (default 30).
set -eu
cd "$VS_ROOT"
CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
seconds="${FUZZ_SECONDS:-30}"
work=$(mktemp -d)
# The INI target writes a file per input: keep that in memory where possible.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
mkdir -p build-fuzz/findings
status=0
for target in fuzz_mod_info fuzz_archive_list fuzz_command_line fuzz_reg_file; do
  echo "--- $target (${seconds}s)"
  mkdir -p "$work/$target"
  if ! "build-fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
      "$work/$target" "fuzz/corpus/$target" >"$work/$target.log" 2>&1; then
    tail -n 40 "$work/$target.log"
    echo "*** $target found a fault: see build-fuzz/findings/"
    status=1
  else
    grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units)" "$work/$target.log" || true
  fi
done
rm -rf "$work"
exit $status
