"""The farmstead's buildings, trees and bushes: pictures drawn over the
world, with transparent surroundings, so that the player can walk behind
them.

Each picture is drawn in its own pixels (top-left at the overlay's world
position) and stands on the collision record that stops the player: a
building's front wall ends on its record's front edge, a tree's trunk on
its record, so the depth switch (front zone) happens where the foot meets
the base.
"""

import math
import random

import level2_draw as fd
import level2_plan as plan
from common import CREAM, GOLD, INK, ROSE, STONE, Sketch, darker, lighter, text


def _local(rec, origin):
    x0, y0, x1, y1 = plan.record_box(rec)
    return (x0 - origin[0], y0 - origin[1], x1 - origin[0], y1 - origin[1])


def _overlay(name):
    for rel, pos, size, _ in plan.OVERLAYS:
        if rel.endswith(name):
            return rel, pos, size
    raise KeyError(name)


def _record(recs, name):
    for rec, (_, n) in zip(recs, plan.KINDS):
        if n == name:
            return rec
    raise KeyError(name)


def _ground_shadow(sk, x0, x1, y, depth=26, alpha=90):
    sk.ellipse((x0 - 10, y - depth * 0.5, x1 + 10, y + depth * 0.5), (20, 36, 20), None, alpha=alpha)


def house(recs):
    rel, pos, (w, h) = _overlay("maaja.png")
    x0, y0, x1, y1 = _local(_record(recs, "house"), pos)
    px0, py0, px1, py1 = _local(_record(recs, "porch"), pos)
    sk = Sketch(w, h)
    _ground_shadow(sk, x0, x1, y1 + 6, 30)
    wall_top = y1 - 250
    # roof: the back slope, then the front slope with a dormer
    ridge = wall_top - 250
    fd.roof_tiles(sk, [(x0 + 30, ridge), (x1 - 30, ridge), (x1 - 10, 36), (x0 + 10, 36)],
                  darker(fd.ROOF_RED, 0.18), 5)
    sk.rect((x1 - 190, 30, x1 - 130, 150), (150, 90, 80), INK, 4, 3)  # chimney
    sk.rect((x1 - 198, 22, x1 - 122, 40), darker((150, 90, 80), 0.2), INK, 4, 3)
    for k, (dx, r) in enumerate(((-10, 14), (6, 18), (-4, 22))):
        sk.circle((x1 - 160 + dx, 8 - k * 4 + 12), r, (230, 230, 236), None, alpha=120)
    fd.log_wall(sk, (x0, wall_top, x1, y1), fd.WALL_YELLOW, 24)
    fd.roof_tiles(sk, [(x0 - 30, wall_top + 12), (x1 + 30, wall_top + 12), (x1 - 30, ridge), (x0 + 30, ridge)],
                  fd.ROOF_RED, 7)
    dx0 = (x0 + x1) / 2 + 40
    sk.polygon([(dx0 - 70, wall_top - 40), (dx0, wall_top - 130), (dx0 + 70, wall_top - 40)],
               darker(fd.ROOF_RED, 0.1), INK, 4)
    sk.rect((dx0 - 50, wall_top - 60, dx0 + 50, wall_top + 4), fd.WALL_YELLOW, INK, 4)
    fd.window(sk, (dx0 - 26, wall_top - 54, dx0 + 26, wall_top - 6))
    # windows with shutters, the door above the porch
    door_x = (px0 + px1) / 2
    for wx in (x0 + 80, px1 + 130, x1 - 80):
        fd.window(sk, (wx - 32, wall_top + 70, wx + 32, wall_top + 150), shutters=(60, 120, 90))
    sk.rect((door_x - 34, y1 - 130, door_x + 34, y1), (104, 66, 44), INK, 4, 4)
    sk.line([(door_x, y1 - 126), (door_x, y1 - 4)], darker((104, 66, 44), 0.3), 3)
    sk.circle((door_x + 20, y1 - 64), 4, GOLD, INK, 2)
    # porch: a plank floor, two posts and a small roof over the door
    sk.rect((px0, y1 - 6, px1, py1 - 18), fd.WOOD_LIGHT, INK, 4, 3)
    for k in range(1, 4):
        yy = y1 - 6 + k * (py1 - 18 - y1 + 6) / 4
        sk.line([(px0 + 4, yy), (px1 - 4, yy)], darker(fd.WOOD_LIGHT, 0.2), 2.5)
    sk.rect((px0 + 10, py1 - 20, px1 - 10, py1), fd.WOOD, INK, 4, 3)  # the step
    for postx in (px0 + 10, px1 - 10):
        sk.rect((postx - 6, y1 - 190, postx + 6, y1 + 10), fd.WOOD_DARK, INK, 3, 2)
    sk.polygon([(px0 - 16, y1 - 180), (door_x, y1 - 250), (px1 + 16, y1 - 180)], darker(fd.ROOF_RED, 0.05), INK, 4)
    # granny on the porch, by the door
    fd.granny(sk, px1 - 36, py1 - 30, 1.05)
    # a window box of flowers
    for wx in (x0 + 80, x1 - 80):
        sk.rect((wx - 40, wall_top + 150, wx + 40, wall_top + 168), fd.WOOD, INK, 3, 3)
        for k in range(5):
            sk.circle((wx - 30 + k * 15, wall_top + 146), 7, (ROSE, GOLD, CREAM)[k % 3], INK, 2)
    return rel, sk.image()


