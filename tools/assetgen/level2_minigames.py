"""Pictures of level 2's mini-games: the hen yard (eggs), the well, the
currant bush and the catch, and the privy (potty).

The play areas are drawn where the game's rules put them: the hen yard's
fences are the bands its push-out rules guard, the basket sits on the
point that takes the eggs, the well's shaft holds the bucket's column, the
privy's hole is the point the target must stay on, and the catcher's mouth
is the band that catches a berry.
"""

import math
import random

from PIL import Image

import level2_draw as fd
from common import (AMBER, CORAL, CREAM, GOLD, H, INK, MINT, MUTED, PANEL_DARK, STONE, W, Sketch,
                    background, bilingual, darker, keycap, lighter, panel, pill, text)

# --- hen yard ----------------------------------------------------------------------

# Where a hen's or the hand's 43-pixel picture may be: the clamps on the
# top-left corner (50-913, 110-632) plus the picture's size.
YARD = (50, 110, 956, 675)
# The six fences, as the bands the push-out rules keep pictures out of.
FENCES = [(50, 318, 192, 336), (423, 241, 577, 255), (663, 398, 817, 412),
          (263, 481, 417, 495), (723, 551, 956, 565), (763, 248, 780, 398)]
BASKET = (710, 342)
EGG_SIZE, HAND_SIZE, HEN_SIZE = (39, 50), (43, 43), (43, 42)


