#!/usr/bin/env python3
"""Draws the launcher's icon, mod image strip and banner and writes them as ICO and BMP files.

Plain Python 3, no imaging library: pixels are drawn into small RGB canvases and the BMP/ICO
bytes are written by hand. The output is deterministic, so `--check` can tell whether the
committed files still match this script.

    python3 res/make_artwork.py            # write the files beside this script
    python3 res/make_artwork.py --check    # compare instead of writing; exit 1 on a difference
    python3 res/make_artwork.py --out DIR  # write into DIR
"""

import os
import sys

sys.dont_write_bytecode = True  # nothing but the artwork lands in res/
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from artwork.banner import make_banner  # noqa: E402
from artwork.canvas import (BLACK, BLUE, DKBLUE, GOLD, PALETTE16, WHITE, Canvas,  # noqa: E402
                            inside_polygon, outline, render_supersampled)
from artwork.formats import (bmp_bytes, ico_bytes, icon_image_bytes,  # noqa: E402
                             nearest_mapper, reduce_palette)
from artwork.shield import V_LETTER, draw_shield_flat, shaded_shield, shield_inside  # noqa: E402
from artwork.symbols import make_strip  # noqa: E402


# The icon: 32x32 in 16 colours and 48x48 in 256 colours.

def make_icon32():
    c = Canvas(32, 32, WHITE)
    draw_shield_flat(c, 0.5, 0.3, 31, GOLD, BLUE, GOLD, 3.2)
    c.fill_where(lambda x, y: shield_inside((x - 0.5) / 31, (y - 0.3) / 31, 0.16) and
                 (x - 0.5) / 31 + (y - 0.3) / 31 > 1.05 and
                 not inside_polygon(V_LETTER, (x - 0.5) / 31, (y - 0.3) / 31), DKBLUE)
    outline(c)
    for y in range(32):
        for x in range(32):
            if c.px[y][x] == WHITE:
                c.px[y][x] = None
    return c


def make_icon48():
    return render_supersampled(48, 48, lambda x, y: shaded_shield(x / 48, y / 48))

def build_all():
    strip = make_strip()
    strip_bmp = bmp_bytes(strip, 4, PALETTE16, nearest_mapper(PALETTE16))

    banner = make_banner()
    pal, mapper = reduce_palette([banner], 256, fixed=(BLACK,))
    banner_bmp = bmp_bytes(banner, 8, pal, mapper)

    i32 = make_icon32()
    i48 = make_icon48()
    pal48, map48 = reduce_palette([i48], 256, fixed=(BLACK,))
    ico = ico_bytes([
        (i32, 4, icon_image_bytes(i32, 4, PALETTE16, nearest_mapper(PALETTE16))),
        (i48, 8, icon_image_bytes(i48, 8, pal48, map48)),
    ])
    return {"VornakStarter.ico": ico, "mod_images.bmp": strip_bmp, "banner.bmp": banner_bmp}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = here
    check = "--check" in argv
    if "--out" in argv:
        out = argv[argv.index("--out") + 1]
    files = build_all()
    stale = []
    for name, data in files.items():
        path = os.path.join(out, name)
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                stale.append(name)
        else:
            os.makedirs(out, exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
            print(f"{path}: {len(data)} bytes")
    if stale:
        print("artwork differs from res/make_artwork.py: " + ", ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
