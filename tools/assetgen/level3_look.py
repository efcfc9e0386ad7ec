"""Level 3's shared look: its colours, the townsfolk (one drawing routine
for the player's sheet, the figures in the town and the mini-games), the
page template of the mini-game intros and a few small HUD pieces."""

import math
import os

from PIL import Image

from common import (AMBER, CREAM, GOLD, INK, MUTED, PANEL_DARK, W, Sketch, background,
                    darker, keycap, out_path, panel, pill, text)
from frontend import bullet, key_list, section

# --- colours of the town ------------------------------------------------------------

SKIN = (250, 206, 170)
SKIN_OLD = (236, 188, 156)
TRACKSUIT = (52, 92, 206)
STRIPE = (244, 244, 250)
DENIM = (66, 84, 130)
BLACK_SHIRT = (34, 32, 40)
GRASS = (92, 150, 70)
ASPHALT = (74, 76, 86)
PAVING = (178, 168, 160)
COBBLE = (150, 136, 128)
WATER = (70, 150, 210)
WOOD = (170, 112, 70)
ROOF_RED = (176, 70, 56)
ROOF_GREY = (104, 110, 128)
WALL_CREAM = (238, 226, 200)
KVASS = (236, 180, 40)


# --- people ---------------------------------------------------------------------------

class Look:
    """How a person is dressed."""

    def __init__(self, skin=SKIN, hair=(70, 44, 30), shirt=TRACKSUIT, trousers=TRACKSUIT,
                 shoes=(245, 245, 245), stripes=None, hat=None, beard=None, skirt=False,
                 long_hair=False, bald=False, glasses=False):
        self.skin, self.hair, self.shirt, self.trousers = skin, hair, shirt, trousers
        self.shoes, self.stripes, self.hat, self.beard = shoes, stripes, hat, beard
        self.skirt, self.long_hair, self.bald, self.glasses = skirt, long_hair, bald, glasses


PLAYER = Look(stripes=STRIPE)

# facing as (dx, dy) on the screen, y down
UP_RIGHT, UP, UP_LEFT, LEFT = (1, -1), (0, -1), (-1, -1), (-1, 0)
DOWN_LEFT, DOWN, DOWN_RIGHT, RIGHT = (-1, 1), (0, 1), (1, 1), (1, 0)