def barn(recs):
    rel, pos, (w, h) = _overlay("kuuts.png")
    x0, y0, x1, y1 = _local(_record(recs, "barn"), pos)
    hx0 = _local(_record(recs, "hen run, west"), pos)[0]
    hx1 = _local(_record(recs, "hen run, east"), pos)[2]
    sk = Sketch(w, h)
    _ground_shadow(sk, x0, x1, y1 + 4, 24)
    wall_top = y1 - 330
    ridge = wall_top - 230
    red = (170, 58, 48)
    # the roof stays low, so a player behind the barn is hidden only up to the waist
    fd.roof_tiles(sk, [(x0 + 40, ridge), (x1 - 40, ridge), (x1 - 20, ridge - 110), (x0 + 20, ridge - 110)],
                  (96, 92, 108), 3)
    fd.plank_wall(sk, (x0, wall_top, x1, y1), red, True, 26)
    for xx in (x0, x1):
        sk.rect((xx - 8, wall_top, xx + 8, y1), CREAM, INK, 3)
    fd.roof_tiles(sk, [(x0 - 20, wall_top + 14), (x1 + 10, wall_top + 14), (x1 - 40, ridge), (x0 + 40, ridge)],
                  (124, 120, 140), 9)
    # hay loft door in the roof
    lx = x0 + 430
    sk.polygon([(lx - 90, wall_top - 10), (lx, wall_top - 150), (lx + 90, wall_top - 10)], red, INK, 4)
    sk.rect((lx - 44, wall_top - 100, lx + 44, wall_top - 10), (236, 222, 196), INK, 4)
    sk.rect((lx - 34, wall_top - 90, lx + 34, wall_top - 14), fd.STRAW, INK, 3)
    # the big doors (the path ends here)
    dx0, dx1 = x0 + 300, x0 + 560
    sk.rect((dx0 - 10, y1 - 260, dx1 + 10, y1), CREAM, INK, 4)
    for a, b in ((dx0, (dx0 + dx1) / 2), ((dx0 + dx1) / 2, dx1)):
        sk.rect((a, y1 - 250, b, y1), (150, 50, 42), INK, 4)
        sk.line([(a + 6, y1 - 244), (b - 6, y1 - 6)], CREAM, 8)
        sk.line([(b - 6, y1 - 244), (a + 6, y1 - 6)], CREAM, 8)
        sk.rect((a, y1 - 250, b, y1), None, INK, 4)
    # hen door with a ramp into the hen run, and a nesting window
    hx = (hx0 + hx1) / 2 - 40
    sk.rect((hx - 36, y1 - 90, hx + 36, y1), (60, 40, 30), INK, 4, 6)
    sk.polygon([(hx - 30, y1 - 4), (hx + 30, y1 - 4), (hx + 40, y1 + 4), (hx - 40, y1 + 4)], fd.WOOD_LIGHT, INK, 3)
    fd.egg_shape(sk, hx, y1 - 130, 30, 38)
    for wx in (x0 + 140, x0 + 780, x1 - 120):
        fd.window(sk, (wx - 34, wall_top + 70, wx + 34, wall_top + 140), frame=CREAM, glass=(90, 120, 150))
    # a lantern and a horseshoe over the door
    sk.arc((lx - 26, y1 - 310, lx + 26, y1 - 262), 200, 340, STONE, 8)
    return rel, sk.image()


