#!/usr/bin/env python3
"""Checks the committed icon and bitmaps: formats the resource compiler and the front ends
accept, the strip's transparent background, and that they still come from res/make_artwork.py.
The files are parsed here independently of the writer."""

import os
import struct
import sys
import unittest

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res")
sys.dont_write_bytecode = True  # nothing of ours lands in res/
sys.path.insert(0, RES)
import make_artwork  # noqa: E402
from artwork import canvas, formats  # noqa: E402


def read(name):
    with open(os.path.join(RES, name), "rb") as f:
        return f.read()


def parse_dib(data, offset):
    """Header, palette and bottom-up rows of palette indices of a DIB at offset."""
    (size, w, h, planes, bpp, comp, image_size, _, _, used, _) = struct.unpack_from(
        "<IiiHHIIiiII", data, offset)
    assert size == 40 and planes == 1 and comp == 0, (size, planes, comp)
    count = used or (1 << bpp)
    pal_at = offset + 40
    palette = [struct.unpack_from("<BBBB", data, pal_at + 4 * i)[2::-1] for i in range(count)]
    return {"w": w, "h": h, "bpp": bpp, "image_size": image_size, "palette": palette,
            "bits_at": pal_at + 4 * count}


def rows(data, at, w, h, bpp):
    """Top-down rows of values from bottom-up bits."""
    stride = ((w * bpp + 31) // 32) * 4
    out = []
    for y in range(h):
        row = data[at + (h - 1 - y) * stride:at + (h - y) * stride]
        vals = []
        for x in range(w):
            bit = x * bpp
            vals.append((row[bit // 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1))
        out.append(vals)
    return out


def parse_bmp(name):
    data = read(name)
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    assert magic == b"BM" and size == len(data)
    dib = parse_dib(data, 14)
    assert dib["bits_at"] == offset
    assert offset + dib["image_size"] == len(data)
    dib["pixels"] = [[dib["palette"][i] for i in r]
                     for r in rows(data, offset, dib["w"], dib["h"], dib["bpp"])]
    return dib


class IconFile(unittest.TestCase):
    def test_holds_32_by_32_in_16_colours_and_48_by_48_in_256(self):
        data = read("VornakStarter.ico")
        reserved, kind, count = struct.unpack_from("<HHH", data, 0)
        self.assertEqual((reserved, kind, count), (0, 1, 2))
        seen = []
        for n in range(count):
            w, h, colours, _, planes, bpp, size, at = struct.unpack_from(
                "<BBBBHHII", data, 6 + 16 * n)
            self.assertLessEqual(at + size, len(data))
            dib = parse_dib(data, at)
            self.assertEqual((dib["w"], dib["h"], dib["bpp"]), (w, 2 * h, bpp))
            self.assertEqual(colours, 16 if bpp == 4 else 0)
            xor_size = ((w * bpp + 31) // 32) * 4 * h
            and_size = ((w + 31) // 32) * 4 * h
            self.assertEqual(dib["bits_at"] + xor_size + and_size, at + size)
            colour = rows(data, dib["bits_at"], w, h, bpp)
            mask = rows(data, dib["bits_at"] + xor_size, w, h, 1)
            # Transparent corners, an opaque middle, and black under the mask so that the
            # icon draws cleanly where the mask is ignored.
            self.assertEqual(mask[0][0], 1)
            self.assertEqual(mask[h - 1][w - 1], 1)
            self.assertEqual(mask[h // 2][w // 2], 0)
            for y in range(h):
                for x in range(w):
                    if mask[y][x]:
                        self.assertEqual(dib["palette"][colour[y][x]], (0, 0, 0))
            seen.append((w, h, bpp))
        self.assertEqual(seen, [(32, 32, 4), (48, 48, 8)])


class ModImageStrip(unittest.TestCase):
    def setUp(self):
        self.bmp = parse_bmp("mod_images.bmp")

    def tile(self, i):
        return [tuple(r[i * 24:(i + 1) * 24]) for r in self.bmp["pixels"]]

    def test_is_thirty_24_pixel_images_in_16_colours(self):
        self.assertEqual((self.bmp["w"], self.bmp["h"], self.bmp["bpp"]), (720, 24, 4))
        self.assertIn((255, 255, 255), self.bmp["palette"])

    def test_every_image_is_a_symbol_on_white(self):
        white = (255, 255, 255)
        for i in range(30):
            t = self.tile(i)
            border = t[0] + t[23] + tuple(r[0] for r in t) + tuple(r[23] for r in t)
            self.assertGreater(sum(p == white for p in border), 30, f"image {i}")
            drawn = sum(p != white for r in t for p in r)
            self.assertGreater(drawn, 24 * 24 // 5, f"image {i} is nearly empty")

    def test_images_are_distinct(self):
        tiles = [tuple(self.tile(i)) for i in range(30)]
        self.assertEqual(len(set(tiles)), 30)


class Banner(unittest.TestCase):
    def test_is_474_by_60_in_256_colours_with_a_gradient(self):
        bmp = parse_bmp("banner.bmp")
        self.assertEqual((bmp["w"], bmp["h"], bmp["bpp"]), (474, 60, 8))
        self.assertEqual(len(bmp["palette"]), 256)
        self.assertGreater(len({p for r in bmp["pixels"] for p in r}), 64)


class Writer(unittest.TestCase):
    def test_rows_are_bottom_up_high_nibble_first_and_padded(self):
        bits = formats.pack_rows([[1, 2, 3], [4, 5, 6]], 3, 2, 4)
        self.assertEqual(bits, bytes([0x45, 0x60, 0, 0, 0x12, 0x30, 0, 0]))

    def test_palette_reduction_fits_the_limit_and_keeps_colours_close(self):
        c = canvas.Canvas(40, 25)
        for y in range(25):
            for x in range(40):
                c.px[y][x] = (x * 6, y * 10, (x * y) % 256)
        palette, mapper = formats.reduce_palette([c], 256, fixed=((0, 0, 0),))
        self.assertLessEqual(len(palette), 256)
        self.assertEqual(palette[0], (0, 0, 0))
        for row in c.px:
            for p in row:
                q = palette[mapper(p)]
                self.assertLessEqual(max(abs(a - b) for a, b in zip(p, q)), 32)

    def test_committed_files_match_the_script(self):
        for name, data in make_artwork.build_all().items():
            self.assertEqual(read(name), data, f"{name}: run res/make_artwork.py")


if __name__ == "__main__":
    unittest.main()
