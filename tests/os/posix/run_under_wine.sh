#!/bin/sh
# Runs a test program of the Linux build in a private Wine session: its own
# prefix (made on first use and kept in WORK), home, temporary folder and X
# server. Wine's helpers outlive the program and keep its output open, so the
# output goes to a file that is shown afterwards. A binfmt_misc entry the
# program registers under VS_BINFMT_ENTRY is removed at the end whatever
# became of the program, as it affects the whole system.
#   run_under_wine.sh PROGRAM WORK
set -eu
program=$1
work=$2
mkdir -p "$work/run"
. "$(dirname "$0")/../../../tools/wine_session.sh"
export VS_BINFMT_ENTRY="vs_test_mz_$$"
end() {
  entry=/proc/sys/fs/binfmt_misc/$VS_BINFMT_ENTRY
  if [ -e "$entry" ]; then echo -1 >"$entry"; fi
  wine_session_end
}
trap end EXIT
trap "exit 1" INT TERM HUP
wine_session "$work/prefix" "$work/run" 640x480x24
status=0
"$program" >"$work/run/output.txt" 2>&1 || status=$?
wineserver -w
cat "$work/run/output.txt"
exit $status
