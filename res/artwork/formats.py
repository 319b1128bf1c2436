"""Palettes and the BMP and ICO file formats."""

import struct

from .canvas import BLACK


def reduce_palette(canvases, limit, fixed=()):
    """Builds a palette of at most limit colours for the canvases, coarsening colour steps until
    the colours fit; fixed colours come first. Returns (palette, mapper)."""
    colours = set()
    for cv in canvases:
        for row in cv.px:
            colours.update(p for p in row if p is not None)
    step = 1
    while True:
        def q(p, s=step):
            if p in fixed:
                return p
            return tuple(min(255, (v // s) * s + s // 2) if s > 1 else v for v in p)
        reduced = sorted(set(q(p) for p in colours) - set(fixed))
        if len(reduced) + len(fixed) <= limit:
            palette = list(fixed) + reduced
            index = {p: i for i, p in enumerate(palette)}
            return palette, lambda p: index[q(p)]
        step *= 2


def nearest_mapper(palette):
    cache = {}

    def m(p):
        if p not in cache:
            cache[p] = min(range(len(palette)),
                           key=lambda i: sum((palette[i][k] - p[k]) ** 2 for k in range(3)))
        return cache[p]
    return m


def pack_rows(indices, w, h, bpp):
    """Bottom-up rows of palette indices at bpp bits, each padded to 4 bytes."""
    out = bytearray()
    stride = ((w * bpp + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            v = indices[y][x]
            bit = x * bpp
            row[bit // 8] |= v << (8 - bpp - bit % 8)
        out += row
    return bytes(out)


def info_header(w, h, bpp, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, image_size, 2835, 2835, colours, 0)


def palette_bytes(palette, count):
    pal = list(palette) + [(0, 0, 0)] * (count - len(palette))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)


def bmp_bytes(canvas, bpp, palette, mapper):
    count = 1 << bpp
    assert len(palette) <= count
    idx = [[mapper(p) for p in row] for row in canvas.px]
    bits = pack_rows(idx, canvas.w, canvas.h, bpp)
    pal = palette_bytes(palette, count)
    offset = 14 + 40 + len(pal)
    head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return head + info_header(canvas.w, canvas.h, bpp, len(bits), count) + pal + bits


def icon_image_bytes(canvas, bpp, palette, mapper):
    """One BMP-in-ICO image: header with doubled height, colour bits, then the AND mask."""
    count = 1 << bpp
    black = palette.index(BLACK)
    idx = [[black if p is None else mapper(p) for p in row] for row in canvas.px]
    mask = [[1 if p is None else 0 for p in row] for row in canvas.px]
    xor = pack_rows(idx, canvas.w, canvas.h, bpp)
    andm = pack_rows(mask, canvas.w, canvas.h, 1)
    head = info_header(canvas.w, canvas.h * 2, bpp, len(xor) + len(andm), 0)
    return head + palette_bytes(palette, count) + xor + andm


def ico_bytes(images):
    """images: list of (canvas, bpp, image bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for canvas, bpp, blob in images:
        colours = (1 << bpp) if bpp < 8 else 0
        out += struct.pack("<BBBBHHII", canvas.w % 256, canvas.h % 256, colours, 0, 1, bpp,
                           len(blob), offset + len(data))
        data += blob
    return out + data
