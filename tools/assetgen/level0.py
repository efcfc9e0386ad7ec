"""Level 0: the shooter's sprites, the womb, the HUD frame, the help and
game-over pictures, the eleven birth slides, and the level's sounds.

Sizes follow how the game draws them.  The obstacles and the sperm cell sit
in the top-left part of their larger drawn rectangles, centred on the points
the game's hit tests compare, so that what touches on screen is what counts:
the sperm's head is at (142, 25) of its frame, and each obstacle's centre is
the offset of the player test for its kind.
"""

import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import audio
import drawings as dr
import frontend as fe
from audio import Loop, RATE
from common import (AMBER, CORAL, CREAM, GOLD, H, INK, MUTED, PANEL_DARK, ROSE, W,
                    Sketch, background, bilingual, darker, keycap, lighter, mix, out_path,
                    panel, pill, rgba, save, seeded, text, transparent)

# --- the level's own colours --------------------------------------------------------

FLESH = (150, 34, 68)          # womb walls
FLESH_DARK = (92, 16, 44)
FLUID_TOP = (58, 10, 36)
FLUID_MID = (104, 26, 58)
SPERM = (255, 238, 206)
SKIN = (255, 204, 176)
BLANKET = (150, 196, 255)

# --- obstacles: (file, drawn size, centre, visible radius) ---------------------------
# The centre is the player-test offset; the visible radius stays a little inside
# the hit radius, so a touch looks like a touch.

BLOOD_CELLS = [
    ("lvl0/asins1.png", (286, 339), (88, 88), 57, (214, 46, 60)),
    ("lvl0/asins2.png", (240, 286), (67, 54), 47, (196, 36, 54)),
    ("lvl0/asins3.png", (226, 259), (74, 70), 47, (228, 70, 74)),
]
CAPSULE = ("lvl0/tablete1.png", (248, 297), (63, 53))
TABLET = ("lvl0/tablete2.png", (213, 261), (54, 50))

SPERM_HEAD = (142, 25)
SPERM_FRAME_STEP, SPERM_FRAME = 320, (318, 270)
BULLET_FRAME = (75, 25)
BULLET_ALPHA = 210
TIME_AT = (35, 27)      # where the game draws the time text
SCORE_AT = (668, 707)   # ... the score text
NAME_AT = (460, 316)    # ... the newborn's name


