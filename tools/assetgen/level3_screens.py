"""Level 3's screens and overlays: the HUD strip, the dialog box, the music
panel, the map, the notice board, the information screen, the hunger
notice, the closing picture and the potty mini-game's pictures.

Positions below are where the level draws its texts and pieces on the
1024 x 768 screen; the pictures leave room for them.
"""

import math

from PIL import Image

import drawings as dr
import level3_look as lk
import level3_plan as plan
import level3_sprites as sp
from common import (AMBER, CORAL, CREAM, GOLD, H, INK, MINT, MUTED, PANEL, PANEL_DARK, ROSE, SKY,
                    TEAL, W, background, darker, keycap, lighter, panel, pill, soft_shadow, text,
                    transparent)
from frontend import bullet, key_list, section

FOOD_BAR = (156, 743)
TOILET_BAR = (316, 743)
BAR_MAX = 135
SCORE_AT = (666, 745)
STRIP_TOP = 716
DIALOG_LINES = ((10, 580), (10, 620))


# --- heads-up display --------------------------------------------------------------------

def hud_overlay():
    """interfc3.png: the strip along the bottom that the bars and the score
    are drawn into; clear over the play area."""
    img = transparent()
    sk = lk.Board(W, H - STRIP_TOP + 40)
    sk.rect((-30, 0, 790, 100), PANEL_DARK, INK, 4, 18, 236)
    sk.rect((-30, 5, 784, 100), None, darker(AMBER, 0.3), 2, 14)
    sk.rect((800, 16, W + 30, 100), PANEL_DARK, INK, 4, 14, 236)
    sk.paste_on(img, (0, STRIP_TOP))
    # the sheen laid over the strip, not cut into it: drawn straight into
    # the strip it would leave the strip's top rows nearly clear
    sk = lk.Board(781, 19)
    sk.rect((0, 2, 780, 18), (255, 255, 255), None, 0, 10, 16)
    sk.paste_on(img, (0, STRIP_TOP))
    y = STRIP_TOP + 17
    for cap, lv, en in (("k", "karte", "map"), ("i", "info", "help")):
        b = keycap(img, (10, y), cap, 12)
        lk.label(img, (b[2] + 6, y + 5), lv, en, 13)
        y += 27
    for (x, yb), lv, en in ((FOOD_BAR, "Ēdiens", "food"), (TOILET_BAR, "Tualete", "toilet")):
        lk.inset(img, (x - 3, yb - 3, x + BAR_MAX + 3, yb + sp.BAR_H + 3), 6)
        lk.label(img, (x, yb - 9), lv, en, 14)
    _score_place(img)
    # the music keys, on the right
    x = lk.key_hint(img, 814, STRIP_TOP + 34, "m", "mūzika", "music", 13)
    text(img, (x + 8, STRIP_TOP + 35), "t y u", 11, fill=MUTED, anchor="lm")
    # a food and a toilet sign beside the troughs
    sk = lk.Board(40, 34)
    sk.ellipse((4, 12, 36, 30), CREAM, INK, 3)
    sk.ellipse((10, 8, 30, 22), (214, 150, 70), INK, 2)
    sk.paste_on(img, (112, 734))
    sk = lk.Board(30, 36)
    sk.rect((6, 4, 24, 16), CREAM, INK, 3, 3)
    sk.ellipse((2, 14, 28, 32), CREAM, INK, 3)
    sk.paste_on(img, (284, 732))
    return img


def _score_place(img):
    """The score's label and a star beside where the digits go. Some states
    draw no digits over the same strip, so the digits get no box of their
    own: an empty box would look broken, a label with its star does not."""
    sx, sy = SCORE_AT
    sk = lk.Board(24, 24)
    dr.badge(sk, 12, 12, 10, darker(AMBER, 0.3))
    dr.star(sk, 12, 12.5, 6.5, GOLD)
    sk.paste_on(img, (sx - 30, sy - 2))
    lk.label(img, (sx - 4, sy - 9), "Punkti", "score", 14)


# --- dialog box -----------------------------------------------------------------------------

