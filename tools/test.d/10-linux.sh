#!/bin/sh
# The Linux build (Qt front end, core, headless host) and its tests.
set -eu
cd "$VS_ROOT"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d)"
ctest --test-dir build --output-on-failure -j2
