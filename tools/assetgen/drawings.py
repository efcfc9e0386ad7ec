"""Outlined drawings of the game's places and characters, at any scale.

Each function draws onto a common.Sketch with its anchor at (x, y) and a
scale factor `s` (1.0 is the size noted in the docstring).  The loading
screens use them as big illustrations, the menu as small icons, and the
level art can reuse them for props.
"""

import math

from common import (AMBER, BARK, BRICK, CORAL, CREAM, GOLD, INK, LEAF, ROSE,
                    STONE, TEAL, darker, lighter)


def sperm(sk, x, y, s=1.0, colour=CREAM, phase=0.0, heading=0.0):
    """A swimming cell; (x, y) is the head's centre, about 130*s long."""
    ca, sa = math.cos(heading), math.sin(heading)
    pts = []
    for i in range(28):
        u = i / 27.0
        d = 18 * s + u * 110 * s
        wob = math.sin(u * 7.0 + phase) * 12 * s * u
        pts.append((x - ca * d - sa * wob, y - sa * d + ca * wob))
    sk.outlined_line(pts, lighter(colour, 0.1), width=max(2, 5 * s), ow=max(1.5, 2.5 * s))
    hw, hh = 24 * s, 16 * s
    # the head is an ellipse along the heading
    head = []
    for k in range(24):
        a = 2 * math.pi * k / 24
        px, py = math.cos(a) * hw, math.sin(a) * hh
        head.append((x + px * ca - py * sa, y + px * sa + py * ca))
    sk.polygon(head, colour, INK, max(2, 4 * s))
    sk.circle((x + 8 * s * ca - 5 * s * sa, y + 8 * s * sa - 5 * s * ca), 4 * s,
              lighter(colour, 0.6), None)


def blood_cell(sk, x, y, r, colour=(214, 46, 60)):
    sk.circle((x, y), r, colour, INK, max(2, r / 10))
    sk.circle((x, y), r * 0.52, darker(colour, 0.22), None)
    sk.circle((x - r * 0.35, y - r * 0.4), r * 0.18, lighter(colour, 0.35), None)


def pill_capsule(sk, x, y, s=1.0, colour=CORAL):
    w, h = 90 * s, 38 * s
    sk.rect((x - w / 2, y - h / 2, x + w / 2, y + h / 2), CREAM, INK, max(2, 4 * s), h / 2)
    sk.rect((x, y - h / 2, x + w / 2, y + h / 2), colour, INK, max(2, 4 * s), h / 2)
    sk.rect((x - w / 2 + 2 * s, y - h / 2, x + 2 * s, y + h / 2), CREAM, None, 0, h / 2)
    sk.line([(x, y - h / 2 + 2 * s), (x, y + h / 2 - 2 * s)], INK, max(2, 3 * s))
    sk.line([(x - w / 2 + 14 * s, y - h / 2 + 10 * s), (x - 8 * s, y - h / 2 + 10 * s)],
            (255, 255, 255), max(2, 4 * s))
    sk.line([(x + 10 * s, y - h / 2 + 10 * s), (x + w / 2 - 14 * s, y - h / 2 + 10 * s)],
            lighter(colour, 0.45), max(2, 4 * s))


def house(sk, x, y, s=1.0, wall=(246, 196, 132), roof=BRICK, lit=True):
    """A small house; (x, y) is the middle of its base, about 200*s wide."""
    w, h = 200 * s, 130 * s
    sk.rect((x - w / 2, y - h, x + w / 2, y), wall, INK, 4 * s)
    sk.polygon([(x - w / 2 - 18 * s, y - h + 4 * s), (x, y - h - 100 * s),
                (x + w / 2 + 18 * s, y - h + 4 * s)], roof, INK, 4 * s)
    sk.rect((x + 40 * s, y - h - 88 * s, x + 66 * s, y - h - 40 * s), darker(roof, 0.2), INK, 3 * s)
    win = GOLD if lit else (80, 110, 160)
    for dx in (-62, 38):
        sk.rect((x + dx * s, y - h + 26 * s, x + (dx + 34) * s, y - h + 62 * s), win, INK, 3 * s, 4 * s)
        sk.line([(x + (dx + 17) * s, y - h + 27 * s), (x + (dx + 17) * s, y - h + 61 * s)], INK, 2 * s)
    sk.rect((x - 16 * s, y - 66 * s, x + 16 * s, y), BARK, INK, 3 * s, 5 * s)
    sk.circle((x + 9 * s, y - 32 * s), 3 * s, GOLD, None)


