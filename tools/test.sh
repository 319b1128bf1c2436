#!/bin/sh
# Sets up, builds and runs every test: each stage in tools/test.d in turn.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
export VS_ROOT="$(cd "$here/.." && pwd)"
status=0
for stage in "$here"/test.d/*.sh; do
  echo "=== $(basename "$stage")"
  if ! sh "$stage"; then
    echo "*** FAILED: $(basename "$stage")"
    status=1
  fi
done
exit $status
