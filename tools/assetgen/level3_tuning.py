"""Riktis's car tuning: the loading picture, the garage screen, the tuning
screen with its eleven menu rows, the row highlight and the 54 part
overlays, each laid exactly over its part of the car.

The menu's row k sits where the game draws the highlight, at
(49, 47 + 63 k), 170 x 38.  Each overlay also writes its choice under its
own row, over the "stock" line of the tuning screen, so the menu always
says what is fitted.
"""

import math

from PIL import Image

import level3_look as lk
from common import (AMBER, CORAL, CREAM, GOLD, H, INK, MINT, MUTED, PANEL, ROSE, SKY, STONE, TEAL,
                    W, background, darker, lighter, progress_dots, text, transparent)

ROW_X, ROW_Y0, ROW_STEP = 49, 47, 63
ROW_W, ROW_H = 170, 38
MENU_PANEL = (30, 28, 238, 724)
MENU_FILL = (28, 22, 50)

# row -> (folder, stem, count, Latvian, English); rows 8 and 10 have no part
PARTS = {
    0: ("Wheels", "wh", 5, "Riteņi", "wheels"),
    1: ("Roof", "rf", 4, "Jumts", "roof"),
    2: ("Spoiler", "sp", 8, "Spoileris", "spoiler"),
    3: ("Front", "fr", 5, "Priekša", "front"),
    4: ("Back", "bk", 5, "Aizmugure", "back"),
    5: ("Exhaust", "ex", 2, "Izpūtējs", "exhaust"),
    6: ("Side", "sd", 4, "Sliekšņi", "side skirts"),
    7: ("Neon", "neon", 6, "Neons", "neon"),
    9: ("Vinyl", "vin", 12, "Vinils", "vinyl"),
}
EMPTY_ROWS = {8: ("Krāsa", "paint"), 10: ("v: iziet", "v: leave")}
# what the rows without a part say under their field
EMPTY_ROW_LINES = {8: ("drīzumā", "coming soon")}

# the car, side on, facing right
GROUND = 640
WHEELS = ((470, 572), (860, 572))
WHEEL_R = 66
BODY = (320, 410, 1000, 590)
CABIN = (440, 300, 820, 410)
BODY_COLOUR = (96, 150, 90)
CAR_AREA = (150, 180, W, 700)          # every part lies within this


def row_top(row):
    return ROW_Y0 + ROW_STEP * row


def part_path(row, k):
    folder, stem, _, _, _ = PARTS[row]
    return f"lvl3/Tuning/Mosis/{folder}/{stem}{k}.png"


def all_parts():
    """(row, choice) of every overlay, in the game's loading order."""
    return [(row, k) for row in (0, 1, 2, 3, 4, 5, 6, 7, 9) for k in range(1, PARTS[row][2] + 1)]


# --- the car ---------------------------------------------------------------------------------

def _wheel(sk, x, y, r=WHEEL_R, rim=STONE, spokes=5, dish=0.55, tyre=(34, 34, 40), wall=None):
    sk.circle((x, y), r, tyre, INK, 5)
    if wall:
        sk.circle((x, y), r * 0.78, None, wall, r * 0.12)
    sk.circle((x, y), r * dish, rim, INK, 4)
    for k in range(spokes):
        a = k * 2 * math.pi / spokes - math.pi / 2
        sk.line([(x, y), (x + math.cos(a) * r * dish * 0.92, y + math.sin(a) * r * dish * 0.92)],
                darker(rim, 0.35), 6)
    sk.circle((x, y), r * 0.14, lighter(rim, 0.3), INK, 3)


