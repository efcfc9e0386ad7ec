"""Pictures of level 3's fight, shop and hunting mini-games.

Fight: the opponent fills the screen; each of the seven target overlays
rings one body part and shows its key, each hit overlay bursts on it.
Shop: the basket's opening spans the band in which a falling bottle counts
as caught.  Hunt: the sight's aiming point is at (381, 45) of its picture.
"""

import math

from PIL import Image

import drawings as dr
import level3_look as lk
from common import (AMBER, CORAL, CREAM, GOLD, H, INK, LEAF, MUTED, PANEL_DARK, W, darker, keycap,
                    lighter, text, transparent)

# --- fight -------------------------------------------------------------------------------

LIFE_BAR = (335, 20, 385, 19)        # x, y, full width, height

# body part: (file stem, Latvian, English, key, centre on screen, ring radii)
BODY_PARTS = [
    ("galva", "Galva", "head", "w", (512, 196), (86, 96)),
    ("KRkaaja", "Kreisā kāja", "left leg", "c", (584, 640), (54, 92)),
    ("KRroka", "Kreisā roka", "left arm", "d", (748, 400), (62, 104)),
    ("kungjis", "Vēders", "stomach", "s", (512, 420), (96, 70)),
    ("LBkaaja", "Labā kāja", "right leg", "z", (440, 640), (54, 92)),
    ("LBroka", "Labā roka", "right arm", "a", (276, 400), (62, 104)),
    ("olas", "Cirkšņi", "groin", "x", (512, 548), (54, 40)),
]

OPPONENT = lk.Look(skin=(236, 190, 160), hair=(30, 30, 30), shirt=lk.BLACK_SHIRT, trousers=lk.DENIM,
                   shoes=(30, 30, 34), bald=True, glasses=True)


def _opponent(sk):
    """The man in the black shirt, facing the player, fists ready."""
    skin, shirt, jeans = OPPONENT.skin, OPPONENT.shirt, OPPONENT.trousers
    # legs
    for x0 in (400, 532):
        sk.rect((x0, 560, x0 + 92, 800), jeans, INK, 6, 18)
        sk.line([(x0 + 46, 600), (x0 + 46, 780)], darker(jeans, 0.2), 3)
    sk.rect((394, 548, 630, 600), darker(jeans, 0.1), INK, 6, 14)
    sk.rect((500, 556, 524, 590), (200, 170, 80), INK, 3, 4)
    # arms: upper arm out from the shoulder, forearm down to a fist at the hip
    for side in (-1, 1):
        sh = (512 + side * 170, 300)
        el = (512 + side * 236, 420)
        fist = (512 + side * 220, 520)
        sk.outlined_line([sh, el], shirt, 74, INK, 6)
        sk.outlined_line([el, fist], skin, 56, INK, 6)
        sk.circle(fist, 44, skin, INK, 6)
        for k in range(3):
            sk.line([(fist[0] - 28 + k * 20 - side * 4, fist[1] - 26), (fist[0] - 24 + k * 20 - side * 4, fist[1] - 8)],
                    darker(skin, 0.25), 3)
    # torso
    sk.polygon([(330, 300), (694, 300), (650, 566), (374, 566)], shirt, INK, 7)
    sk.line([(512, 300), (512, 400)], darker(shirt, 0.5), 3)
    sk.polygon([(470, 296), (554, 296), (512, 346)], skin, INK, 5)
    # head: shaved, sunglasses, a scowl
    sk.rect((476, 240, 548, 310), skin, INK, 6, 10)
    sk.ellipse((426, 106, 598, 292), skin, INK, 7)
    sk.ellipse((412, 176, 440, 226), skin, INK, 5)
    sk.ellipse((584, 176, 612, 226), skin, INK, 5)
    sk.rect((440, 170, 508, 206), (20, 20, 26), INK, 4, 10)
    sk.rect((516, 170, 584, 206), (20, 20, 26), INK, 4, 10)
    sk.line([(508, 180), (516, 180)], INK, 5)
    sk.line([(452, 176), (476, 176)], (120, 120, 140), 3)
    sk.line([(444, 160), (500, 168)], INK, 7)
    sk.line([(580, 160), (524, 168)], INK, 7)
    sk.arc((480, 240, 544, 270), 200, 340, INK, 5)
    sk.ellipse((500, 206, 524, 232), darker(skin, 0.1), INK, 3)


