#!/usr/bin/env python3
"""Draws the launcher's icon, mod image strip and banner and writes them as ICO and BMP files.

Plain Python 3, no imaging library: pixels are drawn into small RGB canvases and the BMP/ICO
bytes are written by hand. The output is deterministic, so `--check` can tell whether the
committed files still match this script.

    python3 res/make_artwork.py            # write the files beside this script
    python3 res/make_artwork.py --check    # compare instead of writing; exit 1 on a difference
    python3 res/make_artwork.py --out DIR  # write into DIR
"""

import math
import os
import struct
import sys

WHITE = (255, 255, 255)

# The 16 colours of the 4-bit images. White must stay in: it is the strip's transparent colour,
# so nothing inside a symbol may be pure white (PAPER is the light colour to use instead).
BLACK = (0, 0, 0)
DKRED = (128, 0, 0)
DKGREEN = (0, 112, 0)
BROWN = (140, 90, 40)
DKBLUE = (0, 48, 140)
PURPLE = (112, 40, 140)
TEAL = (0, 128, 128)
PAPER = (222, 214, 190)
GREY = (120, 120, 120)
RED = (230, 40, 30)
GREEN = (60, 200, 60)
GOLD = (255, 210, 0)
BLUE = (50, 110, 230)
ORANGE = (255, 130, 20)
CYAN = (120, 220, 255)
PALETTE16 = [BLACK, DKRED, DKGREEN, BROWN, DKBLUE, PURPLE, TEAL, PAPER,
             GREY, RED, GREEN, GOLD, BLUE, ORANGE, CYAN, WHITE]


# ---------------------------------------------------------------------------------------------
# Canvas and drawing primitives. A pixel is an RGB tuple or None (transparent, icons only).

class Canvas:
    def __init__(self, w, h, fill=WHITE):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def fill_where(self, test, colour):
        """Sets every pixel whose centre passes test(x, y); colour may be a function of (x, y)."""
        for y in range(self.h):
            for x in range(self.w):
                if test(x + 0.5, y + 0.5):
                    self.px[y][x] = colour(x, y) if callable(colour) else colour


def rect(c, x0, y0, x1, y1, col):
    c.fill_where(lambda x, y: x0 <= x < x1 and y0 <= y < y1, col)


def circle(c, cx, cy, r, col):
    c.fill_where(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, col)


def ellipse(c, cx, cy, rx, ry, col):
    c.fill_where(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, col)


def ring(c, cx, cy, r0, r1, col):
    c.fill_where(lambda x, y: r0 * r0 <= (x - cx) ** 2 + (y - cy) ** 2 <= r1 * r1, col)


def inside_polygon(pts, x, y):
    hit = False
    n = len(pts)
    for i in range(n):
        (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % n]
        if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
            hit = not hit
    return hit