def person(sk, x, y, s, look, facing=DOWN, phase=0.0, walking=False, arms=None):
    """A standing or walking person seen a little from above; (x, y) is the
    ground between the feet and the figure is about 170*s tall.

    `phase` (radians) is the stride; `arms` may be "up" (hands raised) or
    "hips"."""
    fx, fy = facing
    side_view = fy == 0
    back_view = fy < 0
    swing = math.sin(phase) if walking else 0.0
    lift = (abs(math.sin(phase)) if walking else 0.0)
    bob = -3 * s * lift
    w = 3.2 * s

    def P(px, py):
        return (x + px * s, y + py * s + bob)

    # shadow on the ground
    sk.ellipse((x - 30 * s, y - 8 * s, x + 30 * s, y + 7 * s), (0, 0, 0), None, alpha=55)
    hip_y = -72
    shoulder_y = -124
    torso_half = 14 if side_view else 22
    # legs: in the side view they swing along the heading, seen from the front
    # or back one foot lifts while the other carries the weight
    legs = []
    for k in (-1, 1):
        if side_view:
            foot_x = fx * 16 * swing * k
            foot_y = -3 - 6 * max(0.0, swing * k)
            hip_x = k * 4
        else:
            foot_x = k * 11 + fx * 9 * swing * k
            foot_y = -4 - 9 * max(0.0, swing * k)
            hip_x = k * 10
        legs.append((k, hip_x, foot_x, foot_y))
    # draw the far leg first
    legs.sort(key=lambda t: (t[3] if not side_view else -t[2] * fx))
    for k, hip_x, foot_x, foot_y in legs:
        if not look.skirt:
            sk.outlined_line([P(hip_x, hip_y), P((hip_x + foot_x) / 2, (hip_y + foot_y) / 2 - 4),
                              P(foot_x, foot_y - 8)], look.trousers, 13 * s, INK, w * 0.9)
        else:
            sk.outlined_line([P(hip_x * 0.7, hip_y + 20), P(foot_x * 0.8, foot_y - 8)], look.skin,
                             8 * s, INK, w * 0.8)
        sx = foot_x + (fx * 6 if side_view else 0)
        sk.ellipse((*P(sx - 10, foot_y - 9), *P(sx + 10, foot_y + 3)), look.shoes, INK, w * 0.9)
    # arms behind the body in the side view
    hand_drop = -76
    arm_pts = []
    for k in (-1, 1):
        if arms == "up":
            hx, hy = k * 34, shoulder_y - 40
        elif arms == "hips":
            hx, hy = k * 30, hip_y - 4
        elif side_view:
            hx, hy = -fx * 16 * swing * k, hand_drop
        else:
            hx, hy = k * (torso_half + 8), hand_drop - 6 * swing * k * (1 if fy > 0 else -1)
        sxp = k * (torso_half - 3) if not side_view else 0
        arm_pts.append((k, (sxp, shoulder_y + 6), (hx, hy)))
    if side_view:
        back = [a for a in arm_pts if a[0] * swing * fx <= 0][:1] or arm_pts[:1]
    else:
        back = []
    for k, sh, hand in back:
        _arm(sk, P, sh, hand, look, s, w)
    # torso
    sk.rect((*P(-torso_half, shoulder_y), *P(torso_half, hip_y + 6)), look.shirt, INK, w, 9 * s)
    if look.skirt:
        sk.polygon([P(-torso_half, hip_y - 4), P(torso_half, hip_y - 4), P(torso_half + 8, hip_y + 34),
                    P(-torso_half - 8, hip_y + 34)], look.trousers, INK, w)
    if look.stripes and not side_view:
        for k in (-1, 1):
            sk.line([P(k * (torso_half - 5), shoulder_y + 4), P(k * (torso_half - 5), hip_y + 2)],
                    look.stripes, 3 * s)
    elif look.stripes:
        sk.line([P(0, shoulder_y + 4), P(0, hip_y + 2)], look.stripes, 3 * s)
    if not back_view and not side_view:
        # zip or collar
        sk.line([P(0, shoulder_y + 2), P(0, hip_y)], darker(look.shirt, 0.3), 2 * s)
    for k, sh, hand in arm_pts:
        if (k, sh, hand) not in back:
            _arm(sk, P, sh, hand, look, s, w)
    # head
    hx, hy, r = 0 + fx * 3, shoulder_y - 22, 22
    sk.rect((*P(-5, shoulder_y - 8), *P(5, shoulder_y + 2)), look.skin, INK, w * 0.8)
    if look.long_hair:
        sk.ellipse((*P(hx - r - 3, hy - r), *P(hx + r + 3, hy + r + 16)), look.hair, INK, w)
    sk.circle(P(hx, hy), r * s, look.skin, INK, w)
    # hair or bald crown
    if not look.bald:
        if back_view:
            sk.circle(P(hx, hy), (r - 1) * s, look.hair, None)
            sk.circle(P(hx, hy), r * s, None, INK, w)
        elif side_view:
            sk.polygon([P(hx - fx * (r + 1), hy + 8), P(hx - fx * (r + 1), hy - 8), P(hx - fx * 8, hy - r - 3),
                        P(hx + fx * 10, hy - r - 1), P(hx + fx * (r - 2), hy - 10), P(hx + fx * 4, hy - 12),
                        P(hx - fx * 2, hy - 6), P(hx - fx * 10, hy + 8)], look.hair, INK, w * 0.8)
        else:
            cx = hx - fx * 6
            sk.polygon([P(cx - r, hy - 2), P(cx - r + 2, hy - 14), P(cx - 8, hy - r - 3), P(cx + 10, hy - r - 2),
                        P(cx + r - 1, hy - 12), P(cx + r, hy - 2), P(cx + 8, hy - 12), P(cx - 8, hy - 10)],
                       look.hair, INK, w * 0.8)
    # ears
    if side_view:
        sk.ellipse((*P(hx - fx * 6 - 4, hy - 3), *P(hx - fx * 6 + 4, hy + 8)), look.skin, INK, w * 0.7)
    elif not back_view or fx:
        for k in ((-1, 1) if fx == 0 else (-fx,)):
            sk.circle(P(hx + k * (r - 1), hy + 3), 5 * s, look.skin, INK, w * 0.7)
    # face
    if not back_view:
        fcx = hx + fx * (10 if side_view else 7)
        eyes = [fcx + fx * 6] if side_view else [fcx - 8, fcx + 8]
        for ex in eyes:
            sk.ellipse((*P(ex - 2.6, hy - 4), *P(ex + 2.6, hy + 3)), INK, None)
        if look.glasses:
            for ex in eyes:
                sk.rect((*P(ex - 7, hy - 6), *P(ex + 7, hy + 3)), (20, 20, 26), INK, 1.5 * s, 3 * s)
            if len(eyes) == 2:
                sk.line([P(eyes[0] + 7, hy - 3), P(eyes[1] - 7, hy - 3)], INK, 2 * s)
        if side_view:
            sk.polygon([P(fcx + fx * 12, hy - 1), P(fcx + fx * 19, hy + 6), P(fcx + fx * 12, hy + 8)],
                       look.skin, INK, w * 0.7)
        if look.beard:
            sk.ellipse((*P(fcx - 14, hy + 4), *P(fcx + 14, hy + 24)), look.beard, INK, w * 0.8)
        else:
            sk.arc((*P(fcx - 6 + fx * 3, hy + 5), *P(fcx + 6 + fx * 3, hy + 13)), 20, 160, INK, 2.2 * s)
    # hat
    if look.hat == "cap":
        c = (200, 40, 40)
        if back_view:
            sk.ellipse((*P(hx - r, hy - r - 2), *P(hx + r, hy - 2)), c, INK, w)
        else:
            sk.ellipse((*P(hx - r, hy - r - 4), *P(hx + r, hy - 4)), c, INK, w)
            sk.ellipse((*P(hx - 14 + fx * 14, hy - 10), *P(hx + 14 + fx * 16, hy - 2)), darker(c, 0.2), INK, w)
    elif look.hat == "hunter":
        c = (70, 96, 58)
        sk.ellipse((*P(hx - r - 8, hy - 16), *P(hx + r + 8, hy - 4)), darker(c, 0.15), INK, w)
        sk.rect((*P(hx - r + 4, hy - r - 12), *P(hx + r - 4, hy - 10)), c, INK, w, 6 * s)
        sk.line([P(hx + 10, hy - r - 8), P(hx + 22, hy - r - 26)], (200, 60, 50), 3 * s)


