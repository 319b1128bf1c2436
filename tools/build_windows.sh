#!/bin/sh
# Cross-builds the Windows program: build-win32 holds the 64-bit
# VornakStarter.EXE with the Windows tests, build-win32-i686 the 32-bit
# release VornakStarter.EXE (one statically linked file, no DLL beside it).
#   tools/build_windows.sh [--release-only]
set -eu
root="${VS_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}"
if [ "${1:-}" != "--release-only" ]; then
  cmake -S "$root" -B "$root/build-win32" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$root/build-win32" -j2
fi
cmake -S "$root" -B "$root/build-win32-i686" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DVS_BUILD_TESTS=OFF
cmake --build "$root/build-win32-i686" -j2 --target VornakStarter
