"""Level 1's screens and overlays: the heads-up display and its panels,
need warnings, the two notices, the info screen, the map, the music panel
and the pictures of the stove, wall-ball and potty mini-games.

Positions below are where the level draws its texts and pieces on the
1024 x 768 screen; the pictures leave room for them.
"""

import math

import numpy as np
from PIL import Image, ImageDraw

import drawings as dr
import level1_plan as plan
import level1_sprites as sp
import level1_world as lw
from common import (AMBER, BRICK, CORAL, CREAM, GOLD, H, INK, MINT, MUTED, PANEL,
                    PANEL_DARK, ROSE, SKY, TEAL, W, Sketch, background, bilingual,
                    darker, hint_bar, keycap, lighter, panel, pill, rgba, soft_shadow,
                    text, transparent, wrap)
from frontend import bullet, key_list, section

# where the level draws on the screen
CLOCK_AT = (41, 43)
FOOD_BAR = (153, 743)
TOILET_BAR = (312, 743)
BAR_W, BAR_H = 150, 22
GAS_AT = (487, 706)
SCORE_AT = (666, 745)
MISSION_PANEL_AT = (875, 643)
MISSION_TEXT_AT = (880, 676)
STRIP_TOP, STRIP_LOW = 704, 730
STRIP_SPLIT = 872


def _inset(img, box, radius=8):
    x0, y0, x1, y1 = box
    sk = Sketch(x1 - x0 + 1, y1 - y0 + 1)
    sk.rect((0, 0, x1 - x0, y1 - y0), (12, 8, 22), INK, 3, radius)
    sk.paste_on(img, (x0, y0))


def _label(img, xy, lv, en, size=15, anchor="l"):
    """A one-line HUD label: Latvian in cream, the English after it, muted."""
    x, y = xy
    if anchor == "l":
        b = text(img, (x, y), lv, size, fill=CREAM, anchor="ls")
        text(img, (b[2] + 6, y), en, size - 3, fill=MUTED, anchor="ls")
    else:
        text(img, (x, y), f"{lv} · {en}", size, fill=CREAM, anchor="ms")


# --- heads-up display ----------------------------------------------------------------

def hud_overlay():
    """interfc2.png: the frame the bars, meter and texts are drawn into;
    transparent over the play area."""
    img = transparent()
    # the strip along the bottom, higher where the needs sit
    sk = Sketch(W, H - STRIP_TOP + 40)
    sk.rect((-30, 0, STRIP_SPLIT, 100), PANEL_DARK, INK, 4, 18, 236)
    sk.rect((STRIP_SPLIT - 40, STRIP_LOW - STRIP_TOP, W + 30, 100), PANEL_DARK, INK, 4, 14, 236)
    sk.rect((-30, 4, STRIP_SPLIT - 4, 100), None, darker(AMBER, 0.3), 2, 14)
    sk.paste_on(img, (0, STRIP_TOP))
    # the sheen laid over the strip, not cut into it: drawn straight into
    # the strip it would leave the strip's top rows nearly clear
    sk = Sketch(STRIP_SPLIT - 5, 21)
    sk.rect((0, 2, STRIP_SPLIT - 6, 20), (255, 255, 255), None, 0, 10, 18)
    sk.paste_on(img, (0, STRIP_TOP))
    # key reminders at the left end
    y = STRIP_TOP + 18
    for cap, lv, en in (("k", "karte", "map"), ("i", "info", "help")):
        b = keycap(img, (12, y), cap, 13)
        _label(img, (b[2] + 6, y + 5), lv, en, 13)
        y += 30
    # troughs for the two bars
    for (x, yb), lv, en in ((FOOD_BAR, "Ēdiens", "food"), (TOILET_BAR, "Tualete", "toilet")):
        _inset(img, (x - 3, yb - 3, x + BAR_W + 2, yb + BAR_H + 3), 6)
        _label(img, (x, yb - 12), lv, en, 15)
    # gas meter well
    gx, gy = GAS_AT
    _inset(img, (gx - 4, gy - 2, gx + 64, H + 4), 8)
    _label(img, (gx + 70, gy + 20), "Gāze", "gas", 15)
    b = keycap(img, (gx + 72, gy + 44), "o", 13)
    text(img, (b[2] + 6, gy + 49), "kad pilns", 11, fill=MUTED, anchor="ls")
    # score
    sx, sy = SCORE_AT
    _inset(img, (sx - 8, sy - 4, sx + 86, sy + 24), 8)
    _label(img, (sx - 4, sy - 12), "Punkti", "score", 14)
    # music reminder under the mission panel
    b = keycap(img, (MISSION_PANEL_AT[0] + 10, H - 13), "m", 11)
    text(img, (b[2] + 6, H - 7), "mūzika · music", 12, fill=MUTED, anchor="ls")
    # clock badge, top left
    cx, cy = CLOCK_AT
    sk = Sketch(180, 90)
    sk.rect((2, 2, 170, 84), PANEL_DARK, INK, 4, 16)
    sk.rect((8, 8, 164, 78), None, darker(AMBER, 0.3), 2, 12)
    sk.paste_on(img, (cx - 33, cy - 37))
    text(img, (cx - 18, cy - 11), "Laiks", 14, fill=AMBER, anchor="ls")
    text(img, (cx + 30, cy - 11), "time", 11, fill=MUTED, anchor="ls")
    sk = Sketch(40, 40)
    dr.clock(sk, 20, 20, 15)
    sk.paste_on(img, (cx + 92, cy - 32))
    return img


