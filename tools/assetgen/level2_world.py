"""Level 2's world picture, 5000 x 3812: the farmstead's ground seen from
above, with everything low that the player walks around (fences, fields,
the pond, woodpile, hives, benches, the fire place) drawn exactly on the
collision records of `lvl2/col2.txt`.  Buildings, trees and bushes that the
player can pass behind are separate overlays (level2_overlays).

The ground is built at a quarter of the size with numpy and scaled up, so
the soft shapes cost little; only the crisp props are drawn at full size.
"""

import math
import random

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import level2_draw as fd
import level2_plan as plan
from common import (AMBER, CORAL, CREAM, GOLD, INK, LEAF, ROSE, SKY, STONE, Sketch, darker,
                    lighter, text)

Q = 4  # the ground's scale-down

# Beaten paths: polylines in world pixels.
PATHS = [
    [(3510, 1765), (3510, 1960), (3590, 2200), (3660, 2420), (3680, 2545)],
    [(3510, 1960), (3100, 1985), (2700, 1990), (2560, 2050), (2470, 2200), (2448, 2300)],
    [(2700, 1990), (2300, 1975), (2060, 1960), (1880, 1830), (1850, 1770)],
    [(2060, 1960), (1960, 2150), (1800, 2240), (1450, 2290), (1300, 2262)],
    [(1450, 2290), (1290, 2330), (1250, 2480), (1262, 2540)],
    [(3590, 2200), (3760, 2095)],
    [(3050, 1985), (2960, 1700), (2960, 1250), (3030, 1000), (3200, 850), (3500, 800)],
    [(2448, 2380), (2400, 2600), (2250, 2800), (2000, 2900), (1600, 3000), (1330, 3060)],
]
PATH_WIDTH = 66
# Trampled patches: (centre, half size).
WORN = [((3510, 1800), (150, 70)), ((2460, 2400), (150, 90)), ((3820, 2080), (170, 110)),
        ((3680, 2500), (230, 70)), ((1300, 2280), (150, 60))]
# The road beyond the gate, through the potato field.
ROAD = (3630, 3730)