def _arm(sk, P, shoulder, hand, look, s, w):
    sx, sy = shoulder
    hx, hy = hand
    mid = ((sx + hx) / 2 + (2 if hx > sx else -2), (sy + hy) / 2)
    sk.outlined_line([P(sx, sy), P(*mid), P(hx, hy)], look.shirt, 11 * s, INK, w * 0.8)
    if look.stripes:
        sk.line([P(sx, sy), P(*mid), P(hx, hy - 4)], look.stripes, 2 * s)
    sk.circle(P(hx, hy + 2), 6.5 * s, look.skin, INK, w * 0.8)


class Board(Sketch):
    """Sketch whose anti-aliasing reduce is a box average over the exact
    supersampling factor (premultiplied, so edges keep their colour): the
    same look for a fraction of the time, which the big pictures need."""

    def image(self):
        if self.ss == 1:
            return self.img
        return self.img.convert("RGBa").reduce(self.ss).convert("RGBA")


class Region(Board):
    """A drawing board over only `box` of a bigger picture, drawn in that
    picture's coordinates: an overlay that touches a small part of the
    screen need not supersample the whole of it."""

    def __init__(self, box, ss=2):
        x0, y0, x1, y1 = [int(v) for v in box]
        super().__init__(x1 - x0, y1 - y0, ss)
        self.ox, self.oy = x0, y0

    def _p(self, pts):
        return [((x - self.ox) * self.ss, (y - self.oy) * self.ss) for x, y in pts]

    def _b(self, box):
        x0, y0, x1, y1 = box
        return [(x0 - self.ox) * self.ss, (y0 - self.oy) * self.ss, (x1 - self.ox) * self.ss,
                (y1 - self.oy) * self.ss]

    def paste_on(self, img, xy=None):
        img.alpha_composite(self.image(), (self.ox, self.oy))


def figure(size, feet, s, look, facing=DOWN, **kw):
    """A standing person on a transparent picture of `size`, feet at `feet`."""
    sk = Board(*size, ss=3)
    person(sk, feet[0], feet[1], s, look, facing, **kw)
    return sk.image()


# --- small pieces shared by the screens -------------------------------------------------

