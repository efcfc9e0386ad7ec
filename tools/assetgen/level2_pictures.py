"""Level 2's sprites, markers, HUD and full-screen pages: the ten-year-old's
sheet, the spot markers, firewood and bonfire, rakes, flies, poop marks,
the need bars and HUD frame, the music panel, the dialog box, and the
info, hunger and map screens.

Sizes and frame layouts follow how the game draws them: the player sheet
is 10 x 8 frames of 100 x 180 whose foot stands on the collision circle
(frame point (55, 158)); a marker's test point is near its lower right.
"""

import math
import random

from PIL import Image

import frontend as fe
import level2_draw as fd
import level2_plan as plan
from common import (AMBER, CORAL, CREAM, GOLD, H, INK, MINT, MUTED, PANEL, PANEL_DARK,
                    ROSE, SKY, TEAL, W, Sketch, background, bilingual, darker, hint_bar, keycap,
                    lighter, panel, soft_shadow, text, transparent)

FARM = ((14, 34, 40), (40, 70, 44))

# --- the player ---------------------------------------------------------------

# Facing per sheet row: (dx, dy) on the screen.
ROW_FACING = [(-1, 1), (0, 1), (1, 1), (1, 0), (1, -1), (0, -1), (-1, -1), (-1, 0)]
FRAME_W, FRAME_H, COLUMNS = 100, 180, 10
SHIRT = (236, 112, 58)
SHORTS = (58, 84, 170)
HAIR = (120, 72, 40)
SHOE = (60, 50, 60)


def kid(sk, ox, oy, facing, phase):
    """One frame of the ten-year-old walking; (ox, oy) the frame's corner."""
    sx, sy = facing
    side = abs(sx) > 0 and sy == 0
    cx = ox + 53
    s = math.sin(phase)
    bob = -abs(s) * 3
    foot_y = oy + 166
    sk.ellipse((cx - 24, foot_y - 6, cx + 24, foot_y + 6), (20, 36, 20), None, alpha=90)
    stride = s * 13
    # legs: along the facing on the screen; front/back views lift instead
    legs = []
    for k, sign in ((0, 1), (1, -1)):
        hipx = cx + (-7 if k == 0 else 7) * (1 - 0.7 * abs(sx) * (1 - abs(sy)))
        fx = hipx + sign * stride * sx
        fy = foot_y - 2 + sign * stride * sy * 0.35 - max(0.0, sign * math.cos(phase)) * (5 if sy else 2)
        legs.append((hipx, fx, fy))
    order = sorted(legs, key=lambda l: l[2])
    for hipx, fx, fy in order:
        sk.outlined_line([(hipx, oy + 118 + bob), (fx, fy - 8)], fd.SKIN, 10, INK, 2.5)
        sk.ellipse((fx - 9 + sx * 3, fy - 12, fx + 9 + sx * 3, fy), SHOE, INK, 2.5)
    # shorts and shirt
    sk.rect((cx - (12 if side else 17), oy + 104 + bob, cx + (12 if side else 17), oy + 124 + bob), SHORTS,
            INK, 3, 5)
    back_arm = []
    for k, sign in ((0, -1), (1, 1)):
        shx = cx + (-18 if k == 0 else 18) * (1 - 0.75 * abs(sx) * (1 - abs(sy)))
        hx = shx + sign * stride * 0.8 * sx * (0.4 if sy else 1.0) - (6 if k == 0 else -6) * (1 - abs(sx))
        hy = oy + 112 + bob + sign * stride * 0.35 * sy
        back_arm.append((shx, hx, hy, k))
    behind = [a for a in back_arm if (side and a[3] == (0 if sx > 0 else 1))]
    front = [a for a in back_arm if a not in behind]
    for shx, hx, hy, _ in behind:
        sk.outlined_line([(shx, oy + 78 + bob), (hx, hy)], darker(SHIRT, 0.15), 9, INK, 2.5)
        sk.circle((hx, hy + 2), 5, fd.SKIN, INK, 2)
    half = 13 if side else 19
    sk.rect((cx - half + sx * 2, oy + 70 + bob, cx + half + sx * 2, oy + 110 + bob), SHIRT, INK, 3.5, 9)
    if sy >= 0:
        sk.rect((cx - 8 + sx * 6, oy + 84 + bob, cx + 8 + sx * 6, oy + 92 + bob), GOLD, None, 0, 3)
    for shx, hx, hy, _ in front:
        sk.outlined_line([(shx, oy + 78 + bob), (hx, hy)], SHIRT, 9, INK, 2.5)
        sk.circle((hx, hy + 2), 5, fd.SKIN, INK, 2)
    # head
    hx, hy = cx + sx * 2, oy + 48 + bob
    sk.circle((hx, hy), 22, fd.SKIN, INK, 3.5)
    if sy < 0 and sx == 0:
        sk.circle((hx, hy - 1), 20.5, HAIR, None)
    elif sy < 0:
        sk.circle((hx - sx * 5, hy - 3), 19, HAIR, None)
        sk.circle((hx + sx * 17, hy + 2), 4, fd.SKIN, INK, 2)  # an ear
    else:
        sk.ellipse((hx - 21 - sx * 4, hy - 23, hx + 21 - sx * 4, hy - 4), HAIR, None)
        if side:
            sk.ellipse((hx - 22 - sx * 10, hy - 20, hx + 8 - sx * 10, hy + 10), HAIR, None)
        ex = hx + sx * 9
        gap = 7 if not side else 0
        for e in ((-gap, 0), (gap, 0)) if gap else ((0, 0),):
            sk.circle((ex + e[0], hy + 2), 2.6, INK, None)
        sk.arc((ex - 6, hy + 4, ex + 6, hy + 13), 20, 160, INK, 2)
        sk.circle((ex + (-11 if not side else -4 * sx), hy + 9), 3, lighter(ROSE, 0.45), None)
    sk.circle((hx, hy), 22, None, INK, 3.5)