def barn(sk, x, y, s=1.0, colour=(196, 60, 50)):
    """A barn; (x, y) is the middle of its base, about 220*s wide."""
    w, h = 220 * s, 140 * s
    sk.polygon([(x - w / 2, y), (x - w / 2, y - h), (x - w / 4, y - h - 70 * s),
                (x + w / 4, y - h - 70 * s), (x + w / 2, y - h), (x + w / 2, y)], colour, INK, 4 * s)
    sk.polygon([(x - w / 2 - 10 * s, y - h + 4 * s), (x - w / 4, y - h - 74 * s),
                (x + w / 4, y - h - 74 * s), (x + w / 2 + 10 * s, y - h + 4 * s),
                (x + w / 4, y - h - 56 * s), (x - w / 4, y - h - 56 * s)], (90, 74, 80), INK, 3 * s)
    dw = 70 * s
    sk.rect((x - dw / 2, y - 100 * s, x + dw / 2, y), (236, 222, 196), INK, 4 * s)
    sk.line([(x - dw / 2, y - 100 * s), (x + dw / 2, y)], INK, 3 * s)
    sk.line([(x + dw / 2, y - 100 * s), (x - dw / 2, y)], INK, 3 * s)
    sk.rect((x - 22 * s, y - h - 40 * s, x + 22 * s, y - h - 8 * s), GOLD, INK, 3 * s, 4 * s)


def well(sk, x, y, s=1.0):
    """A draw well with a little roof; (x, y) is the base middle, ~110*s wide."""
    w = 110 * s
    sk.line([(x - 40 * s, y - 50 * s), (x - 40 * s, y - 140 * s)], BARK, 8 * s)
    sk.line([(x + 40 * s, y - 50 * s), (x + 40 * s, y - 140 * s)], BARK, 8 * s)
    sk.polygon([(x - 62 * s, y - 130 * s), (x, y - 178 * s), (x + 62 * s, y - 130 * s)], BRICK, INK, 4 * s)
    sk.line([(x, y - 130 * s), (x, y - 88 * s)], INK, 2 * s)
    sk.rect((x - 12 * s, y - 92 * s, x + 12 * s, y - 70 * s), (150, 150, 170), INK, 3 * s, 3 * s)
    sk.rect((x - w / 2, y - 60 * s, x + w / 2, y), STONE, INK, 4 * s, 10 * s)
    for row in range(2):
        yy = y - 40 * s + row * 20 * s
        sk.line([(x - w / 2 + 4 * s, yy), (x + w / 2 - 4 * s, yy)], darker(STONE, 0.3), 2 * s)


def tree(sk, x, y, s=1.0, leaf=LEAF, berries=False):
    """A round-crowned tree; (x, y) is the foot of the trunk, ~160*s tall."""
    sk.rect((x - 10 * s, y - 70 * s, x + 10 * s, y), BARK, INK, 3 * s, 3 * s)
    for dx, dy, r in ((-32, -90, 42), (30, -92, 40), (0, -128, 48)):
        sk.circle((x + dx * s, y + dy * s), r * s, leaf, INK, 4 * s)
    sk.circle((x - 12 * s, y - 140 * s), 14 * s, lighter(leaf, 0.25), None)
    if berries:
        for dx, dy in ((-40, -84), (-18, -110), (24, -86), (38, -108), (4, -150), (-30, -120)):
            sk.circle((x + dx * s, y + dy * s), 6 * s, ROSE, INK, 2 * s)