def fight_background():
    """sitveci/fons.png: the slaughterhouse's back yard at dusk and the man."""
    img = Image.new("RGBA", (W, H))
    sk = lk.Board(W, H)
    dr.sky(sk, (30, 24, 60), (110, 70, 100), 420, bands=20)
    wall = (120, 72, 62)
    sk.rect((0, 300, W, 700), wall, INK, 5)
    for y in range(320, 700, 36):
        off = 0 if (y // 36) % 2 else 40
        for x in range(-40 + off, W, 80):
            sk.rect((x, y, x + 80, y + 36), wall, darker(wall, 0.25), 2)
    sk.rect((0, 640, W, H), (80, 76, 84), INK, 5)
    sk.rect((60, 340, 220, 560), (40, 30, 36), INK, 5, 6)
    sk.rect((800, 360, 960, 470), (250, 220, 140), INK, 5, 4)
    sk.ellipse((380, 720, 660, 780), (0, 0, 0), None, alpha=90)
    _opponent(sk)
    sk.paste_on(img)
    # the life bar's frame and its name
    x, y, w, h = LIFE_BAR
    lk.inset(img, (x - 6, y - 6, x + w + 6, y + h + 6), 8, fill=(20, 10, 16))
    text(img, (x - 14, y + 10), "Dzīvība", 18, fill=CREAM, anchor="rm")
    text(img, (x - 14, y + 28), "his life", 12, fill=MUTED, anchor="rm")
    text(img, (x + w + 14, y + 2), "Vīrs melnā kreklā", 16, fill=CREAM, anchor="lt")
    text(img, (x + w + 14, y + 22), "the man in the black shirt", 11, fill=MUTED, anchor="lt")
    return img


def life_bar():
    """sitveci/dziviba.png: drawn 19 px high, as wide as the life left."""
    x, y, w, h = LIFE_BAR
    sk = lk.Board(w, h, ss=2)
    for i in range(w):
        t = i / (w - 1)
        c = (int(200 + 40 * t), int(40 + 150 * t), 40)
        sk.rect((i, 0, i + 1, h), c, None, 0)
    sk.rect((0, 2, w, 7), (255, 255, 255), None, 0, 3, 70)
    for k in range(1, 10):
        sk.line([(k * w / 10, 9), (k * w / 10, h)], (90, 20, 20), 1.5)
    return sk.image()


def _part_label(img, part, xy, colour):
    stem, lv, en, key, (cx, cy), _ = part
    x, y = xy
    b = keycap(img, (x, y), key.upper(), 30, anchor="m")
    text(img, (x, b[3] + 6), lv, 20, fill=colour, anchor="mt")
    text(img, (x, b[3] + 30), en, 14, fill=CREAM, anchor="mt")


def _label_spot(part):
    stem, lv, en, key, (cx, cy), (rx, ry) = part
    # the key sits beside the part, towards the nearer screen edge
    if cx < 470:
        return (cx - rx - 90, cy - 30)
    if cx > 560:
        return (cx + rx + 110, cy - 30)
    if cy < 300:
        return (cx + rx + 80, cy - 40)
    if cy < 500:
        return (cx + rx + 150, cy - 10)
    return (cx + 190, cy + 40)


def _area(part):
    """The part of the screen an overlay for this body part draws on."""
    _, _, _, _, (cx, cy), (rx, ry) = part
    lx, ly = _label_spot(part)
    r = max(rx, ry) + 40
    return (max(0, min(cx - r, lx) - 20), max(0, min(cy - r, ly) - 20),
            min(W, max(cx + r, lx) + 20), min(H, max(cy + r, ly) + 20))


def target_overlay(part):
    """…1.png: rings the part to hit and shows its key."""
    stem, lv, en, key, (cx, cy), (rx, ry) = part
    img = transparent()
    sk = lk.Region(_area(part))
    sk.ellipse((cx - rx - 8, cy - ry - 8, cx + rx + 8, cy + ry + 8), GOLD, None, alpha=70)
    sk.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), None, INK, 12)
    sk.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), None, GOLD, 6)
    for a in range(4):
        dx, dy = math.cos(a * math.pi / 2 + math.pi / 4), math.sin(a * math.pi / 2 + math.pi / 4)
        sk.line([(cx + dx * (rx - 14), cy + dy * (ry - 14)), (cx + dx * (rx + 20), cy + dy * (ry + 20))], INK, 10)
        sk.line([(cx + dx * (rx - 12), cy + dy * (ry - 12)), (cx + dx * (rx + 18), cy + dy * (ry + 18))], GOLD, 5)
    lx, ly = _label_spot(part)
    sk.line([(cx, cy), (lx, ly)], GOLD, 3)
    sk.paste_on(img)
    _part_label(img, part, (lx, ly), GOLD)
    return img


