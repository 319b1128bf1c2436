#!/bin/sh
# The real Linux launcher under its own X server, driven through keyboard and
# mouse: in the demo-like game directory, started without its window and
# through the shortcut it makes, then in a game installed the Windows way
# inside a Wine prefix. Uses the launcher of ./build when the
# Linux stage made one.
set -eu
cd "$VS_ROOT"
build=build
if [ ! -x "$build/VornakStarter" ] || [ ! -f "$build/VornakStarterRelay.exe" ]; then
  build=build-e2e
  if [ ! -f build-e2e/CMakeCache.txt ]; then
    cmake -S . -B build-e2e -G Ninja -DVS_BUILD_QT=ON -DVS_BUILD_TESTS=OFF -DVS_BUILD_BENCH=OFF
  fi
  cmake --build build-e2e --target VornakStarter VornakStarterRelay
fi
status=0
python3 tests/e2e/launcher_e2e.py --launcher "$build/VornakStarter" \
  --artifacts build-e2e/e2e-artifacts || status=1
python3 tests/e2e/direct_start_e2e.py --launcher "$build/VornakStarter" \
  --artifacts build-e2e/e2e-artifacts-direct || status=1
python3 tests/e2e/windows_install.py --launcher "$build/VornakStarter" \
  --relay "$build/VornakStarterRelay.exe" --prefix build-e2e/wine-prefix \
  --artifacts build-e2e/e2e-artifacts-windows || status=1
exit $status