def bush(sk, x, y, s=1.0, berries=True):
    for dx, r in ((-30, 30), (0, 38), (30, 30)):
        sk.circle((x + dx * s, y - r * s), r * s, darker(LEAF, 0.1), INK, 3 * s)
    if berries:
        for dx, dy in ((-34, -32), (-10, -56), (14, -30), (34, -44), (0, -20)):
            sk.circle((x + dx * s, y + dy * s), 6 * s, (70, 60, 170), INK, 2 * s)


def fence(sk, x0, x1, y, s=1.0):
    n = max(2, int((x1 - x0) / (34 * s)))
    for i in range(n + 1):
        px = x0 + (x1 - x0) * i / n
        sk.polygon([(px - 8 * s, y), (px - 8 * s, y - 46 * s), (px, y - 56 * s),
                    (px + 8 * s, y - 46 * s), (px + 8 * s, y)], (214, 176, 120), INK, 3 * s)
    for yy in (y - 36 * s, y - 14 * s):
        sk.rect((x0 - 10 * s, yy - 5 * s, x1 + 10 * s, yy + 5 * s), (190, 148, 96), INK, 3 * s)


def hen(sk, x, y, s=1.0):
    sk.ellipse((x - 26 * s, y - 40 * s, x + 22 * s, y), CREAM, INK, 3 * s)
    sk.circle((x + 20 * s, y - 42 * s), 13 * s, CREAM, INK, 3 * s)
    sk.polygon([(x + 31 * s, y - 45 * s), (x + 42 * s, y - 40 * s), (x + 31 * s, y - 36 * s)], AMBER, INK, 2 * s)
    sk.circle((x + 18 * s, y - 57 * s), 6 * s, CORAL, INK, 2 * s)
    sk.circle((x + 23 * s, y - 45 * s), 2.2 * s, INK, None)
    sk.line([(x - 4 * s, y), (x - 4 * s, y + 12 * s)], AMBER, 3 * s)
    sk.line([(x + 8 * s, y), (x + 8 * s, y + 12 * s)], AMBER, 3 * s)


def bonfire(sk, x, y, s=1.0):
    for a in (-0.5, 0.5):
        sk.outlined_line([(x - 50 * s * math.cos(a), y + 8 * s - 12 * s * math.sin(a)),
                          (x + 50 * s * math.cos(a), y - 4 * s + 12 * s * math.sin(a))],
                         BARK, 14 * s, INK, 3 * s)
    sk.polygon([(x - 36 * s, y), (x - 24 * s, y - 60 * s), (x - 6 * s, y - 40 * s), (x + 4 * s, y - 96 * s),
                (x + 20 * s, y - 50 * s), (x + 30 * s, y - 70 * s), (x + 38 * s, y)], CORAL, INK, 3 * s)
    sk.polygon([(x - 20 * s, y), (x - 10 * s, y - 36 * s), (x + 2 * s, y - 22 * s), (x + 8 * s, y - 60 * s),
                (x + 22 * s, y)], GOLD, None)


def church(sk, x, y, s=1.0):
    """A church with a tall spire; (x, y) is the base middle, ~150*s wide."""
    w = 150 * s
    sk.rect((x - w / 2, y - 150 * s, x + w / 2, y), (232, 224, 214), INK, 4 * s)
    sk.polygon([(x - w / 2 - 10 * s, y - 146 * s), (x, y - 200 * s), (x + w / 2 + 10 * s, y - 146 * s)],
               (70, 120, 110), INK, 4 * s)
    sk.rect((x - 30 * s, y - 290 * s, x + 30 * s, y - 150 * s), (232, 224, 214), INK, 4 * s)
    sk.polygon([(x - 38 * s, y - 286 * s), (x, y - 400 * s), (x + 38 * s, y - 286 * s)], (70, 120, 110), INK, 4 * s)
    sk.line([(x, y - 400 * s), (x, y - 430 * s)], INK, 4 * s)
    sk.circle((x, y - 434 * s), 6 * s, GOLD, INK, 2 * s)
    sk.circle((x, y - 240 * s), 16 * s, CREAM, INK, 3 * s)
    sk.line([(x, y - 240 * s), (x, y - 250 * s)], INK, 2 * s)
    sk.line([(x, y - 240 * s), (x + 8 * s, y - 240 * s)], INK, 2 * s)
    sk.rect((x - 18 * s, y - 60 * s, x + 18 * s, y), BARK, INK, 3 * s, 18 * s)
    for dx in (-52, 32):
        sk.rect((x + dx * s, y - 120 * s, x + (dx + 20) * s, y - 70 * s), GOLD, INK, 3 * s, 10 * s)


