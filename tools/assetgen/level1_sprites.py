"""Level 1's moving and small pictures: the child's sheet, markers, items,
bottles, turbo cans, the pests, piles, the gas meter and cloud, and the
need bars.  Frame strides and sizes are the ones the level draws with."""

import math

import numpy as np
from PIL import Image, ImageChops, ImageDraw, ImageFilter

import drawings as dr
from common import (AMBER, CORAL, CREAM, GOLD, INK, MINT, ROSE, SKY, TEAL,
                    Sketch, darker, lighter, mix, rgba, text)

SKIN = (255, 214, 178)
HAIR = (236, 180, 80)
SHIRT = (90, 170, 230)
NAPPY = (250, 248, 240)
GERM = (140, 200, 70)

# --- the child ----------------------------------------------------------------------

# facing rows of the sheet: (dx, dy) on screen, y down
FACINGS = [(-1, 0), (-1, 1), (0, 1), (1, 1), (1, 0), (1, -1), (0, -1), (-1, -1)]


def _child(row, step):
    """One 200 x 200 frame: the child seen from above and a little from the
    front, centred where the game puts the player's circle (100, 100)."""
    fx, fy = FACINGS[row]
    n = math.hypot(fx, fy)
    ux, uy = fx / n, fy / n
    sk = Sketch(200, 200, ss=3)
    phase = step * math.pi / 2            # 0, 90, 180, 270 degrees of the stride
    swing = math.sin(phase)
    bob = -3 * abs(math.sin(phase))
    cx, cy = 100, 100 + bob
    # shadow on the floor
    sk.ellipse((62, 124, 138, 150), (0, 0, 0), None, alpha=60)
    # feet: apart across the heading, one ahead of the other along it
    px, py = -uy, ux
    feet = []
    for side in (-1, 1):
        fxp = cx + px * 12 * side + ux * 11 * swing * side
        fyp = 132 + py * 6 * side + uy * 7 * swing * side
        feet.append((fxp, fyp))
    feet.sort(key=lambda p: p[1])
    for fxp, fyp in feet:
        sk.ellipse((fxp - 10, fyp - 8, fxp + 10, fyp + 8), (240, 120, 110), INK, 3)
    # arms swing against the feet
    hands = []
    for side in (-1, 1):
        hx = cx + 27 * (1 if side > 0 else -1) * (1 - 0.4 * abs(ux)) - ux * 9 * swing * side
        hy = cy + 18 - uy * 6 * swing * side + (ux * 6 * side if fx else 0)
        hands.append((hx, hy))
    back_hands = [h for h in hands if (h[0] - cx) * ux + (h[1] - cy) * uy < 0] if fx else []
    for hx, hy in back_hands:
        sk.circle((hx, hy), 8, SKIN, INK, 3)
    # body: shirt over a nappy
    sk.ellipse((cx - 26, cy + 2, cx + 26, cy + 44), NAPPY, INK, 4)
    sk.ellipse((cx - 25, cy - 4, cx + 25, cy + 34), SHIRT, INK, 4)
    sk.ellipse((cx - 10, cy + 6, cx + 10, cy + 20), lighter(SHIRT, 0.35), None)
    for hx, hy in hands:
        if (hx, hy) not in back_hands:
            sk.circle((hx, hy), 8, SKIN, INK, 3)
    # head
    hx0, hy0, r = cx, cy - 26, 30
    sk.circle((hx0, hy0), r, SKIN, INK, 4)
    # hair: the part of the head turned away from the viewer's side of the face
    ss = sk.ss
    hair_mask = Image.new("L", sk.img.size, 0)
    d = ImageDraw.Draw(hair_mask)
    d.ellipse(((hx0 - r + 3) * ss, (hy0 - r + 3) * ss, (hx0 + r - 3) * ss, (hy0 + r - 3) * ss), fill=255)
    cut = Image.new("L", sk.img.size, 0)
    dc = ImageDraw.Draw(cut)
    shift_x = -ux * 16
    shift_y = -uy * 14 - 12 if fy >= 0 else -uy * 30
    rr = r * (1.05 if fy >= 0 else 1.4)
    dc.ellipse(((hx0 + shift_x - rr) * ss, (hy0 + shift_y - rr) * ss,
                (hx0 + shift_x + rr) * ss, (hy0 + shift_y + rr) * ss), fill=255)
    mask = ImageChops.multiply(hair_mask, cut)
    hair = Image.new("RGBA", sk.img.size, rgba(HAIR))
    sk.img.paste(hair, (0, 0), mask)
    # a curl on top
    sk.arc((hx0 - 8 - ux * 6, hy0 - r - 6, hx0 + 10 - ux * 6, hy0 - r + 12), 180, 360, INK, 3)
    # ears
    if fx == 0 and fy != 0:
        for side in (-1, 1):
            sk.circle((hx0 + side * (r - 2), hy0 + 4), 7, SKIN, INK, 3)
    elif fy < 0:
        # turned away: the near ear shows on the side it turns to
        sk.circle((hx0 + ux * (r - 6), hy0 + 4), 7, SKIN, INK, 3)
    else:
        sk.circle((hx0 - ux * (r - 10), hy0 + 4), 7, SKIN, INK, 3)
    # face, when it is turned towards the viewer or to the side
    if fy >= 0:
        fcx = hx0 + ux * 14
        fcy = hy0 + 6 + uy * 6
        if fy == 0:
            eyes = [fcx + ux * 2]
        else:
            sep = 10 if fx == 0 else 8
            eyes = [fcx - sep, fcx + sep]
        for ex in eyes:
            sk.ellipse((ex - 3.5, fcy - 6, ex + 3.5, fcy + 3), INK, None)
            sk.circle((ex + 1, fcy - 3), 1.4, (255, 255, 255), None)
        if fy > 0:
            for ex in eyes:
                sk.circle((ex + (ex - fcx) * 0.4, fcy + 8), 4, (250, 160, 150), None)
        mx = fcx + ux * 4
        sk.arc((mx - 6, fcy + 4, mx + 6, fcy + 14), 20, 160, INK, 3)
    return sk.image()


