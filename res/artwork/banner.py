"""The banner: "VornakStarter" in a pixel font over a dusk landscape, 474x60."""

import math

from .canvas import Canvas, mix, render_supersampled
from .shield import shaded_shield

FONT = {
    "V": ["#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    "S": [".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "k": ["#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"],
    "t": [".#..", ".#..", "####", ".#..", ".#..", ".#.#", "..#."],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
}


def text_mask(text, scale, gap=1):
    """Pixel mask of text in FONT, each font dot a scale-by-scale block."""
    width = sum(len(FONT[ch][0]) + gap for ch in text) - gap
    mask = [[False] * (width * scale) for _ in range(7 * scale)]
    x = 0
    for ch in text:
        rows = FONT[ch]
        for j, row in enumerate(rows):
            for i, dot in enumerate(row):
                if dot == "#":
                    for yy in range(j * scale, (j + 1) * scale):
                        for xx in range((x + i) * scale, (x + i + 1) * scale):
                            mask[yy][xx] = True
        x += len(rows[0]) + gap
    return mask


def ridge(x, seed, base, amp):
    return base - amp * (0.55 * math.sin(x / 37.0 + seed) + 0.3 * math.sin(x / 13.0 + seed * 2.1)
                         + 0.15 * math.sin(x / 5.3 + seed * 3.7))


def make_banner():
    w, h = 474, 60
    c = Canvas(w, h)
    sky_top, sky_mid, sky_low = (8, 12, 48), (60, 40, 110), (250, 150, 70)
    for y in range(h):
        t = y / (h - 1)
        col = mix(sky_top, sky_mid, t / 0.55) if t < 0.55 else mix(sky_mid, sky_low,
                                                                  (t - 0.55) / 0.45)
        for x in range(w):
            c.px[y][x] = col
    state = 12345
    for _ in range(70):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        x = state % w
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        y = state % 28
        c.px[y][x] = (230, 230, 255) if state & 16 else (150, 150, 200)
    for x in range(w):
        far = ridge(x, 1.3, 46, 9)
        near = ridge(x, 4.1, 54, 6)
        for y in range(h):
            if y >= near:
                c.px[y][x] = mix((40, 24, 50), (14, 8, 20), (y - near) / 8)
            elif y >= far:
                c.px[y][x] = mix((96, 60, 110), (60, 38, 84), (y - far) / 12)

    logo = render_supersampled(52, 52, lambda x, y: shaded_shield(x / 52, y / 52))
    for y in range(52):
        for x in range(52):
            if logo.px[y][x] is not None:
                c.px[y + 4][x + 10] = logo.px[y][x]

    scale = 5
    mask = text_mask("VornakStarter", scale)
    mh, mw = len(mask), len(mask[0])
    tx, ty = 72 + (w - 72 - mw) // 2, (h - mh) // 2 - 1

    def on(x, y):
        return 0 <= y < mh and 0 <= x < mw and mask[y][x]

    for y in range(-3, mh + 5):
        for x in range(-3, mw + 5):
            px, py = tx + x, ty + y
            if not (0 <= px < w and 0 <= py < h):
                continue
            if on(x, y):
                edge = not (on(x - 1, y - 1) and on(x, y - 1) and on(x - 1, y))
                col = mix((255, 244, 170), (220, 120, 10), y / mh)
                c.px[py][px] = mix(col, (255, 255, 235), 0.6) if edge else col
            elif any(on(x + dx, y + dy) for dx in (-2, -1, 0, 1, 2) for dy in (-2, -1, 0, 1, 2)
                     if abs(dx) + abs(dy) <= 3):
                c.px[py][px] = (24, 10, 30)
            elif on(x - 4, y - 4) or on(x - 3, y - 3):
                c.px[py][px] = mix(c.px[py][px], (0, 0, 0), 0.55)
    return c