def shop(sk, x, y, s=1.0, awning=CORAL, sign=None):
    """A shop front with a striped awning; (x, y) base middle, ~190*s wide."""
    w, h = 190 * s, 150 * s
    sk.rect((x - w / 2, y - h, x + w / 2, y), (214, 196, 236), INK, 4 * s)
    sk.rect((x - w / 2 - 8 * s, y - h - 20 * s, x + w / 2 + 8 * s, y - h + 6 * s), darker((214, 196, 236), 0.3), INK, 4 * s)
    n = 6
    for i in range(n):
        x0 = x - w / 2 - 6 * s + i * (w + 12 * s) / n
        x1 = x0 + (w + 12 * s) / n
        col = awning if i % 2 == 0 else CREAM
        sk.polygon([(x0, y - h + 6 * s), (x1, y - h + 6 * s), (x1, y - h + 36 * s),
                    ((x0 + x1) / 2, y - h + 46 * s), (x0, y - h + 36 * s)], col, INK, 3 * s)
    sk.rect((x - w / 2 + 14 * s, y - 84 * s, x - 6 * s, y - 20 * s), GOLD, INK, 3 * s, 4 * s)
    sk.rect((x + 10 * s, y - 90 * s, x + w / 2 - 16 * s, y), (110, 150, 200), INK, 3 * s, 4 * s)


def car(sk, x, y, s=1.0, colour=TEAL):
    """A small car; (x, y) is the ground under its middle, ~170*s long."""
    sk.polygon([(x - 85 * s, y - 20 * s), (x - 82 * s, y - 50 * s), (x - 45 * s, y - 56 * s),
                (x - 25 * s, y - 86 * s), (x + 35 * s, y - 86 * s), (x + 60 * s, y - 56 * s),
                (x + 85 * s, y - 50 * s), (x + 88 * s, y - 20 * s)], colour, INK, 4 * s)
    sk.polygon([(x - 20 * s, y - 80 * s), (x + 4 * s, y - 80 * s), (x + 4 * s, y - 58 * s),
                (x - 36 * s, y - 58 * s)], (190, 226, 250), INK, 3 * s)
    sk.polygon([(x + 12 * s, y - 80 * s), (x + 32 * s, y - 80 * s), (x + 50 * s, y - 58 * s),
                (x + 12 * s, y - 58 * s)], (190, 226, 250), INK, 3 * s)
    sk.circle((x + 80 * s, y - 40 * s), 6 * s, GOLD, INK, 2 * s)
    for dx in (-50, 50):
        sk.circle((x + dx * s, y - 18 * s), 22 * s, (50, 46, 60), INK, 4 * s)
        sk.circle((x + dx * s, y - 18 * s), 9 * s, STONE, INK, 2 * s)


def lamp(sk, x, y, s=1.0):
    sk.outlined_line([(x, y), (x, y - 170 * s)], (70, 70, 90), 6 * s, INK, 3 * s)
    sk.outlined_line([(x, y - 170 * s), (x + 30 * s, y - 180 * s)], (70, 70, 90), 5 * s, INK, 3 * s)
    sk.circle((x + 34 * s, y - 172 * s), 12 * s, GOLD, INK, 3 * s)


def clock(sk, x, y, r, label_colour=INK):
    sk.circle((x, y), r, CREAM, INK, max(3, r / 8))
    for k in range(12):
        a = k * math.pi / 6
        sk.line([(x + math.cos(a) * r * 0.75, y + math.sin(a) * r * 0.75),
                 (x + math.cos(a) * r * 0.86, y + math.sin(a) * r * 0.86)], INK, max(2, r / 18))
    sk.line([(x, y), (x, y - r * 0.62)], label_colour, max(3, r / 10))
    sk.line([(x, y), (x + r * 0.45, y + r * 0.1)], CORAL, max(3, r / 12))
    sk.circle((x, y), r * 0.08, INK, None)


