"""The small town: the 4432 x 3298 world picture, the nine props drawn over
it with depth, and the map screen.

Everything stands where the collision map says: each record of col3.txt
is drawn as the thing it is (level3_plan.KINDS) over exactly the ground it
blocks, and each building prop puts its front wall on its footprint's
bottom edge.  Painted things the player could walk behind are drawn no
taller than their record, so the player is never drawn over something he
stands behind; tall buildings and figures are props, which the game sorts
by depth.  The parts of a prop picture that the game may draw over a player
standing beside it are left clear.
"""

import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import level3_look as lk
import level3_plan as plan
from common import (AMBER, CORAL, CREAM, GOLD, INK, LEAF, MUTED, ROSE, SKY, STONE, TEAL, darker,
                    lighter, text)

WW, WH = plan.WORLD_W, plan.WORLD_H
X0, Y0, X1, Y1 = plan.TOWN


# --- textures (numpy) --------------------------------------------------------------------

def _smooth_noise(h, w, cell, seed):
    """Values in 0..1 that vary over about `cell` pixels."""
    rng = np.random.default_rng(seed)
    small = rng.random((h // cell + 3, w // cell + 3)).astype(np.float32)
    im = Image.fromarray((small * 255).astype(np.uint8), "L")
    im = im.resize(((w // cell + 3) * cell, (h // cell + 3) * cell), Image.BICUBIC)
    return np.asarray(im, np.float32)[:h, :w] / 255.0


def _tint(base, noise, amount):
    rgb = np.asarray(base, np.float32)[None, None, :] * (1.0 + (noise[..., None] - 0.5) * amount)
    return np.clip(rgb, 0, 255).astype(np.uint8)


def _cobbles(h, w, x0, y0, colour, stone=(34, 24), seed=5):
    """Rows of set stones with dark joints, each stone a slightly different tone."""
    ys, xs = np.mgrid[y0:y0 + h, x0:x0 + w]
    row = ys // stone[1]
    shift = (row % 2) * (stone[0] // 2)
    col = (xs + shift) // stone[0]
    rnd = ((row * 73856093) ^ (col * 19349663) ^ seed) % 997 / 997.0
    tone = 0.88 + 0.2 * rnd.astype(np.float32)
    rgb = np.asarray(colour, np.float32)[None, None, :] * tone[..., None]
    joint = (((xs + shift) % stone[0]) < 3) | ((ys % stone[1]) < 3)
    rgb[joint] *= 0.7
    return np.clip(rgb, 0, 255).astype(np.uint8)


def _asphalt(h, w, seed):
    n = _smooth_noise(h, w, 24, seed)
    return _tint(lk.ASPHALT, n, 0.16)


def _paint_array(arr, box, pixels, mask=None):
    x0, y0, x1, y1 = [int(v) for v in box]
    x0c, y0c, x1c, y1c = max(0, x0), max(0, y0), min(WW, x1), min(WH, y1)
    if x1c <= x0c or y1c <= y0c:
        return
    sub = pixels[y0c - y0:y1c - y0, x0c - x0:x1c - x0]
    if mask is None:
        arr[y0c:y1c, x0c:x1c] = sub
    else:
        m = mask[y0c - y0:y1c - y0, x0c - x0:x1c - x0]
        arr[y0c:y1c, x0c:x1c][m] = sub[m]


def ground():
    """Grass everywhere, a little darker beyond the town's fences."""
    n = _smooth_noise(WH, WW, 48, 11) * 0.7 + _smooth_noise(WH, WW, 9, 12) * 0.3
    rgb = np.asarray(lk.GRASS, np.float32)[None, None, :] * (0.9 + (n[..., None] - 0.5) * 0.3)
    yy, xx = np.ogrid[0:WH, 0:WW]
    outside = (xx < X0 - 20) | (xx > X1 + 20) | (yy < Y0 - 40) | (yy > Y1 + 30)
    rgb[np.broadcast_to(outside, (WH, WW))] *= np.array([0.82, 0.9, 0.78], np.float32)
    return np.clip(rgb, 0, 255).astype(np.uint8)


# --- flat ground: streets, paving, paths ------------------------------------------------------

def paving(arr):
    # roads and paved places, back to front
    ax0, ay0, ax1, ay1 = plan.MAIN_ROAD
    _paint_array(arr, plan.MAIN_ROAD, _asphalt(ay1 - ay0, ax1 - ax0, 21))
    for box, seed in ((plan.SIDEWALK, 3), (plan.SHOP_PAVEMENT, 4), (plan.ALLEY, 6)):
        x0, y0, x1, y1 = box
        _paint_array(arr, box, _cobbles(y1 - y0, x1 - x0, x0, y0, lk.PAVING, (70, 70), seed))
    x0, y0, x1, y1 = (X0, plan.SQUARE[1], plan.SQUARE[2], plan.SQUARE[3])
    _paint_array(arr, (x0, y0, x1, y1), _cobbles(y1 - y0, x1 - x0, x0, y0, lk.COBBLE, (34, 24), 7))
    x0, y0, x1, y1 = plan.NORTH_STREET
    _paint_array(arr, (x0, 1000, x1, y1), _asphalt(y1 - 1000, x1 - x0, 22))
    x0, y0, x1, y1 = plan.PARKING
    _paint_array(arr, plan.PARKING, _asphalt(y1 - y0, x1 - x0, 23))


def markings(img):
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = plan.MAIN_ROAD
    mid = (y0 + y1) // 2
    for x in range(-40, WW, 150):
        d.rectangle((x, mid - 4, x + 80, mid + 4), fill=(236, 232, 214))
    for yy in (y0 + 14, y1 - 18):
        d.rectangle((0, yy, WW, yy + 4), fill=(214, 210, 196))
    # kerbs along the sidewalk and the square
    d.rectangle((0, y0 - 6, WW, y0 + 2), fill=(196, 192, 186), outline=INK)
    d.rectangle((0, y1 - 2, WW, y1 + 6), fill=(196, 192, 186), outline=INK)
    # the bus stop: a yellow box on the lane and the word on the asphalt
    d.rectangle((2380, y0 + 24, 2880, y0 + 92), outline=(240, 200, 60), width=6)
    for k in range(9):
        d.line((2390 + k * 55, y0 + 86, 2430 + k * 55, y0 + 30), fill=(240, 200, 60), width=4)
    text(img, (2630, y0 + 126), "AUTOBUSS", 46, fill=(240, 236, 220), stroke_fill=(60, 60, 70), shadow=False)
    # parking bays
    px0, py0, px1, py1 = plan.PARKING
    for k in range(5):
        x = 2820 + k * 170
        d.line((x, py0 + 40, x + 70, py1 - 40), fill=(236, 232, 214), width=6)
    d.rectangle(plan.PARKING, outline=INK, width=5)
    text(img, (3300, 640), "P", 60, fill=(236, 232, 214), stroke_fill=(40, 60, 140))
    # the north street's centre line
    sx0, _, sx1, _ = plan.NORTH_STREET
    for y in range(1010, 1745, 130):
        d.rectangle(((sx0 + sx1) // 2 - 4, y, (sx0 + sx1) // 2 + 4, y + 70), fill=(236, 232, 214))
    for x in (sx0, sx1):
        d.line((x, 1000, x, 1745), fill=INK, width=5)


GRAVEL = (214, 196, 158)

# park paths through the grass: polylines of world points
PATHS = [
    [(1700, 2010), (1690, 1880), (1720, 1760), (1800, 1720)],
    [(1800, 1700), (1720, 1560), (1660, 1420), (1640, 1380)],
    [(1640, 1380), (1700, 1300), (1800, 1250), (1930, 1330), (2060, 1420), (2200, 1400), (2290, 1400)],
    [(1800, 1250), (1780, 1120), (1800, 990)],
    [(1800, 990), (2000, 980), (2150, 900), (2160, 850)],
    [(2000, 980), (2200, 1050), (2370, 1090)],
    [(1520, 990), (1560, 960), (1620, 960)],
]


def park_paths(img):
    d = ImageDraw.Draw(img)
    for pts in PATHS:
        d.line(pts, fill=INK, width=84, joint="curve")
        for p in (pts[0], pts[-1]):
            d.ellipse((p[0] - 42, p[1] - 42, p[0] + 42, p[1] + 42), fill=INK)
    for pts in PATHS:
        d.line(pts, fill=GRAVEL, width=74, joint="curve")
        for p in (pts[0], pts[-1]):
            d.ellipse((p[0] - 37, p[1] - 37, p[0] + 37, p[1] + 37), fill=GRAVEL)
    # a few pebbles
    rnd = np.random.default_rng(9)
    for pts in PATHS:
        for a, b in zip(pts, pts[1:]):
            for _ in range(int(math.dist(a, b) / 14)):
                t = rnd.random()
                x = a[0] + (b[0] - a[0]) * t + rnd.normal(0, 14)
                y = a[1] + (b[1] - a[1]) * t + rnd.normal(0, 14)
                c = darker(GRAVEL, rnd.uniform(0.08, 0.25))
                d.ellipse((x - 3, y - 2, x + 3, y + 2), fill=c)


# --- painted objects --------------------------------------------------------------------------

def _stamp(img, box, draw, ss=2):
    """Draw with `draw(sk, w, h)` on a supersampled board the size of `box`
    (world coordinates) and lay it on the world."""
    x0, y0, x1, y1 = [int(round(v)) for v in box]
    sk = lk.Board(x1 - x0, y1 - y0, ss=ss)
    draw(sk, x1 - x0, y1 - y0)
    im = sk.image()
    _lay(img, im, (x0, y0))


def _lay(img, im, xy):
    x, y = int(xy[0]), int(xy[1])
    sx, sy = max(0, -x), max(0, -y)
    if sx >= im.width or sy >= im.height:
        return
    img.alpha_composite(im, (max(0, x), max(0, y)), (sx, sy))


def shadow(img, box, alpha=70, blur=8):
    x0, y0, x1, y1 = [int(v) for v in box]
    pad = blur * 3
    layer = Image.new("RGBA", (x1 - x0 + 2 * pad, y1 - y0 + 2 * pad))
    ImageDraw.Draw(layer).ellipse((pad, pad, pad + x1 - x0, pad + y1 - y0), fill=(10, 20, 10, alpha))
    _lay(img, layer.filter(ImageFilter.GaussianBlur(blur)), (x0 - pad, y0 - pad))


def draw_tree(sk, w, h, leaf=LEAF, fruit=None, seed=1):
    """A round tree filling w x h: the crown above, the trunk's foot on the bottom edge."""
    rnd = np.random.default_rng(abs(int(seed)))
    cx = w / 2
    sk.ellipse((cx - w * 0.3, h - 18, cx + w * 0.3, h - 2), (0, 0, 0), None, alpha=60)
    sk.rect((cx - 12, h * 0.5, cx + 12, h - 8), lk.WOOD, INK, 4, 5)
    blobs = [(-0.24, 0.36, 0.27), (0.24, 0.37, 0.26), (0.0, 0.24, 0.32), (-0.1, 0.46, 0.22),
             (0.14, 0.47, 0.22)]
    for dx, dy, r in blobs:
        sk.circle((cx + dx * w, dy * h), r * w, darker(leaf, 0.05), INK, 4)
    for dx, dy, r in blobs:
        sk.circle((cx + dx * w - r * w * 0.25, dy * h - r * w * 0.3), r * w * 0.45, lighter(leaf, 0.18), None)
    if fruit:
        for _ in range(10):
            a = rnd.uniform(0, 2 * math.pi)
            rr = rnd.uniform(0.05, 0.36) * w
            sk.circle((cx + math.cos(a) * rr, 0.35 * h + math.sin(a) * rr * 0.8), 6, fruit, INK, 2)


def draw_bench(sk, w, h, colour=lk.WOOD):
    """A park bench seen from the front, filling w x h."""
    sk.rect((6, h * 0.12, w - 6, h * 0.45), colour, INK, 3, 4)
    sk.rect((4, h * 0.5, w - 4, h * 0.72), lighter(colour, 0.12), INK, 3, 4)
    for x in (14, w - 22):
        sk.rect((x, h * 0.68, x + 8, h - 2), (60, 60, 70), INK, 3)


def draw_lamp(sk, w, h):
    cx = w / 2
    sk.rect((cx - 8, h - 16, cx + 8, h - 2), (60, 62, 74), INK, 3, 3)
    sk.rect((cx - 4, 26, cx + 4, h - 12), (72, 74, 88), INK, 3)
    sk.polygon([(2, 26), (w - 2, 26), (cx + 6, 4), (cx - 6, 4)], (72, 74, 88), INK, 3)
    sk.ellipse((cx - 7, 20, cx + 7, 34), (255, 236, 150), INK, 2)


def draw_car_top(sk, w, h, colour, heading_up=True):
    """A car seen from above, bonnet towards the top of the board."""
    sk.rect((4, 6, w - 4, h - 6), colour, INK, 4, 16)
    sk.rect((12, h * 0.24, w - 12, h * 0.4), (170, 210, 240), INK, 3, 6)    # windscreen
    sk.rect((12, h * 0.4, w - 12, h * 0.72), lighter(colour, 0.15), INK, 3, 6)   # roof
    sk.rect((14, h * 0.72, w - 14, h * 0.82), (150, 190, 220), INK, 3, 5)   # rear window
    for x in (10, w - 22):
        sk.rect((x, 12, x + 12, 22), (255, 244, 190), INK, 2, 3)
    for y in (h * 0.16, h * 0.78):
        for x in (0, w - 8):
            sk.rect((x, y - 14, x + 8, y + 14), (30, 30, 36), INK, 2, 3)


def car_picture(w, h, colour, deg):
    """A parked car turned clockwise by `deg`, on a board just big enough."""
    sk = lk.Board(w, h, ss=2)
    draw_car_top(sk, w, h, colour)
    im = sk.image()
    return im.rotate(-deg, resample=Image.BICUBIC, expand=True)


def draw_fountain(sk, w, h):
    by = h * 0.42
    sk.ellipse((4, by, w - 4, h - 4), STONE, INK, 5)
    sk.ellipse((20, by + 14, w - 20, h - 22), lk.WATER, INK, 3)
    sk.ellipse((40, by + 26, w - 60, by + 52), lighter(lk.WATER, 0.35), None)
    cx = w / 2
    sk.rect((cx - 14, by - 10, cx + 14, (by + h) / 2), STONE, INK, 4, 4)
    sk.ellipse((cx - 40, by - 22, cx + 40, by + 2), STONE, INK, 4)
    for k in range(-3, 4):
        sk.line([(cx, by - 16), (cx + k * 14, 20 + abs(k) * 8), (cx + k * 26, by - 8)],
                lighter(lk.WATER, 0.5), 4)
    sk.circle((cx, 18), 10, (220, 240, 255), None)


def draw_flowers(sk, w, h, seed=2):
    rnd = np.random.default_rng(seed)
    sk.rect((2, h * 0.25, w - 2, h - 2), lk.WOOD, INK, 4, 6)
    sk.rect((8, h * 0.25 + 6, w - 8, h - 14), (92, 66, 50), None, 0, 4)
    for _ in range(int(w / 8)):
        x = rnd.uniform(12, w - 12)
        y = rnd.uniform(h * 0.18, h * 0.62)
        sk.line([(x, y + 10), (x, y + 18)], darker(LEAF, 0.2), 3)
        sk.circle((x, y + 6), rnd.uniform(5, 8), [ROSE, GOLD, CORAL, CREAM, SKY][rnd.integers(5)], INK, 2)


def draw_statue(sk, w, h):
    cx = w / 2
    sk.rect((10, h * 0.68, w - 10, h - 4), STONE, INK, 4, 4)
    sk.rect((4, h - 22, w - 4, h - 2), darker(STONE, 0.1), INK, 4, 3)
    bronze = (92, 132, 118)
    look = lk.Look(skin=bronze, hair=darker(bronze, 0.2), shirt=bronze, trousers=darker(bronze, 0.1),
                   shoes=darker(bronze, 0.25))
    lk.person(sk, cx, h * 0.68, 0.78, look, lk.DOWN, arms="up")


def draw_swings(sk, w, h):
    metal = (200, 70, 60)
    for x in (14, w - 14):
        sk.line([(x - 12, h - 4), (x, 10), (x + 12, h - 4)], metal, 8)
    sk.line([(8, 12), (w - 8, 12)], metal, 10)
    for cx in (w * 0.33, w * 0.67):
        sk.line([(cx - 16, 14), (cx - 16, h - 54)], (60, 60, 70), 3)
        sk.line([(cx + 16, 14), (cx + 16, h - 54)], (60, 60, 70), 3)
        sk.rect((cx - 24, h - 58, cx + 24, h - 46), lk.WOOD, INK, 3, 3)
    sk.ellipse((w * 0.2, h - 20, w * 0.8, h - 2), (140, 110, 80), None, alpha=90)


def draw_sandpit(sk, w, h):
    sk.rect((2, 14, w - 2, h - 2), lk.WOOD, INK, 4, 6)
    sk.rect((14, 26, w - 14, h - 14), (236, 214, 150), INK, 2, 4)
    sk.rect((40, 50, 66, 78), CORAL, INK, 3, 4)
    sk.line([(66, 52), (80, 40)], INK, 3)
    sk.circle((w - 50, h - 40), 12, SKY, INK, 3)


def draw_pillar(sk, w, h):
    cx = w / 2
    sk.rect((6, 24, w - 6, h - 8), (200, 196, 186), INK, 4, 8)
    sk.ellipse((2, 8, w - 2, 36), (70, 120, 100), INK, 4)
    sk.circle((cx, 6), 6, GOLD, INK, 2)
    for y, c in ((44, CORAL), (80, SKY), (112, GOLD)):
        sk.rect((12, y, w - 12, y + 28), c, INK, 2, 2)
    sk.ellipse((4, h - 16, w - 4, h - 2), darker((200, 196, 186), 0.2), INK, 3)


def draw_booth(sk, w, h):
    body = (236, 196, 60)
    sk.rect((4, 10, w - 4, h - 4), body, INK, 4, 6)
    sk.rect((12, 40, w - 12, h - 16), (170, 210, 240), INK, 3, 3)
    sk.rect((8, 14, w - 8, 34), (60, 70, 120), INK, 2, 3)
    sk.rect((w / 2 - 8, 70, w / 2 + 8, 100), (60, 60, 70), INK, 2, 2)


def draw_board(sk, w, h):
    for x in (12, w - 20):
        sk.rect((x, h * 0.5, x + 8, h - 2), lk.WOOD, INK, 3)
    sk.rect((2, 4, w - 2, h * 0.66), darker(lk.WOOD, 0.2), INK, 4, 4)
    sk.rect((8, 12, w - 8, h * 0.66 - 8), (110, 150, 110), INK, 2, 2)
    for (x, y, c) in ((14, 22, CREAM), (48, 18, GOLD), (20, 54, SKY), (52, 50, CREAM)):
        sk.rect((x, y, x + 24, y + 26), c, INK, 2, 1)
    sk.polygon([(0, 6), (w / 2, -2), (w, 6)], ROOF_OF_BOARD, INK, 3)


ROOF_OF_BOARD = (140, 70, 60)


def draw_busstop(sk, w, h):
    cx = w / 2
    sk.rect((cx - 4, 40, cx + 4, h - 6), (120, 124, 136), INK, 3)
    sk.rect((cx - 10, h - 12, cx + 10, h - 2), (90, 94, 106), INK, 3, 2)
    sk.circle((cx, 24), 22, (240, 200, 60), INK, 4)
    sk.circle((cx, 24), 15, (40, 120, 60), None)
    sk.rect((cx - 18, 60, cx + 18, 100), CREAM, INK, 3, 2)
    for y in (68, 76, 84, 92):
        sk.line([(cx - 12, y), (cx + 12, y)], MUTED, 2)


def draw_outhouse(sk, w, h):
    wall = (150, 100, 62)
    sk.rect((8, 70, w - 8, h - 4), wall, INK, 4, 3)
    for x in range(16, w - 8, 14):
        sk.line([(x, 74), (x, h - 8)], darker(wall, 0.2), 2)
    sk.polygon([(0, 76), (w / 2, 22), (w, 76)], (120, 70, 44), INK, 4)
    sk.rect((22, 110, w - 22, h - 6), lighter(wall, 0.1), INK, 3, 2)
    # the heart in the door
    cx, cy = w / 2, 134
    sk.polygon([(cx, cy + 10), (cx - 10, cy), (cx - 8, cy - 7), (cx, cy - 3), (cx + 8, cy - 7), (cx + 10, cy)],
               INK, None)
    sk.circle((w - 30, 200), 4, GOLD, INK, 2)


def draw_pond(sk, w, h, seed=4):
    rnd = np.random.default_rng(seed)
    sk.ellipse((2, 2, w - 2, h - 2), (120, 112, 100), INK, 5)
    sk.ellipse((14, 12, w - 14, h - 12), lk.WATER, INK, 3)
    sk.ellipse((40, 30, w * 0.6, h * 0.4), lighter(lk.WATER, 0.25), None)
    for _ in range(5):
        x, y = rnd.uniform(60, w - 60), rnd.uniform(50, h - 50)
        sk.circle((x, y), 14, (90, 170, 80), INK, 2)
    # a duck
    x, y = w * 0.62, h * 0.58
    sk.ellipse((x - 22, y - 10, x + 18, y + 12), CREAM, INK, 3)
    sk.circle((x + 16, y - 14), 10, (60, 130, 80), INK, 3)
    sk.polygon([(x + 24, y - 16), (x + 34, y - 12), (x + 24, y - 10)], AMBER, INK, 2)


def draw_drinker(sk, w, h):
    """The drinker slumped on a bench against the churchyard wall."""
    by = h - 52
    sk.rect((4, by - 58, w - 4, by - 20), lk.WOOD, INK, 3, 4)
    sk.rect((2, by - 14, w - 2, by + 4), lighter(lk.WOOD, 0.12), INK, 3, 4)
    for x in (12, w - 20):
        sk.rect((x, by, x + 8, h - 6), (60, 60, 70), INK, 3)
    look = lk.Look(skin=(236, 180, 160), hair=(120, 110, 100), shirt=(120, 100, 70),
                   trousers=(70, 70, 90), shoes=(60, 40, 30), beard=(140, 130, 120))
    # sitting: draw him standing and hide the legs behind the seat front
    lk.person(sk, w * 0.45, by + 40, 0.82, look, lk.DOWN_RIGHT)
    sk.rect((w * 0.25, by - 14, w * 0.7, by + 4), lighter(lk.WOOD, 0.12), INK, 3, 4)
    for x in (w * 0.34, w * 0.54):
        sk.rect((x, by + 2, x + 16, h - 30), (70, 70, 90), INK, 3, 4)
        sk.ellipse((x - 6, h - 34, x + 20, h - 20), (60, 40, 30), INK, 3)
    for x, c in ((w - 22, (60, 130, 70)), (w - 36, (140, 90, 40))):
        sk.rect((x, h - 40, x + 10, h - 8), c, INK, 2, 3)
        sk.rect((x + 3, h - 48, x + 7, h - 40), c, INK, 2)


def draw_belasi_man(sk, w, h):
    """A bench along the shop wall and the hungry man standing in front of it."""
    sk.rect((4, 8, w - 4, 48), darker(lk.WOOD, 0.1), INK, 3, 4)
    sk.rect((2, 50, w - 2, 70), lk.WOOD, INK, 3, 4)
    for x in (10, w - 18):
        sk.rect((x, 68, x + 8, 86), (60, 60, 70), INK, 3)
    look = lk.Look(skin=(246, 196, 160), hair=(40, 30, 26), shirt=(240, 240, 236),
                   trousers=(60, 64, 80), shoes=(40, 40, 44))
    lk.person(sk, w * 0.55, h - 4, 0.92, look, lk.DOWN, arms="hips")
    # a moustache
    sk.ellipse((w * 0.55 - 9, h - 4 - 0.92 * 136, w * 0.55 + 9, h - 4 - 0.92 * 131), INK, None)


def churchyard(img, box):
    """Graves, a path and the stone wall around the church."""
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    # the path from the gate to the church door
    d.rectangle((880, 1880, 940, y1 - 30), fill=GRAVEL, outline=INK, width=4)
    d.rectangle((880, 1880, 1140, 1930), fill=GRAVEL, outline=INK, width=4)
    rnd = np.random.default_rng(14)
    graves = [(600 + 60 * i, 1500 + 120 * j) for i in range(3) for j in range(4)]
    graves += [(1440 - 0, 1000 + 110 * j) for j in range(5)]
    graves += [(620 + 90 * i, 600 + 0) for i in range(10)]
    for gx, gy in graves:
        def g(sk, w, h, c=STONE, cross=rnd.random() < 0.4):
            sk.rect((6, 26, w - 6, h - 4), (70, 110, 60), INK, 2, 4)
            if cross:
                sk.rect((w / 2 - 4, 0, w / 2 + 4, 34), c, INK, 2)
                sk.rect((w / 2 - 13, 8, w / 2 + 13, 15), c, INK, 2)
            else:
                sk.rect((10, 2, w - 10, 34), c, INK, 3, 9)
        _stamp(img, (gx, gy, gx + 40, gy + 64), g)
    for tx, ty in ((570, 1020), (590, 1250), (1330, 640)):
        _stamp(img, (tx, ty, tx + 120, ty + 190), lambda sk, w, h: draw_tree(sk, w, h, darker(LEAF, 0.2)))
    # the wall: south side with its gate, and the east side
    wall = (176, 168, 160)

    def south(sk, w, h):
        sk.rect((0, 4, w, h), wall, INK, 4, 3)
        for x in range(0, w, 48):
            sk.line([(x, 8), (x, h - 2)], darker(wall, 0.2), 2)
        sk.rect((0, 0, w, 12), lighter(wall, 0.2), INK, 3, 3)
    _stamp(img, (x0, y1 - 40, 860, y1), south)
    _stamp(img, (960, y1 - 40, x1, y1), south)

    def gate(sk, w, h):
        for x in range(4, w, 12):
            sk.line([(x, 0), (x, h)], (50, 50, 60), 4)
        sk.line([(0, 10), (w, 10)], (50, 50, 60), 5)
        sk.line([(0, h - 10), (w, h - 10)], (50, 50, 60), 5)
    _stamp(img, (860, y1 - 56, 960, y1), gate)

    def east(sk, w, h):
        sk.rect((0, 0, w, h), wall, INK, 4, 3)
        sk.rect((4, 0, w - 4, h), lighter(wall, 0.2), None)
        for y in range(0, h, 48):
            sk.line([(2, y), (w - 2, y)], darker(wall, 0.2), 2)
    _stamp(img, (x1 - 24, y0, x1, y1 - 36), east)


def picket_fence(img, x0, x1, y_base, colour=(214, 176, 120), height=50):
    def f(sk, w, h):
        n = max(2, int(w / 26))
        for i in range(n + 1):
            px = w * i / n
            sk.polygon([(px - 7, h), (px - 7, 10), (px, 2), (px + 7, 10), (px + 7, h)], colour, INK, 3)
        for yy in (h * 0.32, h * 0.72):
            sk.rect((0, yy - 4, w, yy + 4), darker(colour, 0.1), INK, 2)
    _stamp(img, (x0, y_base - height, x1, y_base), f)


def post_fence(img, x, y0, y1, colour=(214, 176, 120)):
    """A fence seen end-on: a row of posts down a vertical line."""
    def f(sk, w, h):
        sk.rect((w / 2 - 3, 0, w / 2 + 3, h), darker(colour, 0.15), INK, 2)
        for y in range(10, int(h), 36):
            sk.rect((2, y, w - 2, y + 16), colour, INK, 3, 3)
    _stamp(img, (x - 10, y0, x + 10, y1), f)


def orchard(img, box):
    x0, y0, x1, y1 = box
    for i, tx in enumerate(range(x0 + 30, x1 - 100, 130)):
        for j, ty in enumerate(range(y0 + 20, y1 - 200, 190)):
            _stamp(img, (tx, ty, tx + 120, ty + 180),
                   lambda sk, w, h, s=i * 7 + j: draw_tree(sk, w, h, LEAF, fruit=CORAL, seed=s))
    post_fence(img, x0 + 10, y0, y1)
    picket_fence(img, x0, x1, y1)


def scrapyard(img, box):
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    d.rectangle((x0, y0, x1, y1), fill=(150, 128, 100))
    rnd = np.random.default_rng(17)
    for _ in range(14):
        x, y = rnd.uniform(x0 + 30, x1 - 30), rnd.uniform(y0 + 20, y1 - 40)

        def tyre(sk, w, h):
            sk.ellipse((2, 2, w - 2, h - 2), (40, 40, 46), INK, 3)
            sk.ellipse((w * 0.3, h * 0.3, w * 0.7, h * 0.7), (120, 100, 80), INK, 2)
        _stamp(img, (x - 24, y - 14, x + 24, y + 14), tyre)
    _lay(img, car_picture(90, 170, (120, 90, 70), 70), (x0 + 60, y0 + 90))
    post_fence(img, x1 - 8, y0, y1)


def yard(img, box):
    x0, y0, x1, y1 = box
    ImageDraw.Draw(img).rectangle((x0, y0, x1, y1), fill=(140, 124, 104))


# --- beyond the fences ----------------------------------------------------------------------

def house_front(sk, w, h, wall, roof, seed=1):
    """A small house whose front wall sits on the bottom edge."""
    rnd = np.random.default_rng(seed)
    wall_top = h * 0.45
    sk.polygon([(0, wall_top + 6), (w * 0.12, 4), (w * 0.88, 4), (w, wall_top + 6)], roof, INK, 4)
    sk.rect((6, wall_top, w - 6, h - 2), wall, INK, 4)
    for k in range(int(w // 90)):
        x = 24 + k * 90
        lit_ = rnd.random() < 0.5
        sk.rect((x, wall_top + 24, x + 44, wall_top + 70), GOLD if lit_ else (120, 150, 190), INK, 3, 4)
    sk.rect((w - 70, h - 90, w - 30, h - 2), lk.WOOD, INK, 3, 3)


def outskirts(img):
    rnd = np.random.default_rng(23)
    # the forest to the north and west, rows of crowns back to front
    for y in range(-60, Y0 - 200, 90):
        for x in range(-60, WW, 110):
            xx = x + rnd.uniform(-30, 30)
            _stamp(img, (xx, y, xx + 150, y + 220),
                   lambda sk, w, h, s=int(xx + y): draw_tree(sk, w, h, darker(LEAF, rnd.uniform(0.1, 0.35)), seed=s))
    # houses behind the north fence
    for k, x in enumerate(range(640, X1 - 200, 420)):
        if 2050 < x < 2760:
            continue
        wall = [lk.WALL_CREAM, (220, 200, 230), (200, 226, 210)][k % 3]
        _stamp(img, (x, Y0 - 250, x + 300, Y0 - 40),
               lambda sk, w, h, wall=wall, s=k: house_front(sk, w, h, wall, lk.ROOF_RED, s))
    picket_fence(img, X0 - 20, X1 + 20, Y0 + 2)
    # west and east: trees and fields
    for y in range(Y0 - 100, WH, 160):
        for x in (60, 260):
            xx = x + rnd.uniform(-40, 40)
            _stamp(img, (xx, y, xx + 150, y + 220),
                   lambda sk, w, h, s=int(xx * 3 + y): draw_tree(sk, w, h, darker(LEAF, 0.2), seed=s))
    d = ImageDraw.Draw(img)
    fx0 = X1 + 60
    for k, y in enumerate(range(Y0 - 60, 2560, 38)):
        d.rectangle((fx0, y, WW, y + 18), fill=(150, 130, 80) if k % 2 else (170, 150, 96))
    _stamp(img, (4020, 1500, 4400, 1900), lambda sk, w, h: house_front(sk, w, h, (200, 80, 64), (90, 90, 100), 5))
    post_fence(img, X0 - 10, Y0, plan.SIDEWALK[1])
    post_fence(img, X1 + 10, Y0, plan.SIDEWALK[1])
    # south: a hedge along the road, then the gardens and roofs of the next street
    def hedge(sk, w, h):
        sk.rect((0, 0, w, h), darker(LEAF, 0.25), INK, 4, 12)
        for x in range(10, int(w), 40):
            sk.circle((x, 12), 14, darker(LEAF, 0.1), None)
    _stamp(img, (-20, Y1 + 2, WW + 20, Y1 + 44), hedge)
    for k, x in enumerate(range(200, WW - 200, 480)):
        wall = [lk.WALL_CREAM, (230, 210, 190), (210, 220, 236)][k % 3]
        _stamp(img, (x, Y1 + 90, x + 340, Y1 + 440),
               lambda sk, w, h, wall=wall, s=k + 9: house_front(sk, w, h, wall, lk.ROOF_GREY, s))
    # the road leaves town both ways: barriers at the edge of town
    def barrier(sk, w, h):
        for y in range(6, int(h) - 6, 40):
            sk.rect((4, y, w - 4, y + 20), CORAL if (y // 40) % 2 else CREAM, INK, 3, 3)
    for x in (X0 - 22, X1 + 2):
        _stamp(img, (x, plan.MAIN_ROAD[1], x + 20, plan.MAIN_ROAD[3]), barrier)


# --- the world -------------------------------------------------------------------------------

def world_picture(recs):
    arr = ground()
    paving(arr)
    img = Image.fromarray(arr, "RGB").convert("RGBA")
    del arr
    markings(img)
    park_paths(img)
    outskirts(img)
    drawers = {
        "tree": None, "bench": draw_bench, "lamp": draw_lamp, "fountain": draw_fountain,
        "flowers": draw_flowers, "statue": draw_statue, "swings": draw_swings,
        "sandpit": draw_sandpit, "pillar": draw_pillar, "booth": draw_booth,
        "board": draw_board, "busstop": draw_busstop, "outhouse": draw_outhouse,
        "pond": draw_pond,
    }
    car_colours = [SKY, (230, 230, 226), CORAL, (60, 120, 70)]
    n_car = 0
    for k, ((kind, name), rec) in enumerate(zip(plan.KINDS, recs)):
        x0, y0, x1, y1 = [int(round(float(v))) for v in plan.box_of(rec)]
        angle_deg = _degrees(rec)
        if kind == "churchyard":
            churchyard(img, (x0, y0, x1, y1))
        elif kind == "garden":
            orchard(img, (x0, y0, x1, y1))
        elif kind == "garage":
            scrapyard(img, (x0, y0, x1, 880))
        elif kind == "slaughterhouse":
            yard(img, (x0, y0, x1, 700))
            post_fence(img, x0 - 6, y0, 960)
        elif kind == "car":
            w = rec[2] - rec[0]
            h = rec[3] - rec[1]
            colour = car_colours[n_car % len(car_colours)]
            n_car += 1
            im = car_picture(int(w), int(h), colour, angle_deg)
            cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
            shadow(img, (cx - im.width * 0.4, cy - im.height * 0.3, cx + im.width * 0.45, cy + im.height * 0.5))
            _lay(img, im, (cx - im.width / 2, cy - im.height / 2))
        elif kind == "tree":
            shadow(img, (x0 + 10, y1 - 40, x1 - 10, y1 + 6))
            _stamp(img, (x0, y0, x1, y1), lambda sk, w, h, s=k: draw_tree(sk, w, h, seed=s))
        elif kind == "bench" and name == "drinker's bench":
            _stamp(img, (x0, y0, x1, y1), draw_drinker, ss=3)
        elif kind == "bench" and abs(angle_deg) > 0.5:
            w, h = rec[2] - rec[0], rec[3] - rec[1]
            sk = lk.Board(int(w), int(h), ss=2)
            draw_bench(sk, int(w), int(h))
            im = sk.image().rotate(-angle_deg, resample=Image.BICUBIC, expand=True)
            _lay(img, im, ((x0 + x1) / 2 - im.width / 2, (y0 + y1) / 2 - im.height / 2))
        elif kind == "stand":
            _stamp(img, (x0, y0, x1, y1), draw_belasi_man, ss=3)
        elif kind == "busstop":
            _stamp(img, (x0, y0, x1, y1), draw_busstop)
            text(img, ((x0 + x1) / 2, y0 + 25), "A", 22, fill=CREAM, anchor="mm")
        elif kind in drawers and drawers[kind]:
            if kind in ("fountain", "statue", "swings", "booth", "pillar", "sandpit"):
                shadow(img, (x0 + 6, y1 - 30, x1 - 6, y1 + 8))
            _stamp(img, (x0, y0, x1, y1), drawers[kind])
    return img


def _degrees(rec):
    a = float(rec[4])
    deg = 360.0 - math.degrees(a)
    deg = (deg + 180.0) % 360.0 - 180.0
    return 0.0 if abs(deg) < 1e-3 else deg


# --- buildings as props ----------------------------------------------------------------------

SIDE_CLEAR = 14     # a player beside a footprint reaches 13 px over its edge

def _roof_slab(sk, box, colour, ridge=True, lines=12):
    x0, y0, x1, y1 = box
    sk.rect(box, colour, INK, 5, 6)
    step = (y1 - y0) / lines
    for k in range(1, lines):
        y = y0 + k * step
        sk.line([(x0 + 4, y), (x1 - 4, y)], darker(colour, 0.18), 2)
    if ridge:
        sk.rect((x0 - 4, y0 - 6, x1 + 4, y0 + 10), darker(colour, 0.25), INK, 4, 4)


def _window(sk, x, y, w, h, lit_=False):
    sk.rect((x, y, x + w, y + h), (160, 196, 230) if not lit_ else GOLD, INK, 3, 3)
    sk.line([(x + w / 2, y + 2), (x + w / 2, y + h - 2)], INK, 2)
    sk.line([(x + 2, y + h / 2), (x + w - 2, y + h / 2)], INK, 2)


def _sign(img, box, lv, en, fill=(40, 50, 90), colour=GOLD, size=None):
    x0, y0, x1, y1 = [int(v) for v in box]
    sk = lk.Board(x1 - x0 + 1, y1 - y0 + 1)
    sk.rect((0, 0, x1 - x0, y1 - y0), fill, INK, 4, 6)
    sk.paste_on(img, (x0, y0))
    h = y1 - y0
    size = size or int(h * 0.5)
    text(img, ((x0 + x1) / 2, y0 + h * 0.38), lv, size, fill=colour, anchor="mm",
             max_width=x1 - x0 - 12, shadow=False)
    text(img, ((x0 + x1) / 2, y0 + h * 0.8), en, max(10, int(size * 0.5)), fill=CREAM, anchor="mm",
         max_width=x1 - x0 - 12, shadow=False)


def slaughterhouse(rec):
    """kautkas.png: the slaughterhouse with the butcher in its door."""
    (px, py), (pw, ph) = plan.PROPS[0][1], plan.PROPS[0][2]
    img = lk.rgba_image((pw, ph))
    base = int(rec[3]) - py          # front wall foot, on the record's bottom edge
    # the side walls stand a little inside the footprint, so that a player
    # beside a front corner, not yet sorted in front, is not cut by them
    left, right = int(rec[0]) - px + SIDE_CLEAR, pw - 8
    wall_top = base - 200
    sk = lk.Board(pw, ph)
    _roof_slab(sk, (left, 26, right, wall_top + 6), (120, 110, 120), lines=9)
    sk.rect((left + 30, 0, left + 60, 60), (150, 80, 60), INK, 4)     # chimney
    wall = (196, 120, 100)
    sk.rect((left, wall_top, right, base), wall, INK, 5)
    for y in range(wall_top + 20, base, 26):
        sk.line([(left + 4, y), (right - 4, y)], darker(wall, 0.12), 2)
    door = (50, base - 170, 114, base)
    sk.rect(door, (40, 30, 36), INK, 4, 4)
    _window(sk, 130, wall_top + 60, 54, 60)
    # steps in front of the door, below the wall's foot
    sk.rect((44, base - 4, 120, base + 14), STONE, INK, 3, 2)
    sk.rect((40, base + 10, 124, base + 26), lighter(STONE, 0.1), INK, 3, 2)
    sk.paste_on(img)
    # the butcher in the doorway
    butcher = lk.Look(skin=(244, 190, 170), hair=(60, 40, 30), shirt=(236, 236, 240),
                      trousers=(50, 50, 60), shoes=(30, 30, 34))
    img.alpha_composite(lk.figure((64, 170), (32, 164), 0.86, butcher, arms="hips"), (door[0], base - 168))
    _sign(img, (left + 10, wall_top + 8, right - 40, wall_top + 52), "KAUTUVE", "slaughterhouse",
          fill=(110, 30, 30))
    return img


def garage(rec, riktis_rec):
    """garazja.png: Riktis's garage, Riktis himself and his tyres."""
    (px, py), (pw, ph) = plan.PROPS[1][1], plan.PROPS[1][2]
    img = lk.rgba_image((pw, ph))
    base = int(rec[3]) - py
    left = int(rec[0]) - px
    right = int(rec[2]) - px - SIDE_CLEAR
    wall_top = base - 200
    sk = lk.Board(pw, ph)
    _roof_slab(sk, (left, 40, right, wall_top + 6), (150, 156, 168), ridge=False, lines=16)
    wall = (200, 204, 196)
    sk.rect((left, wall_top, right, base), wall, INK, 5)
    door = (left + 70, wall_top + 46, right - 24, base)
    sk.rect(door, (170, 176, 186), INK, 4, 3)
    for y in range(door[1] + 12, base, 16):
        sk.line([(door[0] + 4, y), (door[2] - 4, y)], darker((170, 176, 186), 0.2), 2)
    # tyres stacked against the wall, beside Riktis
    for k in range(3):
        y = base - 18 - k * 20
        sk.ellipse((left + 22, y - 12, left + 66, y + 12), (40, 40, 46), INK, 3)
        sk.ellipse((left + 34, y - 6, left + 54, y + 6), (110, 110, 120), INK, 2)
    sk.paste_on(img)
    _sign(img, (left + 70, wall_top + 6, right - 24, wall_top + 42), "RIKŠA GARĀŽA", "Riktis' garage",
          fill=(30, 60, 110))
    # Riktis, in overalls, on his record at the garage's corner
    rx0, ry1 = int(riktis_rec[0]) - px, int(riktis_rec[3]) - py
    riktis = lk.Look(skin=(240, 196, 160), hair=(200, 150, 70), shirt=(80, 110, 160),
                     trousers=(80, 110, 160), shoes=(40, 40, 44), hat="cap")
    img.alpha_composite(lk.figure((64, 176), (32, 168), 0.9, riktis, lk.DOWN_LEFT), (rx0 - 10, ry1 - 170))
    return img


def shop(rec):
    """veikals.png: the shop with its door where the shop spot is."""
    (px, py), (pw, ph) = plan.PROPS[4][1], plan.PROPS[4][2]
    img = lk.rgba_image((pw, ph))
    left = int(rec[0]) - px
    # the game sorts this prop only for x below 2800: east of that it is drawn
    # over the player, so the wall stops short of where a player beside the
    # footprint's east end reaches
    right = 2766 - px
    base = int(rec[3]) - py
    wall_top = base - 200
    # the roof starts below the garage forecourt, where the player waits for tuning
    roof_top = 128
    sk = lk.Board(pw, ph)
    _roof_slab(sk, (left, roof_top, right, wall_top + 6), lk.ROOF_RED, lines=6)
    wall = (226, 214, 236)
    sk.rect((left, wall_top, right, base), wall, INK, 5)
    door_x = plan.SPOTS[1][0][0] + 56 - 7 - px - 30
    sk.rect((door_x, base - 170, door_x + 60, base), (110, 150, 200), INK, 4, 3)
    sk.line([(door_x + 30, base - 166), (door_x + 30, base - 2)], INK, 3)
    for x in range(door_x + 90, right - 80, 110):
        sk.rect((x, wall_top + 70, x + 90, base - 40), (170, 206, 236), INK, 4, 3)
        for k in range(5):
            bx = x + 10 + k * 16
            sk.rect((bx, base - 90, bx + 10, base - 44), [(60, 130, 70), (140, 90, 40), CORAL][k % 3], INK, 2, 3)
            sk.rect((bx + 3, base - 100, bx + 7, base - 90), (60, 130, 70), INK, 1)
    # striped awning
    n = 10
    for i in range(n):
        ax0 = door_x + 80 + i * (right - door_x - 90) / n
        ax1 = ax0 + (right - door_x - 90) / n
        sk.polygon([(ax0, wall_top + 50), (ax1, wall_top + 50), (ax1, wall_top + 72), (ax0, wall_top + 80)],
                   CORAL if i % 2 == 0 else CREAM, INK, 3)
    sk.rect((door_x - 6, base - 4, door_x + 66, base + 12), STONE, INK, 3, 2)
    sk.paste_on(img)
    _sign(img, (left + 110, wall_top + 4, right - 60, wall_top + 46), "VEIKALS", "shop", fill=(40, 90, 60))
    return img


def shop2(rec):
    """veikals2.png: the grocery whose bench the belaši man stands at."""
    (px, py), (pw, ph) = plan.PROPS[6][1], plan.PROPS[6][2]
    img = lk.rgba_image((pw, ph))
    left, right = int(rec[0]) - px, int(rec[2]) - px
    base = int(rec[3]) - py
    wall_top = base - 215
    sk = lk.Board(pw, ph)
    _roof_slab(sk, (left, 14, right, wall_top + 6), (96, 120, 150), lines=10)
    wall = (244, 222, 170)
    sk.rect((left, wall_top, right, base), wall, INK, 5)
    sk.rect((left + 20, base - 170, left + 80, base), lk.WOOD, INK, 4, 3)
    for x in (left + 110, left + 220):
        sk.rect((x, wall_top + 70, x + 90, base - 90), (170, 206, 236), INK, 4, 3)
        for k in range(4):
            sk.circle((x + 16 + k * 19, base - 108), 8, (210, 150, 80), INK, 2)
    sk.paste_on(img)
    _sign(img, (left + 100, wall_top + 10, right - 10, wall_top + 56), "PĀRTIKA", "groceries",
          fill=(150, 60, 40))
    return img


def church(rec):
    """bazniica.png: the church; its picture is clear east of the churchyard
    wall, where the hunter stands and the player walks."""
    (px, py), (pw, ph) = plan.PROPS[5][1], plan.PROPS[5][2]
    img = lk.rgba_image((pw, ph))
    base = plan.PROPS[5][4] - py                # 1903: the facade's foot
    left, right = 780 - px, 1420 - px
    mid = (left + right) / 2
    wall_top = base - 260
    gable = wall_top - 170
    depth = 330
    sk = lk.Board(pw, ph)
    roof = (70, 120, 110)
    sk.polygon([(left - 10, wall_top + 4), (mid, gable), (mid, gable - depth), (left - 10, wall_top + 4 - depth)],
               darker(roof, 0.15), INK, 5)
    sk.polygon([(right + 10, wall_top + 4), (mid, gable), (mid, gable - depth), (right + 10, wall_top + 4 - depth)],
               roof, INK, 5)
    wall = (238, 232, 222)
    sk.polygon([(left, base), (left, wall_top), (mid, gable + 8), (right, wall_top), (right, base)], wall, INK, 5)
    for x in (left + 60, left + 170, right - 230, right - 120):
        sk.rect((x, wall_top + 40, x + 56, base - 70), (120, 160, 220), INK, 4, 28)
        sk.line([(x + 28, wall_top + 46), (x + 28, base - 74)], INK, 2)
    # the tower with its clock and spire
    tw0, tw1 = mid - 80, mid + 80
    tower_top = 560
    sk.rect((tw0, tower_top, tw1, base), wall, INK, 5)
    sk.polygon([(tw0 - 12, tower_top + 6), (mid, 6), (tw1 + 12, tower_top + 6)], roof, INK, 5)
    sk.line([(mid, 6), (mid, -20)], INK, 5)
    sk.circle((mid, tower_top + 110), 48, CREAM, INK, 5)
    sk.line([(mid, tower_top + 110), (mid, tower_top + 76)], INK, 5)
    sk.line([(mid, tower_top + 110), (mid + 24, tower_top + 110)], CORAL, 5)
    sk.rect((mid - 30, tower_top + 200, mid + 30, tower_top + 300), (60, 60, 80), INK, 4, 30)
    sk.rect((mid - 46, base - 150, mid + 46, base), (110, 70, 50), INK, 5, 46)
    sk.line([(mid, base - 146), (mid, base - 2)], INK, 3)
    sk.rect((mid - 60, base - 6, mid + 60, base + 12), STONE, INK, 4, 3)
    sk.paste_on(img)
    sk = lk.Board(40, 60)
    sk.rect((16, 0, 24, 60), GOLD, INK, 3)
    sk.rect((4, 14, 36, 22), GOLD, INK, 3)
    sk.paste_on(img, (int(mid - 20), 0))
    return img


def kvass_stall(rec):
    """kvass.png: the food kiosk by the food spot and the kvass tank."""
    (px, py), (pw, ph) = plan.PROPS[7][1], plan.PROPS[7][2]
    img = lk.rgba_image((pw, ph))
    left, right = int(rec[0]) - px + SIDE_CLEAR, int(rec[2]) - px - SIDE_CLEAR
    base = int(rec[3]) - py
    sk = lk.Board(pw, ph)
    # kiosk
    k1 = left + 180
    sk.rect((left, base - 150, k1, base), (236, 226, 200), INK, 5, 4)
    sk.rect((left + 20, base - 120, k1 - 14, base - 60), (60, 50, 60), INK, 4, 3)
    sk.rect((left + 4, base - 66, k1, base - 50), lk.WOOD, INK, 4, 3)
    for k in range(4):
        sk.ellipse((left + 30 + k * 34, base - 80, left + 56 + k * 34, base - 64), (214, 150, 70), INK, 2)
    n = 6
    for i in range(n):
        a0 = left + 4 + i * (k1 - left - 4) / n
        a1 = a0 + (k1 - left - 4) / n
        sk.polygon([(a0, base - 190), (a1, base - 190), (a1, base - 150), (a0, base - 140)],
                   TEAL if i % 2 == 0 else CREAM, INK, 3)
    # the tank trailer
    t0, t1 = left + 210, right
    sk.rect((t0 + 10, base - 50, t1 - 10, base - 36), (60, 60, 70), INK, 3)
    for x in (t0 + 60, t1 - 80):
        sk.circle((x, base - 28), 24, (40, 40, 46), INK, 4)
        sk.circle((x, base - 28), 9, STONE, INK, 2)
    sk.rect((t0, base - 160, t1, base - 44), lk.KVASS, INK, 5, 56)
    sk.rect((t0 + 30, base - 150, t1 - 30, base - 136), lighter(lk.KVASS, 0.4), None, 0, 6)
    sk.rect((t0 + 16, base - 66, t0 + 40, base - 40), (60, 60, 70), INK, 3, 3)
    sk.rect((t0 - 40, base - 44, t0, base - 36), (60, 60, 70), INK, 3)
    # umbrella over the kvass seller's stool
    ux = t1 - 44
    sk.line([(ux, base - 8), (ux, base - 230)], (60, 60, 70), 5)
    sk.polygon([(ux - 90, base - 200), (ux, base - 250), (ux + 40, base - 214)], CORAL, INK, 4)
    sk.paste_on(img)
    text(img, ((t0 + t1) / 2 - 20, base - 104), "KVASS", 38, fill=(150, 40, 30), stroke_fill=CREAM, shadow=False)
    _sign(img, (left + 10, base - 236, k1 - 4, base - 196), "ĒDIENS", "food · belaši", fill=(120, 40, 40))
    return img


def figure_prop(index, look, facing=lk.DOWN, s=0.9, **kw):
    (_, py), (pw, ph) = plan.PROPS[index][1], plan.PROPS[index][2]
    feet_y = plan.PROPS[index][4] - py + 6
    sk = lk.Board(pw, ph, ss=3)
    lk.person(sk, pw / 2, feet_y, s, look, facing, **kw)
    return sk.image()


def hunter():
    look = lk.Look(skin=lk.SKIN_OLD, hair=(200, 200, 200), shirt=(90, 110, 70), trousers=(100, 84, 60),
                   shoes=(60, 40, 30), hat="hunter", beard=(220, 220, 220))
    img = figure_prop(2, look, s=0.88)
    sk = lk.Board(*img.size, ss=3)
    sk.outlined_line([(8, 60), (48, 10)], (90, 60, 40), 4, INK, 2)
    sk.line([(40, 20), (50, 6)], (60, 60, 70), 3)
    out = sk.image()
    out.alpha_composite(img)
    return out


def couple():
    (_, py), (pw, ph) = plan.PROPS[3][1], plan.PROPS[3][2]
    feet_y = plan.PROPS[3][4] - py + 6
    sk = lk.Board(pw, ph, ss=3)
    brumels = lk.Look(skin=(240, 196, 170), hair=(90, 60, 40), shirt=(150, 90, 50), trousers=(60, 60, 80),
                      shoes=(40, 30, 30))
    marveta = lk.Look(skin=(250, 210, 186), hair=(220, 160, 60), shirt=(200, 70, 120), trousers=(200, 70, 120),
                      shoes=(120, 40, 70), skirt=True, long_hair=True)
    lk.person(sk, 50, feet_y - 2, 0.86, marveta, lk.DOWN_LEFT)
    lk.person(sk, 27, feet_y, 0.95, brumels, lk.DOWN_RIGHT)
    return sk.image()


def black_shirt():
    look = lk.Look(skin=(236, 190, 160), hair=(30, 30, 30), shirt=lk.BLACK_SHIRT, trousers=lk.DENIM,
                   shoes=(30, 30, 34), bald=True, glasses=True)
    return figure_prop(8, look, s=0.86, arms="hips")


def props(recs):
    """The nine props, keyed by their file."""
    return {
        plan.PROPS[0][0]: slaughterhouse(recs[plan.PROPS[0][5]]),
        plan.PROPS[1][0]: garage(recs[plan.PROPS[1][5]], recs[9]),
        plan.PROPS[2][0]: hunter(),
        plan.PROPS[3][0]: couple(),
        plan.PROPS[4][0]: shop(recs[plan.PROPS[4][5]]),
        plan.PROPS[5][0]: church(recs[plan.PROPS[5][5]]),
        plan.PROPS[6][0]: shop2(recs[plan.PROPS[6][5]]),
        plan.PROPS[7][0]: kvass_stall(recs[plan.PROPS[7][5]]),
        plan.PROPS[8][0]: black_shirt(),
    }


def town_with_props(world, pictures):
    """The world as seen with every prop in place (for the map)."""
    out = world.copy()
    for f, pos, size, _, _, _ in plan.PROPS:
        out.alpha_composite(pictures[f], pos)
    return out
