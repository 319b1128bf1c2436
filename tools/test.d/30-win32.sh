#!/bin/sh
# The Windows build (mingw-w64) and its tests under Wine, on one private
# Xvfb display and one private Wine prefix for the whole run.
set -eu
cd "$VS_ROOT"
build="$VS_ROOT/build-win32"
sh tools/build_windows.sh

work="$build/wine-run"
mkdir -p "$work"
. "$VS_ROOT/tools/wine_session.sh"
trap wine_session_end EXIT
wine_session "$build/wine-prefix" "$work" 1024x768x24

# Wine's helpers inherit the output and outlive the program: write it to a
# file and show it afterwards.
status=0
wine "$build/tests/vs_win32_tests.exe" >"$work/vs_win32_tests.out" 2>&1 || status=$?
wineserver -w
tr -d '\r' <"$work/vs_win32_tests.out"
if [ "$status" -ne 0 ]; then
  echo "vs_win32_tests.exe exited with $status"
  exit 1
fi