def gift(sk, x, y, s=1.0, colour=TEAL):
    """A carried item: a small tied box, ~50*s wide; (x, y) is its centre."""
    sk.rect((x - 25 * s, y - 20 * s, x + 25 * s, y + 20 * s), colour, INK, 3 * s, 4 * s)
    sk.rect((x - 5 * s, y - 20 * s, x + 5 * s, y + 20 * s), GOLD, INK, 2 * s)
    sk.ellipse((x - 16 * s, y - 34 * s, x, y - 20 * s), None, INK, 3 * s)
    sk.ellipse((x, y - 34 * s, x + 16 * s, y - 20 * s), None, INK, 3 * s)


def empty_box(sk, x, y, s=1.0):
    """An open, empty cardboard box; (x, y) is its base middle, ~170*s wide."""
    w = 170 * s
    sk.polygon([(x - w / 2, y - 100 * s), (x - w / 2 - 30 * s, y - 150 * s), (x - w / 2 + 40 * s, y - 150 * s),
                (x - w / 2 + 60 * s, y - 100 * s)], darker((214, 160, 100), 0.15), INK, 4 * s)
    sk.polygon([(x + w / 2, y - 100 * s), (x + w / 2 + 30 * s, y - 150 * s), (x + w / 2 - 40 * s, y - 150 * s),
                (x + w / 2 - 60 * s, y - 100 * s)], darker((214, 160, 100), 0.15), INK, 4 * s)
    sk.rect((x - w / 2, y - 100 * s, x + w / 2, y - 84 * s), (70, 46, 36), INK, 4 * s)
    sk.rect((x - w / 2, y - 90 * s, x + w / 2, y), (214, 160, 100), INK, 4 * s)
    sk.line([(x - 30 * s, y - 60 * s), (x + 30 * s, y - 60 * s)], darker((214, 160, 100), 0.35), 3 * s)


def door(sk, x, y, s=1.0, open_=True):
    """A door in its frame; (x, y) is the base middle, ~90*s wide."""
    sk.rect((x - 46 * s, y - 170 * s, x + 46 * s, y), (60, 44, 84), INK, 4 * s, 6 * s)
    sk.rect((x - 38 * s, y - 162 * s, x + 38 * s, y), GOLD, None, 0, 4 * s)
    if open_:
        sk.polygon([(x - 38 * s, y - 162 * s), (x + 10 * s, y - 150 * s), (x + 10 * s, y + 4 * s),
                    (x - 38 * s, y)], BARK, INK, 4 * s)
        sk.circle((x + 2 * s, y - 80 * s), 4 * s, GOLD, INK, 2 * s)


def star(sk, x, y, r, colour=GOLD, outline=INK):
    pts = []
    for k in range(10):
        rr = r if k % 2 == 0 else r * 0.45
        a = -math.pi / 2 + k * math.pi / 5
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
    sk.polygon(pts, colour, outline, max(2, r / 6))


def badge(sk, x, y, r, colour=AMBER):
    sk.circle((x, y), r, colour, INK, max(3, r / 7))
    sk.circle((x, y), r * 0.8, None, lighter(colour, 0.3), max(2, r / 14))


def ground(sk, y, colour, w=None, h=None):
    w = w or sk.w
    h = h or sk.h
    sk.rect((-10, y, w + 10, h + 10), colour, INK, 4)


def sky(sk, top, bottom, y1=None, bands=24):
    """A banded sky gradient (bands suit the flat, outlined style)."""
    y1 = sk.h if y1 is None else y1
    for i in range(bands):
        c = tuple(int(top[k] + (bottom[k] - top[k]) * i / (bands - 1)) for k in range(3))
        sk.rect((0, y1 * i / bands, sk.w, y1 * (i + 1) / bands + 1), c, None, 0)

