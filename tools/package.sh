#!/bin/sh
# Makes the release packages into dist/: VornakStarter-<version>-win32.zip
# from the 32-bit Windows build and VornakStarter-<version>-linux-x86_64.tar.gz
# from the Linux build (./build, as the tests use it), and the same as .tar.xz.
#   tools/package.sh [--linux-only]
set -eu
root="${VS_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}"
dist="$root/dist"
mkdir -p "$dist"

if [ "${1:-}" != --linux-only ]; then
  VS_ROOT="$root" sh "$root/tools/build_windows.sh" --release-only
  (cd "$root/build-win32-i686" && cpack -B "$dist")
fi

if [ ! -f "$root/build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$root/build" -j2 --target VornakStarter VornakStarterRelay vs_empty_icu_data
(cd "$root/build" && cpack -B "$dist")

rm -rf "$dist/_CPack_Packages"
ls -l "$dist"