def hut(recs):
    rel, pos, (w, h) = _overlay("buda.png")
    x0, y0, x1, y1 = _local(_record(recs, "hut"), pos)
    ax0, ay0, ax1, ay1 = _local(_record(recs, "woodshed"), pos)
    sk = Sketch(w, h)
    _ground_shadow(sk, x0, x1, y1 + 4, 22)
    _ground_shadow(sk, ax0, ax1, ay1 + 4, 18)
    # the woodshed: a lean-to with logs stacked in the open front
    atop = ay1 - 112
    sk.polygon([(ax0 - 6, atop), (ax1 + 10, atop + 10), (ax1 + 6, ay0 - 40), (ax0 - 6, ay0 - 60)],
               fd.THATCH, INK, 4)
    sk.rect((ax0, atop, ax1, ay1), darker(fd.WOOD_DARK, 0.25), INK, 4)
    fd.log_stack(sk, (ax0 + 10, atop + 14, ax1 - 10, ay1 - 4), rows=4)
    for px in (ax0 + 4, ax1 - 4):
        sk.rect((px - 6, atop, px + 6, ay1), fd.WOOD_DARK, INK, 3)
    sk.polygon([(ax0 - 14, atop - 4), (ax1 + 18, atop + 8), (ax1 + 18, atop + 22), (ax0 - 14, atop + 10)],
               darker(fd.THATCH, 0.15), INK, 4)
    # the log cabin
    wall_top = y1 - 160
    ridge_y = 24
    cx = (x0 + x1) / 2
    fd.roof_tiles(sk, [(x0 + 20, 110), (x1 - 20, 110), (x1 - 10, ridge_y), (x0 + 10, ridge_y)],
                  darker(fd.THATCH, 0.1), 4)
    fd.log_wall(sk, (x0, wall_top, x1, y1), fd.WALL_LOG, 20)
    fd.roof_tiles(sk, [(x0 - 22, wall_top + 10), (x1 + 22, wall_top + 10), (x1 - 30, 110), (x0 + 30, 110)],
                  fd.THATCH, 7)
    door_x = x0 + 250
    sk.rect((door_x - 30, y1 - 120, door_x + 30, y1), (92, 58, 38), INK, 4, 4)
    sk.circle((door_x + 16, y1 - 60), 4, GOLD, INK, 2)
    for wx in (x0 + 100, x1 - 110):
        fd.window(sk, (wx - 30, wall_top + 40, wx + 30, wall_top + 100), shutters=(170, 70, 60))
    sk.rect((cx + 120, 40, cx + 170, 120), (140, 120, 110), INK, 4, 3)  # chimney
    # tools leaning on the wall
    sk.outlined_line([(x1 - 30, y1 - 2), (x1 - 10, y1 - 120)], fd.WOOD_LIGHT, 5, INK, 2)
    sk.polygon([(x1 - 18, y1 - 112), (x1, y1 - 150), (x1 + 4, y1 - 120)], STONE, INK, 3)
    return rel, sk.image()