def player_sheet():
    sheet = Image.new("RGBA", (800, 1600))
    for row in range(8):
        for step in range(4):
            sheet.alpha_composite(_child(row, step), (step * 200, row * 200))
    return sheet


# --- markers ---------------------------------------------------------------------------

def _floor_ring(sk, cx, cy, rx, ry, colour, width=5):
    sk.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), None, INK, width + 4)
    sk.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), None, colour, width)


def mission_marker():
    """misija.png: a spot where Space opens a mini-game."""
    sk = Sketch(72, 42, ss=4)
    sk.ellipse((3, 5, 69, 39), TEAL, None, alpha=90)
    _floor_ring(sk, 36, 22, 32, 16, TEAL, 4)
    dr.star(sk, 36, 20, 15, GOLD)
    return sk.image()


def exit_marker():
    """izeja.png: the way out, shown once all eleven items are taken."""
    sk = Sketch(72, 42, ss=4)
    sk.ellipse((3, 5, 69, 39), MINT, None, alpha=110)
    _floor_ring(sk, 36, 22, 32, 16, MINT, 4)
    # an arrow pointing out through the front door (down)
    sk.polygon([(28, 6), (44, 6), (44, 20), (54, 20), (36, 38), (18, 20), (28, 20)],
               (60, 200, 110), INK, 3)
    return sk.image()


def drop_marker():
    """merkis.png: 7 frames 70 apart, each 72 x 42: a pulsing target."""
    sheet = Image.new("RGBA", (6 * 70 + 72, 42))
    for k in range(7):
        sk = Sketch(70, 42, ss=4)
        t = k / 7.0
        sk.ellipse((4, 6, 66, 38), GOLD, None, alpha=70)
        for j in range(2):
            u = (t + j * 0.5) % 1.0
            rx, ry = 10 + 22 * u, 5 + 11 * u
            sk.ellipse((35 - rx, 22 - ry, 35 + rx, 22 + ry), None, mix(CREAM, GOLD, u), 3)
        _floor_ring(sk, 35, 22, 31, 16, AMBER, 3)
        # the gift glyph bobbing over the centre
        dy = -3 * math.sin(2 * math.pi * t)
        dr.gift(sk, 35, 22 + dy, 0.33, CORAL)
        sheet.alpha_composite(sk.image(), (k * 70, 0))
    return sheet


# --- items and pickups ------------------------------------------------------------------

