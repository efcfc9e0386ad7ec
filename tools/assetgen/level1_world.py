"""The house of level 1 as the player sees it: the 3700 x 3000 world picture,
the seven pieces of furniture the player walks behind, and the plan shown
on the map screen.

Walls and furniture are drawn from the committed collision map, so what
stops the player is exactly what the player sees.
"""

import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import level1_plan as plan
import mapcheck
from common import (BRICK, CORAL, CREAM, GOLD, INK, LEAF, MINT,
                    ROSE, SKY, STONE, TEAL, Sketch, darker, lighter, rgba, text)

WALL_TOP = (238, 226, 206)
WALL_EDGE = (120, 96, 104)
WOOD = (176, 120, 78)
WOOD_LIGHT = (214, 166, 112)
WHITE = (246, 244, 238)
STEEL = (178, 186, 198)

FLOORS = {
    # floor kind -> (base colour, second colour)
    "tiles": ((226, 214, 190), (196, 176, 150)),
    "boards": ((196, 146, 98), (176, 126, 82)),
    "parquet": ((206, 160, 108), (184, 136, 88)),
    "bath": ((190, 222, 230), (164, 200, 214)),
}


# --- the map file ------------------------------------------------------------

class Piece:
    """One record of the collision map with its meaning."""

    def __init__(self, index, kind, name, nums, rec):
        self.index, self.kind, self.name = index, kind, name
        self.x, self.y = float(nums[0]), float(nums[1])
        self.w, self.h = int(nums[2]), int(nums[3])
        self.deg = float(nums[4])
        self.corners = mapcheck.corners(rec)
        xs = [p[0] for p in self.corners]
        ys = [p[1] for p in self.corners]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    @property
    def centre(self):
        return (sum(p[0] for p in self.corners) / 4, sum(p[1] for p in self.corners) / 4)


def load_pieces(path=None):
    path = path or plan.collision_path()
    recs = mapcheck.read_records(path, plan.RECORDS)
    with open(path) as f:
        nums = f.read().split()
    return [Piece(i, kind, name, nums[5 * i:5 * i + 5], recs[i])
            for i, (kind, name) in enumerate(plan.KINDS)]


def by_name(pieces, name):
    for p in pieces:
        if p.name == name:
            return p
    raise KeyError(name)


# --- floors ------------------------------------------------------------------