def dialog_box():
    """dialog.png: the level writes its two lines (Latvian, then English) at
    (10, 580) and (10, 620) in white, 23 points; the longest ends near x 933,
    so the box runs the screen's full width with its frame's ends off the
    edges, and its inside (y 563..699) holds both lines. The rest of the
    screen stays clear so the town goes on underneath."""
    img = transparent()
    box = (-20, 556, W + 20, 706)
    soft_shadow(img, (0, 556, W, 706), 10)
    sk = lk.Board(W + 40, 151)
    # opaque: the town moving under a see-through box disturbs the lines
    sk.rect((0, 0, W + 38, 150), (26, 20, 52), INK, 5, 20)
    sk.rect((8, 7, W + 30, 143), None, AMBER, 3, 14)
    sk.paste_on(img, (box[0], box[1]))
    # a tab with a speech bubble naming the box
    sk = lk.Board(330, 44)
    sk.rect((0, 0, 328, 52), AMBER, INK, 4, 14)
    sk.rect((12, 9, 44, 31), CREAM, INK, 3, 7)
    sk.polygon([(20, 30), (16, 38), (28, 30)], CREAM, INK, 3)
    sk.paste_on(img, (14, 520))
    text(img, (58, 532), "Saruna", 20, fill=INK, anchor="lt", stroke_fill=None, shadow=False)
    text(img, (146, 536), "conversation", 15, fill=(110, 56, 18), anchor="lt", stroke_fill=None,
         shadow=False)
    # the two answers, under the lines
    x = 560
    for cap, lv, en, colour in (("Y", "jā", "yes", MINT), ("N", "nē", "no", CORAL)):
        b = keycap(img, (x, 680), cap, 17)
        t = text(img, (b[2] + 8, 682), lv, 19, fill=colour, anchor="lm")
        t = text(img, (t[2] + 6, 683), en, 15, fill=MUTED, anchor="lm")
        x = t[2] + 40
    text(img, (24, 682), "Atbildi ar Y vai N · answer with Y or N", 14, fill=MUTED, anchor="lm")
    return img


# --- music panel ------------------------------------------------------------------------------

