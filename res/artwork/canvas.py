"""Colours, an RGB canvas and the drawing primitives the artwork is made of."""

import math

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


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


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
