#!/bin/sh
# The icon and bitmaps: valid files, and still the output of res/make_artwork.py;
# the conversion of the resource script into the C++ dialog tables.
set -eu
cd "$VS_ROOT"
python3 tests/artwork/check_artwork.py -v 2>&1
python3 tests/res/dialog_tables_test.py -v 2>&1
