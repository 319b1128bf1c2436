#!/bin/sh
# The layer rule, before anything is built: every include in src/ points
# inward (app -> dialog -> ui, os -> core), none sideways between ui and os.
set -eu
cd "$VS_ROOT"
python3 tools/check_includes.py
