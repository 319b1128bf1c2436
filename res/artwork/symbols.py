"""The 30 mod images, 24 by 24, on white. Index 0 is the game itself."""

import math

from .canvas import (BLACK, BLUE, BROWN, CYAN, Canvas, DKBLUE, DKGREEN, GOLD, GREEN, GREY, ORANGE,
                     PAPER, PURPLE, RED, WHITE, circle, ellipse, glyph_dots,
                     line, outline, poly, rect, ring)
from .shield import draw_shield_flat


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
