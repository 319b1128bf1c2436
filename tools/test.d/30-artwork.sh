#!/bin/sh
# The icon and bitmaps: valid files, and still the output of res/make_artwork.py.
set -eu
cd "$VS_ROOT"
python3 tests/artwork/check_artwork.py -v 2>&1
