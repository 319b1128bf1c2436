#!/bin/sh
# The real Linux launcher under its own X server, driven through keyboard and
# mouse. Uses the launcher of ./build when the Linux stage made one.
set -eu
cd "$VS_ROOT"
launcher=build/VornakStarter
if [ ! -x "$launcher" ]; then
  if [ ! -f build-e2e/CMakeCache.txt ]; then
    cmake -S . -B build-e2e -G Ninja -DVS_BUILD_QT=ON -DVS_BUILD_TESTS=OFF -DVS_BUILD_BENCH=OFF
  fi
  cmake --build build-e2e --target VornakStarter
  launcher=build-e2e/VornakStarter
fi
python3 tests/e2e/launcher_e2e.py --launcher "$launcher" --artifacts build-e2e/e2e-artifacts