ITEM_COLOURS = [CORAL, TEAL, ROSE, SKY, MINT]


def item_picture(colour=CORAL, scale=1.0):
    sk = Sketch(72, 52, ss=4)
    sk.ellipse((12, 40, 60, 50), (0, 0, 0), None, alpha=70)
    dr.gift(sk, 36, 30, 0.9 * scale, colour)
    dr.star(sk, 60, 10, 7, GOLD)
    return sk.image()


def delivery_frames():
    """manta_izgaist.png: 7 frames of 72 x 52: the gift goes up in sparkles."""
    sheet = Image.new("RGBA", (7 * 72, 52))
    for k in range(7):
        t = k / 6.0
        sk = Sketch(72, 52, ss=4)
        s = 0.9 * (1.0 - 0.85 * t)
        if s > 0.15:
            dr.gift(sk, 36, 30 - 14 * t, s, CORAL)
        for j in range(6):
            a = j * math.pi / 3 + t * 2
            rr = 8 + 24 * t
            dr.star(sk, 36 + math.cos(a) * rr, 26 + math.sin(a) * rr * 0.7, 5 * (1 - t) + 2, GOLD)
        frame = sk.image()
        alpha = frame.getchannel("A").point(lambda v: int(v * (1.0 - 0.6 * t)))
        frame.putalpha(alpha)
        sheet.alpha_composite(frame, (k * 72, 0))
    return sheet


def bottle_picture():
    """rijamais.png, 22 x 52: a baby bottle of milk."""
    sk = Sketch(22, 52, ss=6)
    sk.rect((5, 0, 17, 10), (230, 150, 90), INK, 2, 5)          # teat
    sk.rect((2, 9, 20, 15), TEAL, INK, 2, 2)                     # collar
    sk.rect((2, 14, 20, 51), (250, 250, 250), INK, 2, 5)
    sk.rect((4, 24, 18, 49), (255, 246, 226), None, 0, 3)       # milk
    for y in (22, 30, 38):
        sk.line([(13, y), (18, y)], INK, 1)
    sk.rect((5, 16, 8, 46), (255, 255, 255), None, 0, 1)
    return sk.image()


def turbo_picture():
    """pirdiens.png, 22 x 52: a turbo can for the nitro."""
    sk = Sketch(22, 52, ss=6)
    sk.rect((1, 3, 21, 51), (60, 60, 80), INK, 2, 4)
    sk.rect((3, 0, 19, 5), (200, 200, 210), INK, 2, 2)
    sk.rect((1, 12, 21, 42), CORAL, INK, 2, 2)
    sk.polygon([(13, 14), (6, 28), (11, 28), (8, 40), (16, 24), (11, 24)], GOLD, INK, 1.5)
    return sk.image()


# --- pests --------------------------------------------------------------------------------

def _pest(sk, cx, cy, s=1.0, angle=0.0, eyes="open"):
    """A small, grumpy green germ on two feet; (cx, cy) is its middle."""
    ca, sa = math.cos(angle), math.sin(angle)

    def P(x, y):
        return (cx + (x * ca - y * sa) * s, cy + (x * sa + y * ca) * s)

    body = [P(math.cos(a) * 15, math.sin(a) * 24 - 4) for a in np.linspace(0, 2 * math.pi, 28)]
    for fx in (-8, 8):
        foot = [P(fx + math.cos(a) * 6, 26 + math.sin(a) * 4) for a in np.linspace(0, 2 * math.pi, 12)]
        sk.polygon(foot, darker(GERM, 0.3), INK, 2)
    for hx in (-9, 9):       # horns
        sk.polygon([P(hx - 4, -24), P(hx + 4 * (1 if hx > 0 else -1) * 0.2, -36), P(hx + 4, -22)],
                   darker(GERM, 0.2), INK, 2)
    sk.polygon(body, GERM, INK, 2.5)
    for k in range(5):       # spots
        sx, sy = [(-6, 8), (7, 14), (-2, 18), (8, -2), (-9, -2)][k]
        sk.circle(P(sx, sy), 2.2 * s, darker(GERM, 0.25), None)
    if eyes == "open":
        for ex in (-5, 5):
            sk.circle(P(ex, -10), 4.5 * s, (255, 255, 255), INK, 1.5)
            sk.circle(P(ex + 1, -9), 2 * s, INK, None)
        sk.line([P(-9, -17), P(-2, -14)], INK, 2)   # angry brows
        sk.line([P(9, -17), P(2, -14)], INK, 2)
        sk.line([P(-5, 2), P(0, 0), P(5, 2)], INK, 2)
    else:
        for ex in (-5, 5):
            sk.line([P(ex - 3, -13), P(ex + 3, -7)], INK, 2)
            sk.line([P(ex - 3, -7), P(ex + 3, -13)], INK, 2)
        sk.ellipse((P(-3, 0)[0] - 3 * s, P(-3, 0)[1] - 2 * s, P(-3, 0)[0] + 3 * s, P(-3, 0)[1] + 4 * s),
                   INK, None)