def inset(img, box, radius=8, fill=(12, 8, 22), alpha=235):
    x0, y0, x1, y1 = [int(v) for v in box]
    sk = Sketch(x1 - x0 + 1, y1 - y0 + 1)
    sk.rect((0, 0, x1 - x0, y1 - y0), fill, INK, 3, radius, alpha)
    sk.paste_on(img, (x0, y0))


def label(img, xy, lv, en, size=15):
    """A one-line label: Latvian in cream, English after it, muted."""
    x, y = xy
    b = text(img, (x, y), lv, size, fill=CREAM, anchor="ls")
    text(img, (b[2] + 6, y), en, size - 3, fill=MUTED, anchor="ls")


def intro_page(title_lv, title_en, goals, keys, picture=None, start=True, seed=61):
    """A mini-game's intro: how to play, the keys, a picture, and Enter."""
    img = background("town", seed=seed)
    text(img, (W / 2, 14), title_lv, 50, fill=CREAM, anchor="mt")
    text(img, (W / 2, 74), title_en, 24, fill=MUTED, anchor="mt")
    gb = (24, 122, 600, 640)
    panel(img, gb)
    y = section(img, gb[0] + 22, gb[1] + 20, "Kā spēlēt", "How to play", gb[2] - gb[0] - 44, 22) + 6
    for glv, gen in goals:
        y = bullet(img, gb[0] + 22, y, glv, gen, gb[2] - gb[0] - 44, 18)
    kb = (616, 122, 1000, 640)
    panel(img, kb)
    y = section(img, kb[0] + 20, kb[1] + 20, "Pogas", "Keys", kb[2] - kb[0] - 40, 22) + 4
    y = key_list(img, kb[0] + 20, y, kb[2] - kb[0] - 40, keys, 16, cap_w=84)
    if picture is not None:
        px = int((kb[0] + kb[2]) / 2 - picture.width / 2)
        py = int(max(y + 6, kb[3] - picture.height - 18))
        img.alpha_composite(picture, (px, py))
    if start:
        fb = (W / 2 - 300, 656, W / 2 + 300, 740)
        pill(img, fb, True)
        b = keycap(img, (fb[0] + 40, 698), "Enter", 26)
        text(img, (b[2] + 24, 670), "Spied Enter, lai sāktu!", 28, fill=INK, anchor="lt",
             stroke_fill=None, shadow=False)
        text(img, (b[2] + 24, 705), "Press Enter to start!", 20, fill=(110, 56, 18), anchor="lt",
             stroke_fill=None, shadow=False)
    return img


def badge_title(img, box, lv, en, size=30, colour=GOLD):
    """Centred title with its English under it inside a panel's top."""
    x0, y0, x1, _ = box
    b = text(img, ((x0 + x1) / 2, y0 + 20), lv, size, fill=colour, anchor="mt")
    b = text(img, ((x0 + x1) / 2, b[3] + 4), en, int(size * 0.62), fill=MUTED, anchor="mt")
    return b[3] + 12


def key_hint(img, x, y, cap, lv, en, size=16):
    """A key cap with its meaning after it; returns the x after the text."""
    b = keycap(img, (x, y), cap, size)
    t = text(img, (b[2] + 8, y + 1), lv, size, fill=CREAM, anchor="lm")
    t = text(img, (t[2] + 6, y + 2), en, size - 3, fill=MUTED, anchor="lm")
    return t[2]


def dark_panel(img, box, alpha=236, rim=AMBER, radius=18):
    x0, y0, x1, y1 = [int(v) for v in box]
    sk = Sketch(x1 - x0 + 1, y1 - y0 + 1)
    sk.rect((0, 0, x1 - x0, y1 - y0), PANEL_DARK, INK, 4, radius, alpha)
    if rim:
        sk.rect((6, 6, x1 - x0 - 6, y1 - y0 - 6), None, darker(rim, 0.3), 2, max(4, radius - 6))
    sk.paste_on(img, (x0, y0))


# --- files ---------------------------------------------------------------------------------

def save_big(img, outdir, rel, alpha=False):
    """A large picture: a lighter deflate keeps the run short; the pictures
    are flat enough that the files stay small."""
    path = out_path(outdir, rel)
    im = img if alpha else img.convert("RGB")
    tmp = path + ".part"
    im.save(tmp, "PNG", compress_level=3)
    os.replace(tmp, path)
    return path


def rgba_image(size):
    return Image.new("RGBA", size, (0, 0, 0, 0))