def privy(recs):
    rel, pos, (w, h) = _overlay("lvl2/mebeles/tolete.png")
    x0, y0, x1, y1 = _local(_record(recs, "privy"), pos)
    sk = Sketch(w, h)
    _ground_shadow(sk, x0, x1, y1 + 3, 16)
    top = y1 - 150
    fd.plank_wall(sk, (x0, top, x1, y1), (150, 110, 72), True, 22)
    sk.polygon([(x0 - 12, top + 10), (x1 + 12, top - 6), (x1 + 8, 18), (x0 - 8, 34)], fd.ROOF_GREY, INK, 4)
    dx0, dx1 = x0 + 30, x1 - 30
    sk.rect((dx0, top + 20, dx1, y1), (124, 84, 52), INK, 4, 3)
    hx, hy = (dx0 + dx1) / 2, top + 50
    sk.circle((hx - 7, hy), 8, INK, None)
    sk.circle((hx + 7, hy), 8, INK, None)
    sk.polygon([(hx - 15, hy + 2), (hx + 15, hy + 2), (hx, hy + 18)], INK, None)
    sk.circle((dx1 - 10, (top + y1) / 2 + 10), 4, GOLD, INK, 2)
    return rel, sk.image()


def well(recs):
    rel, pos, (w, h) = _overlay("aka.png")
    x0, y0, x1, y1 = _local(_record(recs, "well"), pos)
    sk = Sketch(w, h)
    cx = (x0 + x1) / 2
    rx = (x1 - x0) / 2
    _ground_shadow(sk, x0, x1, y1 - 2, 18)
    top = y1 - 60
    sk.rect((x0, top, x1, y1 - 12), STONE, None)
    sk.ellipse((x0, y1 - 26, x1, y1), STONE, INK, 4)
    sk.rect((x0, top, x1, y1 - 12), STONE, None)
    sk.line([(x0, top), (x0, y1 - 12)], INK, 4)
    sk.line([(x1, top), (x1, y1 - 12)], INK, 4)
    for row in range(3):
        yy = top + 14 + row * 14
        for k in range(5):
            sx = x0 + 8 + k * (2 * rx - 16) / 5 + (8 if row % 2 else 0)
            sk.rect((sx, yy - 5, sx + 18, yy + 5), lighter(STONE, 0.12), darker(STONE, 0.3), 1.5, 3)
    sk.ellipse((x0, top - 18, x1, top + 18), lighter(STONE, 0.2), INK, 4)
    sk.ellipse((x0 + 12, top - 10, x1 - 12, top + 10), (30, 50, 80), INK, 3)
    for px in (x0 + 10, x1 - 10):
        sk.rect((px - 6, 30, px + 6, top + 4), fd.WOOD_DARK, INK, 3, 2)
    sk.polygon([(x0 - 14, 44), (cx, 2), (x1 + 14, 44)], fd.ROOF_RED, INK, 4)
    sk.rect((x0 + 10, 56, x1 - 10, 70), fd.WOOD, INK, 3, 6)  # the windlass
    sk.outlined_line([(x1 - 4, 63), (x1 + 10, 63), (x1 + 10, 84)], STONE, 4, INK, 2)
    sk.line([(cx, 70), (cx, top - 30)], (120, 100, 70), 3)
    sk.rect((cx - 13, top - 34, cx + 13, top - 12), (140, 150, 170), INK, 3, 3)
    return rel, sk.image()


def swing(recs):
    rel, pos, (w, h) = _overlay("shuupoles.png")
    x0, y0, x1, y1 = _local(_record(recs, "swing"), pos)
    sk = Sketch(w, h)
    _ground_shadow(sk, x0, x1, y1 - 4, 14, 70)
    for lx in (x0 + 8, x1 - 8):
        sk.outlined_line([(lx - 10, y1 - 2), (lx, 20)], fd.WOOD, 8, INK, 3)
        sk.outlined_line([(lx + 10, y1 - 12), (lx, 20)], fd.WOOD, 8, INK, 3)
    sk.outlined_line([(x0 - 2, 22), (x1 + 2, 22)], fd.WOOD_DARK, 12, INK, 3)
    sx0, sx1 = x0 + 44, x1 - 44
    for rx in (sx0 + 6, sx1 - 6):
        sk.line([(rx, 28), (rx, y1 - 56)], (200, 180, 140), 3)
    sk.rect((sx0, y1 - 60, sx1, y1 - 46), (200, 80, 60), INK, 3, 3)
    return rel, sk.image()