def hit_overlay(part):
    """…2.png: the punch lands (shown for one frame)."""
    stem, lv, en, key, (cx, cy), (rx, ry) = part
    img = transparent()
    sk = lk.Region(_area(part))
    r = max(rx, ry) + 30
    pts = []
    for k in range(24):
        rr = r if k % 2 == 0 else r * 0.55
        a = k * math.pi / 12
        pts.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    sk.polygon(pts, CORAL, INK, 6, alpha=235)
    inner = [(cx + (x - cx) * 0.6, cy + (y - cy) * 0.6) for x, y in pts]
    sk.polygon(inner, GOLD, None)
    sk.paste_on(img)
    text(img, (cx, cy), "BUMS!", 40, fill=CREAM, anchor="mm")
    _part_label(img, part, _label_spot(part), CORAL)
    return img


def key_diagram(scale=1.0):
    """The seven keys as they lie on the keyboard, each with its body part."""
    img = Image.new("RGBA", (330, 190))
    rows = [("w", 1.25, 0), ("a", 0.5, 1), ("s", 1.5, 1), ("d", 2.5, 1), ("z", 0.9, 2), ("x", 1.9, 2), ("c", 2.9, 2)]
    names = {p[3]: p[1] for p in BODY_PARTS}
    for key, col, row in rows:
        x, y = 40 + col * 82, 26 + row * 62
        b = keycap(img, (x, y), key.upper(), 20, anchor="m")
        text(img, (x, b[3] + 2), names[key], 11, fill=GOLD, anchor="mt")
    return img


def fight_intro():
    goals = [
        ("Sit vīram melnā kreklā: nospied tās ķermeņa daļas pogu, kas iezīmēta.",
         "Beat the man in the black shirt: press the key of the body part that is ringed."),
        ("Katrs trāpījums nosit viņa dzīvību; pa laikam viņš atgūstas.",
         "Every hit knocks his life bar down; he slowly gets it back."),
        ("Galva 8, cirkšņi 10, vēders 7, kājas un labā roka 6, kreisā roka 4.",
         "Head 8, groin 10, stomach 7, legs and right arm 6, left arm 4."),
        ("Kad josla tukša: +10 punkti. Šeit iziet var tikai uzvarot.",
         "Empty bar: +10 points. The only way out is to win."),
    ]
    keys = [(["W"], "galva", "head"), (["A", "D"], "labā / kreisā roka", "right / left arm"),
            (["S"], "vēders", "stomach"), (["Z", "C"], "labā / kreisā kāja", "right / left leg"),
            (["X"], "cirkšņi", "groin")]
    return lk.intro_page("Kautiņš", "The fight", goals, keys, picture=key_diagram(), seed=62)


# --- shop ---------------------------------------------------------------------------------

BASKET = (192, 91)
BASKET_DEPTH = 60         # rows of the basket above the bottom strip
BOTTLE = (23, 88)