def draw_car(sk):
    # shadow and the body with its wheel arches
    sk.ellipse((300, GROUND - 20, 1020, GROUND + 16), (0, 0, 0), None, alpha=90)
    x0, y0, x1, y1 = BODY
    sk.rect((x0, y0, x1, y1 - 18), BODY_COLOUR, INK, 6, 24)
    for wx, wy in WHEELS:
        sk.circle((wx, wy), WHEEL_R + 14, (30, 30, 36), INK, 5)
    cx0, cy0, cx1, cy1 = CABIN
    sk.polygon([(cx0, cy1), (cx0 + 20, cy0), (cx1 - 60, cy0), (cx1 + 30, cy1)], BODY_COLOUR, INK, 6)
    sk.polygon([(cx0 + 24, cy1 - 8), (cx0 + 40, cy0 + 16), (cx0 + 170, cy0 + 16), (cx0 + 170, cy1 - 8)],
               (170, 210, 240), INK, 4)
    sk.polygon([(cx0 + 190, cy1 - 8), (cx0 + 190, cy0 + 16), (cx1 - 70, cy0 + 16), (cx1 + 10, cy1 - 8)],
               (170, 210, 240), INK, 4)
    sk.line([(620, 410), (620, 560)], darker(BODY_COLOUR, 0.4), 4)
    sk.rect((640, 450, 680, 462), darker(BODY_COLOUR, 0.5), None, 0, 4)
    sk.rect((980, 430, 1004, 470), (255, 244, 190), INK, 4, 6)
    sk.rect((316, 430, 336, 470), CORAL, INK, 4, 6)
    sk.rect((990, 520, 1010, 560), (70, 70, 80), INK, 4, 4)
    sk.rect((310, 520, 330, 560), (70, 70, 80), INK, 4, 4)
    for wx, wy in WHEELS:
        _wheel(sk, wx, wy)


# --- screens -----------------------------------------------------------------------------------

def _garage_backdrop(sk):
    sk.rect((0, 0, W, H), (52, 50, 62), None, 0)
    for x in range(0, W, 90):
        sk.rect((x, 0, x + 88, 500), (62, 60, 74), None, 0)
    sk.rect((0, 500, W, H), (84, 80, 90), INK, 5)
    for x in range(-200, W, 120):
        sk.line([(x, 500), (x + 200, H)], (74, 70, 80), 3)
    sk.rect((780, 80, 1000, 200), (90, 86, 100), INK, 4, 4)
    for k, x in enumerate(range(800, 990, 32)):
        sk.line([(x, 100), (x, 170 - (k % 3) * 10)], STONE, 6)