def music_panel():
    """mp3.png: the panel slides in from the left (drawn at x -818 .. 0), so it
    fills the left part of the picture and the rest stays clear."""
    img = transparent()
    top, bottom = 480, 700
    sk = lk.Board(842, bottom - top + 1)
    sk.rect((-30, 0, 800, bottom - top), (30, 24, 56), INK, 5, 24, 245)
    sk.rect((-30, 7, 793, bottom - top - 7), None, TEAL, 3, 18)
    sk.paste_on(img, (0, top))
    sk = lk.Board(90, 90)
    sk.rect((10, 30, 34, 60), (90, 90, 110), INK, 4, 4)
    sk.polygon([(34, 30), (60, 12), (60, 78), (34, 60)], (120, 120, 140), INK, 4)
    for r in (14, 24):
        sk.arc((60 - r, 45 - r, 60 + r, 45 + r), -40, 40, TEAL, 4)
    sk.paste_on(img, (20, top + 14))
    text(img, (120, top + 18), "Mūzika", 30, fill=GOLD, anchor="lt")
    text(img, (250, top + 28), "Music", 20, fill=MUTED, anchor="lt")
    for i in range(10):
        col, row = i % 5, i // 5
        x0 = 20 + col * 152
        y0 = top + 76 + row * 60
        sk = lk.Board(146, 52)
        sk.rect((0, 0, 144, 50), PANEL, INK, 3, 12)
        sk.circle((25, 25), 17, [CORAL, TEAL, GOLD, SKY, ROSE][i % 5], INK, 3)
        sk.paste_on(img, (x0, y0))
        text(img, (x0 + 25, y0 + 25), str(i + 1), 15, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
        text(img, (x0 + 50, y0 + 8), "Dziesma", 14, fill=CREAM, anchor="lt")
        text(img, (x0 + 50, y0 + 28), f"track {i + 1}", 11, fill=MUTED, anchor="lt")
    x = 400
    for cap, lv in (("t", "iepr. · prev"), ("y", "pauze · pause"), ("u", "nāk. · next")):
        b = keycap(img, (x, top + 34), cap, 14)
        t = text(img, (b[2] + 6, top + 39), lv, 12, fill=CREAM, anchor="ls")
        x = t[2] + 14
    b = keycap(img, (400, top + 60), "m", 12)
    text(img, (b[2] + 6, top + 64), "aizvērt · close", 11, fill=MUTED, anchor="ls")
    return img


# --- full-screen pages ---------------------------------------------------------------------

def _title(img, lv, en, y=16, size=46, colour=CREAM):
    b = text(img, (W / 2, y), lv, size, fill=colour, anchor="mt")
    return text(img, (W / 2, b[3] + 4), en, int(size * 0.5), fill=MUTED, anchor="mt")[3]


def _way_back(img, caps, lv, en, y=712):
    fb = (W / 2 - 300, y - 40, W / 2 + 300, y + 42)
    pill(img, fb, True)
    x = fb[0] + 36
    for cap in caps:
        b = keycap(img, (x, y), cap, 24)
        x = b[2] + 10
    text(img, (x + 14, y - 26), lv, 26, fill=INK, anchor="lt", stroke_fill=None, shadow=False,
         max_width=fb[2] - x - 30)
    text(img, (x + 14, y + 6), en, 19, fill=(110, 56, 18), anchor="lt", stroke_fill=None, shadow=False,
         max_width=fb[2] - x - 30)


def hunger_notice():
    """bads.png: food ran out; Enter starts the town again."""
    img = background(((30, 8, 20), (80, 20, 30)), glow=(W / 2, 300, 520, CORAL, 0.25), seed=71)
    box = (112, 60, 912, 640)
    panel(img, box)
    y = _title(img, "Tu esi izsalcis!", "You are starving!", 90, 62, CORAL)
    sk = lk.Board(520, 230)
    sk.ellipse((150, 120, 370, 210), CREAM, INK, 6)
    sk.ellipse((180, 136, 340, 196), lighter(CREAM, 0.4), None)
    for x in (110, 410):
        sk.rect((x, 70, x + 12, 200), STEEL, INK, 4, 4)
    sk.ellipse((100, 40, 132, 90), STEEL, INK, 4)
    sk.rect((400, 40, 432, 96), STEEL, INK, 4, 10)
    for k in range(3):
        sk.arc((220 + k * 30, 60, 250 + k * 30, 110), 200, 340, MUTED, 4)
    sk.paste_on(img, (W // 2 - 260, y + 20))
    y += 270
    text(img, (W / 2, y), "Ēdiens beidzās. Ēd pie kvasa stenda (Space uz šķīvja)!", 22, fill=CREAM,
         anchor="mt", max_width=760)
    text(img, (W / 2, y + 34), "Food ran out. Eat at the kvass stand (Space on the plate)!", 17,
         fill=MUTED, anchor="mt", max_width=760)
    text(img, (W / 2, y + 78), "Pilsēta sākas no jauna, punkti paliek.", 22, fill=GOLD, anchor="mt")
    text(img, (W / 2, y + 110), "The town starts again; your points stay.", 17, fill=MUTED, anchor="mt")
    _way_back(img, ["Enter"], "Spied Enter un mēģini vēlreiz", "Press Enter and try again")
    return img


STEEL = (190, 196, 210)

NOTES = [
    ("Dzērājs uz soliņa pie baznīcas grib dzert. Veikals ir pie Rikša garāžas.",
     "The drinker on the bench by the church is thirsty. The shop is by Riktis's garage.", CREAM),
    ("Vīrs pie PĀRTIKAS veikala grib belašus. Ēdiens ir pie kvasa stenda.",
     "The man at the GROCERIES wants belaši. Food is at the kvass stand.", GOLD),
    ("Riktis tūnē mašīnas, bet vispirms jāredz, kā tu brauc.",
     "Riktis tunes cars, but first he wants to see you drive.", SKY),
    ("Vecais mednieks parkā aicina medībās.", "The old hunter in the park invites you to hunt.", MINT),
    ("Kautuvē meklē īstus vīrus.", "The slaughterhouse is looking for real men.", CORAL),
    ("Viss padarīts? Autobuss uz mājām atiet no pieturas!", "All done? The bus home leaves from the stop!",
     (150, 240, 150)),
]


def notice_board():
    """infoBC.png: the town's notice board, with a note for every task. The
    game draws the score on this page, so its foot is a strip like the HUD's
    with the score's box where the HUD has it."""
    img = background("town", seed=72)
    sk = lk.Board(980, 580)
    sk.rect((0, 0, 978, 578), lk.WOOD, INK, 6, 12)
    sk.rect((22, 22, 956, 556), (120, 150, 110), INK, 4, 6)
    sk.paste_on(img, (22, 96))
    _title(img, "Ziņojumu dēlis", "Town notice board", 16, 44)
    for i, (lv, en, colour) in enumerate(NOTES):
        col, row = i % 2, i // 2
        x0, y0 = 62 + col * 460, 128 + row * 172
        card = Image.new("RGBA", (430, 160))
        sk = lk.Board(430, 160)
        sk.rect((4, 6, 424, 156), colour, INK, 4, 4)
        sk.circle((215, 14), 9, CORAL, INK, 3)
        sk.paste_on(card)
        y = 30
        for line in _wrap(lv, 19, 390):
            text(card, (20, y), line, 19, fill=INK, anchor="lt", stroke_fill=None, shadow=False)
            y += 25
        y += 4
        for line in _wrap(en, 15, 390):
            text(card, (20, y), line, 15, fill=(70, 60, 80), anchor="lt", stroke_fill=None, shadow=False,
                 bold=False)
            y += 20
        card = card.rotate((i % 3 - 1) * 1.5, resample=Image.BICUBIC, expand=False)
        img.alpha_composite(card, (x0, y0))
    lk.dark_panel(img, (-30, 690, W + 30, H + 40), alpha=255)
    fb = (24, 700, 620, 760)
    pill(img, fb, True)
    b = keycap(img, (fb[0] + 28, 730), "Enter", 20)
    text(img, (b[2] + 16, 708), "Spied Enter, lai ietu atpakaļ", 22, fill=INK, anchor="lt", stroke_fill=None,
         shadow=False)
    text(img, (b[2] + 16, 735), "Press Enter to go back", 16, fill=(110, 56, 18), anchor="lt", stroke_fill=None,
         shadow=False)
    _score_place(img)
    return img


def _wrap(s, size, width):
    from common import wrap
    return wrap(s, size, width)


MARKER_MEANINGS = [
    ("misija", "Runāt (Space), atbildēt Y / N", "Talk (Space), answer Y / N"),
    ("cp", "Minispēle (Space)", "A mini-game (Space)"),
    ("food", "Paēst (Space)", "Eat (Space)"),
    ("info", "Ziņojumu dēlis", "The notice board"),
    ("izeja", "Izeja: kad viss padarīts", "The exit: when all is done"),
]

GOALS = [
    ("Runā ar pilsētniekiem un izpildi viņu lūgumus: dzērājs, belašu vīrs, Riktis, mednieks un kautuve.",
     "Talk to the townsfolk and do what they ask: the drinker, the belaši man, Riktis, the hunter and the slaughterhouse."),
    ("Kad pieci uzdevumi padarīti, pie autobusa pieturas atveras izeja.",
     "With the five tasks done, the exit opens at the bus stop."),
    ("Ēdiens un tualete sarūk visu laiku: ēd pie kvasa stenda, tualete ir parkā.",
     "Food and the toilet need run down all the time: eat at the kvass stand, the toilet is in the park."),
]

KEYS = [
    (["←↑↓→"], "iet", "walk"),
    (["Space"], "runāt, ieiet, paēst", "talk, go in, eat"),
    (["Y", "N"], "jā / nē", "yes / no"),
    (["k"], "karte", "map"),
    (["i"], "šī lapa", "this page"),
    (["m"], "mūzika: t, y, u", "music: t, y, u"),
    (["Esc"], "pauze", "pause"),
]


def info_screen(marker_pictures):
    """i.png: how to play the town, what the markers mean, the keys."""
    img = background("town", seed=73)
    sk = lk.Board(110, 110)
    dr.badge(sk, 55, 55, 46, SKY)
    sk.paste_on(img, (28, 12))
    text(img, (83, 67), "3", 52, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
    text(img, (152, 20), "Līmenis 3: Mazpilsēta", 44, fill=CREAM, anchor="lt")
    text(img, (154, 78), "Level 3: The small town  ·  Kā spēlēt / How to play", 22, fill=MUTED, anchor="lt")
    gb = (18, 128, 650, 666)
    panel(img, gb)
    y = section(img, gb[0] + 24, gb[1] + 18, "Mērķis", "Goal", gb[2] - gb[0] - 48, 22) + 4
    for glv, gen in GOALS:
        y = bullet(img, gb[0] + 24, y, glv, gen, gb[2] - gb[0] - 48, 17)
    y = section(img, gb[0] + 24, y + 2, "Zīmes uz zemes", "Markers on the ground", gb[2] - gb[0] - 48, 20) + 2
    for i, (name, lv, en) in enumerate(MARKER_MEANINGS):
        pic = marker_pictures[plan.MARKERS[name][0]]
        x, yy = gb[0] + 24 + (i % 2) * 306, y + (i // 2) * 56
        img.alpha_composite(pic, (x, yy + (56 - pic.height) // 2))
        text(img, (x + 86, yy + 8), lv, 15, fill=CREAM, anchor="lt", max_width=210)
        text(img, (x + 86, yy + 29), en, 12, fill=MUTED, anchor="lt", max_width=210)
    kb = (664, 128, 1006, 666)
    panel(img, kb)
    y = section(img, kb[0] + 20, kb[1] + 18, "Pogas", "Keys", kb[2] - kb[0] - 40, 22) + 4
    key_list(img, kb[0] + 20, y, kb[2] - kb[0] - 40, KEYS, 16, cap_w=82)
    _way_back(img, ["i", "Enter"], "i vai Enter: atpakaļ pilsētā", "i or Enter: back to the town", y=716)
    return img


def closing_picture():
    """beigas.png: the demo's end; the game fades it in with surface alpha,
    so it is stored without an alpha channel."""
    img = Image.new("RGBA", (W, H))
    sk = lk.Board(W, H)
    dr.sky(sk, (40, 30, 90), (250, 150, 110), 520, bands=30)
    sk.circle((W / 2 + 180, 470), 90, (255, 214, 120), None)
    sk.circle((W / 2 + 180, 470), 70, (255, 236, 170), None)
    # the town's skyline against the sunset
    sil = (50, 34, 70)
    for x, w_, h_ in ((0, 160, 130), (150, 120, 180), (260, 200, 110), (600, 140, 150), (730, 160, 120),
                      (880, 160, 170)):
        sk.rect((x, 520 - h_, x + w_, 530), sil, None, 0)
    # the church: its spire tops out under the lines of text
    sk.rect((420, 330, 470, 530), sil, None, 0)
    sk.polygon([(410, 334), (445, 246), (480, 334)], sil, None)
    sk.rect((0, 520, W, H), (70, 60, 90), None, 0)
    sk.rect((0, 560, W, 640), (60, 62, 72), INK, 4)
    for x in range(0, W, 120):
        sk.rect((x, 598, x + 60, 604), CREAM, None, 0)
    # the bus home, driving off
    bx = 230
    sk.rect((bx, 470, bx + 330, 590), (240, 200, 60), INK, 5, 18)
    for k in range(5):
        sk.rect((bx + 20 + k * 60, 488, bx + 66 + k * 60, 530), (170, 210, 240), INK, 3, 5)
    sk.rect((bx + 300, 488, bx + 326, 560), (170, 210, 240), INK, 3, 4)
    for x in (bx + 60, bx + 260):
        sk.circle((x, 592), 26, (40, 40, 46), INK, 4)
        sk.circle((x, 592), 10, STEEL, INK, 2)
    for k in range(3):
        sk.line([(bx - 30 - k * 40, 520 + k * 20), (bx - 10 - k * 40, 520 + k * 20)], CREAM, 5)
    sk.paste_on(img)
    img = img.convert("RGB").convert("RGBA")
    text(img, (W / 2, 40), "Demo beigas", 74, fill=CREAM, anchor="mt")
    text(img, (W / 2, 126), "End of the demo", 34, fill=(255, 230, 200), anchor="mt")
    text(img, (W / 2, 190), "Paldies, ka spēlēji!  ·  Thanks for playing!", 28, fill=GOLD, anchor="mt")
    fb = (W / 2 - 280, 666, W / 2 + 280, 744)
    pill(img, fb, True)
    b = keycap(img, (fb[0] + 36, 705), "Space", 24)
    text(img, (b[2] + 22, 680), "Space: uz izvēlni", 26, fill=INK, anchor="lt", stroke_fill=None, shadow=False)
    text(img, (b[2] + 22, 712), "Space: back to the menu", 18, fill=(110, 56, 18), anchor="lt",
         stroke_fill=None, shadow=False)
    return img


# --- the map ---------------------------------------------------------------------------------

MAP_VIEW = (470, 420, 3890, 2900)        # world area shown
MAP_BOX = (14, 96, 844, 700)             # where it sits on the screen

PLACES = [
    ((1110, 1500), "Baznīca", "church"),
    ((2400, 700), "Kautuve", "slaughterhouse"),
    ((2580, 1000), "Garāža", "garage"),
    ((2590, 1560), "Veikals", "shop"),
    ((3210, 1620), "Pārtika", "groceries"),
    ((2180, 2050), "Kvass", "kvass"),
    ((1800, 800), "Parks", "park"),
    ((3080, 700), "Stāvvieta", "car park"),
    ((3600, 880), "Dārzs", "orchard"),
    ((3590, 2020), "Rotaļu laukums", "playground"),
    ((2200, 2700), "Iela", "road"),
    ((2157, 500), "Tualete", "toilet"),
    ((2574, 2250), "Pietura", "bus stop"),
]

# who stands where (the figures the talk spots belong to)
PEOPLE = [
    ((1145, 1960), "Dzērājs", "drinker"),
    ((1628, 1120), "Mednieks", "hunter"),
    ((2330, 1200), "Riktis", "Riktis"),
    ((3185, 1870), "Belašu vīrs", "belaši man"),
    ((2280, 2350), "Melnais krekls", "black shirt"),
]


def map_screen(town, marker_pictures):
    """karte.png: the town from above, with every spot's marker and a legend."""
    img = background("town", seed=74)
    _title(img, "Pilsētas karte", "Map of the town", 12, 40)
    vx0, vy0, vx1, vy1 = MAP_VIEW
    bx0, by0, bx1, by1 = MAP_BOX
    scale = min((bx1 - bx0) / (vx1 - vx0), (by1 - by0) / (vy1 - vy0))
    mw, mh = int((vx1 - vx0) * scale), int((vy1 - vy0) * scale)
    view = town.crop((vx0, vy0, vx1, vy1)).convert("RGB").resize((mw, mh), Image.LANCZOS)
    ox, oy = bx0 + ((bx1 - bx0) - mw) // 2, by0
    soft_shadow(img, (ox, oy, ox + mw, oy + mh), 12)
    img.paste(view, (ox, oy))
    sk = lk.Board(mw + 12, mh + 12)
    sk.rect((2, 2, mw + 10, mh + 10), None, INK, 5, 8)
    sk.rect((6, 6, mw + 6, mh + 6), None, AMBER, 2, 6)
    sk.paste_on(img, (ox - 6, oy - 6))

    def at(wx, wy):
        return ox + (wx - vx0) * scale, oy + (wy - vy0) * scale

    for (wx, wy), lv, en in PLACES:
        x, y = at(wx, wy)
        text(img, (x, y), lv, 15, fill=CREAM, anchor="mm")
        text(img, (x, y + 15), en, 11, fill=(230, 220, 250), anchor="mm")
    for (wx, wy), lv, en in PEOPLE:
        x, y = at(wx, wy)
        text(img, (x, y), lv, 13, fill=GOLD, anchor="mm")
        text(img, (x, y + 13), en, 10, fill=CREAM, anchor="mm")
    # every spot, with the marker the town shows there (most are shown only
    # while their task is open)
    for i, ((sx, sy), marker, (lv, en)) in enumerate(plan.SPOTS):
        if i == 7:
            continue
        pic = marker_pictures[plan.MARKERS[marker][0]]
        small = pic.resize((int(pic.width * 0.55), int(pic.height * 0.55)), Image.LANCZOS)
        x, y = at(sx + pic.width / 2, sy + pic.height / 2)
        img.alpha_composite(small, (int(x - small.width / 2), int(y - small.height / 2)))
    x, y = at(*plan.START)
    sk = lk.Board(30, 30)
    dr.star(sk, 15, 15, 12, GOLD)
    sk.paste_on(img, (int(x - 15), int(y - 15)))
    # legend
    lb = (856, 96, 1012, 700)
    lk.dark_panel(img, lb)
    text(img, (lb[0] + 12, lb[1] + 12), "Zīmes", 18, fill=GOLD, anchor="lt")
    text(img, (lb[0] + 82, lb[1] + 16), "markers", 12, fill=MUTED, anchor="lt")
    y = lb[1] + 46
    for name, lv, en in MARKER_MEANINGS:
        pic = marker_pictures[plan.MARKERS[name][0]]
        img.alpha_composite(pic, (int((lb[0] + lb[2]) / 2 - pic.width / 2), y))
        y += pic.height + 2
        for line in _wrap(lv, 13, 140):
            text(img, ((lb[0] + lb[2]) / 2, y), line, 13, fill=CREAM, anchor="mt")
            y += 17
        for line in _wrap(en, 11, 140):
            text(img, ((lb[0] + lb[2]) / 2, y), line, 11, fill=MUTED, anchor="mt")
            y += 14
        y += 10
    sk = lk.Board(30, 30)
    dr.star(sk, 15, 15, 12, GOLD)
    sk.paste_on(img, (lb[0] + 12, y))
    text(img, (lb[0] + 48, y + 2), "sākums", 13, fill=CREAM, anchor="lt")
    text(img, (lb[0] + 48, y + 18), "start", 11, fill=MUTED, anchor="lt")
    fb = (W / 2 - 200, 714, W / 2 + 200, 760)
    pill(img, fb, False)
    b = keycap(img, (fb[0] + 30, 737), "k", 18)
    text(img, (b[2] + 14, 737), "aizvērt karti · close the map", 19, fill=CREAM, anchor="lm")
    return img


# --- potty mini-game ---------------------------------------------------------------------------

POTTY_POINT = (219, 309)      # the point the target's centre must stay within 65 of
POTTY_TRACK = (270, 645, 766, 703)  # the marker's rows; its panel ends above the HUD strip


def potty_background():
    """pods/fons.jpg: the bowl from above around the aiming point, and the
    progress track the marker slides along (lost at its left end, won at its
    right)."""
    img = Image.new("RGBA", (W, H))
    sk = lk.Board(W, H)
    tile = (214, 226, 236)
    sk.rect((0, 0, W, H), tile, None, 0)
    for x in range(0, W, 64):
        sk.line([(x, 0), (x, H)], darker(tile, 0.1), 2)
    for y in range(0, H, 64):
        sk.line([(0, y), (W, y)], darker(tile, 0.1), 2)
    cx, cy = POTTY_POINT
    sk.ellipse((cx - 170, cy - 200, cx + 170, cy + 190), (250, 250, 252), INK, 6)
    sk.ellipse((cx - 130, cy - 150, cx + 130, cy + 140), (236, 240, 246), INK, 4)
    sk.ellipse((cx - 95, cy - 100, cx + 95, cy + 95), (150, 200, 230), INK, 4)
    sk.circle((cx, cy), 65, None, CORAL, 5)
    sk.circle((cx, cy), 10, CORAL, INK, 3)
    sk.rect((cx - 120, cy - 270, cx + 120, cy - 190), (250, 250, 252), INK, 6, 20)
    # the progress track
    x0, y0, x1, y1 = POTTY_TRACK
    sk.rect((x0 - 10, y0 - 6, x1 + 10, y1 + 6), (40, 36, 60), INK, 5, 16)
    sk.rect((x0 - 4, y0, x0 + 30, y1), CORAL, INK, 3, 10)
    sk.rect((685, y0, x1 + 4, y1), MINT, INK, 3, 10)
    sk.line([(489 + 40, y0 - 4), (489 + 40, y1 + 4)], GOLD, 3)
    sk.paste_on(img)
    panel(img, (560, 40, 1004, 420))
    text(img, (782, 62), "Podiņš", 40, fill=GOLD, anchor="mt")
    text(img, (782, 110), "The potty", 20, fill=MUTED, anchor="mt")
    y = 150
    for lv, en in (("Turi mērķi sarkanajā aplī!", "Keep the target in the red ring!"),
                   ("Tad zīme slīd pa labi līdz zaļajam.", "The marker then slides right to the green."),
                   ("Garām: tā slīd atpakaļ uz sarkano.", "Off the ring it slides back to the red.")):
        text(img, (590, y), lv, 19, fill=CREAM, anchor="lt", max_width=400)
        text(img, (590, y + 26), en, 15, fill=MUTED, anchor="lt", max_width=400)
        y += 64
    x = lk.key_hint(img, 590, 360, "←↑↓→", "mērķēt", "aim", 15)
    lk.key_hint(img, 590, 396, "q", "iziet", "leave", 15)
    text(img, (x0 + 10, y0 - 14), "zaudē · lose", 15, fill=CORAL, anchor="ls")
    text(img, (x1, y0 - 14), "uzvari · win", 15, fill=MINT, anchor="rs")
    return img


def potty_marker():
    """pods/shit.png, 81 x 72: the progress marker; drawn in the top 58 rows
    so that it stays above the HUD strip."""
    sk = lk.Board(81, 72, ss=3)
    brown = (130, 80, 44)
    sk.ellipse((6, 36, 75, 58), brown, INK, 4)
    sk.ellipse((14, 21, 67, 43), lighter(brown, 0.08), INK, 4)
    sk.ellipse((24, 7, 57, 28), lighter(brown, 0.16), INK, 4)
    sk.polygon([(36, 9), (44, 0), (46, 11)], lighter(brown, 0.16), INK, 3)
    for x in (31, 50):
        sk.circle((x, 33), 6, CREAM, INK, 2)
        sk.circle((x + 1, 34), 2.5, INK, None)
    sk.arc((32, 37, 50, 50), 20, 160, INK, 3)
    return sk.image()


def potty_target():
    """pods/target.png, 110 x 103: the wobbling target; its centre (55, 51)
    is what the game compares with the aiming point."""
    sk = lk.Board(110, 103, ss=3)
    c = (255, 220, 80)
    sk.circle((55, 51), 42, None, INK, 10)
    sk.circle((55, 51), 42, None, c, 5)
    sk.circle((55, 51), 20, None, INK, 8)
    sk.circle((55, 51), 20, None, c, 4)
    for a in range(4):
        dx, dy = math.cos(a * math.pi / 2), math.sin(a * math.pi / 2)
        sk.line([(55 + dx * 26, 51 + dy * 26), (55 + dx * 50, 51 + dy * 50)], INK, 8)
        sk.line([(55 + dx * 27, 51 + dy * 27), (55 + dx * 49, 51 + dy * 49)], c, 4)
    sk.circle((55, 51), 5, CORAL, INK, 2)
    return sk.image()