def yard_background():
    img = background(((24, 50, 30), (60, 90, 50)), seed=60)
    x0, y0, x1, y1 = YARD
    sk = Sketch(W, H)
    sk.rect((x0 - 14, y0 - 14, x1 + 14, y1 + 14), fd.WOOD_DARK, INK, 5, 12)
    sk.rect((x0, y0, x1, y1), fd.STRAW, INK, 4, 6)
    rnd = random.Random(61)
    for _ in range(900):
        x, y = rnd.uniform(x0 + 6, x1 - 6), rnd.uniform(y0 + 6, y1 - 6)
        sk.line([(x, y), (x + rnd.uniform(-10, 10), y + rnd.uniform(-4, 4))], darker(fd.STRAW, 0.18), 2)
    for _ in range(60):
        x, y = rnd.uniform(x0 + 10, x1 - 10), rnd.uniform(y0 + 10, y1 - 10)
        sk.circle((x, y), 2.5, (236, 214, 120), None)  # grain
    for fx0, fy0, fx1, fy1 in FENCES:
        horizontal = fx1 - fx0 > fy1 - fy0
        sk.rect((fx0, fy0, fx1, fy1), fd.WOOD_LIGHT, INK, 3, 4)
        if horizontal:
            n = max(2, int((fx1 - fx0) // 36))
            for k in range(n + 1):
                px = fx0 + 4 + k * (fx1 - fx0 - 8) / n
                sk.rect((px - 5, fy0 - 4, px + 5, fy1 + 4), fd.WOOD_DARK, INK, 2.5, 2)
        else:
            n = max(2, int((fy1 - fy0) // 36))
            for k in range(n + 1):
                py = fy0 + 4 + k * (fy1 - fy0 - 8) / n
                sk.rect((fx0 - 4, py - 5, fx1 + 4, py + 5), fd.WOOD_DARK, INK, 2.5, 2)
    # the basket that takes the eggs
    bx, by = BASKET
    sk.circle((bx, by), 36, (150, 100, 56), INK, 4)
    sk.circle((bx, by), 26, (190, 140, 80), INK, 3)
    for k in range(8):
        a = k * math.pi / 4
        sk.line([(bx + math.cos(a) * 27, by + math.sin(a) * 27), (bx + math.cos(a) * 35, by + math.sin(a) * 35)],
                INK, 2)
    for dx, dy in ((-8, -4), (8, -6), (0, 8)):
        fd.egg_shape(sk, bx + dx, by + dy, 13, 17)
    sk.paste_on(img)
    text(img, (bx, by + 44), "Grozs · Basket", 13, fill=CREAM, anchor="mt")
    # title and rules, above the yard
    text(img, (40, 12), "Vistu pagalms", 30, fill=GOLD, anchor="lt")
    text(img, (42, 50), "The hen yard", 17, fill=MUTED, anchor="lt")
    text(img, (290, 18), "Salasi visas olas un nes tās uz grozu! Nepieskaries vistām.", 16, fill=CREAM,
         anchor="lt", max_width=520)
    text(img, (290, 42), "Pick up every egg and bring them to the basket! Don't touch the hens.", 13,
         fill=MUTED, anchor="lt", max_width=520)
    b = keycap(img, (290, 82), "q", 13)
    text(img, (b[2] + 8, 82), "iziet · quit", 14, fill=CREAM, anchor="lm")
    # the egg counter: the game writes "%02d" at (830, 39)
    # (two narrow digits, about 30 pixels wide), so the slash follows close on
    panel(img, (812, 24, 992, 96), fill=PANEL_DARK, alpha=235, radius=16, shadow=False, ink_width=4, rim_width=2)
    text(img, (866, 42), "/ 31", 28, fill=CREAM, anchor="lt")
    text(img, (932, 34), "olas", 13, fill=AMBER, anchor="lt")
    text(img, (932, 52), "eggs", 12, fill=MUTED, anchor="lt")
    return img


def egg_picture():
    sk = Sketch(*EGG_SIZE)
    fd.egg_shape(sk, 19.5, 25, 33, 44)
    return sk.image()


def hand_picture():
    sk = Sketch(*HAND_SIZE)
    sk.ellipse((8, 12, 34, 40), fd.SKIN, INK, 2.5)
    for k, (x, top) in enumerate(((10, 4), (16, 1), (22, 1), (28, 4))):
        sk.rect((x - 3, top, x + 3, 20), fd.SKIN, INK, 2, 3)
    sk.ellipse((30, 16, 42, 28), fd.SKIN, INK, 2)
    sk.ellipse((12, 16, 32, 38), fd.SKIN, None)
    return sk.image()


def hen_picture():
    sk = Sketch(*HEN_SIZE)
    fd.hen_top(sk, 21, 23, 0.98, 0.0, (214, 140, 80))
    return sk.image()


# --- well ----------------------------------------------------------------------------------

SHAFT = (180, 330)          # x span of the shaft; the bucket hangs at x 215-293
BUCKET_X, BUCKET_SIZE = 215, (78, 75)
TOP_LINE = 165              # the bucket is up when its top passes this


def well_background():
    img = background(((20, 24, 40), (40, 50, 70)), seed=62)
    x0, x1 = SHAFT
    sk = Sketch(W, H)
    sk.rect((x0 - 70, 120, x1 + 70, H + 10), darker(STONE, 0.45), INK, 5)
    rnd = random.Random(63)
    for row in range(16):
        y = 130 + row * 40
        off = 20 if row % 2 else 0
        for k in range(6):
            sx = x0 - 64 + off + k * 50
            shade = darker(STONE, 0.2 + 0.35 * row / 16 + rnd.uniform(0, 0.08))
            sk.rect((sx, y, sx + 44, y + 34), shade, INK, 2, 6)
    sk.rect((x0, 120, x1, H + 10), (24, 30, 44), INK, 4)
    for k in range(10):  # the dark gets darker downwards
        sk.rect((x0 + 3, 160 + k * 60, x1 - 3, 220 + k * 60), (12, 16, 28), None, alpha=40 + k * 8)
    sk.ellipse((x0 + 4, 700, x1 - 4, 740), (50, 90, 140), None)  # water down there
    sk.arc((x0 + 30, 708, x1 - 30, 730), 0, 180, lighter((50, 90, 140), 0.4), 3)
    # daylight and the windlass at the top
    sk.rect((x0 - 90, 40, x1 + 90, 120), (150, 190, 230), INK, 4, 6)
    sk.rect((x0 - 90, 96, x1 + 90, 124), fd.GRASS, INK, 4)
    sk.rect((x0 - 80, 60, x1 + 80, 78), fd.WOOD, INK, 4, 8)
    sk.outlined_line([(x1 + 80, 69), (x1 + 100, 69), (x1 + 100, 100)], STONE, 5, INK, 2)
    sk.line([(254, 78), (254, 700)], (150, 124, 84), 4)
    sk.line([(x0 - 40, TOP_LINE), (x1 + 40, TOP_LINE)], MINT, 4)
    sk.paste_on(img)
    text(img, ((x0 + x1) / 2, TOP_LINE - 6), "Augšā! · Top!", 18, fill=MINT, anchor="mb")
    box = (440, 150, 1000, 560)
    panel(img, box)
    text(img, (470, 176), "Aka", 40, fill=GOLD, anchor="lt")
    text(img, (472, 226), "The well", 20, fill=MUTED, anchor="lt")
    y = 280
    b = keycap(img, (470, y + 18), "Space", 22)
    bilingual(img, (b[2] + 18, y), "Spied atkal un atkal!", "Press it again and again!", 24, en_size=17)
    y += 100
    bilingual(img, (470, y), "Katrs spiediens velk spaini augšā,", "Each press pulls the bucket up,", 19,
              en_size=15)
    y += 56
    bilingual(img, (470, y), "bet pats tas slīd atpakaļ lejā.", "but it slides back down by itself.", 19,
              en_size=15)
    return img


def bucket_picture():
    w, h = BUCKET_SIZE
    sk = Sketch(w, h)
    sk.arc((14, 2, w - 14, 40), 180, 360, STONE, 4)
    sk.line([(w / 2, 0), (w / 2, 10)], (150, 124, 84), 4)
    sk.polygon([(8, 22), (w - 8, 22), (w - 16, h - 4), (16, h - 4)], (150, 156, 176), INK, 4)
    sk.ellipse((8, 14, w - 8, 30), (70, 120, 190), INK, 3)
    sk.line([(12, 44), (w - 12, 44)], darker((150, 156, 176), 0.3), 3)
    sk.line([(14, 60), (w - 14, 60)], darker((150, 156, 176), 0.3), 3)
    return sk.image()


# --- currants ------------------------------------------------------------------------------

CATCHER_SIZE = (362, 226)
MOUTH = (127, 326)   # berries whose left edge is in here are caught
CATCHER_DEPTH = 150  # rows of the scoop above the HUD strip
BERRY_SIZE = (29, 30)


def _garden_sky(seed):
    img = Image.new("RGBA", (W, H))
    sk = Sketch(W, H, ss=1)
    fd_sky = [(120, 180, 240), (190, 220, 250)]
    for i in range(24):
        c = tuple(int(fd_sky[0][k] + (fd_sky[1][k] - fd_sky[0][k]) * i / 23) for k in range(3))
        sk.rect((0, i * 24, W, i * 24 + 25), c, None)
    sk.rect((0, 560, W, H), fd.GRASS, None)
    rnd = random.Random(seed)
    for _ in range(300):
        x, y = rnd.uniform(0, W), rnd.uniform(570, H)
        sk.line([(x, y), (x + rnd.uniform(-3, 3), y - 10)], fd.GRASS_DARK, 2)
    img.alpha_composite(sk.image())
    sk = Sketch(W, H)
    for cx, cy, r in ((130, 110, 40), (180, 100, 50), (230, 112, 36), (760, 80, 34), (810, 70, 44)):
        sk.circle((cx, cy), r, (250, 250, 255), None)
    sk.circle((900, 120), 46, GOLD, INK, 4)
    img.alpha_composite(sk.image())
    return img


def berry_intro():
    img = background(((24, 40, 30), (70, 40, 50)), seed=64)
    text(img, (W / 2, 30), "Jāņogas", 48, fill=GOLD, anchor="mt")
    text(img, (W / 2, 90), "Currants", 24, fill=MUTED, anchor="mt")
    sk = Sketch(420, 340)
    fd.bush(sk, 200, 300, 170, 140, (70, 150, 70), fd.CURRANT, 65, 18, 7)
    sk.paste_on(img, (40, 170))
    box = (470, 160, 1000, 620)
    panel(img, box)
    y = 190
    for cap, lv, en in (("B", "Pārsprāgsti krūmu!", "Burst the bush!"),
                        ("← →", "Ķer krītošās ogas ar kausu.", "Catch the falling berries with the scoop."),
                        ("", "Katra noķertā oga: +1 punkts.", "Each berry caught: +1 point."),
                        ("", "Kad visas ogas nokritušas, ej atpakaļ.", "When every berry has fallen, you go back.")):
        if cap:
            b = keycap(img, (500, y + 22), cap, 20)
            tx = b[2] + 18
        else:
            tx = 500
        bilingual(img, (tx, y), lv, en, 22, en_size=16, max_width=box[2] - tx - 20)
        y += 96
    pill(img, (W / 2 - 250, 664, W / 2 + 250, 740), True)
    b = keycap(img, (W / 2 - 220, 702), "Enter", 24)
    text(img, (b[2] + 20, 680), "Spied Enter, lai sāktu!", 24, fill=INK, anchor="lt", stroke_fill=None,
         shadow=False)
    text(img, (b[2] + 20, 710), "Press Enter to start!", 17, fill=(110, 56, 18), anchor="lt", stroke_fill=None,
         shadow=False)
    return img


def bush_background():
    img = _garden_sky(66)
    text(img, (W / 2, 20), "Jāņogu krūms · The currant bush", 26, fill=INK, anchor="mt", stroke_fill=None,
         shadow=False)
    return img


BUSH_AT = (W / 2, 600)
BURST_TOP = 80          # the title above stays clear of flying berries


def bush_whole():
    img = Image.new("RGBA", (W, H))
    sk = Sketch(W, H)
    fd.bush(sk, BUSH_AT[0], BUSH_AT[1], 300, 250, (70, 150, 70), fd.CURRANT, 67, 30, 10)
    sk.paste_on(img)
    b = keycap(img, (W / 2 - 120, 660), "B", 30)
    bilingual(img, (b[2] + 20, 636), "Spied B!", "Press B!", 34, en_size=22, fill=GOLD)
    return img


def bush_burst():
    img = Image.new("RGBA", (W, H))
    sk = Sketch(W, H)
    cx, cy = BUSH_AT[0], BUSH_AT[1] - 250
    star = []
    for k in range(24):
        r = 330 if k % 2 == 0 else 200
        a = k * math.pi / 12
        star.append((cx + r * math.cos(a), cy + r * math.sin(a) * 0.8))
    sk.polygon(star, GOLD, INK, 5, alpha=220)
    fd.bush(sk, BUSH_AT[0], BUSH_AT[1], 260, 200, (70, 150, 70), None, 68)
    rnd = random.Random(69)
    squash = (cy - BURST_TOP) / 420  # the berries fly no higher than the band under the title
    for _ in range(60):
        a = rnd.uniform(math.pi * 1.05, math.pi * 1.95)
        d = rnd.uniform(220, 420)
        x, y = cx + math.cos(a) * d, cy + math.sin(a) * d * squash
        fd.berry(sk, x, y, 9)
        sk.line([(x - math.cos(a) * 12, y - math.sin(a) * 12), (x - math.cos(a) * 34, y - math.sin(a) * 34)],
                CREAM, 3)
    sk.paste_on(img)
    text(img, (cx, cy + 10), "BUMS!", 64, fill=CORAL, anchor="mm")
    return img


def catch_background():
    img = _garden_sky(70)
    sk = Sketch(W, H)
    for k in range(7):  # branches of the bush overhead
        x = k * 170 + 30
        sk.circle((x, -20), 110, (70, 150, 70), INK, 4)
    sk.paste_on(img)
    b = keycap(img, (40, 160), "← →", 18)
    text(img, (b[2] + 12, 160), "ķer ogas · catch the berries", 18, fill=INK, anchor="lm", stroke_fill=None,
         shadow=False)
    return img


def berry_picture():
    sk = Sketch(*BERRY_SIZE)
    fd.berry(sk, 14.5, 16, 12)
    sk.line([(14.5, 4), (17, 0)], fd.WOOD_DARK, 2)
    return sk.image()


def catcher_picture():
    """suuklis.png, drawn at y 542: the HUD strip starts 166 rows down, so the
    scoop and its handle end above that and the rows below stay clear."""
    w, h = CATCHER_SIZE
    bottom = CATCHER_DEPTH
    sk = Sketch(w, h)
    m0, m1 = MOUTH
    # a long handle to the left, the scoop's open mouth on top
    sk.outlined_line([(m0 + 10, 90), (14, 126)], fd.WOOD_LIGHT, 16, INK, 3)
    sk.polygon([(m0 - 6, 26), (m1 + 30, 26), (m1 + 14, bottom), (m0 + 10, bottom)], (176, 120, 70), INK, 5)
    for k in range(1, 5):
        y = 26 + k * (bottom - 30) / 5
        sk.line([(m0 + 2, y), (m1 + 22, y)], darker((176, 120, 70), 0.25), 3)
    sk.ellipse((m0 - 6, 6, m1 + 30, 46), (120, 76, 44), INK, 5)
    sk.ellipse((m0 + 8, 14, m1 + 16, 40), (70, 40, 30), None)
    for k in range(5):
        fd.berry(sk, m0 + 40 + k * 36, 30, 8)
    return sk.image()


# --- potty ----------------------------------------------------------------------------------

HOLE = (219, 309)       # the target's centre must stay within 65 of this
TRACK = (270, 685)      # the progress marker loses left of 270, wins past 685
TRACK_Y = 645
MARKER_ROWS = 46        # the marker and its track end above the HUD strip (y 694)


def potty_background():
    img = background(((40, 26, 20), (80, 52, 34)), seed=72)
    sk = Sketch(W, H)
    for k in range(13):  # plank walls
        x = k * 80
        sk.rect((x, 0, x + 80, 560), darker(fd.WOOD, 0.1 + 0.06 * (k % 3)), INK, 3)
    sk.rect((0, 380, 470, 560), fd.WOOD, INK, 5)  # the bench front
    hx, hy = HOLE
    sk.ellipse((hx - 150, hy - 88, hx + 150, hy + 88), fd.WOOD_LIGHT, INK, 5)  # the seat
    sk.ellipse((hx - 64, hy - 42, hx + 64, hy + 42), (30, 20, 16), INK, 5)
    sk.ellipse((hx - 40, hy - 24, hx + 40, hy + 24), (14, 10, 8), None)
    sk.circle((720, 90), 40, (255, 250, 220), INK, 4, alpha=200)  # the heart-shaped window
    sk.polygon([(690, 80), (750, 80), (720, 130)], (255, 250, 220), INK, 4)
    # the progress track
    x0, x1 = TRACK
    y = TRACK_Y + MARKER_ROWS // 2
    sk.rect((x0 - 70, y - 24, x1 + 150, y + 22), PANEL_DARK, INK, 4, 22, 230)
    sk.rect((x0 - 60, y - 16, x0, y + 16), CORAL, INK, 3, 12)
    sk.rect((x1 + 81, y - 16, x1 + 140, y + 16), MINT, INK, 3, 12)
    sk.line([(x0, y), (x1 + 81, y)], lighter(PANEL_DARK, 0.35), 6)
    sk.paste_on(img)
    text(img, (x0 - 30, y), "✗", 22, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
    text(img, (x1 + 110, y), "✓", 22, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
    box = (480, 150, 1004, 470)
    panel(img, box)
    text(img, (506, 172), "Podiņš", 40, fill=GOLD, anchor="lt")
    text(img, (508, 222), "The potty", 20, fill=MUTED, anchor="lt")
    b = text(img, (506, 270), "←↑↓→", 24, fill=AMBER, anchor="lt")
    bilingual(img, (b[2] + 16, 266), "Noturi mērķi virs cauruma!", "Keep the target over the hole!", 22,
              en_size=16, max_width=box[2] - b[2] - 30)
    bilingual(img, (506, 340), "Uz mērķa joslā slīd pa labi, garām pa kreisi.",
              "On target the marker slides right, off it slides left.", 17, en_size=14,
              max_width=box[2] - 530)
    b = keycap(img, (506, 426), "q", 16)
    text(img, (b[2] + 10, 426), "iziet · quit", 16, fill=CREAM, anchor="lm")
    return img.convert("RGB")


def target_picture():
    w, h = 110, 103
    sk = Sketch(w, h)
    cx, cy = 55, 51
    sk.circle((cx, cy), 46, None, INK, 9)
    sk.circle((cx, cy), 46, None, CORAL, 5)
    sk.circle((cx, cy), 26, None, INK, 7)
    sk.circle((cx, cy), 26, None, CREAM, 3)
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        sk.outlined_line([(cx + dx * 30, cy + dy * 30), (cx + dx * 52, cy + dy * 49)], CORAL, 4, INK, 2)
    sk.circle((cx, cy), 6, CORAL, INK, 2.5)
    return sk.image()


def progress_marker():
    """shit.png, 81 x 72: drawn in the top MARKER_ROWS rows, so that it rides
    the track above the HUD strip."""
    w, h = 81, 72
    sk = Sketch(w, h, ss=4)
    brown = (124, 78, 44)

    def at(x, y):  # the old 70-row drawing, scaled into the marker's rows
        return 40.5 + (x - 40.5) * 0.75, y * MARKER_ROWS / 70

    def box(x0, y0, x1, y1):
        return at(x0, y0) + at(x1, y1)

    sk.ellipse(box(8, 48, 73, 70), brown, INK, 3)
    sk.ellipse(box(16, 30, 65, 54), lighter(brown, 0.1), INK, 3)
    sk.ellipse(box(26, 14, 55, 36), lighter(brown, 0.18), INK, 3)
    sk.polygon([at(36, 16), at(44, 2), at(48, 18)], lighter(brown, 0.18), INK, 2.5)
    for ex in (33, 49):
        sk.circle(at(ex, 42), 4, (255, 255, 255), INK, 1.5)
        sk.circle(at(ex + 1, 43), 1.6, INK, None)
    sk.arc(box(32, 46, 50, 60), 20, 160, INK, 2)
    return sk.image()


def pictures():
    """(path, picture, alpha) for every mini-game picture of level 2."""
    return [
        ("lvl2/Mini/vistas/fons.png", yard_background(), False),
        ("lvl2/Mini/vistas/ola.png", egg_picture(), True),
        ("lvl2/Mini/vistas/roka.png", hand_picture(), True),
        ("lvl2/Mini/vistas/vista.png", hen_picture(), True),
        ("lvl2/Mini/aka/fons.png", well_background(), False),
        ("lvl2/Mini/aka/spainis.png", bucket_picture(), True),
        ("lvl2/Mini/janogas/intro.png", berry_intro(), False),
        ("lvl2/Mini/janogas/fonsA.png", bush_background(), False),
        ("lvl2/Mini/janogas/kadrsA.png", bush_whole(), True),
        ("lvl2/Mini/janogas/kadrsB.png", bush_burst(), True),
        ("lvl2/Mini/janogas/fonsB.png", catch_background(), False),
        ("lvl2/Mini/janogas/oga.png", berry_picture(), True),
        ("lvl2/Mini/janogas/suuklis.png", catcher_picture(), True),
        ("lvl2/pods/fons.jpg", potty_background(), False),
        ("lvl2/pods/target.png", target_picture(), True),
        ("lvl2/pods/shit.png", progress_marker(), True),
    ]