def shadowed(sk_image, blur=5, offset=(4, 6), alpha=110):
    """A sprite with a soft ink shadow under it, for depth over the womb."""
    a = sk_image.getchannel("A").point(lambda v: v * alpha // 255)
    shadow = Image.new("RGBA", sk_image.size, rgba(INK, 0))
    shadow.putalpha(a)
    shadow = shadow.filter(ImageFilter.GaussianBlur(blur))
    out = Image.new("RGBA", sk_image.size)
    out.alpha_composite(shadow, offset)
    out.alpha_composite(sk_image)
    return out


def blood_cell_picture(size, centre, r, colour):
    sk = Sketch(*size)
    cx, cy = centre
    sk.circle((cx, cy), r, colour, INK, 5)
    # the dimple of a red cell: a darker middle with a lit rim around it
    sk.circle((cx, cy), r * 0.78, None, lighter(colour, 0.18), r * 0.1)
    sk.circle((cx + r * 0.05, cy + r * 0.06), r * 0.5, darker(colour, 0.25), None)
    sk.circle((cx + r * 0.12, cy + r * 0.14), r * 0.3, darker(colour, 0.38), None)
    sk.circle((cx - r * 0.42, cy - r * 0.45), r * 0.16, lighter(colour, 0.5), None)
    sk.circle((cx - r * 0.2, cy - r * 0.62), r * 0.07, lighter(colour, 0.6), None)
    return shadowed(sk.image())


def capsule_picture():
    _, size, (cx, cy) = CAPSULE
    sk = Sketch(*size)
    dr.pill_capsule(sk, cx, cy, 1.2, CORAL)
    return shadowed(sk.image())


def tablet_picture():
    _, size, (cx, cy) = TABLET
    sk = Sketch(*size)
    r = 44
    body = (214, 236, 255)
    sk.circle((cx, cy + 5), r, darker(body, 0.25), INK, 5)   # the tablet's edge
    sk.circle((cx, cy), r, body, INK, 5)
    sk.circle((cx, cy), r * 0.8, None, lighter(body, 0.5), 3)
    sk.line([(cx - r * 0.62, cy), (cx + r * 0.62, cy)], darker(body, 0.35), 5)   # the score line
    sk.arc((cx - r * 0.6, cy - r * 0.6, cx + r * 0.6, cy + r * 0.6), 200, 250, (255, 255, 255), 5)
    return shadowed(sk.image())


# --- the sperm sheet -------------------------------------------------------------------

def swimmer(sk, x, y, phase, colour=SPERM, s=1.0, dazed=False):
    """A sperm cell swimming right; (x, y) is the head's centre."""
    pts = []
    for i in range(36):
        u = i / 35.0
        d = 22 * s + u * 110 * s
        wob = math.sin(u * 6.2 + phase) * (4 + 15 * u) * s
        pts.append((x - d, y + wob))
    sk.outlined_line(pts, lighter(colour, 0.05), width=6 * s, ow=3 * s)
    # the neck thickens into the head
    sk.polygon([(x - 34 * s, y - 5 * s), (x - 14 * s, y - 11 * s), (x - 14 * s, y + 11 * s),
                (x - 34 * s, y + 5 * s)], colour, INK, 3 * s)
    sk.ellipse((x - 28 * s, y - 18 * s, x + 28 * s, y + 18 * s), colour, INK, 4 * s)
    sk.ellipse((x - 8 * s, y - 12 * s, x + 20 * s, y + 6 * s), lighter(colour, 0.5), None)
    ex, ey = x + 12 * s, y - 3 * s
    if dazed:
        for d in (-1, 1):
            sk.line([(ex - 5 * s, ey - 5 * s * d), (ex + 5 * s, ey + 5 * s * d)], INK, 2.5 * s)
    else:
        sk.circle((ex, ey), 4.5 * s, INK, None)            # a determined eye
        sk.circle((ex + 1.5 * s, ey - 1.5 * s), 1.6 * s, (255, 255, 255), None)


def sperm_sheet():
    sheet = Image.new("RGBA", (SPERM_FRAME_STEP + SPERM_FRAME[0], SPERM_FRAME[1]))
    for k, phase in enumerate((0.0, math.pi)):
        sk = Sketch(*SPERM_FRAME)
        swimmer(sk, SPERM_HEAD[0], SPERM_HEAD[1], phase)
        sheet.alpha_composite(sk.image(), (SPERM_FRAME_STEP * k, 0))
    return sheet


# --- the bullet sheet -------------------------------------------------------------------

def bullet_sheet():
    """Three frames of a glowing droplet flying right; its alpha is baked in,
    since SDL leaves per-surface alpha unused on pictures with their own."""
    fw, fh = BULLET_FRAME
    sheet = Image.new("RGBA", (fw, fh * 3))
    for k in range(3):
        sk = Sketch(fw, fh, ss=4)
        # the trail: three sparks that flicker from frame to frame
        for j, (x, r) in enumerate(((7, 3.0), (16, 3.8), (25, 4.6))):
            dy = 3.5 * math.sin(k * 2.1 + j * 1.7)
            sk.circle((x, 12.5 + dy), r * (0.8 + 0.25 * ((k + j) % 3)), lighter(GOLD, 0.3), None)
        sk.ellipse((30, 4, 72, 21), AMBER, INK, 2.5)
        sk.ellipse((44, 7.5, 68, 17.5), lighter(GOLD, 0.35 + 0.15 * k), None)
        sk.circle((62, 10.5), 2.5, (255, 255, 255), None)
        frame = sk.image()
        glow = frame.filter(ImageFilter.GaussianBlur(2.5))
        out = Image.new("RGBA", (fw, fh))
        out.alpha_composite(glow)
        out.alpha_composite(frame)
        sheet.alpha_composite(out, (0, fh * k))
    a = np.asarray(sheet.getchannel("A"), np.float32) * (BULLET_ALPHA / 255.0)
    sheet.putalpha(Image.fromarray(a.round().astype(np.uint8), "L"))
    return sheet


# --- the womb: tiles horizontally, so its two copies meet without a seam -----------------

def _periodic(x, terms):
    """A wave that repeats every W pixels: terms are (cycles, amplitude, phase)."""
    return sum(a * np.sin(2 * np.pi * c * x / W + p) for c, a, p in terms)


def womb_picture():
    reps = 3   # drawn three wide, blurred, and the middle cut out: edges wrap
    wide = W * reps
    y = np.linspace(0.0, 1.0, H, dtype=np.float32)[:, None]
    x = np.arange(wide, dtype=np.float32)[None, :]
    # fluid: dark at the walls, lighter in the middle, slow light patches
    mid = 1.0 - np.abs(y - 0.5) * 2.0
    base = np.array(FLUID_TOP, np.float32)[None, None, :]
    top = np.array(FLUID_MID, np.float32)[None, None, :]
    light = 0.55 + 0.25 * _periodic(x, [(2, 1.0, 0.4), (3, 0.6, 2.0)]) / 1.6
    t = np.clip(mid ** 1.3 * light, 0.0, 1.0)[..., None]
    rgb = base + (top - base) * t
    img = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB").convert("RGBA")

    rnd = seeded("lvl0/dzemde.png")
    # drifting specks and soft bokeh, each placed in every repeat
    dots = Image.new("RGBA", (wide, H))
    d = ImageDraw.Draw(dots)
    for _ in range(46):
        r = rnd.uniform(6, 46)
        px, py = rnd.uniform(0, W), rnd.uniform(110, H - 110)
        col = rnd.choice([CORAL, ROSE, AMBER, CREAM, (255, 140, 170)])
        a = rnd.randint(16, 42)
        for k in range(reps):
            d.ellipse((px + k * W - r, py - r, px + k * W + r, py + r), fill=rgba(col, a))
    dots = dots.filter(ImageFilter.GaussianBlur(4))
    img.alpha_composite(dots)

    # thin veins across the fluid
    veins = Image.new("RGBA", (wide, H))
    d = ImageDraw.Draw(veins)
    for v in range(5):
        y0 = rnd.uniform(160, H - 160)
        terms = [(rnd.choice((1, 2, 3)), rnd.uniform(20, 60), rnd.uniform(0, 6.3)),
                 (rnd.choice((4, 5, 7)), rnd.uniform(5, 15), rnd.uniform(0, 6.3))]
        xs = np.arange(0, wide + 8, 8, dtype=np.float32)
        ys = y0 + _periodic(xs, terms)
        d.line(list(zip(xs.tolist(), ys.tolist())), fill=rgba((190, 60, 96), 70), width=3)
    veins = veins.filter(ImageFilter.GaussianBlur(1.5))
    img.alpha_composite(veins)

    # fleshy walls above and below, with folds that follow their edge
    xs = np.arange(0, wide + 4, 4, dtype=np.float32)
    top_edge = 70 + _periodic(xs, [(2, 22, 0.3), (5, 10, 1.1), (9, 4, 2.0)])
    bottom_edge = H - 62 + _periodic(xs, [(3, 20, 2.2), (4, 9, 0.7), (11, 4, 1.5)])
    walls = Image.new("RGBA", (wide, H))
    d = ImageDraw.Draw(walls)
    for edge, far in ((top_edge, -20), (bottom_edge, H + 20)):
        pts = list(zip(xs.tolist(), edge.tolist()))
        d.polygon(pts + [(wide, far), (0, far)], fill=rgba(FLESH))
        sign = -1 if far < 0 else 1
        for k, (off, col) in enumerate(((16, FLESH_DARK), (34, darker(FLESH, 0.2)),
                                        (52, FLESH_DARK))):
            fold = edge + sign * (off + _periodic(xs, [(6 + k, 4, k)]))
            d.line(list(zip(xs.tolist(), fold.tolist())), fill=rgba(col, 200), width=5)
        d.line(pts, fill=rgba(lighter(FLESH, 0.35)), width=5)
        d.line([(px, py - sign * 4) for px, py in pts], fill=rgba(INK), width=5)
    walls = walls.filter(ImageFilter.GaussianBlur(0.8))
    img.alpha_composite(walls)
    return img.crop((W, 0, 2 * W, H))


# --- HUD ---------------------------------------------------------------------------------

def hud_overlay():
    img = transparent()
    # time: the counter's digits land at about x 52-133, y 38-80
    panel(img, (14, 16, 252, 100), fill=PANEL_DARK, alpha=215, radius=24)
    sk = Sketch(64, 64)
    dr.clock(sk, 32, 32, 26)
    sk.paste_on(img, (168, 26))
    # score: digits at about x 685-804, y 718-760; the panel closes above
    # the screen's bottom, too near the digits for the inner rim
    panel(img, (588, 696, 884, 767), fill=PANEL_DARK, alpha=215, radius=22, shadow=False, ink_width=4,
          rim=None)
    text(img, (606, 716), "Punkti", 16, fill=AMBER, anchor="lt")
    text(img, (606, 738), "Score", 14, fill=MUTED, anchor="lt")
    sk = Sketch(60, 60)
    dr.star(sk, 30, 30, 22, GOLD)
    sk.paste_on(img, (816, 706))
    # a reminder of the help key
    sk = Sketch(232, 40)
    sk.rect((0, 0, 230, 38), PANEL_DARK, INK, 3, 19, 200)
    sk.paste_on(img, (778, 18))
    keycap(img, (790, 37), "i", 13)
    text(img, (826, 37), "palīdzība · help", 14, fill=CREAM, anchor="lm")
    return img


# --- help and game over ----------------------------------------------------------------

HELP_GOALS = [
    ("Izdzīvo vienu minūti: skaitītājs augšā pa kreisi skaita līdz 00.",
     "Survive one minute: the counter at the top left runs down to 00."),
    ("Izvairies no asins šūnām un tabletēm: viens pieskāriens, un spēle beigusies.",
     "Dodge the blood cells and pills: one touch and the game is over."),
    ("Neļauj konkurentiem aizpeldēt līdz labajai malai: šauj tos ar Space!",
     "Don't let the rivals reach the right edge: shoot them with Space!"),
    ("Katrs trāpījums konkurentam dod 2 punktus. Vienlaikus lido tikai viena lode.",
     "Each rival you hit scores 2 points. Only one shot flies at a time."),
]

HELP_KEYS = fe.KEYS_LEVEL0 + [
    (["Enter"], "aizvērt palīdzību", "close the help"),
    (["Esc"], "pauze", "pause"),
    (["F7"], "mūzika", "music"),
    (["F8"], "ekrānuzņēmums", "screenshot"),
]


def help_picture():
    img = background("womb", seed=30)
    sk = Sketch(110, 110)
    dr.badge(sk, 55, 55, 46, ROSE)
    sk.paste_on(img, (28, 12))
    text(img, (83, 67), "0", 52, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
    text(img, (152, 20), "Līmenis 0: Sākums", 44, fill=CREAM, anchor="lt")
    text(img, (154, 78), "Level 0: The beginning  ·  Kā spēlēt / How to play", 22, fill=MUTED,
         anchor="lt")
    gb = (18, 130, 650, 656)
    panel(img, gb)
    y = fe.section(img, gb[0] + 24, gb[1] + 20, "Mērķis", "Goal", gb[2] - gb[0] - 48, 22) + 6
    for glv, gen in HELP_GOALS:
        y = fe.bullet(img, gb[0] + 24, y, glv, gen, gb[2] - gb[0] - 48, 18)
    # who is who, drawn as in the game
    sk = Sketch(gb[2] - gb[0] - 48, 120)
    swimmer(sk, 150, 40, 0.8, s=0.8)
    for k in range(3):
        sk.line([(36 - k * 10, 20 + k * 18), (66 - k * 10, 20 + k * 18)], GOLD, 3)
    sk.ellipse((186, 32, 214, 46), AMBER, INK, 2)
    dr.blood_cell(sk, 300, 48, 34)
    dr.pill_capsule(sk, 400, 48, 0.8)
    sk.circle((500, 48), 30, (214, 236, 255), INK, 4)
    sk.line([(482, 48), (518, 48)], darker((214, 236, 255), 0.35), 4)
    sk.paste_on(img, (gb[0] + 24, gb[3] - 150))
    text(img, (gb[0] + 24 + 110, gb[3] - 38), "tu, konkurenti · you, rivals", 15, fill=GOLD,
         anchor="mt")
    text(img, (gb[0] + 24 + 400, gb[3] - 38), "izvairies · dodge", 15, fill=CORAL, anchor="mt")
    kb = (664, 130, 1006, 656)
    panel(img, kb)
    y = fe.section(img, kb[0] + 20, kb[1] + 20, "Pogas", "Keys", kb[2] - kb[0] - 40, 22) + 4
    fe.key_list(img, kb[0] + 20, y, kb[2] - kb[0] - 40, HELP_KEYS, 16, cap_w=82)
    fb = (W / 2 - 330, 672, W / 2 + 330, 756)
    pill(img, fb, True)
    b = keycap(img, (fb[0] + 40, 711), "Enter", 26)
    text(img, (b[2] + 24, 683), "Enter vai i: atpakaļ spēlē", 28, fill=INK, anchor="lt",
         stroke_fill=None, shadow=False, max_width=fb[2] - b[2] - 40)
    text(img, (b[2] + 24, 718), "Enter or i: back to the game", 20, fill=(110, 56, 18), anchor="lt",
         stroke_fill=None, shadow=False)
    return img


def game_over_picture():
    img = background(((26, 4, 18), (70, 12, 30)), glow=(W / 2, 300, 520, ROSE, 0.25), seed=31)
    box = (112, 60, 912, 708)
    panel(img, box)
    text(img, (W / 2, 100), "Spēle beigusies!", 70, fill=CORAL, anchor="mt")
    text(img, (W / 2, 186), "Game over!", 34, fill=MUTED, anchor="mt")
    # the bump: a dazed sperm cell against a blood cell
    sk = Sketch(700, 250)
    dr.blood_cell(sk, 470, 130, 96)
    swimmer(sk, 342, 150, 2.2, s=1.3, dazed=True)
    for x, y, r in ((318, 84, 14), (362, 62, 11), (404, 84, 9)):
        dr.star(sk, x, y, r, GOLD)
    sk.paste_on(img, (W / 2 - 350, 232))
    bilingual(img, (W / 2, 500), "Tev trāpīja šūna vai tablete, vai konkurents aizpeldēja garām.",
              "A cell or a pill hit you, or a rival swam past.", 22, en_size=18, anchor="m",
              max_width=760)
    bilingual(img, (W / 2, 566), "Punkti un laiks sāksies no jauna.",
              "Score and time start over.", 20, en_size=17, anchor="m")
    fb = (W / 2 - 300, 622, W / 2 + 300, 690)
    pill(img, fb, True)
    b = keycap(img, (fb[0] + 34, 656), "Enter", 24)
    text(img, (b[2] + 20, 632), "Spied Enter, lai mēģinātu vēlreiz", 24, fill=INK, anchor="lt",
         stroke_fill=None, shadow=False, max_width=fb[2] - b[2] - 36)
    text(img, (b[2] + 20, 662), "Press Enter to try again", 17, fill=(110, 56, 18), anchor="lt",
         stroke_fill=None, shadow=False)
    return img


# --- the birth slides ---------------------------------------------------------------------

def egg(sk, x, y, r, glow=0.0):
    """The egg cell: a clear shell around the cell and its nucleus."""
    sk.circle((x, y), r, mix((255, 214, 200), (255, 244, 200), glow), INK, 5, alpha=200)
    sk.circle((x, y), r * 0.84, mix((255, 190, 176), GOLD, glow), INK, 3)
    sk.circle((x + r * 0.12, y - r * 0.08), r * 0.26, mix((232, 120, 140), CORAL, glow), INK, 3)
    sk.circle((x - r * 0.35, y - r * 0.42), r * 0.1, (255, 255, 255), None, alpha=170)


def dividing(sk, x, y, r, cells):
    """The fertilised egg split into 2, 4 or 8 cells inside its shell."""
    sk.circle((x, y), r, (255, 226, 206), INK, 5, alpha=200)
    if cells == 2:
        spots = [(-0.36, 0, 0.46), (0.36, 0, 0.46)]
    elif cells == 4:
        spots = [(-0.32, -0.32, 0.38), (0.32, -0.32, 0.38), (-0.32, 0.32, 0.38), (0.32, 0.32, 0.38)]
    else:
        spots = [(0.5 * math.cos(k * math.pi / 4), 0.5 * math.sin(k * math.pi / 4), 0.27)
                 for k in range(8)] + [(0, 0, 0.3)]
    for dx, dy, rr in spots:
        sk.circle((x + dx * r, y + dy * r), rr * r, (255, 186, 170), INK, 4)
        sk.circle((x + dx * r - rr * r * 0.3, y + dy * r - rr * r * 0.3), rr * r * 0.25,
                  (255, 230, 220), None)


def fetus(sk, x, y, s):
    """A curled-up baby in its sac; (x, y) is the sac's centre."""
    sk.circle((x, y), 190 * s, (255, 178, 170), darker(ROSE, 0.2), 5 * s, alpha=150)
    sk.outlined_line([(x - 170 * s, y + 120 * s), (x - 90 * s, y + 70 * s), (x - 40 * s, y + 40 * s)],
                     (236, 140, 150), 10 * s, INK, 3 * s)
    sk.ellipse((x - 95 * s, y - 40 * s, x + 45 * s, y + 110 * s), SKIN, INK, 5 * s)        # back
    sk.ellipse((x - 20 * s, y + 30 * s, x + 90 * s, y + 110 * s), SKIN, INK, 5 * s)        # knees
    sk.ellipse((x + 50 * s, y + 70 * s, x + 100 * s, y + 105 * s), SKIN, INK, 4 * s)       # feet
    sk.circle((x + 25 * s, y - 70 * s), 75 * s, SKIN, INK, 5 * s)                          # head
    sk.ellipse((x + 20 * s, y - 10 * s, x + 70 * s, y + 30 * s), SKIN, INK, 4 * s)        # hand
    sk.arc((x + 40 * s, y - 90 * s, x + 76 * s, y - 64 * s), 10, 170, INK, 4 * s)          # sleeping eye
    sk.circle((x + 70 * s, y - 42 * s), 12 * s, (255, 150, 150), None, alpha=160)
    sk.arc((x - 30 * s, y - 90 * s, x - 6 * s, y - 50 * s), 110, 250, darker(SKIN, 0.3), 3 * s)


def newborn(sk, x, y, s, awake=True):
    """A swaddled baby; (x, y) is the middle of its face."""
    sk.circle((x, y + 6 * s), 104 * s, BLANKET, INK, 5 * s)                              # hood
    sk.rect((x - 118 * s, y + 40 * s, x + 118 * s, y + 300 * s), BLANKET, INK, 5 * s, 90 * s)
    sk.polygon([(x - 110 * s, y + 90 * s), (x + 30 * s, y + 150 * s), (x + 110 * s, y + 80 * s),
                (x + 70 * s, y + 200 * s), (x - 80 * s, y + 190 * s)], lighter(BLANKET, 0.25), INK, 4 * s)
    sk.line([(x - 60 * s, y + 230 * s), (x + 60 * s, y + 240 * s)], darker(BLANKET, 0.2), 4 * s)
    sk.circle((x, y), 78 * s, SKIN, INK, 5 * s)
    sk.arc((x - 14 * s, y - 78 * s, x + 14 * s, y - 50 * s), 160, 420, darker(AMBER, 0.3), 5 * s)
    for side in (-1, 1):
        ex = x + side * 28 * s
        if awake:
            sk.circle((ex, y - 8 * s), 8 * s, INK, None)
            sk.circle((ex + 2.5 * s, y - 10.5 * s), 2.8 * s, (255, 255, 255), None)
        else:
            sk.arc((ex - 13 * s, y - 18 * s, ex + 13 * s, y + 2 * s), 20, 160, INK, 4 * s)
        sk.circle((x + side * 46 * s, y + 22 * s), 13 * s, (255, 150, 150), None, alpha=170)
    sk.arc((x - 20 * s, y + 10 * s, x + 20 * s, y + 42 * s), 20, 160, INK, 4 * s)            # smile
    sk.circle((x, y + 8 * s), 5 * s, darker(SKIN, 0.15), None)


def light_rays(img, centre, colour, strength):
    cx, cy = centre
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    ang = np.arctan2(yy - cy, xx - cx)
    d = np.sqrt((xx - cx) ** 2 + (yy - cy) ** 2)
    rays = (0.5 + 0.5 * np.cos(ang * 14)) ** 3 * np.clip(1.0 - d / 900, 0, 1)
    core = np.clip(1.0 - d / 420, 0, 1) ** 1.5
    a = np.clip((0.45 * rays + core) * strength * 255, 0, 255).astype(np.uint8)
    layer = Image.new("RGBA", (W, H), rgba(colour))
    layer.putalpha(Image.fromarray(a, "L"))
    img.alpha_composite(layer)


SLIDE_CAPTIONS = [
    ("Ceļā...", "On the way..."),
    ("Vēl mazliet!", "Nearly there!"),
    ("Pirmais!", "First!"),
    ("Izdevās!", "Made it!"),
    ("Šūna dalās", "The cell divides"),
    ("...un dalās", "...and divides"),
    ("...un dalās", "...and divides"),
    ("Aug...", "Growing..."),
    ("Aug lielāks", "Growing bigger"),
    ("Sveika, pasaule!", "Hello, world!"),
]


def slide_background(n):
    """The same womb on every slide, lit warmer as the story goes on."""
    glow = (W / 2, H / 2 - 40, 560 + 30 * n, mix(ROSE, GOLD, n / 10.0), 0.2 + 0.03 * n)
    return background("womb", glow=glow, seed=40)


def story_slide(n):
    """Slides 0-9: the swim, the egg, the dividing cells, the growing baby."""
    img = slide_background(n)
    if n == 9:
        light_rays(img, (W / 2, 320), (255, 246, 214), 0.9)
    sk = Sketch(W, 600)
    if n <= 3:
        egg(sk, 700, 300, 190, glow=1.0 if n == 3 else 0.0)
        if n < 3:
            head = (150 + 180 * n, 300 + (1 - n) * 30)
            for k, (dx, dy) in enumerate(((-220, -150), (-300, 110), (-160, 170))):
                swimmer(sk, head[0] + dx - 60 * n, head[1] + dy, k + n * 1.7, s=0.7)
            swimmer(sk, head[0], head[1], n * 2.0, colour=GOLD, s=1.3)
        else:
            for k in range(12):
                a = k * math.pi / 6
                sk.line([(700 + 215 * math.cos(a), 300 + 215 * math.sin(a)),
                         (700 + 262 * math.cos(a), 300 + 262 * math.sin(a))], GOLD, 8)
    elif n <= 6:
        dividing(sk, W / 2, 300, 150 + 12 * (n - 4), (2, 4, 8)[n - 4])
    elif n <= 8:
        fetus(sk, W / 2, 300, (0.75, 1.1)[n - 7])
    else:
        newborn(sk, W / 2, 250, 1.0)
    sk.paste_on(img, (0, 20))
    lv, en = SLIDE_CAPTIONS[n]
    bilingual(img, (W / 2, 640), lv, en, 44 if n == 9 else 36, anchor="m")
    return img


def naming_slide():
    img = slide_background(10)
    light_rays(img, (250, 420), (255, 238, 200), 0.45)
    text(img, (W / 2, 24), "Apsveicam! Piedzimis mazulis!", 46, fill=GOLD, anchor="mt")
    text(img, (W / 2, 86), "Congratulations! A baby is born!", 26, fill=CREAM, anchor="mt")
    sk = Sketch(440, 560)
    newborn(sk, 220, 170, 1.05)
    sk.paste_on(img, (20, 200))
    bilingual(img, (452, 206), "Kā sauksim mazuli?", "What shall we call the baby?", 34, en_size=22)
    # the name field: the game writes the name at NAME_AT in 55-point letters
    fx0, fy0, fx1, fy1 = 440, NAME_AT[1] - 14, 1006, NAME_AT[1] + 80
    sk = Sketch(fx1 - fx0 + 1, fy1 - fy0 + 1)
    sk.rect((0, 0, fx1 - fx0, fy1 - fy0), PANEL_DARK, INK, 5, 22, 240)
    sk.rect((7, 7, fx1 - fx0 - 7, fy1 - fy0 - 7), None, GOLD, 3, 16)
    sk.line([(NAME_AT[0] - fx0, fy1 - fy0 - 18), (fx1 - fx0 - 24, fy1 - fy0 - 18)],
            darker(GOLD, 0.45), 2)
    sk.paste_on(img, (fx0, fy0))
    for k, (caps, lv, en) in enumerate(NAME_KEYS):
        y = 440 + 66 * k
        x = 452
        for cap in caps:
            x = keycap(img, (x, y), cap, 18)[2] + 6
        bilingual(img, (600, y - 20), lv, en, 22, en_size=17)
    return img


NAME_KEYS = [
    (["a–z", "0–9"], "3 līdz 10 burti vai cipari", "3 to 10 letters or digits"),
    (["Backspace"], "izdzēst pēdējo", "delete the last one"),
    (["Enter"], "gatavs: uz 1. līmeni", "done: on to level 1"),
]


# --- sounds ----------------------------------------------------------------------------------

def shot_sound():
    """A wet 'bloop': a falling chirp with a bubble's wobble."""
    n = int(0.22 * RATE)
    t = np.arange(n) / RATE
    f = 260 + 900 * np.exp(-t * 22.0)
    phase = 2 * np.pi * np.cumsum(f) / RATE
    s = np.sin(phase + 0.6 * np.sin(2 * np.pi * 38 * t)) * np.exp(-t * 16.0)
    s += 0.35 * np.sin(2 * phase) * np.exp(-t * 30.0)
    noise = np.random.default_rng(21).uniform(-1, 1, n)
    s += 0.15 * noise * np.exp(-t * 80.0)
    s *= audio.envelope(n, 0.002, 0.03)
    return 0.75 * s / np.max(np.abs(s))


def lose_sound():
    """A deflating 'wah-wah-waah' over a soft thud."""
    parts = []
    for note, length in (("G4", 0.26), ("F#4", 0.26), ("F4", 0.7)):
        f0 = audio.freq(note)
        t = np.arange(int(length * RATE)) / RATE
        vib = 1.0 + 0.012 * np.sin(2 * np.pi * 6 * t) * np.clip(t / 0.2, 0, 1)
        bend = 1.0 - (0.06 * t / length if length > 0.5 else 0.0)
        phase = 2 * np.pi * np.cumsum(f0 * vib * bend) / RATE
        s = sum((1.0 / k) * np.sin(k * phase) for k in range(1, 6))
        wah = 0.55 + 0.45 * np.sin(np.pi * np.clip(t / length, 0, 1))
        parts.append(s * wah * audio.envelope(len(t), 0.01, 0.08))
    s = np.concatenate(parts)
    s = audio.layer(s * 0.6, audio.kick(0.9) * 0.8)
    return 0.8 * s / np.max(np.abs(s))


LEVEL_CHORDS = [("A2", ["A3", "C4", "E4"]), ("F2", ["F3", "A3", "C4"]), ("C3", ["G3", "C4", "E4"]),
                ("G2", ["G3", "B3", "D4"])]

# (beat, length, note) per bar; two passes of four bars, the second higher
LEVEL_RIFF = [
    [(0, 0.5, "A4"), (0.5, 0.5, "C5"), (1, 0.5, "E5"), (1.5, 0.5, "A5"), (2, 1, "G5"), (3, 0.5, "E5"),
     (3.5, 0.5, "C5")],
    [(0, 0.5, "F5"), (0.5, 0.5, "E5"), (1, 0.5, "C5"), (1.5, 0.5, "A4"), (2, 1.5, "C5"), (3.5, 0.5, "D5")],
    [(0, 0.5, "E5"), (0.5, 0.5, "G5"), (1, 0.5, "C6"), (1.5, 0.5, "G5"), (2, 0.5, "E5"), (2.5, 0.5, "G5"),
     (3, 1, "E5")],
    [(0, 0.5, "D5"), (0.5, 0.5, "B4"), (1, 0.5, "G4"), (1.5, 0.5, "B4"), (2, 0.5, "D5"), (2.5, 0.5, "G5"),
     (3, 0.5, "B5"), (3.5, 0.5, "D6")],
]


def level_music():
    """Lively and driving: 150 BPM, eight bars that loop without a seam."""
    song = Loop(bpm=150, bars=8)
    lead_send = song.bus()
    for bar in range(8):
        b0 = bar * 4
        root, voicing = LEVEL_CHORDS[bar % 4]
        second = bar >= 4
        # pumping eighth-note bass with an octave jump
        for i in range(8):
            note = audio.midi(root) + (12 if i % 4 == 3 else 0)
            song.add(audio.bass(note, song.sec(0.42), 0.9 if i % 2 == 0 else 0.7, pluckiness=9.0),
                     b0 + i * 0.5, gain=0.5)
        # off-beat chord stabs
        for beat in (0.5, 1.5, 2.5, 3.5):
            for j, note in enumerate(voicing):
                song.add(audio.pluck(audio.midi(note) + 12, song.sec(0.25), 0.6, decay=5.0),
                         b0 + beat + 0.003 * j, pan=-0.3, gain=0.16)
        # the riff, an octave up on the second pass
        for beat, length, note in LEVEL_RIFF[bar % 4]:
            n = audio.midi(note) + (12 if second and bar % 4 != 3 else 0)
            sig = audio.layer(audio.pluck(n, song.sec(length) * 0.9, 0.85, decay=2.5),
                              0.45 * audio.epiano(n, song.sec(length) * 0.8, 0.7, bright=1.4))
            song.add(sig, b0 + beat, pan=0.2, gain=0.27)
            lead_send.add(sig, b0 + beat, gain=0.25)
        # four on the floor, snare on 2 and 4, busy hats; a fill into the loop point
        for beat in range(4):
            song.add(audio.kick(1.0), b0 + beat, gain=0.55)
        snares = [(1, 0.85), (3, 0.85)]
        if bar == 7:
            snares += [(3.25, 0.5), (3.5, 0.65), (3.75, 0.8)]
        for beat, vel in snares:
            song.add(audio.snare(vel, seed=bar * 8 + int(beat * 4)), b0 + beat, gain=0.34)
        for i in range(16):
            vel = 0.8 if i % 4 == 2 else (0.5 if i % 2 == 0 else 0.3)
            song.add(audio.hat(vel, seed=bar * 16 + i), b0 + i * 0.25, pan=-0.35, gain=0.14)
    lead_send.echo(0.75, feedback=0.35, repeats=4).lowpass(3000)
    song.mix(lead_send, 0.3)
    song.reverb(size=0.4, mix=0.12)
    song.highpass(30)
    return song.master(peak=0.88, drive=1.3)


BIRTH_CHORDS = [("C3", ["E4", "G4", "C5"]), ("A2", ["E4", "A4", "C5"]), ("F2", ["F4", "A4", "C5"]),
                ("G2", ["D4", "G4", "B4"]), ("C3", ["E4", "G4", "C5"]), ("F2", ["F4", "A4", "C5"]),
                ("G2", ["D4", "G4", "B4"]), ("C3", ["E4", "G4", "C5"])]

BIRTH_MELODY = [
    [(0, 2, "E5"), (2, 1, "G5")],
    [(0, 1, "A5"), (1, 1, "G5"), (2, 1, "E5")],
    [(0, 2, "F5"), (2, 1, "A5")],
    [(0, 2, "G5"), (2, 1, "D5")],
    [(0, 1, "E5"), (1, 1, "G5"), (2, 1, "C6")],
    [(0, 1, "A5"), (1, 1, "F5"), (2, 1, "C5")],
    [(0, 1, "B4"), (1, 1, "D5"), (2, 1, "G5")],
    [(0, 3, "C5")],
]


def birth_music():
    """A lullaby in three: music box, soft pad, and a heartbeat."""
    song = Loop(bpm=84, bars=8, beats_per_bar=3)
    pads = song.bus()
    send = song.bus()
    for bar, (root, voicing) in enumerate(BIRTH_CHORDS):
        b0 = bar * 3
        for note in voicing:
            l, r = audio.pad(audio.midi(note) - 12, song.sec(3), 0.5, harmonics=4, attack=0.8,
                             release=1.2)
            pads.add_stereo(l, r, b0, gain=0.35)
        song.add(audio.bass(root, song.sec(2.8), 0.6, pluckiness=1.5), b0, gain=0.4)
        for i, note in enumerate(voicing + [voicing[1]]):
            if i < 3:
                song.add(audio.bell(audio.midi(note) + 12, song.sec(0.5), 0.35), b0 + i, pan=-0.3,
                         gain=0.12)
        for beat, length, note in BIRTH_MELODY[bar]:
            sig = audio.bell(note, song.sec(length), 0.8)
            song.add(sig, b0 + beat, pan=0.15, gain=0.3)
            send.add(sig, b0 + beat, gain=0.3)
        # a soft heartbeat on the downbeat
        song.add(audio.kick(0.5), b0, gain=0.3)
        song.add(audio.kick(0.35), b0 + 0.33, gain=0.25)
    pads.lowpass(1500)
    song.mix(pads, 1.0)
    send.echo(1.0, feedback=0.4, repeats=5).lowpass(2500)
    song.mix(send, 0.4)
    song.reverb(size=0.8, mix=0.3)
    song.highpass(28)
    return song.master(peak=0.8, drive=1.05)


# --- entry point -------------------------------------------------------------------------------

def generate(outdir):
    jobs = [audio.start_ogg(out_path(outdir, "Music/lvl0.ogg"), level_music(), serial=201),
            audio.start_ogg(out_path(outdir, "Music/piedzima.ogg"), birth_music(), serial=202)]
    written = [
        audio.write_wav(out_path(outdir, "Audio/spermsSHAUJ.wav"), shot_sound(), channels=2),
        audio.write_wav(out_path(outdir, "Audio/zaudee.wav"), lose_sound(), channels=2),
    ]
    # sprites keep their transparent surroundings; full-screen pictures are opaque
    for rel, size, centre, r, colour in BLOOD_CELLS:
        written.append(save(blood_cell_picture(size, centre, r, colour), outdir, rel, alpha=True))
    written.append(save(capsule_picture(), outdir, CAPSULE[0], alpha=True))
    written.append(save(tablet_picture(), outdir, TABLET[0], alpha=True))
    written.append(save(sperm_sheet(), outdir, "lvl0/sperms.png", alpha=True))
    written.append(save(bullet_sheet(), outdir, "lvl0/bulets.png", alpha=True))
    written.append(save(hud_overlay(), outdir, "lvl0/interfc.png", alpha=True))
    written.append(save(womb_picture(), outdir, "lvl0/dzemde.png"))
    written.append(save(game_over_picture(), outdir, "lvl0/kirdik.png"))
    written.append(save(help_picture(), outdir, "lvl0/i.png"))
    for n in range(10):
        written.append(save(story_slide(n), outdir, f"0b1/shot{n + 1}.jpg"))
    written.append(save(naming_slide(), outdir, "0b1/shot11.jpg"))
    written += [job() for job in jobs]
    return written