def loading_picture():
    """Tuning/loading.png: on screen while the 54 overlays load."""
    img = background("town", seed=81)
    text(img, (W / 2, 230), "Ielādē tūningu...", 52, fill=CREAM, anchor="mt")
    text(img, (W / 2, 300), "Loading the tuning...", 28, fill=MUTED, anchor="mt")
    sk = lk.Board(240, 240)
    sk.line([(40, 200), (170, 70)], STONE, 26)
    sk.circle((180, 60), 44, STONE, INK, 5)
    sk.circle((196, 44), 20, (60, 60, 80), None)
    sk.line([(40, 200), (170, 70)], INK, 4)
    sk.paste_on(img, (W // 2 - 120, 370))
    progress_dots(img, (W / 2, 660), lit=5)
    return img


def garage_screen():
    """Tuning/tune1.png: Riktis's garage; 2 starts tuning."""
    img = Image.new("RGBA", (W, H))
    sk = lk.Board(W, H)
    _garage_backdrop(sk)
    draw_car(sk)
    riktis = lk.Look(skin=(240, 196, 160), hair=(200, 150, 70), shirt=(80, 110, 160),
                     trousers=(80, 110, 160), shoes=(40, 40, 44), hat="cap")
    lk.person(sk, 170, 660, 2.2, riktis, lk.DOWN_RIGHT, arms="hips")
    sk.paste_on(img)
    lk.dark_panel(img, (300, 24, 1000, 250), alpha=255)
    text(img, (650, 40), "Rikša garāža", 46, fill=GOLD, anchor="mt")
    text(img, (650, 98), "Riktis' garage", 22, fill=MUTED, anchor="mt")
    text(img, (650, 136), "Labi braucu? Tagad sapucēsim tavu mašīnu!", 20, fill=CREAM, anchor="mt")
    text(img, (650, 164), "Nice driving! Now let's pimp your car!", 16, fill=MUTED, anchor="mt")
    x = lk.key_hint(img, 330, 214, "2", "tūnēt", "tune", 18)
    x = lk.key_hint(img, x + 30, 214, "q", "atpakaļ", "back", 18)
    lk.key_hint(img, x + 30, 214, "v", "iziet", "leave", 18)
    return img


def _row_field(img, row):
    y = row_top(row)
    sk = lk.Board(ROW_W + 1, ROW_H + 1)
    sk.rect((0, 0, ROW_W, ROW_H), PANEL, INK, 3, 10)
    sk.paste_on(img, (ROW_X, y))
    if row in PARTS:
        _, _, n, lv, en = PARTS[row]
    else:
        lv, en = EMPTY_ROWS[row]
        n = 0
    b = text(img, (ROW_X + 12, y + 19), lv, 17, fill=CREAM, anchor="lm")
    text(img, (b[2] + 6, y + 21), en, 11, fill=MUTED, anchor="lm", max_width=ROW_X + ROW_W - b[2] - 12)
    return n


def _choice_line(img, row, label_lv, label_en, colour):
    """Under a row: what is fitted; an opaque strip, so an overlay's line
    covers the tuning screen's "stock" line."""
    y = row_top(row) + ROW_H + 2
    sk = lk.Board(ROW_W + 1, 21)
    sk.rect((0, 0, ROW_W, 20), MENU_FILL, None, 0, 6)
    sk.paste_on(img, (ROW_X, y))
    b = text(img, (ROW_X + 8, y + 10), label_lv, 12, fill=colour, anchor="lm", shadow=False)
    text(img, (b[2] + 5, y + 11), label_en, 10, fill=MUTED, anchor="lm", shadow=False)


def tuning_screen():
    """Tuning/Mosis/fons.png: the car and the menu with all stock."""
    img = Image.new("RGBA", (W, H))
    sk = lk.Board(W, H)
    _garage_backdrop(sk)
    draw_car(sk)
    sk.paste_on(img)
    x0, y0, x1, y1 = MENU_PANEL
    sk = lk.Board(x1 - x0 + 1, y1 - y0 + 1)
    sk.rect((0, 0, x1 - x0, y1 - y0), MENU_FILL, INK, 5, 18, 245)
    sk.rect((6, 6, x1 - x0 - 6, y1 - y0 - 6), None, darker(AMBER, 0.3), 2, 12)
    sk.paste_on(img, (x0, y0))
    for row in range(11):
        n = _row_field(img, row)
        if n:
            _choice_line(img, row, "standarta", f"stock · 0/{n}", MUTED)
        elif row in EMPTY_ROW_LINES:
            _choice_line(img, row, *EMPTY_ROW_LINES[row], MUTED)
    lk.dark_panel(img, (270, 14, 1004, 92), alpha=255)
    text(img, (290, 24), "Tūnings", 34, fill=GOLD, anchor="lt")
    text(img, (450, 38), "tuning", 18, fill=MUTED, anchor="lt")
    x = lk.key_hint(img, 560, 36, "↑↓", "rinda", "row", 15)
    x = lk.key_hint(img, x + 18, 36, "←→", "variants", "option", 15)
    lk.key_hint(img, 560, 70, "v", "iziet no garāžas", "leave the garage", 15)
    return img


def highlight():
    """Tuning/select.png, 170 x 38: a bright frame with a see-through middle."""
    sk = lk.Board(ROW_W, ROW_H, ss=3)
    sk.rect((1, 1, ROW_W - 1, ROW_H - 1), GOLD, None, 0, 10, 70)
    sk.rect((1, 1, ROW_W - 1, ROW_H - 1), None, INK, 6, 10)
    sk.rect((3, 3, ROW_W - 3, ROW_H - 3), None, GOLD, 3, 9)
    sk.polygon([(ROW_W - 14, ROW_H / 2 - 8), (ROW_W - 5, ROW_H / 2), (ROW_W - 14, ROW_H / 2 + 8)], GOLD, INK, 2)
    return sk.image()


# --- the 54 parts ------------------------------------------------------------------------------

PALETTE = [CORAL, SKY, GOLD, MINT, ROSE, TEAL, (170, 120, 240), CREAM, (240, 140, 60), (60, 60, 70),
           (230, 230, 236), (200, 40, 60)]


def _wheels(sk, k):
    styles = [
        dict(rim=(220, 224, 232), spokes=5, dish=0.6),
        dict(rim=GOLD, spokes=10, dish=0.66),
        dict(rim=(40, 40, 46), spokes=6, dish=0.5, wall=CORAL),
        dict(rim=CORAL, spokes=3, dish=0.62),
        dict(rim=(230, 230, 236), spokes=8, dish=0.56, wall=CREAM),
    ]
    st = styles[k - 1]
    r = WHEEL_R + (6 if k in (3, 5) else 0)
    for wx, wy in WHEELS:
        _wheel(sk, wx, wy - (r - WHEEL_R), r, **st)


def _roof(sk, k):
    cx0, cy0, cx1, cy1 = CABIN
    top = cy0
    if k == 1:        # a rack
        sk.rect((cx0 + 30, top - 30, cx1 - 60, top - 18), (60, 60, 70), INK, 4)
        for x in range(cx0 + 50, cx1 - 60, 60):
            sk.rect((x, top - 20, x + 10, top + 2), (60, 60, 70), INK, 3)
    elif k == 2:      # a roof box
        sk.rect((cx0 + 40, top - 60, cx1 - 80, top - 4), (40, 40, 50), INK, 5, 26)
        sk.rect((cx0 + 60, top - 50, cx1 - 120, top - 40), (90, 90, 110), None, 0, 4)
    elif k == 3:      # a light bar
        sk.rect((cx0 + 30, top - 24, cx1 - 60, top - 6), (50, 50, 60), INK, 4, 6)
        for x in range(cx0 + 60, cx1 - 70, 56):
            sk.circle((x, top - 32), 18, (255, 244, 170), INK, 4)
    else:             # skis
        sk.rect((cx0 + 20, top - 14, cx1 - 40, top - 4), (60, 60, 70), INK, 3)
        for dy, c in ((-34, CORAL), (-22, SKY)):
            sk.rect((cx0 + 10, top + dy, cx1 - 20, top + dy + 9), c, INK, 3, 4)
            sk.arc((cx1 - 40, top + dy - 10, cx1, top + dy + 10), 270, 360, c, 6)


def _spoiler(sk, k):
    colour = PALETTE[k - 1] if k not in (5,) else (40, 40, 46)
    x0, top = 316, 410
    if k == 1:        # lip
        sk.polygon([(x0, top - 4), (x0 + 80, top - 4), (x0 + 60, top - 22), (x0 - 8, top - 22)], colour, INK, 4)
    elif k in (2, 6, 8):  # a wing on struts, higher for the later ones
        h = {2: 50, 6: 70, 8: 96}[k]
        for x in (x0 + 20, x0 + 70):
            sk.rect((x, top - h, x + 10, top), (60, 60, 70), INK, 3)
        sk.polygon([(x0 - 30, top - h - 18), (x0 + 110, top - h - 18), (x0 + 120, top - h), (x0 - 20, top - h + 6)],
                   colour, INK, 5)
    elif k == 3:      # ducktail
        sk.polygon([(x0, top), (x0 + 100, top), (x0 + 40, top - 30), (x0 - 20, top - 40)], colour, INK, 5)
    elif k == 4:      # two wings
        for h in (40, 80):
            sk.rect((x0 + 40, top - h, x0 + 50, top), (60, 60, 70), INK, 3)
            sk.polygon([(x0 - 20, top - h - 12), (x0 + 100, top - h - 12), (x0 + 104, top - h), (x0 - 16, top - h + 4)],
                       colour, INK, 4)
    elif k == 5:      # carbon
        sk.rect((x0 + 30, top - 60, x0 + 40, top), (60, 60, 70), INK, 3)
        sk.polygon([(x0 - 40, top - 76), (x0 + 110, top - 76), (x0 + 116, top - 60), (x0 - 30, top - 56)],
                   colour, INK, 5)
        for x in range(int(x0 - 30), int(x0 + 106), 14):
            sk.line([(x, top - 74), (x + 8, top - 60)], (90, 90, 100), 2)
    else:             # k == 7: a huge swan neck
        sk.line([(x0 + 60, top), (x0 + 40, top - 80), (x0 + 20, top - 120)], (60, 60, 70), 8)
        sk.polygon([(x0 - 60, top - 140), (x0 + 120, top - 140), (x0 + 130, top - 112), (x0 - 50, top - 108)],
                   colour, INK, 6)
        sk.rect((x0 - 66, top - 150, x0 - 50, top - 100), colour, INK, 4)


def _front(sk, k):
    fx, y = 1000, 500
    if k == 1:        # bull bar
        sk.rect((fx - 6, y - 60, fx + 20, y + 80), None, INK, 12, 14)
        sk.rect((fx - 6, y - 60, fx + 20, y + 80), None, (200, 204, 214), 6, 14)
    elif k == 2:      # splitter
        sk.polygon([(fx - 120, y + 80), (fx + 20, y + 80), (fx + 30, y + 96), (fx - 110, y + 96)], (40, 40, 46), INK, 4)
    elif k == 3:      # winch
        sk.rect((fx - 4, y + 20, fx + 26, y + 64), (60, 60, 70), INK, 4, 6)
        sk.line([(fx + 26, y + 42), (fx + 36, y + 80)], (200, 200, 210), 4)
        sk.circle((fx + 36, y + 84), 6, CORAL, INK, 2)
    elif k == 4:      # fog lamps
        for dy in (0, 46):
            sk.circle((fx + 6, y + 10 + dy), 17, (255, 236, 120), INK, 4)
    else:             # grille guard with lights
        sk.rect((fx - 10, y - 40, fx + 14, y + 70), (230, 230, 236), INK, 4, 8)
        for yy in range(int(y - 30), int(y + 60), 16):
            sk.line([(fx - 6, yy), (fx + 10, yy)], (120, 120, 130), 3)
        sk.circle((fx + 6, y - 56), 14, (255, 244, 170), INK, 4)


def _back(sk, k):
    bx, y = 320, 500
    if k == 1:        # tow hitch
        sk.rect((bx - 40, y + 60, bx + 10, y + 70), (60, 60, 70), INK, 3)
        sk.circle((bx - 44, y + 58), 10, (200, 200, 210), INK, 3)
    elif k == 2:      # spare wheel on the rear door
        _wheel(sk, bx - 16, y - 40, 52, rim=STONE, spokes=5, dish=0.5)
    elif k == 3:      # diffuser
        sk.polygon([(bx - 10, y + 66), (bx + 140, y + 66), (bx + 130, y + 88), (bx - 4, y + 92)], (40, 40, 46), INK, 4)
        for x in range(int(bx + 10), int(bx + 130), 24):
            sk.line([(x, y + 68), (x - 4, y + 88)], (90, 90, 100), 3)
    elif k == 4:      # mud flaps
        for x in (WHEELS[0][0] - 80, WHEELS[1][0] - 80):
            sk.rect((x, y + 50, x + 14, y + 110), CORAL, INK, 3, 3)
    else:             # a ladder
        sk.rect((bx - 14, y - 100, bx - 4, y + 60), (200, 200, 210), INK, 3)
        for yy in range(int(y - 90), int(y + 60), 26):
            sk.line([(bx - 14, yy), (bx + 2, yy)], (200, 200, 210), 4)


def _exhaust(sk, k):
    x, y = 330, 578
    if k == 1:
        for dy in (0, 14):
            sk.rect((x - 40, y + dy, x + 10, y + dy + 10), (210, 214, 224), INK, 3, 5)
            sk.ellipse((x - 46, y + dy - 1, x - 34, y + dy + 11), (40, 40, 46), INK, 2)
    else:
        sk.rect((x - 70, y - 4, x + 20, y + 22), (210, 214, 224), INK, 4, 12)
        sk.polygon([(x - 70, y + 9), (x - 110, y - 10), (x - 100, y + 9), (x - 130, y + 20), (x - 96, y + 20),
                    (x - 112, y + 34)], CORAL, INK, 3)
        sk.polygon([(x - 72, y + 9), (x - 96, y + 2), (x - 92, y + 12), (x - 100, y + 18)], GOLD, None)


def _side(sk, k):
    colours = [(40, 40, 46), CORAL, (220, 224, 232), SKY]
    x0, x1 = WHEELS[0][0] + WHEEL_R + 16, WHEELS[1][0] - WHEEL_R - 16
    y = 548
    c = colours[k - 1]
    if k == 2:
        sk.polygon([(x0, y), (x1, y), (x1 + 10, y + 26), (x0 - 10, y + 26)], c, INK, 4)
        sk.line([(x0 + 10, y + 12), (x1 - 10, y + 12)], lighter(c, 0.4), 3)
    elif k == 3:
        sk.rect((x0, y + 2, x1, y + 20), c, INK, 4, 8)
        for x in range(int(x0 + 20), int(x1 - 10), 40):
            sk.circle((x, y + 11), 4, (120, 120, 130), None)
    else:
        sk.rect((x0, y, x1, y + 24), c, INK, 4, 4 if k == 1 else 12)


def _neon(sk, k):
    colours = [(60, 140, 255), (60, 255, 120), (255, 80, 200), (255, 60, 60), (170, 90, 255), (255, 230, 60)]
    c = colours[k - 1]
    for i, a in enumerate((60, 90, 140, 200)):
        grow = (3 - i) * 22
        sk.ellipse((340 - grow, 600 - grow * 0.3, 990 + grow, 640 + grow * 0.3), c, None, alpha=a // 3)


def _vinyl(sk, k):
    x0, y0, x1, y1 = 400, 420, 940, 548
    if k == 1:        # flames
        for i in range(6):
            bx = x0 + i * 50
            sk.polygon([(bx, y1 - 10), (bx + 80, y0 + 20 + (i % 2) * 20), (bx + 40, y1 - 40), (bx + 130, y1 - 60),
                        (bx + 60, y1 - 10)], CORAL if i % 2 else GOLD, INK, 3)
    elif k == 2:      # racing stripes
        for dy in (20, 46):
            sk.rect((x0 - 60, y0 + dy, x1 + 50, y0 + dy + 16), CREAM, INK, 3)
    elif k == 3:      # race number
        sk.circle(((x0 + x1) / 2 - 40, (y0 + y1) / 2), 52, CREAM, INK, 5)
    elif k == 4:      # stars
        for i in range(5):
            _star(sk, x0 + 40 + i * 110, y0 + 40 + (i % 2) * 40, 26, GOLD)
    elif k == 5:      # lightning
        sk.polygon([(x0, y0 + 60), (x0 + 200, y0 + 30), (x0 + 180, y0 + 60), (x0 + 420, y0 + 40),
                    (x0 + 260, y0 + 90), (x0 + 290, y0 + 64)], (255, 236, 80), INK, 4)
    elif k == 6:      # chequers
        for i in range(16):
            for j in range(3):
                if (i + j) % 2 == 0:
                    sk.rect((x0 + i * 30, y0 + 40 + j * 24, x0 + i * 30 + 30, y0 + 64 + j * 24), (30, 30, 36), None, 0)
    elif k == 7:      # tiger stripes
        for i in range(9):
            bx = x0 + i * 60
            sk.polygon([(bx, y0 + 10), (bx + 30, y0 + 10), (bx + 10, y0 + 60), (bx + 40, y1 - 6), (bx + 10, y1 - 6),
                        (bx - 14, y0 + 60)], (240, 140, 40), INK, 3)
    elif k == 8:      # the game's name
        sk.rect((x0 + 20, y0 + 34, x1 - 60, y1 - 20), (40, 40, 60), INK, 4, 12)
    elif k == 9:      # a red-white-red band along the doors
        for dy, col in ((30, (160, 30, 50)), (52, CREAM), (64, (160, 30, 50))):
            sk.rect((x0 - 70, y0 + dy, x1 + 60, y0 + dy + (22 if dy != 52 else 12)), col, None, 0)
    elif k == 10:     # hearts
        for i in range(4):
            _heart(sk, x0 + 70 + i * 130, y0 + 70, 30, ROSE)
    elif k == 11:     # waves
        for dy, col in ((40, SKY), (74, TEAL)):
            pts = [(x0 - 40 + i * 20, y0 + dy + math.sin(i * 0.8) * 12) for i in range(31)]
            sk.line(pts, INK, 16)
            sk.line(pts, col, 10)
    else:             # camouflage
        for i in range(14):
            cx = x0 + (i * 83) % (x1 - x0)
            cy = y0 + 20 + (i * 37) % (y1 - y0 - 30)
            sk.ellipse((cx - 40, cy - 20, cx + 40, cy + 20), [(70, 90, 50), (120, 110, 70), (40, 60, 40)][i % 3], None)


def _star(sk, x, y, r, colour):
    pts = []
    for k in range(10):
        rr = r if k % 2 == 0 else r * 0.45
        a = -math.pi / 2 + k * math.pi / 5
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
    sk.polygon(pts, colour, INK, 3)


def _heart(sk, x, y, r, colour):
    pts = []
    for i in range(40):
        t = i / 40 * 2 * math.pi
        pts.append((x + r * 0.06 * 16 * math.sin(t) ** 3,
                    y - r * 0.06 * (13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))))
    sk.polygon(pts, colour, INK, 3)


DRAW = {0: _wheels, 1: _roof, 2: _spoiler, 3: _front, 4: _back, 5: _exhaust, 6: _side, 7: _neon, 9: _vinyl}

VINYL_NAMES = ["liesmas · flames", "svītras · stripes", "numurs · number", "zvaigznes · stars", "zibens · lightning",
               "rūtis · chequers", "tīģeris · tiger", "viPRats", "karogs · flag", "sirdis · hearts",
               "viļņi · waves", "maskējums · camo"]


def part_overlay(row, k):
    """One part's picture: full screen, clear but for the part on the car and
    its line under its menu row."""
    img = transparent()
    sk = lk.Region(CAR_AREA)
    DRAW[row](sk, k)
    sk.paste_on(img)
    if row == 9 and k == 3:
        text(img, (630, 484), "77", 60, fill=INK, anchor="mm", stroke_fill=CREAM)
    if row == 9 and k == 8:
        text(img, (630, 486), "viPRats", 44, fill=CORAL, anchor="mm", stroke_fill=CREAM)
    n = PARTS[row][2]
    if row == 9:
        lv, en = VINYL_NAMES[k - 1].split(" · ") if " · " in VINYL_NAMES[k - 1] else (VINYL_NAMES[k - 1], "")
        _choice_line(img, row, f"{k}/{n} {lv}", en, GOLD)
    else:
        _choice_line(img, row, f"{k}. variants", f"option {k}/{n}", GOLD)
    return img