def gate(recs):
    rel, pos, (w, h) = _overlay("vaarti.png")
    x0, y0, x1, y1 = _local(_record(recs, "gate"), pos)
    sk = Sketch(w, h)
    ground = y1 - 4
    posts = [(x0 + 2, x0 + 30), (x1 - 30, x1 - 2)]
    lx0, lx1 = posts[0][1], posts[1][0]
    mid = (lx0 + lx1) / 2
    for a, b in ((lx0, mid - 2), (mid + 2, lx1)):
        top = ground - 120
        sk.rect((a, top, b, ground - 8), None, INK, 0)
        for yy in (top + 10, ground - 30):
            sk.outlined_line([(a, yy), (b, yy)], fd.WOOD_LIGHT, 9, INK, 2.5)
        n = int((b - a) // 26)
        for k in range(n + 1):
            xx = a + 8 + k * (b - a - 16) / max(1, n)
            sk.outlined_line([(xx, ground - 10), (xx, top - 6)], fd.WOOD_LIGHT, 6, INK, 2)
        sk.outlined_line([(a + 6, ground - 30), (b - 6, top + 10)], fd.WOOD, 7, INK, 2.5)
    for a, b in posts:
        sk.rect((a, 58, b, ground + 4), fd.WOOD_DARK, INK, 4, 3)
        sk.polygon([(a - 6, 60), ((a + b) / 2, 40), (b + 6, 60)], fd.ROOF_RED, INK, 3)
    # a roofed crossbeam with the name of the way
    sk.polygon([(x0 - 14, 74), (x0 + 30, 30), (x1 - 30, 30), (x1 + 14, 74)], fd.ROOF_RED, INK, 4)
    sk.rect((x0 + 40, 74, x1 - 40, 120), fd.WOOD_LIGHT, INK, 4, 6)
    img = sk.image()
    text(img, ((x0 + x1) / 2, 80), "Uz pilsētu", 24, fill=INK, anchor="mt", stroke_fill=None, shadow=False)
    text(img, ((x0 + x1) / 2, 104), "To town", 14, fill=darker(fd.WOOD_DARK, 0.2), anchor="mt",
         stroke_fill=None, shadow=False)
    return rel, img


def _trunk_foot(recs, name, pos):
    x0, y0, x1, y1 = _local(_record(recs, name), pos)
    return (x0 + x1) / 2, y1


def trees(recs):
    out = []
    kinds = [
        ("A.png", "oak (A)", 265, (70, 140, 60), None, False, 38),
        ("I.png", "maple (I)", 180, (110, 160, 64), None, False, 30),
        ("B.png", "lime (B)", 192, (96, 168, 80), None, False, 32),
        ("C.png", "birch (C)", 250, (140, 190, 80), None, True, 30),
        ("V.png", "apple tree (V)", 236, (84, 150, 70), (214, 40, 40), False, 40),
    ]
    for i, (file, name, crown, leaf, fruit, birch, tw) in enumerate(kinds):
        rel, pos, (w, h) = _overlay("Augsne/" + file)
        fx, fy = _trunk_foot(recs, name, pos)
        sk = Sketch(w, h)
        half = crown * 1.11
        cy = 18 + half
        trunk_h = fy - (cy + crown * 0.55)
        fd.tree(sk, fx, fy, crown, trunk_w=tw, trunk_h=trunk_h, leaf=leaf, seed=200 + i, fruit=fruit,
                birch=birch)
        out.append((rel, sk.image()))
    return out


def bushes(recs):
    out = []
    # J, M and S are the currant bushes of the berry mission
    for file, name, rx, ry, leaf, berries, seed in (
            ("J.png", "currants (J)", 100, 94, (70, 150, 70), fd.CURRANT, 301),
            ("M.png", "currants (M)", 100, 94, (70, 150, 70), fd.CURRANT, 302),
            ("D.png", "lilac (D)", 106, 96, (80, 140, 80), (190, 130, 230), 303)):
        rel, pos, (w, h) = _overlay("Augsne/" + file)
        fx, fy = _trunk_foot(recs, name, pos)
        sk = Sketch(w, h)
        fd.bush(sk, fx, fy, rx, ry, leaf, berries, seed, 15 if berries == fd.CURRANT else 30)
        out.append((rel, sk.image()))
    # S is drawn once and used twice: its foot sits between the two records'
    rel, pos, (w, h) = _overlay("Augsne/S.png")
    a = _local(_record(recs, "gooseberries (S), east"), pos)
    b = _local(_record(recs, "gooseberries (S), west"), (2022, 2805))
    fx, fy = (a[0] + a[2]) / 2, (a[3] + b[3]) / 2
    sk = Sketch(w, h)
    fd.bush(sk, fx, fy, 86, 88, (70, 150, 70), fd.CURRANT, 304, 13)
    out.append((rel, sk.image()))
    # N: a juniper, tall and dark
    rel, pos, (w, h) = _overlay("Augsne/N.png")
    fx, fy = _trunk_foot(recs, "juniper (N)", pos)
    sk = Sketch(w, h)
    _ground_shadow(sk, fx - 70, fx + 70, fy - 4, 20, 90)
    dark = (46, 100, 70)
    sk.polygon([(fx - 72, fy), (fx - 40, fy - 120), (fx, fy - 206), (fx + 40, fy - 120), (fx + 72, fy)],
               dark, INK, 4)
    sk.polygon([(fx - 40, fy - 20), (fx - 16, fy - 120), (fx, fy - 180), (fx + 8, fy - 110), (fx - 6, fy - 20)],
               lighter(dark, 0.18), None)
    rnd = random.Random(305)
    for _ in range(24):
        x, y = fx + rnd.uniform(-40, 40), fy - rnd.uniform(20, 150)
        if abs(x - fx) < (fy - y) * -0.35 + 70:
            sk.circle((x, y), 4, (100, 120, 180), INK, 1.5)
    out.append((rel, sk.image()))
    # R: a big haystack with its pole
    rel, pos, (w, h) = _overlay("Augsne/R.png")
    x0, y0, x1, y1 = _local(_record(recs, "haystack (R)"), pos)
    sk = Sketch(w, h)
    cx = (x0 + x1) / 2
    _ground_shadow(sk, x0, x1, y1 - 8, 30, 100)
    sk.outlined_line([(cx, 40), (cx, 6)], fd.WOOD_DARK, 8, INK, 3)
    pts = []
    for i in range(41):
        t = math.pi * i / 40
        pts.append((cx - math.cos(t) * (x1 - x0) / 2, y1 - 10 - math.sin(t) ** 0.8 * (y1 - 40)))
    sk.polygon(pts, fd.STRAW, INK, 5)
    rnd = random.Random(306)
    for _ in range(70):
        t = rnd.uniform(0.1, math.pi - 0.1)
        d = rnd.uniform(0.2, 0.95)
        x = cx - math.cos(t) * (x1 - x0) / 2 * d
        y = y1 - 10 - math.sin(t) ** 0.8 * (y1 - 40) * d
        sk.line([(x, y), (x + rnd.uniform(-10, 10), y + 16)], darker(fd.STRAW, 0.25), 2.5)
    sk.polygon([(cx - 60, 70), (cx, 40), (cx + 60, 70), (cx, 90)], lighter(fd.STRAW, 0.2), None)
    for k in range(3):  # a rope around it
        yy = y1 - 60 - k * 60
        sk.arc((x0 + 20 + k * 26, yy - 20, x1 - 20 - k * 26, yy + 20), 0, 180, fd.WOOD_DARK, 3)
    out.append((rel, sk.image()))
    return out


def all_overlays():
    """(path, RGBA picture) for every building, tree and bush; S once."""
    recs = plan.read_map()
    out = [house(recs), barn(recs), hut(recs), privy(recs), well(recs), swing(recs), gate(recs)]
    out += trees(recs)
    out += bushes(recs)
    return out