def _noise(h, w, cell, seed):
    """Smooth value noise in 0..1, h x w."""
    rng = np.random.default_rng(seed)
    g = (rng.random((h // cell + 3, w // cell + 3)) * 255).astype(np.uint8)
    big = Image.fromarray(g, "L").resize(((w // cell + 3) * cell, (h // cell + 3) * cell), Image.BICUBIC)
    return np.asarray(big, np.float32)[cell:cell + h, cell:cell + w] / 255.0


def _lerp(a, b, t):
    a = np.array(a, np.float32)
    b = np.array(b, np.float32)
    return a + (b - a) * t[..., None]


def ground():
    """Grass with soft paths and trampled patches, at full size (RGB)."""
    qw, qh = plan.WORLD_W // Q, plan.WORLD_H // Q + 1
    t = 0.6 * _noise(qh, qw, 40, 21) + 0.4 * _noise(qh, qw, 9, 22)
    t = np.clip((t - 0.2) / 0.6, 0, 1)
    rgb = _lerp(fd.GRASS_DARK, fd.GRASS_LIGHT, t)
    mask = Image.new("L", (qw, qh), 0)
    d = ImageDraw.Draw(mask)
    for line in PATHS:
        pts = [(x / Q, y / Q) for x, y in line]
        d.line(pts, fill=255, width=PATH_WIDTH // Q, joint="curve")
        for x, y in pts:
            r = PATH_WIDTH / Q / 2
            d.ellipse((x - r, y - r, x + r, y + r), fill=255)
    for (cx, cy), (hx, hy) in WORN:
        d.ellipse(((cx - hx) / Q, (cy - hy) / Q, (cx + hx) / Q, (cy + hy) / Q), fill=200)
    mask = mask.filter(ImageFilter.GaussianBlur(1.6))
    m = np.asarray(mask, np.float32) / 255.0
    dirt = _lerp(fd.DIRT_DARK, fd.DIRT, np.clip(_noise(qh, qw, 6, 23) * 1.3, 0, 1))
    rgb = rgb * (1 - m[..., None]) + dirt * m[..., None]
    small = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB")
    return small.resize((qw * Q, qh * Q), Image.BICUBIC).crop((0, 0, plan.WORLD_W, plan.WORLD_H)), mask


def _paste(img, sk, xy):
    patch = sk.image()
    img.paste(patch, (int(xy[0]), int(xy[1])), patch)


def _free(mask, x, y, records_boxes):
    if mask.getpixel((int(x / Q), int(y / Q))) > 40:
        return False
    for x0, y0, x1, y1 in records_boxes:
        if x0 - 30 < x < x1 + 30 and y0 - 40 < y < y1 + 30:
            return False
    return True


def grass_details(img, mask, boxes, seed=5):
    """Tufts, clover and flowers on open grass."""
    rnd = random.Random(seed)
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = plan.YARD
    for _ in range(9000):
        x, y = rnd.uniform(x0, x1), rnd.uniform(y0, y1)
        if not _free(mask, x, y, boxes):
            continue
        c = darker(fd.GRASS_DARK, rnd.uniform(0.05, 0.3))
        for k in range(3):
            dx = (k - 1) * 4
            d.line([(x + dx, y), (x + dx * 1.8 + rnd.uniform(-2, 2), y - rnd.uniform(8, 14))], fill=c, width=2)
    flowers = [CREAM, GOLD, (200, 150, 240), (255, 255, 255), ROSE, SKY]
    for _ in range(1800):
        x, y = rnd.uniform(x0, x1), rnd.uniform(y0, y1)
        if not _free(mask, x, y, boxes):
            continue
        c = rnd.choice(flowers)
        r = rnd.uniform(3, 5)
        for k in range(5):
            a = k * 2 * math.pi / 5
            px, py = x + math.cos(a) * r, y + math.sin(a) * r
            d.ellipse((px - r * 0.7, py - r * 0.7, px + r * 0.7, py + r * 0.7), fill=c, outline=INK)
        d.ellipse((x - 2, y - 2, x + 2, y + 2), fill=AMBER)


def forest(img, seed=9):
    """Dense woods on the border records, crowns reaching a little over the
    edge, so the world's rim reads as forest rather than a wall."""
    rnd = random.Random(seed)
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = plan.YARD
    W, H = plan.WORLD_W, plan.WORLD_H
    d.rectangle((0, 0, W, y0), fill=fd.FOREST_FLOOR)
    d.rectangle((0, y1, W, H), fill=fd.FOREST_FLOOR)
    d.rectangle((0, 0, x0, H), fill=fd.FOREST_FLOOR)
    d.rectangle((x1, 0, W, H), fill=fd.FOREST_FLOOR)
    crowns = []
    step = 92
    for gy in range(-40, H + 60, step):
        for gx in range(-40, W + 60, step):
            x = gx + rnd.uniform(-30, 30)
            y = gy + rnd.uniform(-30, 30)
            inside = x0 + 14 < x < x1 - 14 and y0 + 14 < y < y1 - 14
            if inside:
                continue
            crowns.append((y, x, rnd.uniform(54, 80), rnd.random()))
    greens = [(40, 96, 58), (52, 112, 62), (34, 84, 56), (62, 120, 66), (46, 104, 76)]
    for y, x, r, k in sorted(crowns):
        c = greens[int(k * len(greens))]
        if rnd.random() < 0.18:  # a spruce now and then
            pts = [(x, y - r * 1.2), (x + r * 0.8, y + r * 0.6), (x - r * 0.8, y + r * 0.6)]
            d.polygon(pts, fill=darker(c, 0.15), outline=INK)
            d.line(pts + [pts[0]], fill=INK, width=4)
            d.polygon([(x, y - r * 0.8), (x + r * 0.35, y + r * 0.1), (x - r * 0.35, y + r * 0.1)],
                      fill=lighter(c, 0.1))
            continue
        d.ellipse((x - r, y - r, x + r, y + r), fill=c, outline=INK, width=4)
        d.ellipse((x - r * 0.7, y - r * 0.75, x + r * 0.3, y + r * 0.2), fill=lighter(c, 0.16))
        d.ellipse((x - r * 0.5, y - r * 0.6, x - r * 0.05, y - r * 0.2), fill=lighter(c, 0.3))


def _box(rec):
    return tuple(int(round(v)) for v in plan.record_box(rec))


def rye_field(img, rec):
    x0, y0, x1, y1 = _box(rec)
    d = ImageDraw.Draw(img)
    d.rectangle((x0, y0, x1, y1), fill=fd.RYE)
    rnd = random.Random(31)
    for y in range(y0 + 12, y1 - 4, 20):
        d.line([(x0 + 6, y), (x1 - 6, y)], fill=darker(fd.RYE, 0.18), width=4)
        for _ in range((x1 - x0) // 14):
            x = rnd.uniform(x0 + 8, x1 - 8)
            d.line([(x, y - 2), (x + rnd.uniform(-3, 3), y - 13)], fill=lighter(fd.RYE, 0.25), width=3)
            d.ellipse((x - 2, y - 17, x + 3, y - 10), fill=darker(fd.RYE, 0.05))
    # cornflowers at the edge
    for _ in range(60):
        x = rnd.uniform(x0 + 10, x1 - 10)
        y = rnd.choice([y1 - rnd.uniform(6, 30), rnd.uniform(y0, y1)])
        d.ellipse((x - 4, y - 4, x + 4, y + 4), fill=(70, 110, 230), outline=INK)
    d.line([(x0, y1), (x1, y1), (x1, y0)], fill=darker(fd.RYE, 0.45), width=5)


def potato_field(img, rec):
    x0, y0, x1, y1 = _box(rec)
    d = ImageDraw.Draw(img)
    d.rectangle((x0, y0, x1, y1), fill=fd.SOIL)
    rnd = random.Random(41)
    sk_leaf = darker(LEAF, 0.1)
    for x in range(x0 + 30, x1 - 10, 56):
        if ROAD[0] - 30 < x < ROAD[1] + 30:
            continue
        d.line([(x, y0 + 10), (x, y1)], fill=darker(fd.SOIL, 0.25), width=10)
        d.line([(x - 8, y0 + 10), (x - 8, y1)], fill=lighter(fd.SOIL, 0.12), width=3)
        for y in range(y0 + 34, y1, 44):
            yy = y + rnd.uniform(-5, 5)
            r = rnd.uniform(13, 17)
            d.ellipse((x - r, yy - r, x + r, yy + r), fill=sk_leaf, outline=INK, width=3)
            d.ellipse((x - r * 0.6, yy - r * 0.7, x + r * 0.2, yy), fill=lighter(LEAF, 0.2))
            if rnd.random() < 0.3:
                d.ellipse((x + 2, yy - 4, x + 8, yy + 2), fill=(250, 250, 250), outline=INK)
    # the road out of the gate
    d.rectangle((ROAD[0], y0, ROAD[1], y1 + 200), fill=fd.DIRT)
    for y in range(y0, y1 + 200, 34):
        d.line([(ROAD[0] + 24, y), (ROAD[0] + 24, y + 16)], fill=fd.DIRT_DARK, width=5)
        d.line([(ROAD[1] - 24, y + 10), (ROAD[1] - 24, y + 26)], fill=fd.DIRT_DARK, width=5)
    d.line([(x0, y0), (x0, y1)], fill=darker(fd.SOIL, 0.4), width=6)


def road_sign(img):
    """A signpost where the road leaves through the field."""
    x, y = (ROAD[1] + 70, 2880)
    sk = Sketch(300, 170)
    sk.rect((146, 60, 154, 168), fd.WOOD_DARK, INK, 3, 2)
    sk.polygon([(40, 20), (250, 20), (282, 48), (250, 76), (40, 76)], fd.WOOD_LIGHT, INK, 4)
    patch = sk.image()
    text(patch, (150, 32), "Uz pilsētu", 22, fill=INK, anchor="mt", stroke_fill=None, shadow=False)
    text(patch, (150, 56), "To town", 16, fill=darker(fd.WOOD_DARK, 0.2), anchor="mt", stroke_fill=None,
         shadow=False)
    img.paste(patch, (x - 150, y - 168), patch)


def pond(img, recs):
    """Water on the three turned pond records, a shore and reeds round it."""
    cx, cy = plan.record_centre(recs[0])
    a = math.radians(plan.record_turn(recs[0]))
    ca, sa = math.cos(a), math.sin(a)
    ox, oy = cx - 360, cy - 260
    sk = Sketch(720, 520)

    def ring(ra, rb):
        pts = []
        for i in range(72):
            t = 2 * math.pi * i / 72
            u, v = ra * math.cos(t), rb * math.sin(t)
            pts.append((cx + u * ca - v * sa - ox, cy + u * sa + v * ca - oy))
        return pts
    sk.polygon(ring(300, 176), darker(fd.DIRT, 0.1), None)
    sk.polygon(ring(288, 164), (120, 150, 90), None)
    sk.polygon(ring(275, 150), fd.WATER, INK, 5)
    sk.polygon(ring(200, 96), fd.WATER_DEEP, None)
    sk.polygon(ring(120, 50), darker(fd.WATER_DEEP, 0.15), None)
    rnd = random.Random(51)
    for _ in range(9):  # ripples
        t = rnd.uniform(0, 2 * math.pi)
        d = rnd.uniform(0.2, 0.7)
        u, v = 275 * d * math.cos(t), 150 * d * math.sin(t)
        px, py = cx + u * ca - v * sa - ox, cy + u * sa + v * ca - oy
        sk.arc((px - 24, py - 8, px + 24, py + 8), 200, 340, lighter(fd.WATER, 0.45), 3)
    for k in range(6):  # lily pads
        t = 0.4 + k * 0.5
        u, v = 205 * math.cos(t), 95 * math.sin(t)
        px, py = cx + u * ca - v * sa - ox, cy + u * sa + v * ca - oy
        sk.circle((px, py), 15, (86, 160, 86), INK, 3)
        if k % 2 == 0:
            sk.circle((px + 4, py - 3), 6, (255, 220, 236), INK, 2)
    for k in range(40):  # reeds on the far shore
        t = math.pi + (k / 39) * math.pi * 1.1 - 0.1
        u, v = 282 * math.cos(t), 158 * math.sin(t)
        px, py = cx + u * ca - v * sa - ox, cy + u * sa + v * ca - oy
        h = rnd.uniform(26, 46)
        sk.outlined_line([(px, py), (px + rnd.uniform(-5, 5), py - h)], (90, 140, 70), 3, INK, 1.5)
        if k % 4 == 0:
            sk.outlined_line([(px + 1, py - h + 4), (px + 1, py - h + 18)], (120, 80, 50), 6, INK, 1.5)
    _paste(img, sk, (ox, oy))


def fence_records(img, recs):
    """A post-and-rail fence along each thin fence record."""
    for rec in recs:
        x0, y0, x1, y1 = plan.record_box(rec)
        pad = 40
        sk = Sketch(x1 - x0 + 2 * pad, y1 - y0 + 2 * pad + 40)
        if x1 - x0 >= y1 - y0:
            gy = y1 - y0 + pad + 36 - 4
            pts = [(pad + 4, gy), (x1 - x0 + pad - 4, gy)]
        else:
            gx = (x1 - x0) / 2 + pad
            pts = [(gx, pad + 40 + 6), (gx, y1 - y0 + pad + 40 - 2)]
        fd.post_fence(sk, pts, height=32, spacing=40)
        _paste(img, sk, (x0 - pad, y0 - pad - 40))


def garden(img, rec):
    x0, y0, x1, y1 = plan.record_box(rec)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 40, h + 80)
    ox, oy = 20, 60
    sk.rect((ox + 4, oy + 4, ox + w - 4, oy + h - 4), darker(fd.SOIL, 0.05), None)
    beds = 4
    for b in range(beds):
        bx0 = ox + 22 + b * (w - 30) / beds
        bx1 = bx0 + (w - 30) / beds - 18
        sk.rect((bx0, oy + 30, bx1, oy + h - 22), fd.SOIL, INK, 3, 6)
        for k in range(6):
            yy = oy + 52 + k * (h - 80) / 6
            xx = (bx0 + bx1) / 2
            if b % 2 == 0:  # cabbages
                sk.circle((xx, yy), 15, (150, 200, 120), INK, 3)
                sk.circle((xx, yy), 7, (190, 230, 150), None)
            else:  # carrots
                for j in (-1, 1):
                    sk.polygon([(xx + j * 9 - 5, yy + 6), (xx + j * 9, yy - 14), (xx + j * 9 + 5, yy + 6)],
                               LEAF, INK, 2)
                    sk.circle((xx + j * 9, yy + 8), 4, CORAL, INK, 2)
    pts = [(ox + 6, oy + 6), (ox + w - 6, oy + 6), (ox + w - 6, oy + h - 6), (ox + 6, oy + h - 6), (ox + 6, oy + 6)]
    fd.post_fence(sk, pts, height=30, spacing=38)
    scare_x, scare_y = ox + w * 0.5, oy + h * 0.55
    sk.outlined_line([(scare_x, scare_y), (scare_x, scare_y - 110)], fd.WOOD_DARK, 6, INK, 2)
    sk.outlined_line([(scare_x - 40, scare_y - 80), (scare_x + 40, scare_y - 80)], fd.WOOD_DARK, 6, INK, 2)
    sk.polygon([(scare_x - 26, scare_y - 88), (scare_x + 26, scare_y - 88), (scare_x + 18, scare_y - 40),
                (scare_x - 18, scare_y - 40)], (90, 120, 200), INK, 3)
    sk.circle((scare_x, scare_y - 104), 14, fd.STRAW, INK, 3)
    sk.polygon([(scare_x - 24, scare_y - 112), (scare_x + 24, scare_y - 112), (scare_x, scare_y - 136)],
               darker(fd.STRAW, 0.3), INK, 3)
    _paste(img, sk, (x0 - ox, y0 - oy))


def hen_run(img, fence_recs):
    """The hens' yard in front of the barn: straw and a few hens."""
    xs = [plan.record_box(r) for r in fence_recs]
    x0 = min(b[0] for b in xs) + 16
    x1 = max(b[2] for b in xs) - 16
    y0 = min(b[1] for b in xs)
    y1 = max(b[3] for b in xs) - 16
    sk = Sketch(x1 - x0, y1 - y0)
    sk.rect((0, 0, x1 - x0, y1 - y0), fd.STRAW, None)
    rnd = random.Random(71)
    for _ in range(140):
        x, y = rnd.uniform(4, x1 - x0 - 4), rnd.uniform(4, y1 - y0 - 4)
        sk.line([(x, y), (x + rnd.uniform(-9, 9), y + rnd.uniform(-4, 4))], darker(fd.STRAW, 0.2), 2)
    sk.ellipse((150, 70, 230, 104), (130, 120, 110), INK, 3)  # a feeding bowl
    sk.ellipse((160, 76, 220, 96), fd.STRAW, None)
    for (x, y, h) in ((60, 50, 0.3), (118, 92, 2.6), (250, 40, 3.6), (220, 110, 1.2), (36, 110, -0.8)):
        fd.hen_top(sk, x, y, 0.95, h, CREAM if x % 3 else (196, 120, 70))
    _paste(img, sk, (x0, y0))


def sign_board(img, foot, lv, en, icon=None, width=200):
    """A board on a post with a Latvian and an English word, foot at `foot`."""
    sk = Sketch(width + 20, 150)
    cx = (width + 20) / 2
    sk.rect((cx - 5, 60, cx + 5, 148), fd.WOOD_DARK, INK, 3, 2)
    sk.rect((10, 8, width + 10, 78), fd.WOOD_LIGHT, INK, 4, 8)
    patch = sk.image()
    if icon:
        isk = Sketch(60, 60)
        icon(isk)
        ip = isk.image()
        patch.alpha_composite(ip, (14, 13))
        tx = 14 + 62 + (width - 66) / 2
    else:
        tx = cx
    text(patch, (tx, 20), lv, 22, fill=INK, anchor="mt", stroke_fill=None, shadow=False, max_width=width - 70)
    text(patch, (tx, 48), en, 16, fill=darker(fd.WOOD_DARK, 0.2), anchor="mt", stroke_fill=None, shadow=False,
         max_width=width - 70)
    img.paste(patch, (int(foot[0] - cx), int(foot[1] - 148)), patch)


def _icon_egg(sk):
    fd.egg_shape(sk, 30, 32, 30, 38)


def _icon_fire(sk):
    fd.flame(sk, 30, 54, 36, 48)


def fire_pit(img, rec):
    x0, y0, x1, y1 = plan.record_box(rec)
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2 - 4
    sk = Sketch(260, 180)
    ox, oy = cx - 130, cy - 90
    sk.ellipse((30, 40, 230, 150), (90, 84, 80), None, alpha=200)
    sk.ellipse((55, 58, 205, 130), (60, 56, 56), None)
    for k in range(14):
        t = 2 * math.pi * k / 14
        fd.stone(sk, 130 + math.cos(t) * 92, 94 + math.sin(t) * 50, 15)
    for a in (-0.4, 0.5, 1.6):
        sk.outlined_line([(130 - 34 * math.cos(a), 94 - 14 * math.sin(a)),
                          (130 + 34 * math.cos(a), 94 + 14 * math.sin(a))], (40, 30, 30), 10, INK, 2)
    _paste(img, sk, (ox, oy))


def woodpile(img, rec):
    x0, y0, x1, y1 = plan.record_box(rec)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 20, h + 30)
    sk.rect((6, 16, w + 14, h + 26), darker(fd.WOOD_DARK, 0.3), INK, 3, 4)
    n = int(h // 24)
    for k in range(n):
        y = 28 + k * (h - 8) / n
        fd.log_piece(sk, w / 2 + 10, y, w - 30, 11, fd.WOOD if k % 2 else darker(fd.WOOD, 0.1))
    _paste(img, sk, (x0 - 10, y0 - 20))


def haystack(img, rec, seed=1):
    x0, y0, x1, y1 = plan.record_box(rec)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 20, h + 110)
    base = h + 100
    sk.ellipse((4, base - h * 0.8, w + 16, base + 6), (70, 90, 50), None, alpha=120)
    sk.polygon([(10, base - 8), (w * 0.2 + 10, base - h - 70), ((w + 20) / 2, base - h - 96),
                (w * 0.8 + 10, base - h - 70), (w + 10, base - 8)], fd.STRAW, INK, 4)
    rnd = random.Random(seed)
    for _ in range(18):
        x = rnd.uniform(w * 0.2, w * 0.85)
        y = rnd.uniform(base - h - 60, base - 16)
        sk.line([(x, y), (x + rnd.uniform(-8, 8), y + 14)], darker(fd.STRAW, 0.22), 2)
    _paste(img, sk, (x0 - 10, y1 - base))


def _turned(rec):
    """(u, v) in the record's own frame, from its centre -> world point."""
    cx, cy = plan.record_centre(rec)
    a = math.radians(plan.record_turn(rec))
    ca, sa = math.cos(a), math.sin(a)
    return lambda u, v: (cx + u * ca - v * sa, cy + u * sa + v * ca)


def cart(img, rec):
    x1, y1, x2, y2, _ = rec
    w, h = float(x2 - x1), float(y2 - y1)
    to = _turned(rec)
    cx, cy = plan.record_centre(rec)
    size = int(max(w, h) * 1.6)
    ox, oy = cx - size / 2, cy - size / 2 - 30
    sk = Sketch(size, size + 30)

    def P(u, v, lift=0.0):
        x, y = to(u, v)
        return (x - ox, y - oy - lift)
    for side in (-1, 1):  # wheels
        for u in (-w * 0.3, w * 0.3):
            x, y = P(u, side * h * 0.5)
            sk.ellipse((x - 24, y - 24, x + 24, y + 12), fd.WOOD_DARK, INK, 4)
            sk.circle((x, y - 6), 6, STONE, INK, 2)
    sk.polygon([P(-w / 2, -h / 2, 20), P(w / 2, -h / 2, 20), P(w / 2, h / 2, 20), P(-w / 2, h / 2, 20)],
               fd.WOOD, INK, 4)
    sk.polygon([P(-w / 2 + 12, -h / 2 + 10, 40), P(w / 2 - 12, -h / 2 + 10, 48), P(w / 2 - 16, h / 2 - 10, 44),
                P(-w / 2 + 16, h / 2 - 10, 38)], fd.STRAW, INK, 3)
    sk.outlined_line([P(w / 2, -h * 0.25, 16), P(w / 2 + 70, -h * 0.2, 6)], fd.WOOD_LIGHT, 7, INK, 2.5)
    sk.outlined_line([P(w / 2, h * 0.25, 16), P(w / 2 + 70, h * 0.2, 6)], fd.WOOD_LIGHT, 7, INK, 2.5)
    _paste(img, sk, (ox, oy))


def hive(img, rec, seed):
    x0, y0, x1, y1 = plan.record_box(rec)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 40, h + 90)
    base = h + 70
    sk.ellipse((8, base - 14, w + 32, base + 10), (40, 60, 30), None, alpha=110)
    sk.rect((20, base - 70, w + 20, base), (236, 210, 120), INK, 4, 3)
    sk.line([(22, base - 44), (w + 18, base - 44)], darker((236, 210, 120), 0.25), 3)
    sk.rect((w / 2 + 8, base - 14, w / 2 + 32, base - 6), INK, None)
    sk.polygon([(12, base - 66), ((w + 40) / 2, base - 96), (w + 28, base - 66)], fd.ROOF_RED, INK, 4)
    rnd = random.Random(seed)
    for _ in range(5):
        bx, by = rnd.uniform(4, w + 36), rnd.uniform(4, base - 60)
        sk.ellipse((bx - 4, by - 3, bx + 4, by + 3), GOLD, INK, 2)
        sk.line([(bx - 1, by - 3), (bx - 1, by + 3)], INK, 1.5)
    _paste(img, sk, (x0 - 20, y1 - base))


def kennel(img, rec):
    x0, y0, x1, y1 = plan.record_box(rec)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 60, h + 120)
    base = h + 100
    sk.rect((30, base - 80, w + 30, base), fd.WOOD, INK, 4, 3)
    sk.polygon([(20, base - 76), ((w + 60) / 2, base - 124), (w + 40, base - 76)], fd.ROOF_GREY, INK, 4)
    sk.rect(((w + 60) / 2 - 18, base - 52, (w + 60) / 2 + 18, base), (50, 36, 30), INK, 3, 14)
    # the dog lying in the door
    dx, dy = (w + 60) / 2, base - 10
    sk.ellipse((dx - 30, dy - 16, dx + 26, dy + 10), (196, 150, 100), INK, 3)
    sk.circle((dx + 22, dy - 12), 13, (196, 150, 100), INK, 3)
    sk.ellipse((dx + 12, dy - 30, dx + 22, dy - 12), (130, 90, 60), INK, 2.5)
    sk.circle((dx + 27, dy - 14), 2.5, INK, None)
    sk.circle((dx + 35, dy - 9), 3, INK, None)
    _paste(img, sk, (x0 - 30, y1 - base))


def log_bench(img, rec):
    x1, y1, x2, y2, _ = rec
    w = float(x2 - x1)
    to = _turned(rec)
    cx, cy = plan.record_centre(rec)
    ox, oy = cx - 110, cy - 90
    sk = Sketch(220, 180)
    a, b = to(-w / 2, 0), to(w / 2, 0)
    heading = math.atan2(b[1] - a[1], b[0] - a[0])
    fd.log_piece(sk, cx - ox, cy - oy, w - 16, 15, fd.WOOD, heading)
    _paste(img, sk, (ox, oy))


def bench(img, rec):
    x0, y0, x1, y1 = plan.record_box(rec)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 40, h + 60)
    for v in (30, h + 10):
        sk.rect((16, v, 24, v + 30), fd.WOOD_DARK, INK, 2.5)
        sk.rect((w + 16, v, w + 24, v + 30), fd.WOOD_DARK, INK, 2.5)
    sk.rect((12, 20, w + 28, h + 30), fd.WOOD_LIGHT, INK, 4, 4)
    sk.line([(20 + w / 2, 24), (20 + w / 2, h + 26)], darker(fd.WOOD_LIGHT, 0.25), 3)
    _paste(img, sk, (x0 - 20, y0 - 30))


def boulder(img, rec, seed):
    to = _turned(rec)
    x1, y1, x2, y2, _ = rec
    w = float(x2 - x1)
    cx, cy = plan.record_centre(rec)
    ox, oy = cx - w, cy - w
    sk = Sketch(2 * w, 2 * w)
    rnd = random.Random(seed)
    pts = []
    for k in range(12):
        t = 2 * math.pi * k / 12
        r = w * 0.6 * rnd.uniform(0.92, 1.08)
        x, y = to(math.cos(t) * r, math.sin(t) * r)
        pts.append((x - ox, y - oy))
    sk.polygon(pts, STONE, INK, 4)
    sk.polygon([(p[0] * 0.55 + w * 0.4, p[1] * 0.55 + w * 0.3) for p in pts[6:11]], lighter(STONE, 0.3), None)
    sk.circle((w * 0.85, w * 1.2), w * 0.12, (120, 170, 90), None)
    _paste(img, sk, (ox, oy))


def trough(img, rec):
    x0, y0, x1, y1 = plan.record_box(rec)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 20, h + 40)
    sk.rect((6, 26, w + 14, h + 32), fd.WOOD_DARK, INK, 4, 6)
    sk.rect((16, 32, w + 4, h + 24), fd.WATER, INK, 3, 4)
    sk.line([(26, 38), (w - 10, 38)], lighter(fd.WATER, 0.5), 3)
    _paste(img, sk, (x0 - 10, y0 - 28))


def flower_bed(img, rec, seed):
    x0, y0, x1, y1 = plan.record_box(rec)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 20, h + 40)
    sk.rect((6, 26, w + 14, h + 26), fd.SOIL, None, 0, 12)
    for k in range(int(w // 20)):
        fd.stone(sk, 16 + k * 20, h + 26, 9)
    rnd = random.Random(seed)
    cols = [ROSE, GOLD, (250, 250, 250), (200, 120, 240), CORAL]
    for _ in range(16):
        x, y = rnd.uniform(16, w + 4), rnd.uniform(20, h + 14)
        sk.outlined_line([(x, y + 10), (x, y - 6)], LEAF, 3, INK, 1.5)
        c = rnd.choice(cols)
        for j in range(5):
            t = j * 2 * math.pi / 5
            sk.circle((x + math.cos(t) * 5, y - 8 + math.sin(t) * 5), 4, c, INK, 1.5)
        sk.circle((x, y - 8), 3, AMBER, None)
    _paste(img, sk, (x0 - 10, y0 - 20))


def chopping_block(img, rec):
    x0, y0, x1, y1 = plan.record_box(rec)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 60, h + 70)
    cx = (w + 60) / 2
    # the stump stands on its record; its cut face shows above it
    sk.rect((cx - w / 2, 30, cx + w / 2, h + 70), fd.WOOD, INK, 4, 6)
    sk.ellipse((cx - w / 2, 18, cx + w / 2, 44), fd.LOG_END, INK, 4)
    sk.ellipse((cx - w / 4, 25, cx + w / 4, 37), None, darker(fd.LOG_END, 0.25), 2)
    sk.outlined_line([(cx + 2, 30), (cx + 34, 4)], fd.WOOD_LIGHT, 5, INK, 2)
    sk.polygon([(cx - 8, 22), (cx + 6, 36), (cx + 14, 22), (cx + 4, 14)], STONE, INK, 2.5)
    _paste(img, sk, (x0 - 30, y1 - h - 70))


def world_picture():
    """The whole world image (RGB, 5000 x 3812)."""
    recs = plan.read_map()
    img, path_mask = ground()
    kinds = [k for k, _ in plan.KINDS]

    def of(kind):
        return [r for r, k in zip(recs, kinds) if k == kind]
    boxes = [plan.record_box(r) for r, k in zip(recs, kinds) if k != "border"]
    for (x, y), *_ in plan.SPOTS:
        boxes.append((x - 10, y - 10, x + 80, y + 70))
    for x, y in plan.FIREWOOD:
        boxes.append((x, y, x + 90, y + 60))
    grass_details(img, path_mask, boxes)
    fields = of("field")
    potato_field(img, fields[0])
    rye_field(img, fields[1])
    pond(img, of("pond"))
    garden(img, of("garden")[0])
    fences = of("fence")
    hen_run(img, fences[:3])
    fire_pit(img, of("firepit")[0])
    woodpile(img, of("woodpile")[0])
    for i, r in enumerate(of("haystack")[1:]):
        haystack(img, r, seed=80 + i)
    cart(img, of("cart")[0])
    for i, r in enumerate(of("hive")):
        hive(img, r, 90 + i)
    kennel(img, of("kennel")[0])
    benches = of("bench")
    log_bench(img, benches[0])
    bench(img, benches[1])
    for i, r in enumerate(of("boulder")):
        boulder(img, r, 100 + i)
    trough(img, of("trough")[0])
    for i, r in enumerate(of("flowers")):
        flower_bed(img, r, 110 + i)
    chopping_block(img, of("block")[0])
    fence_records(img, fences)
    # signs that tell what happens where
    sign_board(img, (2590, 1915), "Vistas", "Hens", _icon_egg, 190)
    sign_board(img, (3990, 2010), "Jāņu ugunskurs", "Midsummer fire", _icon_fire, 250)
    road_sign(img)
    forest(img)
    return img