def pest_walking():
    """launums.png, 35 x 69, drawn centred on the pest's point."""
    sk = Sketch(35, 69, ss=4)
    sk.ellipse((4, 58, 31, 67), (0, 0, 0), None, alpha=60)
    _pest(sk, 17.5, 32, 1.0)
    return sk.image()


def pest_knocked_out():
    """launums_kirdik.png: 20 frames of 100 x 100; the pest's point is at
    (45, 65) of each frame.  It reels, topples, and lies there seeing
    stars; a +3 pops up as it falls."""
    sheet = Image.new("RGBA", (2000, 100))
    for k in range(20):
        sk = Sketch(100, 100, ss=3)
        fall = min(1.0, k / 6.0)
        angle = fall * math.pi / 2 + (0.25 * math.sin(k * 1.7) if k < 6 else 0.0)
        cx, cy = 45 + 14 * fall, 65 + 14 * fall - 30 * (1 - fall)
        sk.ellipse((18, 76, 86, 92), (0, 0, 0), None, alpha=60)
        _pest(sk, cx, cy - 2, 1.0, angle, "open" if k < 4 else "out")
        for j in range(3):       # stars round the head
            a = k * 0.6 + j * 2 * math.pi / 3
            hx, hy = cx + 22 * fall, cy - 22 + 18 * fall
            dr.star(sk, hx + math.cos(a) * 18, hy + math.sin(a) * 6 - 8, 5, GOLD)
        frame = sk.image()
        if 2 <= k <= 10:
            lift = (k - 2) * 3
            text(frame, (70, 24 - lift), "+3", 18, fill=GOLD, anchor="mm")
        sheet.alpha_composite(frame, (k * 100, 0))
    return sheet


# --- piles, gas ------------------------------------------------------------------------------

def piles():
    """suds.png: 10 frames of 40 x 60: a steaming pile with a fly."""
    sheet = Image.new("RGBA", (400, 60))
    brown = (130, 84, 48)
    for k in range(10):
        sk = Sketch(40, 60, ss=4)
        t = k / 10.0
        sk.ellipse((4, 50, 36, 58), (0, 0, 0), None, alpha=60)
        sk.ellipse((5, 40, 35, 56), brown, INK, 2.5)
        sk.ellipse((9, 32, 31, 46), lighter(brown, 0.08), INK, 2.5)
        sk.ellipse((13, 25, 27, 37), lighter(brown, 0.16), INK, 2.5)
        sk.polygon([(17, 26), (21, 17), (23, 27)], lighter(brown, 0.16), INK, 2)
        for j in range(2):
            x = 12 + 14 * j
            y0 = 22 - 10 * ((t + j * 0.5) % 1.0)
            sk.line([(x, y0), (x + 3, y0 - 4), (x, y0 - 8)], (200, 200, 190), 2)
        a = 2 * math.pi * t
        fx, fy = 20 + 14 * math.cos(a), 12 + 6 * math.sin(2 * a)
        sk.circle((fx, fy), 2.6, INK, None)
        sk.ellipse((fx - 4, fy - 5, fx, fy - 1), (220, 230, 255), None)
        sk.ellipse((fx, fy - 5, fx + 4, fy - 1), (220, 230, 255), None)
        sheet.alpha_composite(sk.image(), (k * 40, 0))
    return sheet