def mission_panel():
    """mana_skaits_inf.png, 150 x 100: the items-delivered counter; the level
    writes "n/11" at (5, 33) of it."""
    img = Image.new("RGBA", (150, 100))
    sk = Sketch(150, 100)
    sk.rect((2, 2, 148, 98), PANEL, INK, 4, 16)
    sk.rect((8, 8, 142, 92), None, AMBER, 2, 12)
    sk.rect((3, 30, 106, 74), (12, 8, 22), INK, 3, 8)
    dr.gift(sk, 127, 58, 0.4, CORAL)
    sk.paste_on(img)
    text(img, (12, 12), "Mantas", 14, fill=GOLD, anchor="lt")
    text(img, (76, 14), "items", 11, fill=MUTED, anchor="lt")
    text(img, (12, 78), "nodotas · delivered", 10, fill=MUTED, anchor="lt")
    return img


def turbo_overlay():
    """turbo.png: shown while a turbo charge is held."""
    img = transparent()
    box = (764, 706, 870, 766)
    soft_shadow(img, box, 12, blur=6)
    sk = Sketch(107, 61)
    sk.rect((0, 0, 106, 60), CORAL, INK, 4, 14)
    sk.rect((6, 5, 100, 24), lighter(CORAL, 0.3), None, 0, 10)
    sk.paste_on(img, box[:2])
    img.alpha_composite(sp.turbo_picture(), (box[0] + 8, box[1] + 4))
    text(img, (box[0] + 64, box[1] + 20), "TURBO", 16, fill=CREAM, anchor="mm")
    b = keycap(img, (box[0] + 34, box[1] + 44), "n", 12)
    text(img, (b[2] + 5, box[1] + 49), "nitro!", 13, fill=GOLD, anchor="ls")
    return img


