#!/bin/sh
# Sets up, builds and runs every test: each stage in tools/test.d in turn.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
export VS_ROOT="$(cd "$here/.." && pwd)"
status=0
start=$(date +%s)
for stage in "$here"/test.d/*.sh; do
  echo "=== $(basename "$stage")"
  began=$(date +%s)
  if ! sh "$stage"; then
    echo "*** FAILED: $(basename "$stage")"
    status=1
  fi
  echo "=== $(basename "$stage"): $(($(date +%s) - began)) s"
done
echo "=== all stages: $(($(date +%s) - start)) s"
exit $status