def player_sheet():
    sheet = Image.new("RGBA", (FRAME_W * COLUMNS, FRAME_H * len(ROW_FACING)))
    for row, facing in enumerate(ROW_FACING):
        sk = Sketch(FRAME_W * COLUMNS, FRAME_H)
        for col in range(COLUMNS):
            kid(sk, col * FRAME_W, 0, facing, 2 * math.pi * col / COLUMNS)
        sheet.alpha_composite(sk.image(), (0, row * FRAME_H))
    return sheet


# --- markers and pickups --------------------------------------------------------------------


def ground_ring(sk, w, h, colour, pulse=1.0):
    sk.ellipse((3, h * 0.28, w - 3, h - 3), colour, INK, 3, alpha=110)
    sk.ellipse((10, h * 0.38, w - 10, h - 10), None, lighter(colour, 0.4), 3)


def mission_marker():
    w, h = 76, 46
    sk = Sketch(w, h)
    ground_ring(sk, w, h, AMBER)
    sk.circle((w / 2, 18), 15, AMBER, INK, 3)
    img = sk.image()
    text(img, (w / 2, 18), "!", 22, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
    return img


def potty_marker():
    w, h = 76, 42
    sk = Sketch(w, h)
    ground_ring(sk, w, h, TEAL)
    sk.rect((w / 2 - 18, 4, w / 2 + 18, 28), TEAL, INK, 3, 6)
    img = sk.image()
    text(img, (w / 2, 16), "WC", 15, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
    return img


def exit_marker():
    w, h = 76, 42
    sk = Sketch(w, h)
    ground_ring(sk, w, h, MINT)
    sk.polygon([(18, 12), (44, 12), (44, 4), (62, 18), (44, 32), (44, 24), (18, 24)], MINT, INK, 3)
    return sk.image()


def drop_marker():
    w, h = 76, 42
    sk = Sketch(w, h)
    ground_ring(sk, w, h, CORAL)
    fd.log_piece(sk, w / 2 - 4, 24, 34, 6, fd.WOOD, -0.2)
    sk.polygon([(w / 2 - 6, 2), (w / 2 + 6, 2), (w / 2 + 6, 10), (w / 2 + 12, 10), (w / 2, 18),
                (w / 2 - 12, 10), (w / 2 - 6, 10)], GOLD, INK, 2.5)
    return sk.image()


def food_marker():
    w, h = 60, 63
    sk = Sketch(w, h)
    sk.ellipse((2, 30, w - 2, h - 2), (240, 236, 226), INK, 3)  # a cloth
    for k in range(4):
        sk.line([(8 + k * 13, 34), (4 + k * 13, h - 6)], (200, 70, 70), 2.5)
    sk.ellipse((8, 34, 38, 52), (200, 150, 90), INK, 3)  # bread
    sk.line([(14, 40), (22, 38)], lighter((200, 150, 90), 0.3), 2)
    sk.line([(22, 44), (30, 42)], lighter((200, 150, 90), 0.3), 2)
    sk.rect((34, 8, 54, 46), (250, 250, 250), INK, 3, 5)  # a jug of milk
    sk.arc((46, 16, 60, 34), 270, 90, INK, 3)
    sk.rect((37, 12, 51, 18), (140, 180, 230), None, 0, 2)
    sk.circle((20, 16), 9, CORAL, INK, 2.5)  # an apple
    sk.line([(20, 7), (22, 3)], fd.WOOD_DARK, 2)
    return sk.image()


def firewood():
    w, h = plan.FIREWOOD_SIZE
    sk = Sketch(w, h)
    sk.ellipse((8, h - 18, w - 6, h - 2), (20, 36, 20), None, alpha=90)
    fd.log_piece(sk, w / 2 - 4, h / 2 + 4, w - 34, 13, fd.WOOD, -0.12)
    return sk.image()


def bonfire():
    w, h = plan.BONFIRE_SIZE
    bx, by = plan.BONFIRE_AT
    # centre of the stone ring the world picture draws, in this picture
    recs = plan.read_map()
    x0, y0, x1, y1 = plan.record_box(recs[[n for _, n in plan.KINDS].index("fire place")])
    cx, cy = (x0 + x1) / 2 - bx, (y0 + y1) / 2 - by - 4
    sk = Sketch(w, h)
    sk.ellipse((cx - 170, cy - 80, cx + 170, cy + 90), (255, 190, 80), None, alpha=60)
    sk.ellipse((cx - 120, cy - 50, cx + 120, cy + 60), (255, 200, 90), None, alpha=70)
    for k in range(14):
        t = 2 * math.pi * k / 14
        if math.sin(t) < 0:
            fd.stone(sk, cx + math.cos(t) * 92, cy + math.sin(t) * 50, 15)
    for a in (-1.0, -0.55, -0.2, 0.2, 0.55, 1.0):  # logs leaning together
        sk.outlined_line([(cx + math.sin(a) * 80, cy + 30), (cx + math.sin(a) * 12, cy - 150)],
                         fd.WOOD if a < 0 else darker(fd.WOOD, 0.12), 16, INK, 3)
    fd.flame(sk, cx, cy + 30, 190, 222)
    fd.flame(sk, cx - 60, cy + 34, 90, 130)
    fd.flame(sk, cx + 64, cy + 34, 84, 120)
    rnd = random.Random(7)
    for _ in range(16):
        x, y = cx + rnd.uniform(-110, 110), cy - rnd.uniform(150, 200)
        sk.circle((x, y), rnd.uniform(3, 6), GOLD, None)
    for k in range(14):
        t = 2 * math.pi * k / 14
        if math.sin(t) >= 0:
            fd.stone(sk, cx + math.cos(t) * 92, cy + math.sin(t) * 50, 15)
    return sk.image()


def wood_panel():
    """The firewood counter panel; the count is drawn at its (5, 34)."""
    img = Image.new("RGBA", (150, 100))
    panel(img, (1, 1, 149, 99), fill=PANEL_DARK, alpha=225, radius=16, shadow=False, ink_width=4, rim_width=2)
    text(img, (12, 8), "Malka · Firewood", 13, fill=AMBER, anchor="lt", max_width=128)
    sk = Sketch(70, 60)
    fd.log_piece(sk, 34, 36, 40, 9, fd.WOOD, -0.3)
    fd.log_piece(sk, 38, 22, 40, 9, darker(fd.WOOD, 0.1), 0.25)
    sk.paste_on(img, (74, 32))
    return img


def rake_sheet(head, lying_end):
    """Two frames of 200 x 400: lying in the grass, sprung up."""
    fw, fh = plan.RAKE_FRAME
    sk = Sketch(2 * fw, fh)
    # the tine bar stays inside its frame even where the spring point is
    # near the frame's edge
    hx = min(max(head[0], 46), fw - 46)
    hy = head[1]
    ex, ey = lying_end[0] + hx - head[0], lying_end[1]
    sk.ellipse((hx - 40, hy - 8, hx + 40, hy + 14), (20, 36, 20), None, alpha=70)
    fd.rake(sk, (hx, hy), (ex, ey))
    # sprung: the handle stands up from the tines, with a bang
    hx2 = hx + fw
    sk.ellipse((hx2 - 40, hy - 8, hx2 + 40, hy + 14), (20, 36, 20), None, alpha=70)
    top = (hx2 + 6, hy - 200)
    fd.rake(sk, (hx2, hy), top)
    star = []
    for k in range(16):
        r = 34 if k % 2 == 0 else 16
        a = -math.pi / 2 + k * math.pi / 8
        star.append((top[0] + r * math.cos(a), top[1] + r * math.sin(a)))
    sk.polygon(star, GOLD, INK, 3)
    for k in range(3):
        a = -2.4 + k * 0.5
        sk.arc((top[0] - 60, top[1] - 50 + 80, top[0] + 60, top[1] + 70 + 80), math.degrees(a) + 180,
               math.degrees(a) + 200, CREAM, 4)
    img = sk.image()
    tx = top[0] - 62 if hx > fw / 2 else top[0] + 62
    text(img, (tx, top[1] + 44), "BLAKŠ!", 18, fill=CORAL, anchor="mm")
    return img


def flies():
    sk = Sketch(40, 20)
    for f, up in ((0, True), (1, False)):
        x = f * 20 + 10
        if up:
            sk.ellipse((x - 9, 1, x - 1, 10), (210, 235, 255), INK, 1.5, alpha=200)
            sk.ellipse((x + 1, 1, x + 9, 10), (210, 235, 255), INK, 1.5, alpha=200)
        else:
            sk.ellipse((x - 10, 8, x - 2, 15), (210, 235, 255), INK, 1.5, alpha=200)
            sk.ellipse((x + 2, 8, x + 10, 15), (210, 235, 255), INK, 1.5, alpha=200)
        sk.ellipse((x - 5, 7, x + 5, 18), (40, 40, 50), INK, 1.5)
        sk.circle((x, 6), 3.5, (40, 40, 50), INK, 1.5)
        sk.circle((x - 1.5, 5), 1.2, (200, 40, 40), None)
        sk.circle((x + 1.5, 5), 1.2, (200, 40, 40), None)
    return sk.image()


def poop_sheet():
    """Ten frames of 40 x 60: a pile with rising stink lines."""
    sk = Sketch(400, 60)
    brown = (124, 78, 44)
    for f in range(10):
        x = f * 40 + 20
        sk.ellipse((x - 16, 50, x + 16, 59), brown, INK, 2.5)
        sk.ellipse((x - 11, 42, x + 11, 53), lighter(brown, 0.1), INK, 2.5)
        sk.ellipse((x - 6, 35, x + 6, 45), lighter(brown, 0.18), INK, 2.5)
        sk.circle((x - 3, 39), 1.6, CREAM, None)
        for k in (-1, 0, 1):
            pts = []
            for j in range(9):
                yy = 31 - j * 3.2
                ph = f * 2 * math.pi / 10 + j * 0.8 + k
                pts.append((x + k * 9 + math.sin(ph) * 3, yy))
            sk.line(pts, (150, 190, 90), 2)
    return sk.image()


def lifebar():
    """Two rows of 22: normal and blink; the bar is cut from the left, so
    it reddens as it shortens."""
    w = 165
    img = Image.new("RGBA", (w, 44))
    for row, bright in ((0, 0.0), (1, 0.45)):
        sk = Sketch(w, 22)
        for x in range(0, w, 3):
            t = x / (w - 1)
            c = fd_gradient(t)
            c = lighter(c, bright) if bright else c
            sk.rect((x, 2, x + 3, 20), c, None)
        sk.rect((0, 2, w, 7), (255, 255, 255), None, 0, 0, alpha=60)
        sk.line([(0, 1), (w, 1)], INK, 2)
        sk.line([(0, 21), (w, 21)], INK, 2)
        img.alpha_composite(sk.image(), (0, row * 22))
    return img


def fd_gradient(t):
    red, yellow, green = (220, 60, 50), (250, 200, 60), (110, 200, 90)
    if t < 0.35:
        return tuple(int(red[i] + (yellow[i] - red[i]) * t / 0.35) for i in range(3))
    u = (t - 0.35) / 0.65
    return tuple(int(yellow[i] + (green[i] - yellow[i]) * u) for i in range(3))


# --- HUD, panels and boxes ---------------------------------------------------------------

FOOD_BAR_AT = (42, 743)
TOILET_BAR_AT = (255, 743)
BAR_W = 165
SCORE_AT = (945, 742)


def _bread_icon(sk, x, y):
    sk.ellipse((x - 13, y - 8, x + 13, y + 8), (210, 160, 96), INK, 2.5)
    sk.line([(x - 6, y - 3), (x - 1, y - 6)], lighter((210, 160, 96), 0.35), 2)
    sk.line([(x + 1, y), (x + 6, y - 3)], lighter((210, 160, 96), 0.35), 2)


def _toilet_icon(sk, x, y):
    sk.rect((x - 10, y - 12, x + 10, y - 2), (250, 250, 250), INK, 2.5, 3)
    sk.ellipse((x - 12, y - 4, x + 12, y + 10), (250, 250, 250), INK, 2.5)


def hud():
    img = transparent()
    # needs strip, bottom left: the bars are drawn at y 743, 22 high; the
    # labels sit between the panel's rim and the bars' troughs
    panel(img, (8, 694, 446, 790), fill=PANEL_DARK, alpha=245, radius=20, shadow=False)
    sk = Sketch(460, 70)
    for (bx, _), icon in ((FOOD_BAR_AT, _bread_icon), (TOILET_BAR_AT, _toilet_icon)):
        sk.rect((bx - 3, 33, bx + BAR_W + 3, 59), (22, 18, 36), INK, 3, 4)
        icon(sk, bx - 16 if bx > 100 else 24, 46)
    sk.paste_on(img, (0, 708))
    text(img, (FOOD_BAR_AT[0], 713), "Ēdiens · Food", 14, fill=AMBER, anchor="lt")
    text(img, (TOILET_BAR_AT[0], 713), "Tualete · Toilet", 14, fill=AMBER, anchor="lt")
    # score, bottom right: "%05d" at (945, 742). The potty draws no digits
    # over this same picture, so only the label has a framed plate; the
    # digits sit on a soft dark glow that, left empty, reads as its shadow
    soft_shadow(img, (926, 738, 1006, 764), 12, offset=(0, 0), blur=5, alpha=235)
    panel(img, (848, 726, 936, 767), fill=PANEL_DARK, alpha=245, radius=14, shadow=False, ink_width=4,
          rim=None)
    text(img, (862, 733), "Punkti", 13, fill=AMBER, anchor="lt")
    text(img, (862, 749), "Score", 12, fill=MUTED, anchor="lt")
    return img


def music_panel():
    """Full screen; the panel sits in the left 420 pixels, so it hides
    completely when the game slides the picture 818 pixels left."""
    img = transparent()
    box = (-30, 150, 400, 560)
    panel(img, box)
    sk = Sketch(120, 120)
    sk.circle((60, 60), 50, PANEL_DARK, INK, 4)
    sk.circle((60, 60), 20, AMBER, INK, 3)
    sk.circle((60, 60), 5, INK, None)
    for r in (30, 38, 44):
        sk.arc((60 - r, 60 - r, 60 + r, 60 + r), 200, 250, lighter(PANEL_DARK, 0.3), 2)
    sk.paste_on(img, (24, 176))
    text(img, (160, 192), "Mūzika", 34, fill=GOLD, anchor="lt")
    text(img, (162, 236), "Music · 10 dziesmas / tracks", 16, fill=MUTED, anchor="lt")
    y = 320
    for cap, lv, en in (("t", "iepriekšējā dziesma", "previous track"),
                        ("y", "pauze / turpināt", "pause / resume"),
                        ("u", "nākamā dziesma", "next track"),
                        ("m", "aizvērt paneli", "close the panel")):
        keycap(img, (30, y), cap, 18)
        text(img, (86, y - 3), lv, 18, fill=CREAM, anchor="ls")
        text(img, (86, y), en, 14, fill=MUTED, anchor="lt", bold=False, stroke=1, shadow=False)
        y += 56
    return img


def dialog_box():
    """Full screen, transparent round the box; the game writes the two
    lines at (80, 580) and (80, 620) with a 30-point font."""
    img = transparent()
    box = (18, 526, 1006, 704)
    panel(img, box, fill=PANEL_DARK, alpha=238)
    # the speaker, leaning in above the box's corner
    sk = Sketch(150, 170)
    sk.circle((75, 88), 66, PANEL, INK, 4)
    fd.granny(sk, 75, 200, 1.0)
    portrait = sk.image()
    msk = Sketch(150, 170)
    msk.circle((75, 88), 66, (255, 255, 255), None)
    mask = msk.image().getchannel("A")
    circle_only = Image.new("RGBA", portrait.size)
    circle_only.paste(portrait, (0, 0), mask)
    ring = Sketch(150, 170)
    ring.circle((75, 88), 66, None, INK, 5)
    ring.circle((75, 88), 60, None, AMBER, 3)
    circle_only.alpha_composite(ring.image())
    img.alpha_composite(circle_only, (40, 382))
    pill = Sketch(300, 46)
    pill.rect((0, 0, 298, 44), AMBER, INK, 4, 22)
    pill.paste_on(img, (170, 494))
    text(img, (190, 501), "Vecmāmiņa", 20, fill=INK, anchor="lt", stroke_fill=None, shadow=False)
    text(img, (334, 505), "Granny", 15, fill=(110, 56, 18), anchor="lt", stroke_fill=None, shadow=False)
    # answers: bottom right, under the two lines
    x = 560
    y = 684
    b = keycap(img, (x, y), "Y", 16)
    b = text(img, (b[2] + 8, y), "jā · yes", 16, fill=MINT, anchor="lm")
    b2 = keycap(img, (b[2] + 30, y), "N", 16)
    text(img, (b2[2] + 8, y), "nē · no", 16, fill=CORAL, anchor="lm")
    return img


# --- full-screen pages -----------------------------------------------------------------------


def _page(title_lv, title_en, seed):
    img = background(FARM, seed=seed, glow=(W / 2, H * 0.2, 700, GOLD, 0.12))
    text(img, (W / 2, 20), title_lv, 40, fill=GOLD, anchor="mt")
    text(img, (W / 2, 70), title_en, 22, fill=MUTED, anchor="mt")
    return img


def _marker_line(img, x, y, picture, lv, en, width):
    pw, ph = picture.size
    scale = min(1.0, 50 / ph)
    pic = picture.resize((int(pw * scale), int(ph * scale)), Image.LANCZOS) if scale < 1 else picture
    img.alpha_composite(pic, (int(x + (76 - pic.size[0]) / 2), int(y + (48 - pic.size[1]) / 2)))
    tx = x + 88
    text(img, (tx, y + 22), lv, 17, fill=CREAM, anchor="ls", max_width=width - 88)
    text(img, (tx, y + 25), en, 14, fill=MUTED, anchor="lt", bold=False, stroke=1, shadow=False,
         max_width=width - 88)
    return y + 50


MISSIONS = [
    ("Runā ar vecmāmiņu pie mājas: viņa dod uzdevumus.",
     "Talk to Granny at the house: she gives you the tasks."),
    ("1. Olas: salasi 31 olu vistu pagalmā un nes uz grozu.",
     "1. Eggs: gather the 31 eggs in the hen yard into the basket."),
    ("2. Ūdens: izvelc spaini no akas (Space atkal un atkal).",
     "2. Water: pull the bucket out of the well (Space again and again)."),
    ("3. Ogas: trīs jāņogu krūmi; B pārsprāgst, ←/→ ķer.",
     "3. Berries: three currant bushes; B bursts, ←/→ catch."),
    ("4. Ugunskurs: nes 6 malkas gabalus pa vienam uz ugunskura vietu.",
     "4. Bonfire: carry 6 pieces of firewood, one by one, to the fire place."),
    ("Kad ugunskurs deg, ej uz izeju pie vārtiem.",
     "When the bonfire burns, take the exit at the gate."),
]


def info_page(markers):
    img = _page("Lauku sēta: kā spēlēt", "The farmstead: how to play", 40)
    left = (16, 108, 560, 716)
    panel(img, left)
    y = fe.section(img, left[0] + 22, left[1] + 16, "Uzdevumi", "Tasks", left[2] - left[0] - 44, 20) + 2
    for lv, en in MISSIONS:
        y = fe.bullet(img, left[0] + 22, y, lv, en, left[2] - left[0] - 44, 16)
    y = fe.section(img, left[0] + 22, y + 2, "Vajadzības", "Needs", left[2] - left[0] - 44, 20) + 2
    y = fe.bullet(img, left[0] + 22, y, "Ēdiens sarūk: paēd pie ēdiena zīmes (tas maksā 1 punktu).",
                  "Food runs down: eat at the food marker (it costs 1 point).", left[2] - left[0] - 44, 15,
                  colour=CORAL)
    fe.bullet(img, left[0] + 22, y, "Tualete: ej uz podiņa, citādi būs nelaime (−5).",
              "Toilet: use the privy, or there will be an accident (−5).", left[2] - left[0] - 44, 15,
              colour=TEAL)
    right = (574, 108, 1008, 716)
    panel(img, right)
    width = right[2] - right[0] - 40
    y = fe.section(img, right[0] + 20, right[1] + 16, "Zīmes", "Markers", width, 20) + 4
    for key, lv, en in (("misija", "uzdevums: spied Space", "a task: press Space"),
                        ("food", "ēdiens", "food"),
                        ("tolete", "podiņš", "the potty"),
                        ("malka", "malkas gabals: paņem ar Space", "firewood: take it with Space"),
                        ("malkacp", "ugunskura vieta: noliec malku", "fire place: drop the wood"),
                        ("izeja", "izeja uz 3. līmeni", "the way to level 3"),
                        ("grabeklis", "grābeklis zālē: uzmanies (−1)!", "a rake in the grass: mind it (−1)!")):
        y = _marker_line(img, right[0] + 20, y, markers[key], lv, en, width)
    y = fe.section(img, right[0] + 20, y + 4, "Pogas", "Keys", width, 20) + 2
    fe.key_list(img, right[0] + 20, y, width,
                [(["←↑↓→"], "iet", "walk"), (["Space"], "runāt, ieiet, paņemt", "talk, go in, take"),
                 (["Y", "N"], "jā / nē", "yes / no"), (["k"], "karte  (m: mūzika)", "map  (m: music)")],
                14, cap_w=86)
    fe_hint(img, "i vai Enter: atpakaļ   ·   i or Enter: back")
    return img


def fe_hint(img, s):
    hint_bar(img, s, y=H - 26, size=17)


def hunger_page():
    img = background(((40, 12, 20), (96, 30, 30)), seed=41, glow=(W / 2, H * 0.45, 520, CORAL, 0.2))
    sk = Sketch(300, 260)
    sk.ellipse((30, 170, 270, 250), (230, 230, 240), INK, 5)  # an empty plate
    sk.ellipse((70, 186, 230, 236), lighter((230, 230, 240), 0.4), None)
    for k in range(3):
        sk.arc((110 + k * 30, 60, 150 + k * 30, 150), 200, 340, MUTED, 4)
    sk.paste_on(img, (W // 2 - 150, 120))
    bilingual(img, (W / 2, 400), "Tu esi pārāk izsalcis!", "You are far too hungry!", 52, en_size=30,
              anchor="m", fill=GOLD)
    bilingual(img, (W / 2, 520), "Lauku sēta sāksies no jauna, punkti paliek.",
              "The farmstead starts over; your score stays.", 24, en_size=19, anchor="m")
    b = keycap(img, (W / 2 - 200, 660), "Enter", 28)
    bilingual(img, (b[2] + 24, 636), "Sākt no jauna", "Start over", 30, en_size=20, fill=GOLD)
    return img


# --- the map --------------------------------------------------------------------------

MAP_CROP = (560, 520, 4460, 3400)
MAP_AT = (14, 98)
MAP_SCALE = 0.2


def _map_xy(x, y):
    return (MAP_AT[0] + (x - MAP_CROP[0]) * MAP_SCALE, MAP_AT[1] + (y - MAP_CROP[1]) * MAP_SCALE)


# Icons on the map: (spots, colour, number or mark, Latvian, English)
MAP_LEGEND = [
    ([5], GOLD, "!", "Vecmāmiņa: uzdevumi", "Granny: the tasks"),
    ([0], AMBER, "1", "Olas (vistu pagalms)", "Eggs (the hen yard)"),
    ([1], SKY, "2", "Aka", "The well"),
    ([2, 3, 4], ROSE, "3", "Ogu krūmi", "Berry bushes"),
    ([6], CORAL, "4", "Ugunskura vieta", "The fire place"),
    ([8], MINT, "→", "Izeja (pēc ugunskura)", "Exit (after the bonfire)"),
    ([7], TEAL, "WC", "Podiņš", "The potty"),
    ([9], (250, 250, 250), "", "Ēdiens", "Food"),
]


def map_page(composite):
    """`composite`: the world with its overlays (RGBA, full size)."""
    img = _page("Karte", "Map", 42)
    x0, y0, x1, y1 = MAP_CROP
    w, h = int((x1 - x0) * MAP_SCALE), int((y1 - y0) * MAP_SCALE)
    pic = composite.crop(MAP_CROP).resize((w, h), Image.LANCZOS)
    frame = Sketch(w + 16, h + 16)
    frame.rect((0, 0, w + 14, h + 14), PANEL_DARK, INK, 5, 10)
    frame.paste_on(img, (MAP_AT[0] - 7, MAP_AT[1] - 7))
    img.alpha_composite(pic.convert("RGBA"), MAP_AT)
    recs = plan.read_map()
    for i, (lv, en) in plan.LABELS.items():
        cx, cy = plan.record_centre(recs[i])
        if plan.KINDS[i][0] in ("house", "barn", "hut"):
            cy -= 120  # over the roof, where the picture shows the building
        if plan.KINDS[i][0] == "privy":
            cy -= 70
        if plan.KINDS[i][0] in ("well", "swing"):
            cy -= 90
        mx, my = _map_xy(cx, cy)
        text(img, (mx, my), lv, 13, fill=CREAM, anchor="mm")
    # firewood pieces and rakes
    sk = Sketch(W, H)
    for x, y in plan.FIREWOOD:
        mx, my = _map_xy(x + 45, y + 30)
        sk.rect((mx - 7, my - 4, mx + 7, my + 4), fd.WOOD, INK, 2, 2)
    for x, y in plan.RAKE_POINTS:
        mx, my = _map_xy(x, y)
        sk.line([(mx - 7, my - 7), (mx + 7, my + 7)], CORAL, 4)
        sk.line([(mx - 7, my + 7), (mx + 7, my - 7)], CORAL, 4)
    sx, sy = _map_xy(*plan.START)
    sk.circle((sx, sy), 9, (255, 255, 255), INK, 3)
    sk.circle((sx, sy), 4, SHIRT, None)
    for spots, colour, mark, _, _ in MAP_LEGEND:
        for i in spots:
            (x, y), *_ = plan.SPOTS[i]
            mx, my = _map_xy(x + 38, y + 24)
            sk.circle((mx, my), 12, colour, INK, 3)
    sk.paste_on(img)
    for spots, colour, mark, _, _ in MAP_LEGEND:
        for i in spots:
            (x, y), *_ = plan.SPOTS[i]
            mx, my = _map_xy(x + 38, y + 24)
            if mark:
                text(img, (mx, my + 1), mark, 13 if len(mark) < 2 else 10, fill=INK, anchor="mm",
                     stroke_fill=None, shadow=False)
    text(img, (sx, sy + 12), "Tu sāc šeit · Start", 12, fill=CREAM, anchor="mt")
    # legend
    lb = (806, 92, 1010, 690)
    panel(img, lb)
    y = fe.section(img, lb[0] + 14, lb[1] + 12, "Kur iet", "Where to go", lb[2] - lb[0] - 28, 16) + 2
    lsk = Sketch(W, H)
    rows = []
    ROW = 45
    for spots, colour, mark, lv, en in MAP_LEGEND:
        lsk.circle((lb[0] + 30, y + 16), 12, colour, INK, 3)
        rows.append((y, mark, lv, en))
        y += ROW
    lsk.rect((lb[0] + 22, y + 10, lb[0] + 38, y + 20), fd.WOOD, INK, 2, 2)
    rows.append((y, None, "Malka (6 gabali)", "Firewood (6 pieces)"))
    y += ROW
    lsk.line([(lb[0] + 23, y + 9), (lb[0] + 37, y + 23)], CORAL, 4)
    lsk.line([(lb[0] + 23, y + 23), (lb[0] + 37, y + 9)], CORAL, 4)
    rows.append((y, None, "Grābekļi: uzmanies!", "Rakes: watch out!"))
    y += ROW
    lsk.circle((lb[0] + 30, y + 16), 9, (255, 255, 255), INK, 3)
    lsk.circle((lb[0] + 30, y + 16), 4, SHIRT, None)
    rows.append((y, None, "Sākums", "Start"))
    lsk.paste_on(img)
    for ry, mark, lv, en in rows:
        if mark:
            text(img, (lb[0] + 30, ry + 17), mark, 13 if len(mark) < 2 else 10, fill=INK, anchor="mm",
                 stroke_fill=None, shadow=False)
        text(img, (lb[0] + 52, ry + 16), lv, 14, fill=CREAM, anchor="ls", max_width=lb[2] - lb[0] - 60)
        text(img, (lb[0] + 52, ry + 19), en, 12, fill=MUTED, anchor="lt", bold=False, stroke=1, shadow=False,
             max_width=lb[2] - lb[0] - 60)
    text(img, (lb[0] + 14, lb[3] - 50), "Zīmes rāda pieņemtos darbus.", 11, fill=AMBER, anchor="lt",
         max_width=lb[2] - lb[0] - 28)
    text(img, (lb[0] + 14, lb[3] - 32), "Markers show accepted tasks.", 11, fill=MUTED, anchor="lt",
         max_width=lb[2] - lb[0] - 28)
    fe_hint(img, "k: aizvērt karti   ·   k: close the map")
    return img


def markers():
    """Every small picture by its key, for the pages that explain them."""
    return {
        "misija": mission_marker(), "tolete": potty_marker(), "izeja": exit_marker(),
        "malkacp": drop_marker(), "food": food_marker(), "malka": firewood(),
        "grabeklis": rake_sheet((110, 250), (20, 380)).crop((20, 200, 170, 320)),
    }


def pictures():
    """(path, picture, alpha) for everything here but the map."""
    m = markers()
    out = [
        ("lvl2/player10z.png", player_sheet(), True),
        ("lvl2/misija.png", m["misija"], True),
        ("lvl2/tolete.png", m["tolete"], True),
        ("lvl2/izeja.png", m["izeja"], True),
        ("lvl2/food.png", m["food"], True),
        ("lvl2/malkacp.png", m["malkacp"], True),
        ("lvl2/malka.png", m["malka"], True),
        ("lvl2/ugunskurs.png", bonfire(), True),
        ("lvl2/malka_info.png", wood_panel(), True),
        ("lvl2/musha.png", flies(), True),
        ("lvl2/suds.png", poop_sheet(), True),
        ("lvl2/lifebar.png", lifebar(), True),
        ("lvl2/interfc.png", hud(), True),
        ("lvl2/mp3.png", music_panel(), True),
        ("lvl2/dialog.png", dialog_box(), True),
        ("lvl2/i.png", info_page(m), False),
        ("lvl2/bads.png", hunger_page(), False),
    ]
    for (rel, (px, py)), (hx, hy) in zip(plan.RAKE_PICTURES, plan.RAKE_POINTS):
        head = (hx - px, hy - py)
        # the handle lies away from the firewood and the fire place
        end = (head[0] - 150, head[1] + 120) if head[0] > 100 else (head[0] + 150, head[1] + 120)
        out.append((rel, rake_sheet(head, end), True))
    return out