def warning(kind):
    """eest.png / tolete.png: a banner and a ring round the bar that is low."""
    img = transparent()
    if kind == "food":
        box, bar = (232, 96, 792, 186), FOOD_BAR
        lv, en = "Esi izsalcis! Dzer pudelīti!", "You're hungry! Find a bottle (Space)."
        icon = sp.bottle_picture().resize((33, 78), Image.LANCZOS)
        colour = CORAL
    else:
        box, bar = (232, 200, 792, 290), TOILET_BAR
        lv, en = "Jāiet uz podiņa!", "Need the potty! Go to the potty marker."
        sk = Sketch(80, 70)
        sk.ellipse((6, 18, 74, 66), (246, 244, 238), INK, 4)
        sk.ellipse((18, 26, 62, 56), (150, 200, 230), INK, 3)
        sk.rect((30, 6, 50, 22), ROSE, INK, 3, 4)
        icon = sk.image()
        colour = SKY
    panel(img, box, fill=darker(colour, 0.45), rim=GOLD, radius=22)
    img.alpha_composite(icon, (box[0] + 24, (box[1] + box[3]) // 2 - icon.height // 2))
    bilingual(img, (box[0] + 120, box[1] + 16), lv, en, 30, en_size=19, max_width=box[2] - box[0] - 140)
    # the bar that is running low
    x, y = bar
    sk = Sketch(BAR_W + 31, BAR_H + 31)
    sk.rect((4, 4, BAR_W + 26, BAR_H + 26), None, GOLD, 5, 12)
    sk.paste_on(img, (x - 15, y - 15))
    return img


# --- full-screen pages -----------------------------------------------------------------

def notice(kind):
    """bads.png (hunger) and laiks_beidzas.png (time up); Enter restarts."""
    img = background("house", seed=31 if kind == "hunger" else 32,
                     glow=(W / 2, H * 0.42, 520, CORAL, 0.25))
    box = (132, 120, 892, 600)
    panel(img, box)
    sk = Sketch(200, 170)
    if kind == "hunger":
        sk.ellipse((20, 40, 180, 160), (246, 244, 238), INK, 5)      # an empty plate
        sk.ellipse((50, 62, 150, 138), (228, 224, 214), INK, 3)
        sk.line([(10, 20), (30, 150)], INK, 6)                       # fork
        sk.line([(190, 20), (170, 150)], INK, 6)                     # spoon
        lv, en = "Tu paliki izsalcis!", "You went hungry!"
        why_lv = "Ēdiena josla iztukšojās. Nākamreiz dzer pudelītes laikus."
        why_en = "The food bar ran empty. Next time drink the bottles in time."
    else:
        dr.clock(sk, 100, 90, 70)
        lv, en = "Laiks beidzies!", "Time is up!"
        why_lv = "Pulkstenis rāda 00:00, bet ne visas 11 mantas ir savāktas."
        why_en = "The clock shows 00:00 and not all 11 items were collected."
    img.alpha_composite(sk.image(), (W // 2 - 100, box[1] + 30))
    text(img, (W / 2, box[1] + 214), lv, 54, fill=GOLD, anchor="mt")
    text(img, (W / 2, box[1] + 278), en, 30, fill=MUTED, anchor="mt")
    text(img, (W / 2, box[1] + 340), why_lv, 20, fill=CREAM, anchor="mt", max_width=700)
    text(img, (W / 2, box[1] + 370), why_en, 17, fill=MUTED, anchor="mt", max_width=700)
    text(img, (W / 2, box[1] + 410), "Līmenis sāksies no jauna; punkti — kā līmeņa sākumā.", 17,
         fill=CREAM, anchor="mt", max_width=700)
    text(img, (W / 2, box[1] + 436), "The level starts over; the score goes back to its start.", 15,
         fill=MUTED, anchor="mt", max_width=700)
    fb = (W / 2 - 280, 636, W / 2 + 280, 716)
    pill(img, fb, True)
    b = keycap(img, (fb[0] + 40, 676), "Enter", 24)
    text(img, (b[2] + 22, 650), "Sākt no jauna", 28, fill=INK, anchor="lt", stroke_fill=None, shadow=False)
    text(img, (b[2] + 22, 684), "Restart the level", 19, fill=(110, 56, 18), anchor="lt",
         stroke_fill=None, shadow=False)
    return img


def _marker_row(img, x, y, pic, lv, en, width, scale=1.0):
    """A picture of a thing in the house and what it is for; returns y below."""
    if scale != 1.0:
        pic = pic.resize((int(pic.width * scale), int(pic.height * scale)), Image.LANCZOS)
    img.alpha_composite(pic, (int(x + 40 - pic.width / 2), int(y + 24 - pic.height / 2)))
    text(img, (x + 90, y + 4), lv, 16, fill=CREAM, anchor="lt", max_width=width - 90)
    text(img, (x + 90, y + 26), en, 13, fill=MUTED, anchor="lt", bold=False, stroke=1,
         shadow=False, max_width=width - 90)
    return y + 54


def info_screen():
    """i.png: what to do in the house and what every marker means."""
    img = background("house", seed=33)
    text(img, (W / 2, 14), "Māja — kā spēlēt", 40, fill=CREAM, anchor="mt")
    text(img, (W / 2, 62), "The house — how to play", 22, fill=MUTED, anchor="mt")
    gb = (16, 100, 470, 676)
    panel(img, gb)
    y = section(img, gb[0] + 20, gb[1] + 18, "Mērķis", "Goal", gb[2] - gb[0] - 40, 20) + 4
    goals = [
        ("Atrodi 11 mantas (dāvanas) un pa vienai nes tās uz nodošanas vietu guļamistabā.",
         "Find the 11 items (gifts) and carry them one at a time to the drop-off in the bedroom."),
        ("Kad visas 11 paņemtas, parādās izeja priekšnamā: spied tur Space.",
         "Once all 11 are taken, the exit shows in the hall: press Space there."),
        ("Laiks: 15 minūtes. Ēdiena josla krītas — dzer pudelītes; tualetes josla — ej uz podiņa.",
         "Time: 15 minutes. The food bar drops — drink bottles; the toilet bar — use the potty."),
        ("Kaitēkļi kož (−20 ēdiena). Pilns gāzes mērītājs + o tos nogāž (+3).",
         "Pests bite (−20 food). A full gas meter + o knocks them out (+3)."),
    ]
    for glv, gen in goals:
        y = bullet(img, gb[0] + 20, y, glv, gen, gb[2] - gb[0] - 40, 15)
    y = section(img, gb[0] + 20, y + 2, "Pogas", "Keys", gb[2] - gb[0] - 40, 18)
    key_list(img, gb[0] + 20, y, gb[2] - gb[0] - 40, [
        (["Space"], "paņemt, nodot, dzert, ieiet", "take, deliver, drink, go in"),
        (["k"], "karte", "map"), (["n"], "nitro, ja ir turbo", "nitro, with a turbo"),
    ], 13, cap_w=80)

    mb = (484, 100, 1008, 676)
    panel(img, mb)
    x = mb[0] + 18
    wdt = mb[2] - mb[0] - 36
    y = section(img, x, mb[1] + 18, "Ko nozīmē zīmes", "What the markers mean", wdt, 20) + 2
    drop = sp.drop_marker().crop((0, 0, 72, 42))
    ko = sp.pest_knocked_out().crop((1900, 0, 2000, 100))
    rows = [
        (sp.item_picture(), "Manta — paņem ar Space", "An item — take it with Space", 1.0),
        (drop, "Nodošanas vieta — nodod mantu (Space)", "Drop-off — deliver the item (Space)", 1.0),
        (sp.mission_marker(), "Zvaigzne: minispēle (Space) — krāsns, siena, podiņš",
         "Star: a mini-game (Space) — stove, wall-ball, potty", 1.0),
        (sp.bottle_picture(), "Pudelīte — pilns ēdiens (Space)", "Bottle — food back to full (Space)", 1.0),
        (sp.turbo_picture(), "Turbo — paņem (Space), tad n: 13 s ātrāk",
         "Turbo — take it (Space), then n: 13 s faster", 1.0),
        (sp.pest_walking(), "Kaitēklis — kož! Izvairies vai laid gāzi (o)",
         "Pest — it bites! Avoid it or let out gas (o)", 0.8),
        (ko, "Nogāzts kaitēklis — vairs nekož", "Knocked out — it bites no more", 0.6),
        (sp.exit_marker(), "Izeja — kad visas 11 paņemtas (Space)", "Exit — once all 11 are taken (Space)", 1.0),
        (sp.piles().crop((0, 0, 40, 60)), "Negadījums: −5 punkti, ja tualetes josla tukša",
         "Accident: −5 points when the toilet bar runs out", 0.8),
    ]
    for pic, lv, en, scale in rows:
        y = _marker_row(img, x, y, pic, lv, en, wdt, scale)
    hint_bar(img, "i vai Enter — atpakaļ   ·   i or Enter — back to the house", y=H - 40)
    return img


def map_screen(pieces):
    """karte.png: a plan of the house with everything the player looks for."""
    img = background("house", seed=34)
    text(img, (W / 2, 10), "Mājas karte", 36, fill=CREAM, anchor="mt")
    text(img, (W / 2, 52), "Map of the house", 20, fill=MUTED, anchor="mt")
    box = (18, 84, 1006, 592)
    panel(img, box, fill=PANEL_DARK)
    pic, tf, s = lw.plan_picture(pieces, (box[0] + 16, box[1] + 14, box[2] - 16, box[3] - 14))
    img.alpha_composite(pic)
    for lv, en, (wx, wy) in lw.ROOM_LABELS:
        cx, cy = tf(wx, wy)
        small = wx > 3000
        text(img, (cx, cy - 8), lv, 12 if small else 17, fill=(120, 90, 80), anchor="mm",
             stroke_fill=None, shadow=False)
        text(img, (cx, cy + 10), en, 10 if small else 12, fill=(150, 120, 110), anchor="mm",
             stroke_fill=None, shadow=False, bold=False)

    def icon(pic, wx, wy, scale):
        p = pic.resize((max(1, int(pic.width * scale)), max(1, int(pic.height * scale))), Image.LANCZOS)
        px, py = tf(wx, wy)
        img.alpha_composite(p, (int(px - p.width / 2), int(py - p.height / 2)))

    item = sp.item_picture()
    bottle = sp.bottle_picture()
    turbo = sp.turbo_picture()
    star = sp.mission_marker()
    drop = sp.drop_marker().crop((0, 0, 72, 42))
    exit_ = sp.exit_marker()
    pest = sp.pest_walking()
    sk_layer = Image.new("RGBA", (W, H))
    d = ImageDraw.Draw(sk_layer)
    for x0, x1, y0, y1 in plan.HAZARD_PENS:
        a, b = tf(x0, y0), tf(x1, y1)
        d.rounded_rectangle(a + b, 8, fill=(140, 200, 70, 70), outline=(90, 140, 40, 200), width=2)
    img.alpha_composite(sk_layer)
    for x0, x1, y0, y1 in plan.HAZARD_PENS:
        icon(pest, (x0 + x1) / 2, (y0 + y1) / 2, 0.55)
    for x, y in plan.BOTTLES:
        icon(bottle, x + 11, y + 26, 0.55)
    for x, y in plan.TURBOS:
        icon(turbo, x + 11, y + 26, 0.55)
    for x, y in plan.ITEMS:
        icon(item, x + 36, y + 26, 0.5)
    names = {0: ("Pret sienu", "wall-ball"), 2: ("Krāsns", "stove"), 4: ("Podiņš", "potty")}
    for i in plan.REACHABLE_SPOTS:
        x, y = plan.MISSION_SPOTS[i]
        icon(star, x + 36, y + 21, 0.6)
        px, py = tf(x + 36, y + 21)
        text(img, (px, py + 12), names[i][0], 13, fill=GOLD, anchor="mt")
    icon(drop, plan.DROP_POINT[0], plan.DROP_POINT[1], 0.8)
    px, py = tf(*plan.DROP_POINT)
    text(img, (px, py + 14), "Nodošana", 13, fill=GOLD, anchor="mt")
    ex, ey = plan.EXIT_POINT
    icon(exit_, ex, ey, 0.7)
    px, py = tf(ex, ey)
    text(img, (px, py + 14), "Izeja", 13, fill=MINT, anchor="mt")
    px, py = tf(*plan.START)
    sk = Sketch(30, 30)
    sk.circle((15, 15), 11, ROSE, INK, 3)
    sk.circle((15, 15), 4, CREAM, None)
    sk.paste_on(img, (px - 15, py - 15))
    text(img, (px + 16, py - 2), "Sākums", 12, fill=ROSE, anchor="lm")

    # legend
    lb = (18, 602, 1006, 718)
    panel(img, lb, fill=PANEL)
    entries = [(item, "Manta", "item"), (drop, "Nodošana", "drop-off"), (star, "Minispēle", "mini-game"),
               (bottle, "Pudelīte", "bottle"), (turbo, "Turbo", "turbo"), (pest, "Kaitēkļi", "pests"),
               (exit_, "Izeja", "exit")]
    x = lb[0] + 24
    step = (lb[2] - lb[0] - 40) / len(entries)
    for pic, lv, en in entries:
        scale = min(1.0, 44 / pic.height)
        p = pic.resize((int(pic.width * scale), int(pic.height * scale)), Image.LANCZOS)
        img.alpha_composite(p, (int(x + 30 - p.width / 2), int(lb[1] + 36 - p.height / 2)))
        text(img, (x + 30, lb[1] + 66), lv, 15, fill=CREAM, anchor="mt")
        text(img, (x + 30, lb[1] + 86), en, 12, fill=MUTED, anchor="mt")
        x += step
    hint_bar(img, "k — aizvērt karti   ·   k — close the map", y=H - 26, size=17)
    return img


TRACK_NAMES = [
    ("Rīta putra", "morning porridge"), ("Lēkājam", "bouncing"), ("Šūpļa valsis", "cradle waltz"),
    ("Zeķu funks", "sock funk"), ("Pusdienlaiks", "nap time"), ("Turbo", "turbo"),
    ("Pagrabā", "in the cellar"), ("Rotaļu polka", "toy polka"), ("Saulīte", "sunshine"),
    ("Labunakti", "good night"),
]


def music_panel():
    """mp3.png: the panel slides in from the left, so it fills the left 818
    pixels of the picture and the rest stays clear."""
    img = transparent()
    box = (0, 470, 812, 698)
    sk = Sketch(842, box[3] - box[1] + 1)
    sk.rect((-30, 0, 812, box[3] - box[1]), (30, 24, 56), INK, 5, 24, 245)
    sk.rect((-30, 7, 805, box[3] - box[1] - 7), None, TEAL, 3, 18)
    sk.paste_on(img, (0, box[1]))
    # a little speaker and notes
    sk = Sketch(90, 90)
    sk.rect((10, 30, 34, 60), (90, 90, 110), INK, 4, 4)
    sk.polygon([(34, 30), (60, 12), (60, 78), (34, 60)], (120, 120, 140), INK, 4)
    for k, r in enumerate((14, 24)):
        sk.arc((60 - r, 45 - r, 60 + r, 45 + r), -40, 40, TEAL, 4)
    sk.paste_on(img, (20, box[1] + 16))
    text(img, (120, box[1] + 20), "Mūzika", 30, fill=GOLD, anchor="lt")
    text(img, (250, box[1] + 30), "Music", 20, fill=MUTED, anchor="lt")
    # the ten tracks
    for i, (lv, en) in enumerate(TRACK_NAMES):
        col, row = i % 5, i // 5
        x0 = 20 + col * 156
        y0 = box[1] + 72 + row * 52
        sk = Sketch(150, 46)
        sk.rect((0, 0, 148, 44), PANEL, INK, 3, 12)
        sk.circle((22, 22), 15, [CORAL, TEAL, GOLD, SKY, ROSE][i % 5], INK, 3)
        sk.paste_on(img, (x0, y0))
        text(img, (x0 + 22, y0 + 22), str(i + 1), 14, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
        text(img, (x0 + 44, y0 + 6), lv, 13, fill=CREAM, anchor="lt", max_width=100)
        text(img, (x0 + 44, y0 + 25), en, 10, fill=MUTED, anchor="lt", max_width=100)
    # keys
    x = 24
    y = box[1] + 194
    for cap, lv in (("t", "iepr. · prev"), ("y", "pauze · pause"), ("u", "nāk. · next"),
                    ("m", "aizvērt · close")):
        b = keycap(img, (x, y), cap, 14)
        tb = text(img, (b[2] + 6, y + 5), lv, 14, fill=CREAM, anchor="ls")
        x = tb[2] + 30
    return img


# --- stove mini-game -------------------------------------------------------------------

def _bricks(w, h, colour, mortar, brick=(72, 30), seed=1, shade=None):
    rng = np.random.default_rng(seed)
    yy, xx = np.mgrid[0:h, 0:w]
    bw, bh = brick
    row = yy // bh
    off = (row % 2) * (bw // 2)
    col = (xx + off) // bw
    tone = rng.uniform(-0.12, 0.12, (h // bh + 2, w // bw + 3)).astype(np.float32)
    t = tone[row, col][..., None]
    rgb = np.array(colour, np.float32) * (1.0 + t)
    m = ((yy % bh) < 4) | (((xx + off) % bw) < 4)
    rgb = np.where(m[..., None], np.array(mortar, np.float32), rgb)
    if shade is not None:
        rgb = rgb * shade[..., None]
    return rgb


def stove_background():
    """kraasnsB.png: inside the stove; flies drop in through the flue."""
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    glow = np.clip(1.0 - np.hypot((xx - W / 2) / 700, (yy - 760) / 520), 0.0, 1.0)
    shade = 0.35 + 0.75 * glow
    rgb = _bricks(W, H, (150, 70, 50), (60, 34, 30), seed=4, shade=shade)
    warm = np.array((255, 140, 50), np.float32)
    rgb = rgb + (warm - rgb) * (0.35 * glow ** 2)[..., None]
    img = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB").convert("RGBA")
    # soot and a grate at the bottom
    d = ImageDraw.Draw(img)
    for x in range(40, W, 60):
        d.rounded_rectangle((x, 706, x + 30, 780), 6, fill=rgba((40, 36, 40)), outline=rgba(INK), width=3)
    d.rectangle((0, 700, W, 712), fill=rgba((50, 44, 48)), outline=rgba(INK), width=3)
    for k in range(14):
        x = 60 + k * 70
        d.ellipse((x, 690, x + 46, 712), fill=rgba((255, 170, 60)), outline=rgba((200, 90, 30)), width=2)
    return img


def stove_foreground():
    """kraasnsA.png: the stove's iron top and its sides, over the flames;
    flames go out where they reach the top, flies drop in from under it."""
    img = transparent()
    top = Image.fromarray(np.clip(_bricks(W, 130, (120, 60, 44), (50, 30, 26), seed=5), 0, 255)
                          .astype(np.uint8), "RGB").convert("RGBA")
    mask = Image.new("L", (W, 130), 0)
    ImageDraw.Draw(mask).rounded_rectangle((-40, -40, W + 40, 122), 30, fill=255)
    img.paste(top, (0, 0), mask)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((-40, -40, W + 40, 122), 30, outline=rgba(INK), width=6)
    # the iron plate with the flue opening the flies come through
    d.rounded_rectangle((200, 14, W - 200, 70), 16, fill=rgba((40, 36, 42)), outline=rgba(INK), width=5)
    for x in range(230, W - 220, 48):
        d.line((x, 22, x, 62), fill=rgba((80, 74, 84)), width=8)
    text(img, (W / 2, 96), "Krāsns · the stove", 20, fill=GOLD, anchor="mm")
    # side columns
    for x0 in (0, W - 34):
        d.rectangle((x0, 100, x0 + 34, 700), fill=rgba((110, 54, 40)), outline=rgba(INK), width=4)
        for y in range(120, 700, 30):
            d.line((x0 + 4, y, x0 + 30, y), fill=rgba((60, 34, 30)), width=3)
    return img


def burner():
    """deglis.png, 53 x 37."""
    sk = Sketch(53, 37, ss=4)
    sk.rect((4, 14, 49, 35), (90, 90, 104), INK, 3, 5)
    sk.rect((14, 3, 39, 16), (150, 150, 166), INK, 3, 3)
    sk.ellipse((20, 0, 33, 8), (110, 170, 255), INK, 2)
    sk.circle((42, 25), 4, CORAL, INK, 1.5)
    return sk.image()


def fly():
    """muha.png, 64 x 70: a fly seen from above, falling head first."""
    sk = Sketch(64, 70, ss=4)
    for side in (-1, 1):     # wings
        sk.ellipse((32 + side * 4 - 16, 8, 32 + side * 4 + 16 + side * 6, 40), (210, 230, 255), INK, 2,
                   alpha=200)
    for k in range(3):       # legs
        y = 30 + k * 8
        sk.line([(22, y), (8, y + 6 - k * 4)], INK, 2)
        sk.line([(42, y), (56, y + 6 - k * 4)], INK, 2)
    sk.ellipse((20, 18, 44, 52), (50, 60, 60), INK, 3)
    sk.circle((32, 56), 10, (60, 70, 70), INK, 3)
    for ex in (26, 38):
        sk.circle((ex, 60), 5, (200, 40, 40), INK, 2)
    return sk.image()


def flames():
    """ugunsm.png: 7 frames of 100 x 150: a flame that grows, then holds."""
    sheet = Image.new("RGBA", (700, 150))
    for k in range(7):
        t = (k + 1) / 7.0
        sk = Sketch(100, 150, ss=3)
        hgt = 40 + 100 * t
        wid = 18 + 22 * t
        base = 146
        for colour, sc in (((255, 120, 40), 1.0), ((255, 200, 60), 0.7), ((255, 246, 200), 0.4)):
            pts = []
            for a in np.linspace(0, math.pi, 20):
                pts.append((50 - math.cos(a) * wid * sc, base - math.sin(a) * wid * sc * 0.9))
            pts.append((50 + wid * sc * 0.3, base - hgt * sc))
            pts.append((50 + 4 * math.sin(k), base - hgt * sc * 1.02))
            pts.append((50 - wid * sc * 0.4, base - hgt * sc * 0.8))
            sk.polygon(pts, colour, INK if sc == 1.0 else None, 3)
        frame = sk.image()
        sheet.alpha_composite(frame, (k * 100, 0))
    return sheet


def _intro(title_lv, title_en, goals, keys, tint="house", picture=None):
    img = background(tint, seed=41)
    text(img, (W / 2, 16), title_lv, 50, fill=CREAM, anchor="mt")
    text(img, (W / 2, 76), title_en, 24, fill=MUTED, anchor="mt")
    gb = (24, 124, 600, 640)
    panel(img, gb)
    y = section(img, gb[0] + 22, gb[1] + 20, "Kā spēlēt", "How to play", gb[2] - gb[0] - 44, 22) + 6
    for glv, gen in goals:
        y = bullet(img, gb[0] + 22, y, glv, gen, gb[2] - gb[0] - 44, 18)
    kb = (616, 124, 1000, 640)
    panel(img, kb)
    y = section(img, kb[0] + 20, kb[1] + 20, "Pogas", "Keys", kb[2] - kb[0] - 40, 22) + 4
    y = key_list(img, kb[0] + 20, y, kb[2] - kb[0] - 40, keys, 16, cap_w=84)
    if picture is not None:
        img.alpha_composite(picture, (int((kb[0] + kb[2]) / 2 - picture.width / 2),
                                      int(min(kb[3] - picture.height - 20, y + 10))))
    fb = (W / 2 - 300, 660, W / 2 + 300, 744)
    pill(img, fb, True)
    b = keycap(img, (fb[0] + 40, 702), "Enter", 26)
    text(img, (b[2] + 24, 674), "Spied Enter, lai sāktu!", 28, fill=INK, anchor="lt", stroke_fill=None,
         shadow=False)
    text(img, (b[2] + 24, 709), "Press Enter to start!", 20, fill=(110, 56, 18), anchor="lt",
         stroke_fill=None, shadow=False)
    return img


def stove_intro():
    pic = Image.new("RGBA", (260, 170))
    pic.alpha_composite(fly(), (20, 10))
    pic.alpha_composite(flames().crop((600, 0, 700, 150)), (120, 0))
    pic.alpha_composite(burner(), (144, 128))
    return _intro("Krāsns", "The stove", [
        ("Mušas krīt krāsnī pa skursteni. Sadedzini tās ar liesmu!",
         "Flies drop into the stove through the flue. Burn them with a flame!"),
        ("Katra trāpīta muša: +2 punkti.", "Every fly you hit: +2 points."),
        ("Liesma — ne biežāk kā reizi 0,7 sekundēs; katram šāvienam spied Space no jauna.",
         "A flame at most every 0.7 seconds; press Space afresh for each shot."),
        ("Ja kāda muša izkrīt cauri apakšai, spēle beidzas.",
         "If a fly falls through the bottom, the game is over."),
    ], [
        (["←", "→"], "bīdīt degli", "slide the burner"),
        (["Space"], "šaut liesmu", "shoot a flame"),
        (["q"], "atpakaļ uz māju", "back to the house"),
    ], picture=pic)


# --- wall-ball mini-game --------------------------------------------------------------------

WALL_X = 880


def wallball_background():
    """pretsiena/fons.png: a room seen from the side, the wall to the right."""
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    paper = np.array((236, 214, 170), np.float32)
    stripe = ((xx // 40) % 2)[..., None] * 0.05
    dots = (((xx + 20) % 80 < 8) & ((yy + (xx // 80 % 2) * 40) % 80 < 8))[..., None] * 0.12
    rgb = paper * (1.0 - stripe - dots)
    img = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB").convert("RGBA")
    d = ImageDraw.Draw(img)
    # floor and skirting
    d.rectangle((0, 640, W, H), fill=rgba((176, 124, 80)), outline=rgba(INK), width=4)
    for x in range(0, W, 120):
        d.line((x, 644, x - 60, H), fill=rgba((150, 100, 64)), width=3)
    d.rectangle((0, 620, W, 640), fill=rgba((250, 246, 236)), outline=rgba(INK), width=3)
    # the wall the ball bounces off
    bricks = Image.fromarray(np.clip(_bricks(W - WALL_X, H, (196, 96, 70), (230, 210, 190), (60, 28), 8),
                                     0, 255).astype(np.uint8), "RGB")
    img.paste(bricks, (WALL_X, 0))
    d.line((WALL_X, 0, WALL_X, H), fill=rgba(INK), width=6)
    d.line((WALL_X + 6, 0, WALL_X + 6, H), fill=rgba(darker(BRICK, 0.3)), width=4)
    # the band the ball moves in, marked on the left
    for y in (150, 522):
        for x in range(0, 140, 24):
            d.line((x, y, x + 12, y), fill=rgba((150, 120, 90)), width=4)
    text(img, (14, 128), "metiena josla · throw lane", 14, fill=(120, 90, 70), anchor="ls",
         stroke_fill=None, shadow=False)
    # a window and a picture frame for the room
    d.rounded_rectangle((300, 120, 560, 360), 10, fill=rgba((150, 200, 240)), outline=rgba(INK), width=6)
    d.line((430, 120, 430, 360), fill=rgba(INK), width=5)
    d.line((300, 240, 560, 240), fill=rgba(INK), width=5)
    d.rectangle((620, 200, 760, 320), fill=rgba((250, 240, 220)), outline=rgba((140, 90, 60)), width=10)
    d.ellipse((650, 230, 730, 290), fill=rgba(SKY), outline=rgba(INK), width=3)
    return img


def wallball_ball():
    """pretsiena/bumba.png, 123 x 122."""
    sk = Sketch(123, 122, ss=3)
    sk.circle((61.5, 61), 56, CORAL, INK, 5)
    sk.arc((5, 30, 118, 92), 0, 180, GOLD, 10)
    sk.arc((34, 5, 89, 117), 270, 90, (255, 255, 255), 8)
    sk.circle((40, 38), 12, lighter(CORAL, 0.6), None)
    return sk.image()


def cockroach():
    """pretsiena/kuka.png, 72 x 103: a cockroach climbing up the wall."""
    sk = Sketch(72, 103, ss=4)
    brown = (130, 76, 40)
    for k in range(3):
        y = 40 + k * 18
        sk.line([(26, y), (10, y - 8 + k * 8), (4, y + 4 + k * 6)], INK, 3)
        sk.line([(46, y), (62, y - 8 + k * 8), (68, y + 4 + k * 6)], INK, 3)
    sk.line([(30, 14), (18, 2)], INK, 2)      # feelers
    sk.line([(42, 14), (54, 2)], INK, 2)
    sk.ellipse((20, 30, 52, 98), brown, INK, 3)
    sk.line([(36, 36), (36, 96)], darker(brown, 0.35), 2)
    sk.ellipse((24, 12, 48, 36), darker(brown, 0.2), INK, 3)
    for ex in (30, 42):
        sk.circle((ex, 20), 4, (255, 255, 255), INK, 1.5)
        sk.circle((ex, 19), 1.6, INK, None)
    return sk.image()


def wallball_counter():
    """pretsiena/info.png, 120 x 120; the level writes "n/10" at (29, 41)."""
    img = Image.new("RGBA", (120, 120))
    sk = Sketch(120, 120)
    sk.rect((2, 2, 118, 118), PANEL, INK, 4, 16)
    sk.rect((8, 8, 112, 112), None, AMBER, 2, 12)
    sk.rect((18, 36, 108, 82), (12, 8, 22), INK, 3, 8)
    sk.paste_on(img)
    text(img, (60, 12), "Trāpījumi", 13, fill=GOLD, anchor="mt")
    # two short lines: as one, the caption ran onto the rim
    text(img, (60, 85), "hits", 10, fill=MUTED, anchor="mt")
    text(img, (60, 97), "10 = uzvara", 10, fill=MUTED, anchor="mt")
    return img


def wallball_intro():
    pic = Image.new("RGBA", (300, 130))
    pic.alpha_composite(wallball_ball().resize((92, 91), Image.LANCZOS), (10, 20))
    pic.alpha_composite(cockroach(), (210, 10))
    return _intro("Pret sienu", "Wall-ball", [
        ("Pa sienu rāpjas prusaks. Met bumbu, kad tas ir bumbas augstumā!",
         "A cockroach climbs the wall. Throw the ball when it is level with the ball!"),
        ("Katrs trāpījums: +2 punkti. Pēc 10 trāpījumiem spēle beidzas.",
         "Every hit: +2 points. After 10 hits the game is done."),
        ("Kamēr bumba lido, to nevar vadīt.", "While the ball flies you cannot steer it."),
    ], [
        (["↑", "↓"], "bumba augšup / lejup", "ball up / down"),
        (["Space"], "mest bumbu", "throw the ball"),
        (["q"], "atpakaļ uz māju", "back to the house"),
    ], picture=pic)


# --- potty mini-game ---------------------------------------------------------------------------

POTTY_POINT = (219, 309)
POTTY_REACH = 65
TRACK_Y = 645
LOSE_X, WIN_X, START_X = 270, 685, 489
MARKER_W = 81
POTTY_HELP = (648, 14, 1012, 410)


def potty_background():
    """pods/fons.jpg: the bathroom floor, the potty, and the progress track."""
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    tiles = ((xx // 64 + yy // 64) % 2)[..., None]
    base = np.array((200, 226, 232), np.float32)
    rgb = base * (1.0 - 0.07 * tiles)
    grout = ((xx % 64 < 3) | (yy % 64 < 3))[..., None]
    rgb = np.where(grout, base * 0.8, rgb)
    img = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB").convert("RGBA")
    px, py = POTTY_POINT
    # the potty from above
    sk = Sketch(300, 300, ss=2)
    sk.ellipse((30, 40, 270, 270), (0, 0, 0), None, alpha=50)
    sk.ellipse((20, 20, 260, 260), (250, 250, 246), INK, 6)
    sk.ellipse((50, 50, 230, 230), (140, 190, 220), INK, 5)
    sk.ellipse((85, 85, 195, 195), (120, 170, 205), None)
    sk.rect((110, 0, 170, 40), ROSE, INK, 5, 10)
    sk.paste_on(img, (px - 140, py - 140))
    d = ImageDraw.Draw(img)
    for a in range(0, 360, 15):
        d.arc((px - POTTY_REACH, py - POTTY_REACH, px + POTTY_REACH, py + POTTY_REACH), a, a + 8,
              fill=rgba(GOLD), width=4)
    # progress track: lose at the left end, win at the right
    y0, y1 = TRACK_Y + 4, TRACK_Y + 56
    panel(img, (LOSE_X - 40, y0 - 40, WIN_X + MARKER_W + 60, y1 + 4), fill=PANEL_DARK, radius=18)
    sk = Sketch(WIN_X + MARKER_W - LOSE_X + 1, 30)
    sk.rect((0, 4, WIN_X + MARKER_W - LOSE_X, 26), (60, 50, 80), INK, 3, 10)
    sk.rect((0, 4, 60, 26), CORAL, INK, 3, 10)
    sk.rect((WIN_X + MARKER_W - LOSE_X - 60, 4, WIN_X + MARKER_W - LOSE_X, 26), MINT, INK, 3, 10)
    sk.paste_on(img, (LOSE_X, y0 + 14))
    text(img, (LOSE_X - 6, y0 - 22), "zaudē −5", 15, fill=CORAL, anchor="lm")
    text(img, (WIN_X + MARKER_W + 6, y0 - 22), "uzvara +5", 15, fill=MINT, anchor="rm")
    text(img, ((LOSE_X + WIN_X + MARKER_W) / 2, y0 - 22), "lose  ·  progress  ·  win", 12,
         fill=MUTED, anchor="mm")
    sk = Sketch(40, 60)
    sk.line([(8, 56), (8, 4)], INK, 4)
    sk.polygon([(10, 4), (36, 12), (10, 22)], MINT, INK, 3)
    sk.paste_on(img, (WIN_X + MARKER_W + 10, y0 - 4))
    # how to play, in the top right corner: the farthest from the point, so
    # that the wobbling target seldom passes over the text
    box = POTTY_HELP
    panel(img, box)
    x, w = box[0] + 20, box[2] - box[0] - 40
    b = text(img, (x, box[1] + 16), "Podiņš", 34, fill=GOLD, anchor="lt")
    text(img, (b[2] + 12, b[3]), "The potty", 18, fill=MUTED, anchor="ls")
    y = b[3] + 18
    for lv, en in (("Turi mērķi virs podiņa!", "Keep the target over the potty!"),
                   ("Zelta aplī kaka slīd uz karodziņu.", "In the gold ring the marker slides to the flag."),
                   ("Ja mērķis aizklīst, kaka slīd atpakaļ.", "If it drifts off, the marker slides back."),
                   ("Uzvara: tualetes josla pilna.", "Win: the toilet bar is full again.")):
        for line in wrap(lv, 17, w):
            y = text(img, (x, y), line, 17, fill=CREAM, anchor="lt")[3] + 3
        for line in wrap(en, 13, w):
            y = text(img, (x, y), line, 13, fill=MUTED, anchor="lt")[3] + 2
        y += 10
    for cap, words in (("←↑↓→", "vadīt · steer"), ("q", "iziet · leave")):
        b = keycap(img, (x, y + 14), cap, 15)
        text(img, (b[2] + 10, y + 19), words, 15, fill=CREAM, anchor="ls")
        y += 34
    return img


def potty_target():
    """pods/target.png, 110 x 103, centred on (55, 51)."""
    sk = Sketch(110, 103, ss=3)
    sk.circle((55, 51), 44, None, INK, 9)
    sk.circle((55, 51), 44, None, ROSE, 5)
    sk.circle((55, 51), 24, None, INK, 7)
    sk.circle((55, 51), 24, None, GOLD, 3)
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        sk.line([(55 + dx * 30, 51 + dy * 30), (55 + dx * 52, 51 + dy * 50)], INK, 6)
        sk.line([(55 + dx * 31, 51 + dy * 31), (55 + dx * 51, 51 + dy * 49)], ROSE, 3)
    sk.circle((55, 51), 6, ROSE, INK, 3)
    return sk.image()


def potty_marker():
    """pods/shit.png, 81 x 72: the progress marker; drawn in the top 58 rows
    so the bottom strip of the screen does not cut it."""
    sk = Sketch(81, 72, ss=4)
    brown = (140, 90, 52)
    sk.ellipse((6, 36, 75, 58), brown, INK, 3)
    sk.ellipse((14, 22, 67, 44), lighter(brown, 0.08), INK, 3)
    sk.ellipse((24, 10, 57, 30), lighter(brown, 0.16), INK, 3)
    sk.polygon([(36, 12), (42, 0), (46, 13)], lighter(brown, 0.16), INK, 2.5)
    for ex in (32, 50):
        sk.circle((ex, 30), 5, (255, 255, 255), INK, 2)
        sk.circle((ex + 1, 31), 2, INK, None)
    sk.arc((33, 34, 49, 46), 20, 160, INK, 2.5)
    return sk.image()