def shop_background():
    """veikals/fons.png: shelves behind, the floor the basket runs along."""
    img = Image.new("RGBA", (W, H))
    sk = lk.Board(W, H)
    sk.rect((0, 0, W, H), (236, 226, 206), None, 0)
    for y in range(0, 560, 40):
        sk.line([(0, y), (W, y)], (224, 212, 190), 2)
    for k, y in enumerate((120, 290, 460)):
        sk.rect((0, y, W, y + 18), lk.WOOD, INK, 4)
        for x in range(10, W, 34):
            c = [(60, 130, 70), (140, 90, 40), (60, 100, 150), (200, 60, 50)][(x // 34 + k) % 4]
            sk.rect((x, y - 70, x + 20, y - 2), c, INK, 2, 4)
            sk.rect((x + 6, y - 86, x + 14, y - 70), c, INK, 2)
            sk.rect((x + 2, y - 50, x + 18, y - 30), CREAM, None, 0)
    sk.rect((0, 600, W, H), (150, 140, 150), INK, 5)
    for x in range(0, W, 64):
        sk.line([(x, 600), (x - 40, H)], (130, 120, 130), 2)
    sk.paste_on(img)
    lk.dark_panel(img, (20, 14, 380, 92))
    text(img, (40, 24), "Veikals", 30, fill=GOLD, anchor="lt")
    text(img, (190, 34), "the shop", 16, fill=MUTED, anchor="lt")
    text(img, (40, 64), "Ķer pudeles! · Catch the bottles!", 15, fill=CREAM, anchor="lt")
    lk.dark_panel(img, (640, 14, 1004, 92))
    lk.key_hint(img, 660, 36, "←→", "grozs", "basket", 15)
    lk.key_hint(img, 660, 70, "q", "iziet", "leave", 15)
    return img


def basket():
    """veikals/grozs.png, 192 x 91: a bottle counts as caught while its left
    edge is within the first 170 pixels, so the opening spans the width.
    Drawn at y 650, the bottom strip of the screen starts 66 rows down: the
    basket is a shallow one in the rows above that, the rest left clear."""
    w, h = BASKET
    bottom = BASKET_DEPTH
    sk = lk.Board(w, h, ss=3)
    red = (210, 50, 50)
    sk.polygon([(4, 16), (w - 4, 16), (w - 16, bottom), (16, bottom)], red, INK, 4)
    for k in range(1, 9):
        x = 4 + k * (w - 8) / 9
        sk.line([(x, 20), (16 + k * (w - 32) / 9, bottom - 4)], darker(red, 0.35), 3)
    sk.line([(10, 40), (w - 10, 40)], darker(red, 0.35), 3)
    sk.rect((0, 8, w, 22), lighter(red, 0.15), INK, 4, 6)
    return sk.image()


def bottle():
    """veikals/pudele.png, 23 x 88."""
    w, h = BOTTLE
    sk = lk.Board(w, h, ss=4)
    glass = (90, 60, 30)
    sk.rect((2, 32, w - 2, h - 2), glass, INK, 2.5, 6)
    sk.polygon([(4, 34), (8, 16), (15, 16), (19, 34)], glass, INK, 2.5)
    sk.rect((7, 2, 16, 18), glass, INK, 2.5, 2)
    sk.rect((6, 0, 17, 6), GOLD, INK, 2, 2)
    sk.rect((3, 46, w - 3, 70), CREAM, INK, 2, 2)
    sk.rect((5, 52, w - 5, 58), CORAL, None, 0)
    sk.line([(6, 36), (6, 84)], lighter(glass, 0.4), 2)
    return sk.image()


def shop_intro():
    goals = [
        ("Pudeles krīt no plaukta augšas; ķer tās grozā, braucot ar to pa labi un pa kreisi.",
         "Bottles fall from the top; catch them in the basket, moving it left and right."),
        ("Katra noķertā pudele: +1 punkts, un tā krīt atkal.", "Every bottle caught: +1 point, and it falls again."),
        ("Pirmā pudele, kas nokrīt uz grīdas, beidz spēli.", "The first bottle to hit the floor ends the game."),
        ("Dzērājam pietiek, ka tu šeit iegāji.", "For the drinker it is enough that you came in."),
    ]
    keys = [(["←", "→"], "grozs pa kreisi / pa labi", "basket left / right"), (["q"], "iziet", "leave")]
    pic = Image.new("RGBA", (260, 190))
    pic.alpha_composite(basket(), (34, 96))
    for x, y in ((60, 0), (130, 30), (200, 10)):
        pic.alpha_composite(bottle(), (x, y))
    return lk.intro_page("Veikals", "The shop", goals, keys, picture=pic, seed=63)


# --- hunting -----------------------------------------------------------------------------------

SIGHT = (769, 438)
AIM = (381, 45)
# the rows the game repeats under a raised sight (see sight())
SIGHT_TAIL = 32
SIGHT_TAIL_TOP = SIGHT[1] - SIGHT_TAIL
BIRD = (91, 101)
FALL_FRAMES = 8
COUNTER_PANEL = (120, 120)


def hunt_background():
    """medibas/fons.png: open sky over a field and the forest's edge."""
    img = Image.new("RGBA", (W, H))
    sk = lk.Board(W, H)
    dr.sky(sk, (110, 170, 235), (230, 226, 210), 640, bands=28)
    for x, y, r in ((120, 110, 50), (180, 96, 40), (640, 180, 56), (700, 164, 44), (760, 186, 36)):
        sk.circle((x, y), r, (250, 250, 255), None, alpha=220)
    sk.circle((880, 90), 46, (255, 236, 150), INK, 4)
    for k in range(26):
        x = k * 42 - 10
        h = 70 + (k * 37) % 50
        sk.polygon([(x, 640), (x + 30, 640 - h), (x + 60, 640)], darker(LEAF, 0.35 + (k % 3) * 0.05), INK, 3)
    sk.rect((0, 630, W, H), (150, 170, 80), INK, 4)
    for y in range(650, H, 24):
        sk.line([(0, y), (W, y + 8)], (136, 156, 70), 3)
    sk.paste_on(img)
    lk.dark_panel(img, (20, 14, 420, 92))
    text(img, (40, 24), "Medības", 30, fill=GOLD, anchor="lt")
    text(img, (192, 34), "the hunt", 16, fill=MUTED, anchor="lt")
    text(img, (40, 64), "Trāpi 25 putniem · Hit 25 birds", 15, fill=CREAM, anchor="lt")
    lk.dark_panel(img, (560, 14, 1004, 92))
    x = lk.key_hint(img, 580, 36, "←↑↓→", "tēmēt", "aim", 15)
    lk.key_hint(img, x + 20, 36, "Space", "šaut", "shoot", 15)
    lk.key_hint(img, 580, 70, "q", "iziet", "leave", 15)
    return img


def sight():
    """medibas/merkis.png, 769 x 438: the cross-hair's centre is the aiming
    point (381, 45); the rifle and the hunter's hands come up from below.
    The game repeats the last SIGHT_TAIL rows down to the screen's bottom
    when the sight is raised, so below SIGHT_TAIL_TOP the sleeves and the
    stock run straight down and every row there is the same."""
    w, h = SIGHT
    ax, ay = AIM
    sk = lk.Board(w, h, ss=2)
    wood = (150, 96, 56)
    sleeve = (90, 110, 70)
    straight = SIGHT_TAIL_TOP - 40
    # stock and hands at the bottom, the barrel running up to under the cross-hair
    sk.polygon([(ax - 72, h + 10), (ax - 72, straight), (ax - 56, 250), (ax + 56, 250), (ax + 72, straight),
                (ax + 72, h + 10)], wood, INK, 6)
    sk.line([(ax - 30, straight + 20), (ax - 30, h + 10)], darker(wood, 0.2), 4)
    sk.polygon([(ax - 20, 256), (ax - 12, 130), (ax + 12, 130), (ax + 20, 256)], (70, 72, 82), INK, 5)
    sk.rect((ax - 8, 110, ax + 8, 140), (50, 52, 60), INK, 4, 3)
    for side in (-1, 1):
        hx = ax + side * 100
        sx = ax + side * 170
        sk.outlined_line([(sx, h + 40), (sx, straight), (hx + side * 20, 330)], sleeve, 60, INK, 5)
        sk.line([(sx - side * 12, straight + 10), (sx - side * 12, h + 40)], darker(sleeve, 0.2), 4)
        sk.circle((hx, 318), 40, lk.SKIN, INK, 5)
    # the cross-hair
    for width, colour in ((10, INK), (4, CORAL)):
        sk.circle((ax, ay), 36, None, colour, width)
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            sk.line([(ax + dx * 12, ay + dy * 12), (ax + dx * 44, ay + dy * 44)], colour, width)
    sk.circle((ax, ay), 3, CORAL, None)
    return sk.image()


def _bird(sk, x, y, flap, colour=(110, 80, 60), heading=1, dead=False, s=1.0):
    """A duck-like bird flying along `heading` (1 right, -1 left), about
    95*s pixels from tail to beak."""
    h = heading * s
    sk.ellipse((x - 30 * s, y - 14 * s, x + 30 * s, y + 16 * s), colour, INK, 4 * s)
    hx = x + 32 * h
    sk.circle((hx, y - 10 * s), 13 * s, (60, 130, 80), INK, 4 * s)
    sk.polygon([(hx + 9 * h, y - 14 * s), (hx + 22 * h, y - 8 * s), (hx + 9 * h, y - 4 * s)], AMBER, INK, 3 * s)
    if dead:
        for d in (-1, 1):
            sk.line([(hx - 4 * s, y - (16 - d * 4) * s), (hx + 4 * s, y - (8 + d * 4) * s)], INK, 3 * s)
    else:
        sk.circle((hx + 4 * h, y - 13 * s), 3 * s, INK, None)
    tail = [(x - 28 * h, y - 4 * s), (x - 42 * h, y - 14 * s), (x - 40 * h, y + 8 * s)]
    sk.polygon(tail, darker(colour, 0.2), INK, 3 * s)
    wy = y - (6 + flap * 40) * s
    sk.polygon([(x - 14 * h, y - 4 * s), (x + 12 * h, y - 4 * s), (x - 4 * h, wy)], lighter(colour, 0.25), INK, 4 * s)


def bird(heading):
    """putns.png (flying right) and putns2.png (flying left), 91 x 101."""
    w, h = BIRD
    sk = lk.Board(w, h, ss=3)
    _bird(sk, w / 2 - 2 * heading, 62, 1.0, heading=heading, s=0.88)
    return sk.image()


def falling_birds():
    """putns_kirdik.png: the hit bird tumbling down, frames of 91 x 101."""
    w, h = BIRD
    sheet = Image.new("RGBA", (w * FALL_FRAMES, h))
    for f in range(FALL_FRAMES):
        sk = lk.Board(w, h, ss=3)
        _bird(sk, w / 2, 54, 0.2, colour=(130, 96, 70), dead=True, s=0.72)
        im = sk.image().rotate(-40 * f - 20, resample=Image.BICUBIC, center=(w / 2, 52))
        sk2 = lk.Board(w, h, ss=3)
        for k in range(3 + f):
            a = k * 2.1 + f
            px, py = w / 2 + math.cos(a) * (14 + f * 5), 40 + math.sin(a) * (10 + f * 4) - f * 2
            sk2.ellipse((px - 6, py - 3, px + 6, py + 3), CREAM, INK, 1.5)
        frame = sk2.image()
        frame.alpha_composite(im)
        sheet.alpha_composite(frame, (f * w, 0))
    return sheet


def counter_panel():
    """medibas/info.png, 120 x 120: the level writes "n/25" at (19, 49).
    It is drawn at (904, 628) and the HUD's music panel covers it from row
    104 down, so the panel ends above that."""
    w, h = COUNTER_PANEL
    bottom = 100
    img = Image.new("RGBA", (w, h))
    sk = lk.Board(w, h)
    sk.rect((2, 2, w - 2, bottom), PANEL_DARK, INK, 4, 16, 240)
    sk.rect((8, 8, w - 8, bottom - 6), None, AMBER, 2, 12)
    sk.rect((12, 42, w - 12, 79), (12, 8, 22), INK, 3, 8, 235)
    sk.paste_on(img)
    text(img, (w / 2, 11), "Trāpīti", 15, fill=GOLD, anchor="mt")
    text(img, (w / 2, 28), "hits", 10, fill=MUTED, anchor="mt")
    text(img, (w / 2, 81), "no 25 · of 25", 10, fill=MUTED, anchor="mt")
    return img


def hunt_intro():
    goals = [
        ("Divi putnu bari lido pāri debesīm: viens no kreisās, otrs no labās.",
         "Two flocks cross the sky: one from the left, one from the right."),
        ("Novieto krustiņu uz putna un šauj ar Space. Katrs trāpījums: +1.",
         "Put the cross-hair on a bird and shoot with Space. Every hit: +1."),
        ("Pie 25 trāpījumiem medības beidzas pašas.", "At 25 hits the hunt ends by itself."),
    ]
    keys = [(["←↑↓→"], "tēmēt", "aim"), (["Space"], "šaut", "shoot"), (["q"], "iziet", "leave")]
    pic = Image.new("RGBA", (300, 170))
    pic.alpha_composite(bird(1), (10, 10))
    pic.alpha_composite(bird(-1), (190, 30))
    s = sight().resize((230, 131), Image.LANCZOS)
    pic.alpha_composite(s, (int(150 - AIM[0] * 230 / 769), int(40 - AIM[1] * 131 / 438)))
    return lk.intro_page("Medības", "The hunt", goals, keys, picture=pic, seed=64)