def _grain(h, w, seed, scale=1.0):
    """Fine noise for floors and grass: a 256-pixel tile repeated, which is
    plenty for grain and much cheaper than a fresh value per pixel."""
    rng = np.random.default_rng(seed)
    tile = rng.normal(0.0, 1.0, (256, 256)).astype(np.float32) * scale
    return np.tile(tile, (h // 256 + 1, w // 256 + 1))[:h, :w]


def _floor(kind, w, h, x0, y0, seed):
    """Floor texture for a room box as a float (h, w, 3) array."""
    base, second = (np.array(c, np.float32) for c in FLOORS[kind])
    yy, xx = np.mgrid[y0:y0 + h, x0:x0 + w]
    if kind in ("tiles", "bath"):
        size = 64 if kind == "tiles" else 40
        checker = ((xx // size + yy // size) % 2).astype(np.float32)[..., None]
        rgb = base + (second - base) * checker * (0.55 if kind == "tiles" else 0.35)
        grout = ((xx % size < 3) | (yy % size < 3))[..., None]
        rgb = np.where(grout, base * 0.78, rgb)
    else:
        plank_h = 36 if kind == "boards" else 24
        row = yy // plank_h
        rng = np.random.default_rng(seed)
        offsets = rng.integers(0, 400, 400)
        lengths = rng.integers(180, 360, 400)
        shift = offsets[row % 400]
        length = lengths[row % 400]
        piece = (xx + shift) // length
        tone = ((row * 7 + piece * 13) % 5).astype(np.float32)[..., None] / 4.0
        rgb = base + (second - base) * tone
        seam = ((yy % plank_h < 2) | ((xx + shift) % length < 2))[..., None]
        rgb = np.where(seam, base * 0.7, rgb)
        if kind == "parquet":
            # a darker border of boards along the walls
            edge = ((xx - x0 < 28) | (x0 + w - xx <= 28) | (yy - y0 < 28) | (y0 + h - yy <= 28))
            rgb = np.where(edge[..., None], rgb * 0.82, rgb)
    rgb = rgb + _grain(h, w, seed + 1, 4.0)[..., None]
    return rgb


def _grass(h, w):
    rng = np.random.default_rng(5)
    xx = np.arange(w)
    stripes = ((xx // 140) % 2).astype(np.float32)[None, :]
    low = rng.normal(0, 1, (h // 50 + 2, w // 50 + 2)).astype(np.float32)
    low = np.array(Image.fromarray(low).resize((w, h), Image.BILINEAR))
    shade = 1.0 + 0.05 * stripes + 0.04 * low
    shade += _grain(h, w, 6, 0.05)
    g = np.array((104, 160, 80), np.float32)
    return shade[..., None] * g


# --- small pieces of furniture, drawn top-down in their own frame ---------------

def _furniture(kind, name, w, h):
    """A top-down picture of one piece, w x h, with an ink outline."""
    pad = 6
    sk = Sketch(w + 2 * pad, h + 2 * pad)
    o = pad
    box = (o, o, o + w, o + h)
    x0, y0, x1, y1 = box
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    if kind == "counter" or kind == "washer":
        if kind == "washer":
            sk.rect(box, WHITE, INK, 4, 8)
            sk.circle((cx, cy + 4), min(w, h) * 0.3, (150, 190, 220), INK, 3)
            sk.rect((x0 + 8, y0 + 6, x0 + 30, y0 + 14), CORAL, INK, 2, 3)
        else:
            sk.rect(box, (214, 206, 196), INK, 4, 6)
            sk.rect((x0 + 5, y0 + 5, x1 - 5, y1 - 5), (232, 226, 216), None, 0, 4)
            if w > h:   # the long counter: a sink and a hob
                sk.rect((cx - 40, y0 + 14, cx + 40, y1 - 14), STEEL, INK, 3, 10)
                sk.circle((cx, y0 + 12), 6, STEEL, INK, 2)
                for k in range(4):
                    hx = x0 + 60 + (k % 2) * 70
                    hy = cy + (k // 2 - 0.5) * 36
                    sk.circle((hx, hy), 15, (60, 60, 70), INK, 3)
                sk.rect((x1 - 120, y0 + 16, x1 - 40, y1 - 18), WOOD_LIGHT, INK, 3, 6)
            else:       # the side counter: bowls and a cutting board
                sk.rect((x0 + 14, y0 + 30, x1 - 14, y0 + 120), WOOD_LIGHT, INK, 3, 6)
                for k, c in enumerate((CORAL, TEAL, GOLD)):
                    sk.circle((cx, y0 + 170 + 55 * k), 22, c, INK, 3)
                    sk.circle((cx, y0 + 170 + 55 * k), 12, lighter(c, 0.4), None)
    elif kind == "fridge":
        sk.rect(box, WHITE, INK, 4, 10)
        sk.rect((x0 + 8, y1 - 22, x1 - 8, y1 - 12), STEEL, INK, 2, 4)
        sk.circle((x0 + 26, y0 + 26), 9, CORAL, INK, 2)
        sk.rect((x1 - 40, y0 + 18, x1 - 20, y0 + 40), TEAL, INK, 2, 3)
    elif kind == "bin":
        sk.circle((cx, cy), min(w, h) / 2 - 2, (120, 150, 120), INK, 4)
        sk.circle((cx, cy), min(w, h) / 2 - 12, darker((120, 150, 120), 0.3), INK, 2)
    elif kind == "tv":
        sk.rect(box, (92, 64, 52), INK, 4, 6)
        sk.rect((x0 + 20, y1 - 22, x1 - 20, y1 - 10), (34, 34, 44), INK, 3, 3)
        sk.circle((x0 + 22, y0 + 18), 8, GOLD, INK, 2)
    elif kind == "shelf":
        sk.rect(box, (120, 80, 56), INK, 4, 4)
        rnd = np.random.default_rng(3)
        x = x0 + 8
        while x < x1 - 16:
            bw = int(rnd.integers(8, 18))
            c = [CORAL, TEAL, GOLD, SKY, ROSE, MINT, CREAM][int(rnd.integers(0, 7))]
            sk.rect((x, y0 + 8, x + bw, y1 - 10), c, INK, 2, 2)
            x += bw + 2
    elif kind == "chair":
        sk.rect(box, (96, 120, 170), INK, 4, 18)
        sk.rect((x0 + 6, y0 + 6, x1 - 6, y0 + 26), darker((96, 120, 170), 0.25), INK, 3, 10)
        sk.rect((x0 + 6, y0 + 20, x0 + 24, y1 - 8), darker((96, 120, 170), 0.15), INK, 3, 8)
        sk.rect((x1 - 24, y0 + 20, x1 - 6, y1 - 8), darker((96, 120, 170), 0.15), INK, 3, 8)
        sk.circle((cx, cy + 14), 12, CORAL, INK, 2)
    elif kind == "plant":
        r = min(w, h) / 2 - 2
        sk.circle((cx, cy), r, (180, 100, 70), INK, 4)
        for k in range(7):
            a = k * 2 * math.pi / 7
            sk.ellipse((cx + math.cos(a) * r * 0.5 - r * 0.45, cy + math.sin(a) * r * 0.5 - r * 0.45,
                        cx + math.cos(a) * r * 0.5 + r * 0.45, cy + math.sin(a) * r * 0.5 + r * 0.45),
                       LEAF if k % 2 else lighter(LEAF, 0.2), INK, 2)
    elif kind == "chest":
        sk.rect(box, (200, 90, 70), INK, 4, 8)
        sk.rect((x0 + 4, y0 + 4, x1 - 4, y0 + 18), darker((200, 90, 70), 0.2), None, 0, 4)
        sk.circle((x0 + 40, cy + 8), 14, GOLD, INK, 3)
        sk.rect((x0 + 70, cy - 6, x0 + 100, cy + 20), TEAL, INK, 3, 4)
        sk.circle((x1 - 40, cy + 6), 16, SKY, INK, 3)
        sk.circle((x1 - 40, cy + 6), 5, WHITE, None)
    elif kind == "desk":
        sk.rect(box, WOOD, INK, 4, 6)
        sk.rect((x0 + 30, y0 + 14, x0 + 110, y0 + 70), WHITE, INK, 2, 2)
        sk.line([(x0 + 40, y0 + 30), (x0 + 90, y0 + 40), (x0 + 60, y0 + 58)], CORAL, 3)
        for k, c in enumerate((CORAL, TEAL, GOLD, ROSE)):
            sk.rect((x0 + 130 + 12 * k, y0 + 20, x0 + 137 + 12 * k, y0 + 70), c, INK, 1, 2)
        sk.circle((x1 - 40, y0 + 40), 20, GOLD, INK, 3)
    elif kind == "corner":
        sk.rect(box, (150, 110, 80), INK, 4, 6)
        sk.circle((cx, cy), 18, TEAL, INK, 3)
        sk.circle((cx, cy), 8, lighter(TEAL, 0.4), None)
    elif kind == "toy":       # a ride-on toy car, nose to the right
        for wx in (x0 + 14, x1 - 30):
            for wy in (y0 + 2, y1 - 16):
                sk.rect((wx, wy, wx + 18, wy + 14), (40, 40, 48), INK, 2, 4)
        sk.rect((x0 + 4, y0 + 10, x1 - 4, y1 - 10), CORAL, INK, 4, 18)
        sk.rect((x0 + 34, y0 + 18, x1 - 30, y1 - 18), lighter(CORAL, 0.25), INK, 3, 10)
        sk.rect((x1 - 34, y0 + 20, x1 - 20, y1 - 20), (170, 220, 250), INK, 2, 4)
        sk.circle((x0 + 52, cy), 9, GOLD, INK, 2)
    elif kind == "nightstand":
        sk.rect(box, WOOD, INK, 4, 6)
        sk.circle((cx, cy), 20, GOLD, INK, 3)
        sk.circle((cx, cy), 8, lighter(GOLD, 0.5), None)
    elif kind == "bath":
        sk.rect(box, WHITE, INK, 4, 30)
        sk.rect((x0 + 14, y0 + 14, x1 - 14, y1 - 14), (130, 190, 230), INK, 3, 24)
        for k in range(5):
            sk.circle((x0 + 50 + 28 * k, cy + (k % 2) * 14 - 7), 9, WHITE, None)
        sk.circle((x1 - 30, cy), 7, STEEL, INK, 2)
    elif kind == "toilet":
        sk.rect((x0 + 6, y1 - 30, x1 - 6, y1 - 4), WHITE, INK, 4, 6)
        sk.ellipse((x0 + 6, y0 + 6, x1 - 6, y1 - 24), WHITE, INK, 4)
        sk.ellipse((x0 + 18, y0 + 18, x1 - 18, y1 - 36), (150, 200, 220), INK, 3)
    elif kind == "sink":
        sk.rect(box, WHITE, INK, 4, 12)
        sk.ellipse((x0 + 12, y0 + 16, x1 - 12, y1 - 16), (200, 225, 235), INK, 3)
        sk.circle((x0 + 10, cy), 5, STEEL, INK, 2)
    elif kind == "shoes":
        sk.rect(box, (140, 96, 70), INK, 4, 6)
        for k in range(3):
            c = [CORAL, SKY, GOLD][k]
            sk.ellipse((x0 + 14, y0 + 14 + 40 * k, x0 + 50, y0 + 32 + 40 * k), c, INK, 2)
            sk.ellipse((x0 + 56, y0 + 14 + 40 * k, x0 + 92, y0 + 32 + 40 * k), c, INK, 2)
    elif kind == "bench":
        sk.rect(box, WOOD, INK, 4, 6)
        for k in range(4):
            sk.line([(x0 + 10 + 50 * k, y0 + 8), (x0 + 10 + 50 * k, y1 - 8)], darker(WOOD, 0.3), 2)
        sk.ellipse((x0 + 30, y0 + 6, x0 + 90, y1 - 4), (90, 120, 80), INK, 3)
    elif kind == "highchair":
        sk.rect(box, (240, 200, 120), INK, 4, 16)
        sk.rect((x0 + 10, y0 + 10, x1 - 10, y0 + 34), WHITE, INK, 3, 8)
        sk.circle((cx, cy + 12), 14, CORAL, INK, 3)
    elif kind == "lamp":
        sk.circle((cx, cy), min(w, h) / 2 - 2, (250, 230, 170), INK, 4)
        sk.circle((cx, cy), 6, GOLD, INK, 2)
    else:
        sk.rect(box, STONE, INK, 4, 6)
    return sk.image()


def _paste_piece(img, piece, picture):
    """Pastes a piece's own-frame picture where the record lies in the world
    (the record is turned about the world origin, so the picture turns the
    same way about its own centre and lands on the record's centre)."""
    pic = picture
    if piece.deg:
        pic = pic.rotate(-piece.deg, resample=Image.BICUBIC, expand=True)
    cx, cy = piece.centre
    img.alpha_composite(pic, (int(round(cx - pic.width / 2)), int(round(cy - pic.height / 2))))


def _shadow_layer(size, polys, blur=9, offset=(7, 10), alpha=110):
    """Soft floor shadows under walls and furniture."""
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    for poly in polys:
        d.polygon([(x + offset[0], y + offset[1]) for x, y in poly], fill=alpha)
    return m.filter(ImageFilter.GaussianBlur(blur))


# --- the world picture -------------------------------------------------------------

RUGS = [
    # (box, colour, kind)
    ((1740, 1640, 2290, 2020), (180, 70, 80), "rect"),      # living room
    ((2480, 1580, 2860, 1800), (90, 130, 190), "oval"),     # bedroom, by the bed
    ((640, 2168, 960, 2302), (150, 110, 70), "runner"),     # hall
    ((3140, 1300, 3300, 1400), (120, 190, 170), "rect"),    # bath mat
    ((700, 1780, 940, 1960), (220, 170, 90), "oval"),       # kitchen, by the high chair
]

ROOM_LABELS = [
    # (Latvian, English, centre)
    ("VIRTUVE", "kitchen", (1320, 1170)),
    ("PRIEKŠNAMS", "hall", (840, 2236)),
    ("VIESISTABA", "living room", (2070, 2170)),
    ("GUĻAMISTABA", "bedroom", (2780, 1160)),
    ("VANNA", "bath", (3220, 1200)),
]


def _rug(d, box, colour, kind):
    x0, y0, x1, y1 = box
    if kind == "oval":
        d.ellipse(box, fill=rgba(colour), outline=rgba(INK), width=4)
        d.ellipse((x0 + 16, y0 + 16, x1 - 16, y1 - 16), outline=rgba(lighter(colour, 0.35)), width=6)
        d.ellipse((x0 + 40, y0 + 36, x1 - 40, y1 - 36), outline=rgba(darker(colour, 0.2)), width=4)
    else:
        d.rounded_rectangle(box, 10, fill=rgba(colour), outline=rgba(INK), width=4)
        d.rounded_rectangle((x0 + 14, y0 + 14, x1 - 14, y1 - 14), 6,
                            outline=rgba(lighter(colour, 0.35)), width=6)
        if kind == "rect":
            cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
            r = min(x1 - x0, y1 - y0) * 0.28
            d.polygon([(cx - r, cy), (cx, cy - r), (cx + r, cy), (cx, cy + r)],
                      fill=rgba(lighter(colour, 0.2)), outline=rgba(darker(colour, 0.3)))
        else:
            for x in range(int(x0) + 40, int(x1) - 30, 60):
                d.line((x, y0 + 30, x + 20, y1 - 30), fill=rgba(darker(colour, 0.2)), width=5)
        # fringes on the short sides
        for y in range(int(y0) + 8, int(y1) - 6, 12):
            d.line((x0 - 8, y, x0, y), fill=rgba(CREAM), width=3)
            d.line((x1, y, x1 + 8, y), fill=rgba(CREAM), width=3)


def _door_leaf(img, gap, side):
    """An open door in a doorway: a wooden leaf at the hinge and the dashed
    path of its swing."""
    x0, y0, x1, y1 = gap
    d = ImageDraw.Draw(img)
    threshold = (150, 110, 80)
    d.rectangle(gap, fill=rgba(threshold))
    d.line((x0, y0, x0, y1), fill=rgba(INK), width=2)
    d.line((x1, y0, x1, y1), fill=rgba(INK), width=2)
    if side == "arch":
        return
    if side == "n":         # opening in a horizontal wall, leaf swings up
        length = x1 - x0 - 8
        hx, hy = x0 + 4, y0
        leaf = (hx - 2, hy - length, hx + 10, hy)
        arc_box = (hx - length, hy - length, hx + length, hy + length)
        start, end = 270, 360
    else:                   # opening in a vertical wall, leaf swings right
        length = y1 - y0 - 8
        hx, hy = x1, y0 + 4
        leaf = (hx, hy - 2, hx + length, hy + 10)
        arc_box = (hx - length, hy - length, hx + length, hy + length)
        start, end = 0, 90
    for a in range(start, end, 8):
        d.arc(arc_box, a, a + 4, fill=rgba(darker(WALL_EDGE, 0.1)), width=3)
    d.rectangle(leaf, fill=rgba(WOOD_LIGHT), outline=rgba(INK), width=3)


def _front_door(img):
    x0, y0, x1, y1 = plan.FRONT_DOOR
    d = ImageDraw.Draw(img)
    d.rectangle((x0, y0, x1, y1), fill=rgba((120, 70, 44)), outline=rgba(INK), width=4)
    d.rectangle((x0 + 8, y0 + 8, x1 - 8, y1 - 8), fill=rgba((150, 90, 56)), outline=rgba(INK), width=2)
    d.ellipse((x1 - 30, y0 + 14, x1 - 18, y0 + 26), fill=rgba(GOLD), outline=rgba(INK), width=2)
    # door mats inside and out
    d.rounded_rectangle((x0 - 10, y1 + 10, x1 + 10, y1 + 60), 8, fill=rgba((150, 120, 80)),
                        outline=rgba(INK), width=3)
    d.rounded_rectangle((x0 - 10, y0 - 56, x1 + 10, y0 - 8), 8, fill=rgba((110, 150, 110)),
                        outline=rgba(INK), width=3)


def _garden(img):
    """Path, flower beds and trees around the house."""
    d = ImageDraw.Draw(img)
    x0, _, x1, _ = plan.FRONT_DOOR
    cx = (x0 + x1) / 2
    # stone path from the front door to the gate
    for k, y in enumerate(range(2460, 3000, 70)):
        jitter = (k % 3 - 1) * 18
        d.rounded_rectangle((cx - 70 + jitter, y, cx + 70 + jitter, y + 56), 18,
                            fill=rgba((196, 190, 178)), outline=rgba(INK), width=3)
    # flower beds along the walls
    hx0, hy0, hx1, hy1 = plan.HOUSE
    rnd = np.random.default_rng(17)
    beds = [(hx0 + 60, hy1 + 30, x0 - 60, hy1 + 110), (x1 + 60, hy1 + 30, hx1 - 60, hy1 + 110),
            (hx0 + 60, hy0 - 110, hx1 - 60, hy0 - 30)]
    for bx0, by0, bx1, by1 in beds:
        d.rounded_rectangle((bx0, by0, bx1, by1), 30, fill=rgba((120, 84, 60)), outline=rgba(INK), width=4)
        for _ in range(int((bx1 - bx0) / 22)):
            fx = rnd.uniform(bx0 + 20, bx1 - 20)
            fy = rnd.uniform(by0 + 18, by1 - 18)
            c = [CORAL, GOLD, ROSE, CREAM, SKY][int(rnd.integers(0, 5))]
            d.ellipse((fx - 9, fy - 9, fx + 9, fy + 9), fill=rgba(c), outline=rgba(INK), width=2)
            d.ellipse((fx - 3, fy - 3, fx + 3, fy + 3), fill=rgba(GOLD))
    # trees: a trunk shadow and a round crown
    trees = [(220, 700), (300, 2650), (3560, 700), (3500, 2600), (2300, 2700), (600, 400),
             (1800, 380), (3000, 350), (180, 1600), (3560, 1650), (2900, 2800)]
    for tx, ty in trees:
        r = 120 + (tx * 7 + ty) % 50
        d.ellipse((tx - r + 20, ty - r + 30, tx + r + 20, ty + r + 30), fill=(60, 100, 50, 120))
        d.ellipse((tx - r, ty - r, tx + r, ty + r), fill=rgba((70, 130, 60)), outline=rgba(INK), width=5)
        for k in range(6):
            a = k * math.pi / 3 + tx
            px, py = tx + math.cos(a) * r * 0.5, ty + math.sin(a) * r * 0.5
            d.ellipse((px - r * 0.35, py - r * 0.35, px + r * 0.35, py + r * 0.35),
                      fill=rgba((96, 160, 76)))
    # a hedge round the plot
    d.rectangle((0, 0, plan.WORLD_W - 1, plan.WORLD_H - 1), outline=rgba((50, 90, 46)), width=40)


def _floor_labels(img):
    for lv, en, (cx, cy) in ROOM_LABELS:
        layer = Image.new("RGBA", (700, 200))
        text(layer, (350, 70), lv, 64, fill=(255, 255, 255), anchor="mm", stroke_fill=None,
             shadow=False)
        text(layer, (350, 130), en, 34, fill=(255, 255, 255), anchor="mm", stroke_fill=None,
             shadow=False)
        a = layer.getchannel("A").point(lambda v: v * 70 // 255)
        layer.putalpha(a)
        img.alpha_composite(layer, (int(cx - 350), int(cy - 100)))


def _sign(img, centre, lv, en, colour=GOLD):
    """A painted floor sign next to a marker: the Latvian word, English under."""
    cx, cy = centre
    text(img, (cx, cy), lv, 30, fill=colour, anchor="mb")
    text(img, (cx, cy + 2), en, 20, fill=CREAM, anchor="mt")


def _signs(img):
    d = ImageDraw.Draw(img)
    # the drop point: a painted ring as big as the reach of Space there
    x, y = plan.DROP_POINT
    for r, c in ((70, GOLD), (55, CREAM)):
        for a in range(0, 360, 12):
            d.arc((x - r, y - r, x + r, y + r), a, a + 7, fill=rgba(c), width=5)
    # above the ring, not under it: the item counter sits in the bottom right
    # corner, and a sign under the ring would slip beneath it while the ring
    # itself is still in view
    _sign(img, (x, y - 104), "Nodošana", "drop-off")
    sx, sy = plan.MISSION_SPOTS[0]
    _sign(img, (sx + 36, sy - 95), "Pret sienu", "wall-ball")
    sx, sy = plan.MISSION_SPOTS[2]
    _sign(img, (sx + 36, sy + 80), "Krāsns", "stove game")
    sx, sy = plan.MISSION_SPOTS[4]
    _sign(img, (sx + 36, sy + 80), "Podiņš", "potty")
    ex, ey = plan.EXIT_MARKER
    _sign(img, (ex + 36, ey + 86), "Izeja", "exit")
    # the potty itself, beside its marker
    sk = Sketch(70, 60)
    sk.ellipse((4, 8, 66, 56), WHITE, INK, 4)
    sk.ellipse((14, 16, 56, 48), (150, 200, 230), INK, 3)
    sk.rect((26, 0, 44, 12), ROSE, INK, 3, 4)
    sk.paste_on(img, (sx + 84, sy - 6))


def world_picture(pieces):
    w, h = plan.WORLD_W, plan.WORLD_H
    rgb = _grass(h, w)
    hx0, hy0, hx1, hy1 = plan.HOUSE
    for i, (_, _, kind, (x0, y0, x1, y1)) in enumerate(plan.ROOMS):
        if kind == "tiles" and x0 > 3000:
            kind = "bath"
        rgb[y0:y1, x0:x1] = _floor(kind, x1 - x0, y1 - y0, x0, y0, 40 + i)
    # floor under the doorways continues the room on either side
    img = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB").convert("RGBA")
    d = ImageDraw.Draw(img)
    for box, colour, kind in RUGS:
        _rug(d, box, colour, kind)
    _floor_labels(img)
    _garden(img)

    walls = [p for p in pieces if p.kind == "wall"]
    furniture = [p for p in pieces if p.kind != "wall" and p.name not in OCCLUDER_PIECES]
    footprints = [p for p in pieces if p.name in OCCLUDER_PIECES]
    shadow = _shadow_layer((w, h), [p.corners for p in walls + furniture + footprints])
    img.alpha_composite(Image.merge("RGBA", (Image.new("L", (w, h), 20),) * 3 + (shadow,)))
    for gap, side in plan.DOORWAYS:
        _door_leaf(img, gap, side)
    for p in furniture:
        _paste_piece(img, p, _furniture(p.kind, p.name, p.w, p.h))
    d = ImageDraw.Draw(img)
    for p in walls:
        d.polygon(p.corners, fill=rgba(WALL_TOP), outline=rgba(INK))
        x0, y0, x1, y1 = p.box
        d.rectangle((x0, y0, x1 - 1, y1 - 1), outline=rgba(INK), width=4)
    # the outer walls get a brick face so the house reads from outside
    d.rectangle((hx0, hy0, hx1 - 1, hy1 - 1), outline=rgba(BRICK), width=12)
    d.rectangle((hx0, hy0, hx1 - 1, hy1 - 1), outline=rgba(INK), width=4)
    d.rectangle((hx0 + 40, hy0 + 40, hx1 - 41, hy1 - 41), outline=rgba(INK), width=4)
    for gap, side in plan.DOORWAYS:
        x0, y0, x1, y1 = gap
        d.rectangle((x0, y0, x1, y1), fill=rgba((150, 110, 80)))
        if side == "n":
            d.line((x0, y0 - 2, x0, y1 + 2), fill=rgba(INK), width=4)
            d.line((x1, y0 - 2, x1, y1 + 2), fill=rgba(INK), width=4)
        else:
            d.line((x0 - 2, y0, x1 + 2, y0), fill=rgba(INK), width=4)
            d.line((x0 - 2, y1, x1 + 2, y1), fill=rgba(INK), width=4)
    _front_door(img)
    _signs(img)
    return img.convert("RGB")


# --- furniture the player walks behind -------------------------------------------

# occluder image -> the map records under it
OCCLUDER_PARTS = {
    "lvl1/divana_gals.png": ["sofa end"],
    "lvl1/galds.png": ["table", "front chair", "right chair"],
    "lvl1/kaut_kas.png": ["armchair", "coffee table"],
    "lvl1/skapis.png": ["wardrobe"],
    "lvl1/pliits.png": ["cooker", "wood box"],
    "lvl1/bumba.png": ["ball"],
    "lvl1/gulta.png": ["bed"],
}
OCCLUDER_PIECES = {n for names in OCCLUDER_PARTS.values() for n in names}


def _block(sk, fp, height, top, front, radius=6, width=4):
    """A box seen from the front and above: its footprint fp (x0, y0, x1, y1)
    stands on the floor and its top is drawn `height` pixels higher."""
    x0, y0, x1, y1 = fp
    if height > 0:
        sk.rect((x0, y1 - height, x1, y1), front, INK, width, radius)
    sk.rect((x0, y0 - height, x1, y1 - height), top, INK, width, radius)


def _local(piece, origin):
    ox, oy = origin
    x0, y0, x1, y1 = piece.box
    return (x0 - ox, y0 - oy, x1 - ox, y1 - oy)


def occluder_picture(rel, origin, size, pieces):
    parts = {p.name: _local(p, origin) for p in pieces if p.name in OCCLUDER_PARTS[rel]}
    w, h = size
    sk = Sketch(w, h)
    draw = OCCLUDER_DRAWERS[rel]
    draw(sk, parts, w, h)
    return sk.image()


def _draw_sofa(sk, parts, w, h):
    x0, y0, x1, y1 = parts["sofa end"]
    fabric = (200, 96, 96)
    _block(sk, (x0, y0, x1, y1), 50, lighter(fabric, 0.1), darker(fabric, 0.25), 14)
    # seat cushions and the armrest at the end
    sk.rect((x0 + 10, y0 - 40, x1 - 10, y0 + 6), darker(fabric, 0.1), INK, 3, 10)
    sk.rect((x0 + 14, y0 - 36 + 52, x1 - 14, y1 - 58), lighter(fabric, 0.2), INK, 3, 10)
    sk.rect((x0 + 18, y0 + 22, (x0 + x1) / 2 - 4, y1 - 64), lighter(fabric, 0.3), INK, 2, 8)
    sk.rect(((x0 + x1) / 2 + 4, y0 + 22, x1 - 18, y1 - 64), lighter(fabric, 0.3), INK, 2, 8)
    sk.circle((x0 + 40, y0 + 34), 14, GOLD, INK, 3)


def _draw_table(sk, parts, w, h):
    top = WOOD_LIGHT
    for name in ("right chair", "front chair"):
        cx0, cy0, cx1, cy1 = parts[name]
        # a chair from above: its seat and the back rail towards the viewer
        _block(sk, (cx0, cy0, cx1, cy1), 30, (170, 110, 70), darker((170, 110, 70), 0.3), 6)
        sk.rect((cx0 + 8, cy0 - 22, cx1 - 8, cy1 - 38), CORAL, INK, 2, 6)
    x0, y0, x1, y1 = parts["table"]
    # legs under the top, then the top with a cloth
    for lx in (x0 + 10, x1 - 26):
        sk.rect((lx, y1 - 30, lx + 16, y1), darker(WOOD, 0.2), INK, 3, 3)
    _block(sk, (x0, y0, x1, y1 - 24), 8, top, darker(top, 0.3), 8)
    sk.rect((x0 + 30, y0 + 4, x1 - 30, y1 - 50), CREAM, INK, 3, 8)
    for k in range(6):
        sk.line([(x0 + 40 + k * 50, y0 + 6), (x0 + 40 + k * 50, y1 - 52)], lighter(CORAL, 0.3), 4)
    # plates and a jug
    for px in (x0 + 80, x0 + 200):
        sk.circle((px, (y0 + y1) / 2 - 20), 24, WHITE, INK, 3)
        sk.circle((px, (y0 + y1) / 2 - 20), 12, GOLD, None)
    sk.circle((x1 - 90, (y0 + y1) / 2 - 24), 18, SKY, INK, 3)


def _draw_armchair(sk, parts, w, h):
    x0, y0, x1, y1 = parts["coffee table"]
    _block(sk, (x0, y0, x1, y1), 30, (140, 100, 76), darker((140, 100, 76), 0.3), 8)
    sk.rect((x0 + 20, y0 - 22, x0 + 80, y0 + 10), (90, 130, 190), INK, 2, 3)
    sk.circle((x1 - 40, y0 + 10 - 14), 14, WHITE, INK, 2)
    x0, y0, x1, y1 = parts["armchair"]
    fabric = (110, 150, 120)
    _block(sk, (x0, y0, x1, y1), 50, lighter(fabric, 0.1), darker(fabric, 0.3), 16)
    sk.rect((x0 + 6, y0 - 50, x1 - 6, y0 - 14), darker(fabric, 0.1), INK, 3, 12)     # back
    sk.rect((x0 + 6, y0 - 30, x0 + 30, y1 - 56), darker(fabric, 0.05), INK, 3, 10)   # arms
    sk.rect((x1 - 30, y0 - 30, x1 - 6, y1 - 56), darker(fabric, 0.05), INK, 3, 10)
    sk.rect((x0 + 34, y0 - 12, x1 - 34, y1 - 60), lighter(fabric, 0.25), INK, 2, 10)


def _draw_wardrobe(sk, parts, w, h):
    x0, y0, x1, y1 = parts["wardrobe"]
    body = (150, 104, 70)
    height = 150
    sk.rect((x0, y0 - height, x1, y1), darker(body, 0.15), INK, 4, 6)
    sk.rect((x0, y0 - height, x1, y1 - height), lighter(body, 0.15), INK, 4, 6)
    mid = (x0 + x1) / 2
    sk.line([(mid, y1 - height + 2), (mid, y1 - 4)], INK, 3)
    for hx in (mid - 12, mid + 12):
        sk.circle((hx, y1 - height / 2 - 10), 5, GOLD, INK, 2)
    sk.rect((x0 + 10, y1 - height + 14, mid - 10, y1 - 20), None, darker(body, 0.35), 2, 4)
    sk.rect((mid + 10, y1 - height + 14, x1 - 10, y1 - 20), None, darker(body, 0.35), 2, 4)
    # a teddy sits on top
    sk.circle((x0 + 40, y0 - height + 40), 20, (200, 150, 100), INK, 3)
    sk.circle((x0 + 26, y0 - height + 24), 8, (200, 150, 100), INK, 2)
    sk.circle((x0 + 54, y0 - height + 24), 8, (200, 150, 100), INK, 2)


def _draw_stove(sk, parts, w, h):
    x0, y0, x1, y1 = parts["wood box"]
    _block(sk, (x0, y0, x1, y1), 46, (170, 120, 80), darker((170, 120, 80), 0.3), 6)
    for k in range(3):
        sk.rect((x0 + 10 + k * 26, y0 - 40 + 10, x0 + 32 + k * 26, y1 - 56), (140, 90, 56), INK, 2, 8)
    x0, y0, x1, y1 = parts["cooker"]
    height = 96
    sk.rect((x0, y0 - height, x1, y1), (220, 220, 226), INK, 4, 8)        # front
    sk.rect((x0, y0 - height, x1, y1 - height), (238, 238, 244), INK, 4, 8)
    for k in range(4):
        hx = x0 + 32 + (k % 2) * 62
        hy = y0 - height + 26 + (k // 2) * 40
        sk.circle((hx, hy), 16, (50, 50, 60), INK, 3)
        sk.circle((hx, hy), 8, CORAL if k == 0 else (80, 80, 90), None)
    sk.rect((x0 + 16, y1 - height + 22, x1 - 16, y1 - 12), (60, 60, 70), INK, 3, 6)   # oven door
    sk.rect((x0 + 26, y1 - height + 32, x1 - 26, y1 - 24), (250, 150, 70), INK, 2, 4)
    sk.rect((x0 + 30, y1 - height + 10, x1 - 30, y1 - height + 16), STEEL, INK, 2, 2)


def _draw_ball(sk, parts, w, h):
    """The ball fills its picture; the record under it is where it rests."""
    x0, y0, x1, y1 = parts["ball"]
    cx, cy = (x0 + x1) / 2, h / 2 - 2
    r = min(w, h) / 2 - 4
    sk.ellipse((cx - r * 0.9, cy + r - 8, cx + r * 0.9, cy + r + 4), (0, 0, 0), None, alpha=70)
    sk.circle((cx, cy), r, CORAL, INK, 4)
    sk.arc((cx - r, cy - r * 0.5, cx + r, cy + r * 0.5), 0, 180, GOLD, 7)
    sk.arc((cx - r * 0.5, cy - r, cx + r * 0.5, cy + r), 270, 90, WHITE, 6)
    sk.circle((cx - 12, cy - 13), 7, lighter(CORAL, 0.6), None)


def _draw_bed(sk, parts, w, h):
    x0, y0, x1, y1 = parts["bed"]
    frame = (150, 100, 70)
    sk.rect((x0, y0 - 30, x1, y1), darker(frame, 0.2), INK, 5, 12)
    sk.rect((x0, y0 - 30, x1, y0 + 30), frame, INK, 5, 12)                    # headboard
    sk.rect((x0 + 14, y0 + 24, x1 - 14, y1 - 16), WHITE, INK, 4, 12)          # sheet
    for px in (x0 + 40, (x0 + x1) / 2 + 10):
        sk.rect((px, y0 + 36, px + 140, y0 + 100), (236, 236, 250), INK, 3, 18)  # pillows
    quilt = (120, 160, 220)
    sk.rect((x0 + 14, y0 + 130, x1 - 14, y1 - 16), quilt, INK, 4, 12)
    sk.rect((x0 + 14, y0 + 130, x1 - 14, y0 + 160), lighter(quilt, 0.4), INK, 3, 10)
    for k in range(1, 4):
        yy = y0 + 160 + k * 60
        sk.line([(x0 + 20, yy), (x1 - 20, yy)], darker(quilt, 0.2), 3)
    for k in range(5):
        sk.circle((x0 + 70 + k * 64, y0 + 220 + (k % 2) * 60), 10, GOLD, INK, 2)
    # a teddy on the pillow
    tx, ty = x1 - 90, y0 + 80
    sk.circle((tx, ty), 26, (200, 150, 100), INK, 3)
    sk.circle((tx - 20, ty - 20), 10, (200, 150, 100), INK, 3)
    sk.circle((tx + 20, ty - 20), 10, (200, 150, 100), INK, 3)
    sk.circle((tx - 8, ty - 4), 3, INK, None)
    sk.circle((tx + 8, ty - 4), 3, INK, None)


OCCLUDER_DRAWERS = {
    "lvl1/divana_gals.png": _draw_sofa,
    "lvl1/galds.png": _draw_table,
    "lvl1/kaut_kas.png": _draw_armchair,
    "lvl1/skapis.png": _draw_wardrobe,
    "lvl1/pliits.png": _draw_stove,
    "lvl1/bumba.png": _draw_ball,
    "lvl1/gulta.png": _draw_bed,
}


# --- the plan for the map screen -----------------------------------------------------

def plan_picture(pieces, box):
    """The house from above as a clean plan fitted into box (x0, y0, x1, y1);
    returns the picture and the world-to-picture transform."""
    hx0, hy0, hx1, hy1 = plan.HOUSE
    bx0, by0, bx1, by1 = box
    s = min((bx1 - bx0) / (hx1 - hx0), (by1 - by0) / (hy1 - hy0))
    ox = bx0 + ((bx1 - bx0) - (hx1 - hx0) * s) / 2 - hx0 * s
    oy = by0 + ((by1 - by0) - (hy1 - hy0) * s) / 2 - hy0 * s

    def tf(x, y):
        return (ox + x * s, oy + y * s)

    ss = 2
    W_, H_ = 1024, 768
    img = Image.new("RGBA", (W_ * ss, H_ * ss))
    d = ImageDraw.Draw(img)

    def P(x, y):
        px, py = tf(x, y)
        return (px * ss, py * ss)

    colours = {"tiles": (236, 222, 196), "boards": (222, 186, 140), "parquet": (230, 196, 150)}
    for lv, en, kind, (x0, y0, x1, y1) in plan.ROOMS:
        c = (200, 226, 236) if x0 > 3000 else colours[kind]
        d.rectangle(P(x0, y0) + P(x1, y1), fill=rgba(c))
    for p in pieces:
        if p.kind != "wall":
            d.polygon([P(*c) for c in p.corners], fill=rgba((170, 150, 140)), outline=rgba((110, 90, 90)))
    for p in pieces:
        if p.kind == "wall":
            d.polygon([P(*c) for c in p.corners], fill=rgba((60, 44, 64)))
    x0, y0, x1, y1 = plan.FRONT_DOOR
    d.rectangle(P(x0, y0) + P(x1, y1), fill=rgba(MINT))
    pic = img.resize((W_, H_), Image.LANCZOS)
    return pic, tf, s
