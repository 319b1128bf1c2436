#!/bin/sh
# The whole test suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any finding fails a test and so the stage.
set -eu
cd "$VS_ROOT"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVS_SANITIZE=ON -DVS_BUILD_QT=ON \
  -DVS_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$VS_ROOT/tools/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j2 --timeout 600