def gas_meter():
    """g.png: two columns of 61 x 61, filling and ready; the level shows the
    top `gmeter` rows, so the meter fills from the top down."""
    img = Image.new("RGBA", (122, 61))
    for col, (top, bottom) in enumerate((((200, 230, 120), (110, 160, 60)),
                                         ((230, 255, 140), (120, 220, 80)))):
        sk = Sketch(61, 61, ss=4)
        for i in range(12):
            c = tuple(int(top[j] + (bottom[j] - top[j]) * i / 11) for j in range(3))
            sk.rect((3, 3 + i * 4.6, 58, 3 + (i + 1) * 4.6 + 0.5), c, None, 0)
        for bx, by, br in ((16, 14, 5), (40, 24, 7), (24, 40, 6), (46, 48, 4), (12, 52, 3)):
            sk.circle((bx, by), br, lighter(top, 0.4), darker(bottom, 0.2), 1.5)
        sk.rect((3, 3, 58, 58), None, INK, 3, 6)
        if col == 1:
            sk.rect((6, 6, 55, 55), None, GOLD, 3, 5)
        pic = sk.image()
        if col == 1:
            text(pic, (30, 31), "o", 30, fill=CREAM, anchor="mm")
        img.alpha_composite(pic, (col * 61, 0))
    return img


def gas_cloud():
    """gaaze.png: 7 frames of 383 x 371: a green puff that swells and thins."""
    w, h = 383, 371
    sheet = Image.new("RGBA", (7 * w, h))
    rnd = np.random.default_rng(9)
    blobs = [(rnd.uniform(0, 2 * math.pi), rnd.uniform(0.2, 1.0), rnd.uniform(0.5, 1.0))
             for _ in range(16)]
    base = Image.new("RGB", (w, h), (150, 196, 84))
    light = Image.new("RGB", (w, h), (206, 236, 130))
    for k in range(7):
        t = k / 6.0
        grow = 0.3 + 0.7 * math.sin(min(1.0, t * 1.4) * math.pi / 2)
        strength = 1.0 - 0.75 * t * t
        body = Image.new("L", (w, h), 0)
        puffs = Image.new("L", (w, h), 0)
        d, dp = ImageDraw.Draw(body), ImageDraw.Draw(puffs)
        for a, dist, size in blobs:
            r = 70 * size * grow + 16
            bx = w / 2 + math.cos(a + t) * dist * 125 * grow
            by = h / 2 + math.sin(a + t) * dist * 115 * grow
            d.ellipse((bx - r, by - r, bx + r, by + r), fill=int(205 * strength))
            pr = r * 0.45
            dp.ellipse((bx - pr - r * 0.2, by - pr - r * 0.3, bx + pr - r * 0.2, by + pr - r * 0.3),
                       fill=150)
        body = body.filter(ImageFilter.GaussianBlur(7))
        puffs = puffs.filter(ImageFilter.GaussianBlur(9))
        frame = Image.composite(light, base, puffs).convert("RGBA")
        frame.putalpha(body)
        sheet.alpha_composite(frame, (k * w, 0))
    return sheet


# --- need bars ----------------------------------------------------------------------------------

def need_bars():
    """dzivibas.png, 150 x 44: row 0 the bar as it is, row 1 its blink."""
    w = 150
    img = Image.new("RGBA", (w, 44))
    # amber at the empty end, green towards full: a short bar looks worried
    for row, (a, b) in enumerate((((240, 190, 70), (120, 210, 90)), ((255, 70, 60), (255, 160, 120)))):
        x = np.linspace(0.0, 1.0, w)[None, :, None]
        y = np.linspace(0.0, 1.0, 22)[:, None, None]
        ca, cb = np.array(a, float), np.array(b, float)
        rgb = ca + (cb - ca) * x
        gloss = np.clip(1.0 - y / 0.45, 0, 1) * 0.35
        shade = np.clip((y - 0.6) / 0.4, 0, 1) * 0.3
        rgb = rgb + (255 - rgb) * gloss - rgb * shade
        stripes = (((np.arange(w)[None, :] + np.arange(22)[:, None]) // 8) % 2)[..., None]
        rgb = rgb * (1.0 - 0.06 * stripes)
        px = np.clip(rgb, 0, 255).astype(np.uint8)
        alpha = np.full((22, w, 1), 255, np.uint8)
        alpha[0, :] = alpha[-1, :] = 200
        img.paste(Image.fromarray(np.concatenate([px, alpha], axis=2), "RGBA"), (0, row * 22))
    return img