def poly(c, pts, col):
    c.fill_where(lambda x, y: inside_polygon(pts, x, y), col)


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) /
                                              (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def line(c, ax, ay, bx, by, width, col):
    c.fill_where(lambda x, y: seg_dist(x, y, ax, ay, bx, by) <= width / 2.0, col)


def outline(c, col=BLACK, background=WHITE):
    """Rings every drawn shape with one pixel of col (8-neighbourhood), for crisp small icons."""
    marks = []
    for y in range(c.h):
        for x in range(c.w):
            if c.px[y][x] != background:
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < c.w and 0 <= ny < c.h and c.px[ny][nx] not in (background, col):
                        marks.append((x, y))
                        break
                else:
                    continue
                break
    for x, y in marks:
        c.px[y][x] = col


def glyph_dots(c, rows, x0, y0, col):
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            if ch == "#":
                c.set(x0 + i, y0 + j, col)


# ---------------------------------------------------------------------------------------------
# The V shield: the launcher's emblem, used by the icon, image 0 of the strip and the banner.

def shield_inside(u, v, inset=0.0):
    """Whether (u, v) in the unit square lies inside the shield shrunk by inset."""
    half = 0.41 - inset
    top = 0.07 + inset + 0.05 * (1.0 - min(1.0, ((u - 0.5) / 0.41) ** 2))
    if v < top or half <= 0:
        return False
    tip = 0.95 - inset * 1.6
    if v > tip:
        return False
    if v <= 0.48:
        hw = half
    else:
        hw = half * (1.0 - ((v - 0.48) / (tip - 0.48)) ** 1.7)
    return abs(u - 0.5) <= hw


V_LETTER = [(0.27, 0.24), (0.405, 0.24), (0.5, 0.56), (0.595, 0.24), (0.73, 0.24),
            (0.555, 0.78), (0.445, 0.78)]


def draw_shield_flat(c, x0, y0, size, rim, body, letter, rim_px):
    """Shield in flat palette colours, with a black edge: for the 16-colour images."""
    inset = rim_px / size

    def at(x, y):
        return (x - x0) / size, (y - y0) / size

    c.fill_where(lambda x, y: shield_inside(*at(x, y)), rim)
    c.fill_where(lambda x, y: shield_inside(*at(x, y), inset), body)
    pts = [(x0 + u * size, y0 + v * size) for u, v in V_LETTER]
    poly(c, pts, letter)


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shaded_shield(u, v):
    """Colour of the rich shield at (u, v), or None outside: gradients for the 256-colour images."""
    if not shield_inside(u, v):
        return None
    if not shield_inside(u, v, 0.035):
        return (20, 20, 40)
    if not shield_inside(u, v, 0.085):
        return mix((255, 236, 130), (190, 120, 10), (u + v) * 0.6)
    if not shield_inside(u, v, 0.105):
        return (30, 30, 60)
    if inside_polygon(V_LETTER, u, v):
        return mix((255, 246, 190), (230, 150, 20), (v - 0.24) / 0.54)
    shadow = [(x + 0.025, y + 0.03) for x, y in V_LETTER]
    if inside_polygon(shadow, u, v):
        return (10, 22, 70)
    base = mix((80, 140, 255), (10, 30, 120), (u * 0.5 + v) / 1.2)
    if u < 0.5 and v < 0.5 and (u - 0.28) ** 2 + (v - 0.28) ** 2 < 0.012:
        base = mix(base, (200, 225, 255), 0.35)
    return base


def render_supersampled(w, h, colour_at, ss=4, threshold=0.5):
    """Averages ss*ss samples per pixel; pixels covered less than threshold become None."""
    c = Canvas(w, h, None)
    for y in range(h):
        for x in range(w):
            acc, hits = [0, 0, 0], 0
            for j in range(ss):
                for i in range(ss):
                    col = colour_at(x + (i + 0.5) / ss, y + (j + 0.5) / ss)
                    if col is not None:
                        hits += 1
                        for k in range(3):
                            acc[k] += col[k]
            if hits >= threshold * ss * ss:
                c.px[y][x] = tuple(int(round(a / hits)) for a in acc)
    return c


# ---------------------------------------------------------------------------------------------
# The 30 mod images, 24 by 24, on white. Index 0 is the game itself.

def img_game(c):
    draw_shield_flat(c, 0.5, 0.5, 23, GOLD, DKBLUE, GOLD, 2.2)
    outline(c)


def img_puzzle(c):
    rect(c, 4, 7, 18, 21, GREEN)
    circle(c, 11, 5.5, 3.2, GREEN)
    circle(c, 19.5, 14, 3.2, GREEN)
    circle(c, 3.5, 14, 2.8, WHITE)
    outline(c)
    line(c, 7, 18, 7, 10, 1, DKGREEN)


def img_gear(c):
    for k in range(8):
        a = k * math.pi / 4
        line(c, 12 + 6 * math.cos(a), 12 + 6 * math.sin(a),
             12 + 9.5 * math.cos(a), 12 + 9.5 * math.sin(a), 3.2, GREY)
    circle(c, 12, 12, 7.2, GREY)
    circle(c, 12, 12, 2.8, WHITE)
    outline(c)
    ring(c, 11.5, 11.5, 4.2, 5.0, PAPER)


def img_scroll(c):
    rect(c, 6, 5, 18, 19, PAPER)
    ellipse(c, 12, 4.5, 8, 2.2, BROWN)
    ellipse(c, 12, 19.5, 8, 2.2, BROWN)
    outline(c)
    for y in (8, 11, 14):
        line(c, 8, y + 0.5, 16, y + 0.5, 1, GREY)
    line(c, 8, 16.5, 13, 16.5, 1, GREY)


def img_sword(c):
    line(c, 20, 3, 9.5, 13.5, 3.2, PAPER)
    line(c, 6, 11, 12.5, 17.5, 2.6, GOLD)
    line(c, 8.5, 15.5, 5, 19, 2.4, BROWN)
    circle(c, 4, 20, 2, GOLD)
    outline(c)
    line(c, 19, 4.5, 11, 12.5, 1, GREY)


def img_map(c):
    poly(c, [(2, 5), (8, 3), (16, 5), (22, 3), (22, 19), (16, 21), (8, 19), (2, 21)], PAPER)
    poly(c, [(8, 3), (16, 5), (16, 21), (8, 19)], (222, 214, 190))
    outline(c)
    line(c, 8.5, 3.5, 8.5, 19, 1, GREY)
    line(c, 15.5, 5, 15.5, 21, 1, GREY)
    for a, b in [((4, 17), (7, 14)), ((9, 13), (12, 12)), ((14, 11), (15, 9))]:
        line(c, a[0] + 0.5, a[1] + 0.5, b[0] + 0.5, b[1] + 0.5, 1, DKBLUE)
    line(c, 17, 6, 20, 9, 1.4, RED)
    line(c, 20, 6, 17, 9, 1.4, RED)


def img_tower(c):
    rect(c, 6, 8, 18, 22, GREY)
    for x in (5, 10, 15):
        rect(c, x, 5, x + 4, 8, GREY)
    rect(c, 11, 1, 12, 5, BROWN)
    poly(c, [(12, 1), (18, 2.5), (12, 4)], RED)
    outline(c)
    rect(c, 10, 16, 14, 22, BLACK)
    circle(c, 12, 16, 2, BLACK)
    rect(c, 8, 11, 10, 13, BLACK)
    rect(c, 14, 11, 16, 13, BLACK)


def img_tree(c):
    rect(c, 10, 14, 14, 22, BROWN)
    circle(c, 12, 8, 6, GREEN)
    circle(c, 7, 12, 4.5, GREEN)
    circle(c, 17, 12, 4.5, GREEN)
    outline(c)
    for x, y in ((9, 7), (14, 10), (6, 12), (17, 13), (11, 12)):
        c.set(x, y, DKGREEN)
        c.set(x + 1, y, DKGREEN)


def img_potion(c):
    circle(c, 12, 15, 6.5, CYAN)
    rect(c, 10, 4, 14, 10, CYAN)
    rect(c, 9.5, 2, 14.5, 5, BROWN)
    outline(c)
    c.fill_where(lambda x, y: (x - 12) ** 2 + (y - 15) ** 2 <= 5.5 ** 2 and y > 13, PURPLE)
    rect(c, 8, 12, 10, 14, PAPER)


def img_key(c):
    ring(c, 7, 9, 2.2, 5, GOLD)
    line(c, 11, 9, 21, 9, 3, GOLD)
    rect(c, 16, 9, 18.5, 15, GOLD)
    rect(c, 19.5, 9, 22, 13, GOLD)
    outline(c)


def img_round_shield(c):
    circle(c, 12, 12, 10, BROWN)
    circle(c, 12, 12, 8.2, RED)
    line(c, 12, 3, 12, 21, 2.2, GOLD)
    line(c, 3, 12, 21, 12, 2.2, GOLD)
    circle(c, 12, 12, 3, GREY)
    outline(c)
    c.set(11, 11, PAPER)


def img_star(c):
    pts = []
    for k in range(10):
        r = 10.5 if k % 2 == 0 else 4.3
        a = -math.pi / 2 + k * math.pi / 5
        pts.append((12 + r * math.cos(a), 12.8 + r * math.sin(a)))
    poly(c, pts, GOLD)
    outline(c)
    c.set(11, 9, PAPER)
    c.set(11, 10, PAPER)


def img_heart(c):
    circle(c, 8, 9, 5, RED)
    circle(c, 16, 9, 5, RED)
    poly(c, [(3.2, 10.5), (20.8, 10.5), (12, 21)], RED)
    outline(c)
    rect(c, 6, 7, 8, 9, PAPER)


def img_bolt(c):
    poly(c, [(14, 1), (5, 13), (11, 13), (8, 23), (19, 9), (13, 9), (17, 1)], GOLD)
    outline(c)


def img_skull(c):
    circle(c, 12, 10, 8, PAPER)
    rect(c, 8, 14, 16, 21, PAPER)
    outline(c)
    circle(c, 8.5, 11, 2.3, BLACK)
    circle(c, 15.5, 11, 2.3, BLACK)
    poly(c, [(12, 13.5), (10.5, 16.5), (13.5, 16.5)], BLACK)
    for x in (10, 12, 14):
        rect(c, x, 19, x + 1, 21, GREY)


def img_axe(c):
    c.fill_where(lambda x, y: (x - 14) ** 2 + (y - 8) ** 2 <= 56 and x >= 14, GREY)
    ring(c, 14, 8, 6.2, 7.5, PAPER)
    c.fill_where(lambda x, y: x < 14, WHITE)
    line(c, 7, 22, 13, 2, 2.8, BROWN)
    outline(c)


def img_bow(c):
    ring(c, 5, 12, 8.5, 10.5, BROWN)
    c.fill_where(lambda x, y: x < 5.5, WHITE)
    line(c, 5.5, 1.5, 5.5, 22.5, 1, GREY)
    line(c, 3, 12.5, 19, 12.5, 1.2, BROWN)
    poly(c, [(23, 12.5), (18, 9.5), (18, 15.5)], GREY)
    poly(c, [(1, 10), (4, 12), (1, 15), (5, 15), (7, 12.5), (5, 10)], RED)
    outline(c)


def img_coin(c):
    circle(c, 12, 12, 10, ORANGE)
    circle(c, 11.5, 11.5, 8.7, GOLD)
    outline(c)
    ring(c, 12, 12, 6.3, 7.2, ORANGE)
    glyph_dots(c, ["#...#", "#...#", ".#.#.", ".#.#.", "..#.."], 10, 10, ORANGE)
    c.set(7, 7, PAPER)
    c.set(8, 6, PAPER)


def img_gem(c):
    poly(c, [(6, 3), (18, 3), (22, 9), (12, 22), (2, 9)], CYAN)
    outline(c)
    line(c, 3, 9.5, 21, 9.5, 1, BLUE)
    line(c, 9, 3.5, 7, 9.5, 1, BLUE)
    line(c, 15, 3.5, 17, 9.5, 1, BLUE)
    line(c, 7, 9.5, 12, 20.5, 1, BLUE)
    line(c, 17, 9.5, 12, 20.5, 1, BLUE)


def img_book(c):
    rect(c, 4, 3, 19, 21, DKBLUE)
    rect(c, 7, 19, 20, 22, PAPER)
    outline(c)
    rect(c, 5, 3, 6, 21, BLUE)
    draw_shield_flat(c, 8.5, 6, 9, GOLD, GOLD, DKBLUE, 1.0)


def img_flame(c):
    def drop(cx, top, bottom, r):
        return lambda x, y: ((x - cx) ** 2 + (y - (bottom - r)) ** 2 <= r * r) or \
            (top <= y <= bottom - r and abs(x - cx) <= r * (y - top) / (bottom - r - top))
    c.fill_where(drop(12, 1, 22, 8), RED)
    c.fill_where(drop(12, 6, 21, 6), ORANGE)
    c.fill_where(drop(12.5, 11, 20.5, 3.5), GOLD)
    outline(c)


def img_snowflake(c):
    for k in range(3):
        a = k * math.pi / 3 + math.pi / 2
        dx, dy = 10 * math.cos(a), 10 * math.sin(a)
        line(c, 12 - dx, 12 - dy, 12 + dx, 12 + dy, 2, BLUE)
        for s in (-1, 1):
            ex, ey = 12 + s * dx * 0.6, 12 + s * dy * 0.6
            for b in (-1, 1):
                bx = ex + s * 3 * math.cos(a + b * 2.3)
                by = ey + s * 3 * math.sin(a + b * 2.3)
                line(c, ex, ey, bx, by, 1.4, BLUE)
    circle(c, 12, 12, 2.5, CYAN)
    outline(c, DKBLUE)


def img_drop(c):
    c.fill_where(lambda x, y: ((x - 12) ** 2 + (y - 15) ** 2 <= 49) or
                 (2 <= y <= 15 and abs(x - 12) <= 7 * ((y - 2) / 13) ** 1.4), BLUE)
    outline(c, DKBLUE)
    ellipse(c, 9, 15, 1.5, 3, CYAN)


def img_mountain(c):
    poly(c, [(0, 21), (9, 5), (18, 21)], GREY)
    poly(c, [(8, 21), (16, 10), (24, 21)], BROWN)
    poly(c, [(9, 5), (6.2, 10), (8, 9), (9.5, 11), (11.5, 8.5)], PAPER)
    rect(c, 0, 19, 24, 23, GREEN)
    outline(c)


def img_moon(c):
    c.fill_where(lambda x, y: (x - 12) ** 2 + (y - 12) ** 2 <= 90 and
                 (x - 16.5) ** 2 + (y - 9) ** 2 > 64, GOLD)
    outline(c)
    c.set(6, 14, ORANGE)
    c.set(9, 18, ORANGE)


def img_sun(c):
    for k in range(8):
        a = k * math.pi / 4 + math.pi / 8
        poly(c, [(12 + 7 * math.cos(a - 0.35), 12 + 7 * math.sin(a - 0.35)),
                 (12 + 11 * math.cos(a), 12 + 11 * math.sin(a)),
                 (12 + 7 * math.cos(a + 0.35), 12 + 7 * math.sin(a + 0.35))], ORANGE)
    circle(c, 12, 12, 6.5, GOLD)
    outline(c)


def img_hammer(c):
    line(c, 5, 21, 14, 9, 2.8, BROWN)
    poly(c, [(9, 5), (15, 1), (22, 10), (16, 14)], GREY)
    outline(c)
    line(c, 15, 2.5, 20.5, 10, 1, PAPER)


def img_ship(c):
    poly(c, [(2, 15), (22, 15), (18, 20), (6, 20)], BROWN)
    rect(c, 11, 2, 13, 15, BROWN)
    poly(c, [(13, 3), (20, 13), (13, 13)], PAPER)
    poly(c, [(11, 5), (5, 13), (11, 13)], PAPER)
    outline(c)
    for x in range(0, 24, 4):
        line(c, x, 22, x + 2, 21, 1.2, BLUE)
        line(c, x + 2, 21, x + 4, 22, 1.2, BLUE)


def img_mushroom(c):
    c.fill_where(lambda x, y: y <= 12 and (x - 12) ** 2 + ((y - 12) * 1.25) ** 2 <= 100, RED)
    rect(c, 9, 12, 15, 21, PAPER)
    outline(c)
    for x, y, r in ((8, 8, 1.6), (14, 5.5, 1.6), (16, 10, 1.3), (11.5, 10.5, 1.1)):
        circle(c, x, y, r, PAPER)


def img_question(c):
    circle(c, 12, 12, 10.5, BLUE)
    outline(c, DKBLUE)
    glyph_dots(c, [" #### ", "##  ##", "    ##", "   ## ", "  ##  ", "  ##  ", "      ",
                   "  ##  ", "  ##  "], 9, 6, GOLD)


MOD_IMAGES = [img_game, img_puzzle, img_gear, img_scroll, img_sword, img_map, img_tower,
              img_tree, img_potion, img_key, img_round_shield, img_star, img_heart, img_bolt,
              img_skull, img_axe, img_bow, img_coin, img_gem, img_book, img_flame,
              img_snowflake, img_drop, img_mountain, img_moon, img_sun, img_hammer, img_ship,
              img_mushroom, img_question]


def make_strip():
    strip = Canvas(24 * len(MOD_IMAGES), 24)
    for i, draw in enumerate(MOD_IMAGES):
        tile = Canvas(24, 24)
        draw(tile)
        for y in range(24):
            strip.px[y][i * 24:(i + 1) * 24] = tile.px[y]
    return strip


# ---------------------------------------------------------------------------------------------
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


# ---------------------------------------------------------------------------------------------
# The banner: "VornakStarter" in a pixel font over a dusk landscape, 474x60.

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


# ---------------------------------------------------------------------------------------------
# Palettes and file formats.

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
