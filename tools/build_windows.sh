#!/bin/sh
# Cross-builds VornakStarter.EXE and the Windows tests into build-win32.
set -eu
root="${VS_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}"
cmake -S "$root" -B "$root/build-win32" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build-win32"
