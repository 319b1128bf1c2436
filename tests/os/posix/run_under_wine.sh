#!/bin/sh
# Runs a test program of the Linux build in a private Wine session: its own
# prefix (made on first use and kept in WORK), home, temporary folder and X
# server. Wine's helpers outlive the program and keep its output open, so the
# output goes to a file that is shown afterwards.
#   run_under_wine.sh PROGRAM WORK
set -eu
program=$1
work=$2
mkdir -p "$work/run"
. "$(dirname "$0")/../../../tools/wine_session.sh"
trap wine_session_end EXIT
wine_session "$work/prefix" "$work/run" 640x480x24
status=0
"$program" >"$work/run/output.txt" 2>&1 || status=$?
wineserver -w
cat "$work/run/output.txt"
exit $status
