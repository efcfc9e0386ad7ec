"""Pictures of the front end: main menu pages, cheat screen, pause
overlays, intro pages, loading screens and instruction pages."""

from PIL import Image, ImageChops, ImageDraw

import drawings as dr
from common import (AMBER, CORAL, CREAM, GOLD, H, INK, KEYCAP, LEAF, MINT, MUTED,
                    PANEL, PANEL_DARK, ROSE, SKY, TEAL, W, Sketch, background,
                    bilingual, darker, font, hint_bar, keycap, lighter, logo,
                    panel, pill, progress_dots, save, soft_shadow, text,
                    transparent, wrap)

# --- the game's words ------------------------------------------------------------

MENU_ITEMS = [
    ("menu/jauna.jpg", "Jauna spēle", "New game"),
    ("menu/load.jpg", "Ielādēt", "Load"),
    ("menu/autori.jpg", "Autori", "Authors"),
    ("menu/pogas.jpg", "Pogas", "Keys"),
    ("menu/par.jpg", "Par spēli", "About"),
    ("menu/iziet.jpg", "Iziet", "Exit"),
]

PAUSE_ITEMS = [
    ("menu/pause_resum.png", "Turpināt", "Resume"),
    ("menu/pause_save.png", "Karte", "Map"),
    ("menu/pause_keys.png", "Pogas", "Keys"),
    ("menu/pause_exit.png", "Uz izvēlni", "Exit to menu"),
]

MENU_HINT = "↑/↓ izvēlēties, Enter apstiprināt   ·   ↑/↓ choose, Enter select"

# Key lists: (key caps, Latvian, English).  A cap of "+" is drawn as a plus.
KEYS_MENU = [
    (["↑", "↓"], "izvēlēties", "choose"),
    (["Enter"], "apstiprināt", "select"),
    (["Shift", "+", "C"], "kodu ekrāns", "cheat screen"),
]
KEYS_EVERYWHERE = [
    (["Esc"], "pauze", "pause"),
    (["F7"], "mūzika ieslēgta / izslēgta", "music on / off"),
    (["F8"], "ekrānuzņēmums", "screenshot"),
]
KEYS_LEVEL0 = [
    (["←↑↓→"], "peldēt", "swim"),
    (["Space"], "šaut", "shoot"),
    (["i"], "palīdzība", "help"),
]
KEYS_WORLD = [
    (["←↑↓→"], "iet", "walk"),
    (["Space"], "paņemt, nodot, runāt, ieiet", "take, deliver, talk, go in"),
    (["k"], "karte", "map"),
    (["i"], "informācija", "info"),
    (["n"], "nitro ar turbo (1. līm.)", "nitro with a turbo (level 1)"),
    (["o"], "gāze, kad mērītājs pilns", "gas cloud, meter full"),
    (["m"], "mūzikas panelis", "music panel"),
    (["t", "u"], "iepriekšējā / nākamā dziesma", "previous / next track"),
    (["y"], "mūzika: pauze / turpināt", "music: pause / resume"),
    (["Y", "N"], "jā / nē dialogā", "yes / no in a dialog"),
    (["q"], "iziet no minispēles", "leave a mini-game"),
    (["Enter"], "sākt minispēli, turpināt", "start a mini-game, go on"),
]

LEVELS = [
    # number, Latvian title, English title, Latvian theme, English theme, tint
    (0, "Sākums", "The beginning", "vienas minūtes peldējums", "a one-minute swim", "womb"),
    (1, "Māja", "The house", "vienpadsmit lietas un izeja", "eleven items and the exit", "house"),
    (2, "Lauku sēta", "The farmstead", "olas, aka, ogas un ugunskurs", "eggs, the well, berries and a bonfire", "farm"),
    (3, "Mazpilsēta", "The small town", "uzdevumu ķēde un izeja", "a chain of tasks, then the exit", "town"),
]

# --- small layout pieces ---------------------------------------------------------


def section(img, x, y, lv, en, width, size=18):
    """An amber section heading with a rule under it; returns the y below."""
    b = text(img, (x, y), f"{lv}  ·  {en}", size, fill=AMBER, max_width=width)
    sk = Sketch(width, 6)
    sk.rect((0, 1, width, 4), darker(AMBER, 0.35), None, 0, 2)
    sk.paste_on(img, (x, b[3] + 4))
    return b[3] + 12


def key_entry(img, x, y, width, caps, lv, en, size=15, cap_w=78):
    """Key caps on the left, the Latvian meaning and its English under it;
    returns the y below the entry."""
    cap_size = size - 1
    row_h = max(int(cap_size * 1.75) + 4, int(size * 2.3))
    mid = y + row_h // 2
    cx = x
    for cap in caps:
        if cap == "+":
            b = text(img, (cx + 2, mid), "+", cap_size, fill=CREAM, anchor="lm")
            cx = b[2] + 4
        else:
            cx = keycap(img, (cx, mid - 2), cap, cap_size)[2] + 4
    tx = x + max(cap_w, cx - x + 6)
    tw = width - (tx - x)
    text(img, (tx, mid - 1), lv, size, fill=CREAM, anchor="ls", max_width=tw)
    text(img, (tx, mid + 2), en, size - 1, fill=MUTED, anchor="lt", bold=False, stroke=1,
         shadow=False, max_width=tw)
    return y + row_h + 3


def key_list(img, x, y, width, entries, size=15, cap_w=78):
    for caps, lv, en in entries:
        y = key_entry(img, x, y, width, caps, lv, en, size, cap_w)
    return y


def paragraph(img, x, y, s, size, width, fill=CREAM, bold=True, line_gap=4, anchor="l"):
    """Word-wrapped lines; returns the y below the last."""
    for line in wrap(s, size, width, bold):
        b = text(img, (x, y), line, size, fill=fill, bold=bold, anchor=anchor + "t",
                 stroke=1 if not bold else None, shadow=bold)
        y = b[3] + line_gap
    return y


def bullet(img, x, y, lv, en, width, size=19, colour=AMBER):
    """A goal line: a round bullet, the Latvian sentence, the English under it."""
    sk = Sketch(20, 20)
    sk.circle((10, 10), 7, colour, INK, 3)
    sk.paste_on(img, (x, y + size * 0.28))
    tx = x + 28
    y = paragraph(img, tx, y, lv, size, width - 28, CREAM)
    y = paragraph(img, tx, y, en, size - 3, width - 28, MUTED, bold=False, line_gap=3)
    return y + 10


def panel_title(img, box, lv, en, size=30):
    x0, y0, x1, _ = box
    b = text(img, ((x0 + x1) / 2, y0 + 22), lv, size, fill=GOLD, anchor="mt")
    b2 = text(img, ((x0 + x1) / 2, b[3] + 4), en, int(size * 0.62), fill=MUTED, anchor="mt")
    return b2[3] + 14


def level_icon(sk, n, x, y, s):
    """The little picture that stands for a level."""
    if n == 0:
        dr.sperm(sk, x + 28 * s, y - 28 * s, 0.45 * s, GOLD, phase=1.0)
    elif n == 1:
        dr.house(sk, x, y, 0.36 * s)
    elif n == 2:
        dr.barn(sk, x, y, 0.34 * s)
    else:
        dr.church(sk, x, y + 4 * s, 0.18 * s)


# --- main menu -------------------------------------------------------------------

ITEMS_X0, ITEMS_X1 = 30, 330
ITEMS_Y0, ITEM_H, ITEM_STEP = 176, 66, 80
PAGE_BOX = (352, 150, 1002, 708)


def menu_frame(selected):
    """Background, title and the six items with `selected` (0..5) lit."""
    img = background("menu", seed=3)
    logo(img, (W / 2, 76), 100)
    for i, (_, lv, en) in enumerate(MENU_ITEMS):
        y0 = ITEMS_Y0 + i * ITEM_STEP
        box = (ITEMS_X0, y0, ITEMS_X1, y0 + ITEM_H)
        sel = i == selected
        pill(img, box, sel)
        tx = ITEMS_X0 + 62
        if sel:
            sk = Sketch(40, 40)
            sk.polygon([(8, 6), (34, 20), (8, 34)], INK, INK, 2)
            sk.paste_on(img, (ITEMS_X0 + 14, y0 + ITEM_H / 2 - 20))
            text(img, (tx, y0 + 9), lv, 27, fill=INK, anchor="lt", stroke_fill=None, shadow=False)
            text(img, (tx, y0 + 41), en, 17, fill=(110, 56, 18), anchor="lt", stroke_fill=None, shadow=False)
        else:
            sk = Sketch(40, 40)
            sk.circle((20, 20), 7, darker(AMBER, 0.3), INK, 3)
            sk.paste_on(img, (ITEMS_X0 + 14, y0 + ITEM_H / 2 - 20))
            text(img, (tx, y0 + 9), lv, 27, fill=CREAM, anchor="lt")
            text(img, (tx, y0 + 41), en, 17, fill=MUTED, anchor="lt")
    hint_bar(img, MENU_HINT)
    return img


def page_new_game(img):
    box = PAGE_BOX
    panel(img, box)
    y = panel_title(img, box, "Jauna spēle", "New game")
    cx = (box[0] + box[2]) / 2
    y = bilingual(img, (cx, y + 4), "Izaudz līmeni pa līmenim!", "Grow up, level by level!", 28,
                  en_size=21, anchor="m") + 28
    # the road through the four levels
    step = (box[2] - box[0] - 160) / 3
    xs = [box[0] + 80 + i * step for i in range(4)]
    sk = Sketch(box[2] - box[0], 200)
    for a, b in zip(xs, xs[1:]):
        sk.outlined_line([(a + 40 - box[0], 70), (b - 40 - box[0], 70)], AMBER, 8, INK, 3)
    for i, x in enumerate(xs):
        dr.badge(sk, x - box[0], 70, 56, [ROSE, CORAL, LEAF, SKY][i])
        level_icon(sk, i, x - box[0], 98 if i else 88, 1.0)
    sk.paste_on(img, (box[0], y))
    for i, x in enumerate(xs):
        n, lv, en = LEVELS[i][:3]
        text(img, (x, y + 140), f"{n}. {lv}", 18, fill=CREAM, anchor="mt", max_width=step - 8)
        text(img, (x, y + 164), en, 15, fill=MUTED, anchor="mt", max_width=step - 8)
    y += 214
    y = bilingual(img, (cx, y), "Katrā līmenī esi mazliet lielāks.", "In every level you are a bit older.",
                  22, en_size=17, anchor="m", max_width=580) + 26
    b = keycap(img, (cx - 150, y + 22), "Enter", 22)
    bilingual(img, (b[2] + 16, y + 2), "sākt no sākuma", "start from the beginning", 22)


def page_load(img):
    box = PAGE_BOX
    panel(img, box)
    y = panel_title(img, box, "Ielādēt", "Load")
    cx = (box[0] + box[2]) / 2
    sk = Sketch(300, 200)
    dr.empty_box(sk, 150, 185, 1.2)
    sk.paste_on(img, (cx - 150, y + 6))
    y += 226
    y = bilingual(img, (cx, y), "Nav ko ielādēt.", "There is nothing to load.", 38, en_size=27,
                  anchor="m") + 30
    y = paragraph(img, cx, y, "Spēle starp reizēm neko nesaglabā: katra spēle sākas no jauna.",
                  20, 500, CREAM, anchor="m") + 6
    paragraph(img, cx, y, "The game keeps nothing between runs: every game starts afresh.",
              18, 500, MUTED, bold=False, anchor="m")


def page_authors(img):
    box = PAGE_BOX
    panel(img, box)
    y = panel_title(img, box, "Autori", "Authors")
    cx = (box[0] + box[2]) / 2
    y = bilingual(img, (cx, y + 2), "viPRats izstrādātāji", "the viPRats developers", 30, anchor="m") + 26
    roles = [
        ("Ideja un programmēšana", "Idea and code", TEAL),
        ("Zīmējumi", "Pictures", CORAL),
        ("Mūzika un skaņas", "Music and sounds", ROSE),
        ("Spēles pārbaude", "Play testing", LEAF),
    ]
    for lv, en, colour in roles:
        sk = Sketch(40, 40)
        dr.star(sk, 20, 20, 16, colour)
        sk.paste_on(img, (box[0] + 58, y + 2))
        bilingual(img, (box[0] + 112, y), lv, en, 22, en_size=16, max_width=290)
        text(img, (box[2] - 44, y + 12), "viPRats komanda", 19, fill=GOLD, anchor="rm")
        text(img, (box[2] - 44, y + 36), "the viPRats team", 15, fill=MUTED, anchor="rm")
        y += 68
    y += 16
    bilingual(img, (cx, y), "Paldies, ka spēlē!", "Thank you for playing!", 30, anchor="m")


def page_keys(img):
    box = PAGE_BOX
    panel(img, box)
    y = panel_title(img, box, "Pogas", "Keys", size=28) - 6
    colw = (box[2] - box[0] - 62) // 2
    xl = box[0] + 22
    xr = xl + colw + 18
    yl = section(img, xl, y, "Izvēlnē", "In the menu", colw, 16)
    yl = key_list(img, xl, yl, colw, KEYS_MENU, 14, cap_w=84) + 4
    yl = section(img, xl, yl, "Visos līmeņos", "In every level", colw, 16)
    yl = key_list(img, xl, yl, colw, KEYS_EVERYWHERE, 14, cap_w=84) + 4
    yl = section(img, xl, yl, "Līmenis 0", "Level 0", colw, 16)
    key_list(img, xl, yl, colw, KEYS_LEVEL0, 14, cap_w=84)
    yr = section(img, xr, y, "Līmeņi 1–3", "Levels 1–3", colw, 16)
    key_list(img, xr, yr, colw, KEYS_WORLD, 14, cap_w=64)


def page_about(img):
    box = PAGE_BOX
    panel(img, box)
    y = panel_title(img, box, "Par spēli", "About")
    cx = (box[0] + box[2]) / 2
    y = bilingual(img, (cx, y), "viPRats ir spēle par augšanu.", "viPRats is a game about growing up.", 25,
                  anchor="m", max_width=540) + 22
    for n, lv, en, tlv, ten, _ in LEVELS:
        sk = Sketch(70, 70)
        dr.badge(sk, 35, 35, 28, [ROSE, CORAL, LEAF, SKY][n])
        sk.paste_on(img, (box[0] + 34, y - 8))
        text(img, (box[0] + 69, y + 27), str(n), 26, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
        text(img, (box[0] + 118, y), f"{lv}: {tlv}", 19, fill=CREAM, max_width=box[2] - box[0] - 150)
        text(img, (box[0] + 118, y + 26), f"{en}: {ten}", 16, fill=MUTED, max_width=box[2] - box[0] - 150)
        y += 70
    y += 8
    y = bilingual(img, (cx, y), "Paēd, paspēj uz podiņa un izaudz!", "Eat, make it to the potty in time, grow up!",
                  22, anchor="m", max_width=540)
    text(img, (box[2] - 30, box[3] - 24), "demo 1.0", 16, fill=AMBER, anchor="rb")


def page_exit(img):
    box = PAGE_BOX
    panel(img, box)
    y = panel_title(img, box, "Iziet", "Exit")
    cx = (box[0] + box[2]) / 2
    sk = Sketch(200, 190)
    dr.door(sk, 100, 184, 1.0)
    sk.paste_on(img, (cx - 100, y))
    y += 206
    y = bilingual(img, (cx, y), "Vai tiešām iziet?", "Leaving already?", 36, anchor="m") + 34
    x = cx - 190
    x = keycap(img, (x, y + 20), "Enter", 20)[2] + 8
    x = keycap(img, (x, y + 20), "Esc", 20)[2] + 8
    x = keycap(img, (x, y + 20), "Y", 20)[2] + 16
    bilingual(img, (x, y), "iziet no spēles", "quit the game", 22)
    y += 74
    x = keycap(img, (cx - 190, y + 20), "↑", 20)[2] + 8
    x = keycap(img, (x, y + 20), "↓", 20)[2] + 16
    bilingual(img, (x, y), "palikt un spēlēt", "stay and play", 22)


MENU_PAGES = [page_new_game, page_load, page_authors, page_keys, page_about, page_exit]


# Where the game draws the typed digits: top-left corner and point size.
CHEAT_DIGITS_AT = (370, 220)
CHEAT_DIGITS_PT = 68


def cheat_page():
    img = background("menu", seed=3)
    logo(img, (W / 2, 64), 84)
    box = (150, 124, 874, 664)
    panel(img, box)
    text(img, (W / 2, box[1] + 22), "Slepenais kods  ·  Secret code", 32, fill=GOLD, anchor="mt")
    # A dark field under the spot where the digits appear, with one slot
    # mark per digit at the font's own digit advance.
    advance = font(CHEAT_DIGITS_PT).getlength("0")
    x0, y0 = CHEAT_DIGITS_AT
    field = (x0 - 18, y0 - 8, x0 - 18 + 8 * advance + 40, y0 + 86)
    w, h = int(field[2] - field[0]), int(field[3] - field[1])
    sk = Sketch(w + 1, h + 1)
    sk.rect((0, 0, w, h), (14, 10, 26), INK, 5, 18)
    sk.rect((6, 6, w - 6, h - 6), None, darker(AMBER, 0.2), 3, 14)
    for i in range(8):
        sx = 18 + i * advance + 4
        sk.rect((sx, h - 16, sx + advance - 10, h - 11), darker(MUTED, 0.5), None, 0, 2)
    sk.paste_on(img, field[:2])
    text(img, (W / 2, field[3] + 24), "Ievadi ciparus (līdz astoņiem)", 24, fill=CREAM, anchor="mt")
    text(img, (W / 2, field[3] + 56), "Type the digits (up to eight)", 18, fill=MUTED, anchor="mt")
    y = field[3] + 106
    for cap, lv, en in [("Enter", "apstiprināt", "confirm"), ("Backspace", "dzēst ciparu", "delete a digit"),
                        ("Esc", "atpakaļ uz izvēlni", "back to the menu")]:
        keycap(img, (446, y + 20), cap, 20, anchor="r")
        bilingual(img, (472, y), lv, en, 22, en_size=16)
        y += 62
    hint_bar(img, "Enter apstiprināt, Backspace dzēst, Esc atpakaļ   ·   Enter to confirm, Backspace, Esc back")
    return img


# --- pause overlays ------------------------------------------------------------------

PAUSE_BOX = (344, 156, 680, 612)
PAUSE_LEFT = (8, 206, 330, 560)
PAUSE_RIGHT = (694, 126, 1016, 630)


def pause_overlay(selected):
    """Transparent everywhere but the panels, so the frozen frame shows
    round them; the panels are opaque, so it does not show under the text."""
    img = transparent()
    box = PAUSE_BOX
    panel(img, box, alpha=255)
    cx = (box[0] + box[2]) / 2
    b = text(img, (cx, box[1] + 22), "Pauze", 40, fill=GOLD, anchor="mt")
    text(img, (cx, b[3] + 4), "Pause", 22, fill=MUTED, anchor="mt")
    y = box[1] + 112
    for i, (_, lv, en) in enumerate(PAUSE_ITEMS):
        sel = i == selected
        ib = (box[0] + 24, y, box[2] - 24, y + 62)
        pill(img, ib, sel, alpha=250)
        if sel:
            sk = Sketch(36, 36)
            sk.polygon([(7, 5), (31, 18), (7, 31)], INK, INK, 2)
            sk.paste_on(img, (ib[0] + 12, y + 13))
            text(img, (ib[0] + 54, y + 7), lv, 25, fill=INK, anchor="lt", stroke_fill=None, shadow=False)
            text(img, (ib[0] + 54, y + 37), en, 16, fill=(110, 56, 18), anchor="lt", stroke_fill=None,
                 shadow=False)
        else:
            text(img, (ib[0] + 54, y + 7), lv, 25, fill=CREAM, anchor="lt")
            text(img, (ib[0] + 54, y + 37), en, 16, fill=MUTED, anchor="lt")
        y += 74
    text(img, (cx, box[3] - 20), "↑/↓, Enter", 18, fill=AMBER, anchor="mb")
    if PAUSE_ITEMS[selected][0].endswith("pause_keys.png"):
        lb = PAUSE_LEFT
        panel(img, lb, alpha=255, radius=22)
        w = lb[2] - lb[0] - 36
        y = section(img, lb[0] + 18, lb[1] + 18, "Visur", "Everywhere", w, 16)
        y = key_list(img, lb[0] + 18, y, w, KEYS_EVERYWHERE, 14, cap_w=74) + 8
        y = section(img, lb[0] + 18, y, "Līmenis 0", "Level 0", w, 16)
        key_list(img, lb[0] + 18, y, w, KEYS_LEVEL0, 14, cap_w=74)
        rb = PAUSE_RIGHT
        panel(img, rb, alpha=255, radius=22)
        w = rb[2] - rb[0] - 36
        y = section(img, rb[0] + 18, rb[1] + 18, "Līmeņi 1–3", "Levels 1–3", w, 16)
        key_list(img, rb[0] + 18, y, w, KEYS_WORLD, 14, cap_w=74)
    return img


# --- intro ---------------------------------------------------------------------------


def age_notice():
    img = background("black", glow=(W / 2, H / 2, 560, (90, 40, 80), 0.5), seed=None)
    box = (112, 70, 912, 700)
    panel(img, box)
    sk = Sketch(170, 170)
    dr.badge(sk, 85, 85, 74, CORAL)
    sk.paste_on(img, (W / 2 - 85, 100))
    text(img, (W / 2, 185), "12+", 58, fill=CREAM, anchor="mm")
    y = bilingual(img, (W / 2, 282), "Vai tev ir vismaz 12 gadi?", "Are you at least 12 years old?", 40,
                  en_size=28, anchor="m") + 16
    y = paragraph(img, W / 2, y, "Šī spēle ir domāta spēlētājiem no 12 gadu vecuma.", 19, 700, CREAM,
                  anchor="m")
    y = paragraph(img, W / 2, y + 2, "This game is meant for players aged 12 and over.", 17, 700, MUTED,
                  bold=False, anchor="m") + 30
    # the two answers, big enough to read from the sofa
    for cap, lv, en, colour in (("Space", "Jā, turpināt", "Yes, go on", LEAF),
                                ("Esc", "Nē, iziet", "No, leave", CORAL)):
        row = (190, y, 834, y + 96)
        sk = Sketch(row[2] - row[0] + 1, 97)
        sk.rect((0, 0, row[2] - row[0], 96), darker(colour, 0.55), INK, 4, 26, 235)
        sk.rect((6, 6, row[2] - row[0] - 6, 90), None, colour, 3, 22)
        sk.paste_on(img, row[:2])
        b = keycap(img, (row[0] + 34, y + 46), cap, 30, fill=KEYCAP)
        bilingual(img, (b[2] + 34, y + 12), lv, en, 34, en_size=24, fill=lighter(colour, 0.55))
        y += 116
    return img


def maker_splash():
    img = background("black", glow=(W / 2, 330, 460, (70, 44, 96), 0.6), seed=None)
    sk = Sketch(300, 300)
    # the mark: a ring with a swirl of three arcs and a spark
    sk.circle((150, 150), 128, PANEL, INK, 8)
    sk.circle((150, 150), 112, None, AMBER, 5)
    for k, colour in enumerate((AMBER, CORAL, TEAL)):
        r = 86 - k * 22
        sk.arc((150 - r, 150 - r, 150 + r, 150 + r), 200 + k * 40, 470 + k * 40, INK, 20)
        sk.arc((150 - r, 150 - r, 150 + r, 150 + r), 200 + k * 40, 470 + k * 40, colour, 12)
    dr.star(sk, 150, 150, 20, GOLD)
    sk.paste_on(img, (W / 2 - 150, 150))
    text(img, (W / 2, 520), "S O R V E L", 78, fill=CREAM, anchor="mm")
    text(img, (W / 2, 592), "spēļu darbnīca  ·  game workshop", 24, fill=AMBER, anchor="mm")
    return img


def version_screen(system_lv, system_en):
    img = background("menu", seed=5)
    box = (162, 120, 862, 640)
    panel(img, box)
    logo(img, (W / 2, 250), 140)
    y = bilingual(img, (W / 2, 360), f"{system_lv} versija", f"{system_en} version", 46, en_size=30,
                  anchor="m") + 30
    sk = Sketch(220, 64)
    sk.rect((0, 0, 220, 62), CORAL, INK, 5, 31)
    sk.rect((8, 5, 212, 26), lighter(CORAL, 0.2), None, 0, 14)
    sk.paste_on(img, (W / 2 - 110, y))
    text(img, (W / 2, y + 31), "demo 1.0", 32, fill=CREAM, anchor="mm")
    text(img, (W / 2, 590), "viPRats — spēle par augšanu  ·  a game about growing up", 19, fill=MUTED,
         anchor="mm")
    return img


# --- loading screens -------------------------------------------------------------------

SCENE_BOX = (132, 236, 892, 566)


def _scene_level0(sk, w, h):
    dr.sky(sk, (120, 24, 52), (180, 60, 82))
    for x, y, r in ((70, 60, 30), (300, 40, 24), (470, 250, 38), (700, 250, 34), (40, 270, 26),
                    (600, 40, 22)):
        dr.blood_cell(sk, x, y, r)
    dr.pill_capsule(sk, 420, 60, 0.9)
    dr.pill_capsule(sk, 250, 280, 0.75, TEAL)
    for i, (x, y) in enumerate(((230, 110), (190, 185), (320, 215), (150, 250))):
        dr.sperm(sk, x, y, 0.75, CREAM, phase=i * 1.7)
    for k in range(3):
        sk.line([(400 - k * 12, 132 + k * 20), (456 - k * 12, 132 + k * 20)], GOLD, 4)
    dr.sperm(sk, 600, 150, 1.25, GOLD, phase=0.6)


def _scene_level1(sk, w, h):
    dr.sky(sk, (60, 40, 90), (230, 130, 100), h - 60)
    dr.star(sk, 90, 60, 12, GOLD)
    dr.star(sk, 680, 50, 9, GOLD)
    dr.ground(sk, h - 60, (120, 84, 60))
    dr.house(sk, 300, h - 60, 1.05)
    dr.clock(sk, 600, 110, 56)
    for i, colour in enumerate((TEAL, CORAL, ROSE, SKY, MINT)):
        dr.gift(sk, 480 + i * 48, h - 84 - (i % 2) * 30, 0.75, colour)
    sk.rect((660, h - 60 - 10, 740, h - 50), AMBER, INK, 3, 6)


def _scene_level2(sk, w, h):
    dr.sky(sk, (80, 120, 180), (250, 190, 120), h - 70)
    sk.circle((620, 70), 40, GOLD, INK, 4)
    dr.ground(sk, h - 70, (96, 160, 80))
    dr.barn(sk, 200, h - 70, 0.95)
    dr.tree(sk, 410, h - 70, 1.1)
    dr.well(sk, 520, h - 60, 0.85)
    dr.fence(sk, 20, 120, h - 40, 0.7)
    dr.hen(sk, 330, h - 22, 0.8)
    dr.hen(sk, 270, h - 14, 0.7)
    dr.bush(sk, 640, h - 40, 0.9)
    dr.bonfire(sk, 700, h - 24, 0.7)


def _scene_level3(sk, w, h):
    dr.sky(sk, (20, 30, 80), (110, 80, 150), h - 60)
    for x, y, r in ((60, 40, 8), (180, 80, 6), (420, 30, 7), (540, 90, 5), (700, 50, 8)):
        dr.star(sk, x, y, r, GOLD)
    sk.circle((640, 70), 30, CREAM, INK, 4)
    sk.circle((654, 62), 26, (39, 40, 95), None)
    dr.ground(sk, h - 60, (70, 66, 90))
    dr.church(sk, 140, h - 60, 0.56)
    dr.house(sk, 300, h - 60, 0.6, wall=(200, 190, 230), roof=(90, 96, 150))
    dr.shop(sk, 470, h - 60, 0.85)
    dr.lamp(sk, 590, h - 60, 0.9)
    dr.car(sk, 670, h - 20, 0.75, TEAL)


SCENES = [_scene_level0, _scene_level1, _scene_level2, _scene_level3]


def scene_frame(img, n, box=SCENE_BOX):
    """The level's illustration in a rounded, outlined frame."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    soft_shadow(img, box, 28)
    sk = Sketch(w, h)
    SCENES[n](sk, w, h)
    pic = sk.image()
    mask = Image.new("L", (w * 2, h * 2), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, w * 2 - 1, h * 2 - 1), radius=56, fill=255)
    mask = mask.resize((w, h), Image.LANCZOS)
    pic.putalpha(ImageChops.multiply(pic.getchannel("A"), mask))
    img.alpha_composite(pic, (x0, y0))
    rim = Sketch(w + 1, h + 1)
    rim.rect((0, 0, w, h), None, INK, 6, 28)
    rim.rect((7, 7, w - 7, h - 7), None, AMBER, 3, 22)
    rim.paste_on(img, (x0, y0))


def level_header(img, n, y=18):
    _, lv, en, tlv, ten, _ = LEVELS[n]
    b = text(img, (W / 2, y), f"Līmenis {n}", 70, fill=CREAM, anchor="mt")
    b = text(img, (W / 2, b[3] + 4), f"Level {n}", 28, fill=MUTED, anchor="mt")
    b = text(img, (W / 2, b[3] + 10), f"{lv} — {tlv}", 26, fill=AMBER, anchor="mt", max_width=900)
    b = text(img, (W / 2, b[3] + 5), f"{en} — {ten}", 19, fill=CREAM, anchor="mt", max_width=900)
    return b[3]


def loading_picture(n, ready):
    tint = LEVELS[n][5]
    img = background(tint, seed=10 + n)
    level_header(img, n)
    scene_frame(img, n)
    if not ready:
        bilingual(img, (W / 2, 600), "Ielādē...", "Loading...", 40, en_size=26, anchor="m")
        progress_dots(img, (W / 2, 718), lit=4)
    else:
        bx = (W / 2 - 300, 592, W / 2 + 300, 742)
        sk = Sketch(601, 151)
        sk.rect((0, 0, 600, 150), PANEL_DARK, INK, 5, 30, 235)
        sk.rect((7, 7, 593, 143), None, GOLD, 3, 24)
        sk.paste_on(img, bx[:2])
        text(img, (W / 2, 612), "Gatavs!  ·  Ready!", 30, fill=MINT, anchor="mt")
        b = keycap(img, (W / 2 - 228, 690), "Enter", 30)
        bilingual(img, (b[2] + 26, 664), "Spied Enter", "Press Enter", 34, en_size=24, fill=GOLD,
                  en_fill=CREAM)
    return img


# --- instruction pages -----------------------------------------------------------------

GOALS = {
    1: [
        ("Atrodi mājā 11 lietas un pa vienai aiznes tās uz nodošanas vietu.",
         "Find the 11 items in the house and carry them, one at a time, to the drop point."),
        ("Kad visas 11 savāktas, ej uz izeju, pirms pulkstenis rāda 00:00 (15 minūtes).",
         "With all 11 collected, reach the exit before the clock shows 00:00 (15 minutes)."),
        ("Neļauj sev izsalkt: dzer pudelītes. Uz tualeti ej uz podiņa.",
         "Don't go hungry: drink the bottles. For the toilet, use the potty."),
        ("Spied Space pie zīmēm: sienas bumba, plīts un podiņš.",
         "Press Space at the markers: wall-ball, the stove and the potty."),
        ("Turbo dod nitro (n); pilns mērītājs palaiž gāzi (o) pret kaitēkļiem.",
         "A turbo gives nitro (n); a full meter lets out gas (o) against the pests."),
    ],
    2: [
        ("Runā ar uzdevumu devēju un atbildi Y (jā) vai N (nē).",
         "Talk to the quest giver and answer Y (yes) or N (no)."),
        ("Salasi 31 olu un nes tās uz grozu; nepieskaries vistām.",
         "Gather the 31 eggs into the basket; keep away from the hens."),
        ("Izvelc spaini no akas: spied Space atkal un atkal.",
         "Pull the bucket out of the well: press Space again and again."),
        ("Ogas trijos krūmos: B pārsprāgst krūmu, ←/→ ķer ogas.",
         "Berries at three bushes: B bursts the bush, ←/→ catch the berries."),
        ("Sanes 6 malkas gabalus Jāņu ugunskuram, tad ej uz izeju.",
         "Carry 6 pieces of firewood to the Midsummer bonfire, then take the exit."),
        ("Paēd pie ēdiena zīmes un ej uz podiņa.",
         "Eat at the food marker and use the potty."),
    ],
    3: [
        ("Palīdzi pilsētniekiem, uzdevumu pēc uzdevuma; atbildi Y vai N.",
         "Help the townsfolk, task after task; answer Y or N."),
        ("Dzērājam atnes dzērienu no veikala (←/→ ķer pudeles).",
         "Bring the drinker a drink from the shop (←/→ catch the bottles)."),
        ("Vīram atnes belašus no ēdiena vietas; tad pie Rikša: sacīkstes un tūnings.",
         "Fetch belaši for the man at the food spot; then Riktis: a race and car tuning."),
        ("Ej medībās ar veci (bultas tēmē, Space šauj).",
         "Go hunting with the old man (arrows aim, Space shoots)."),
        ("Kautuvē uzvari vīru melnā kreklā (sit ar w a s d z x c).",
         "At the slaughterhouse beat the man in the black shirt (hit with w a s d z x c)."),
        ("Kad viss padarīts, atveras izeja: ej tur un spied Space.",
         "When all is done the exit opens: go there and press Space."),
    ],
}

INSTRUCTION_KEYS = {
    1: [
        (["←↑↓→"], "iet", "walk"),
        (["Space"], "paņemt, nodot, dzert, ieiet", "take, deliver, drink, go in"),
        (["k"], "karte", "map"),
        (["i"], "informācija", "info"),
        (["n"], "nitro (pēc turbo)", "nitro (after a turbo)"),
        (["o"], "gāze (mērītājs pilns)", "gas (meter full)"),
        (["m"], "mūzika: t, y, u", "music: t, y, u"),
        (["Enter"], "sākt minispēli", "start a mini-game"),
        (["q"], "iziet no minispēles", "leave a mini-game"),
        (["Esc"], "pauze", "pause"),
    ],
    2: [
        (["←↑↓→"], "iet", "walk"),
        (["Space"], "runāt, ieiet, paņemt, nodot", "talk, go in, take, deliver"),
        (["Y", "N"], "jā / nē", "yes / no"),
        (["k"], "karte", "map"),
        (["i"], "informācija", "info"),
        (["m"], "mūzika: t, y, u", "music: t, y, u"),
        (["B"], "pārsprāgt ogu krūmu", "burst the berry bush"),
        (["Enter"], "sākt minispēli", "start a mini-game"),
        (["q"], "iziet (olu pagalms)", "leave (hen yard)"),
        (["Esc"], "pauze", "pause"),
    ],
    3: [
        (["←↑↓→"], "iet", "walk"),
        (["Space"], "runāt, ieiet, paēst", "talk, go in, eat"),
        (["Y", "N"], "jā / nē", "yes / no"),
        (["k"], "karte", "map"),
        (["i"], "informācija", "info"),
        (["m"], "mūzika: t, y, u", "music: t, y, u"),
        (["Space"], "sacīkstēs bremzēt", "brake in the race"),
        (["Enter"], "sākt minispēli", "start a mini-game"),
        (["q"], "iziet no minispēles", "leave a mini-game"),
        (["Esc"], "pauze", "pause"),
    ],
}


def instruction_page(n):
    tint = LEVELS[n][5]
    img = background(tint, seed=20 + n)
    _, lv, en, _, _, _ = LEVELS[n]
    sk = Sketch(110, 110)
    dr.badge(sk, 55, 55, 46, [ROSE, CORAL, LEAF, SKY][n])
    sk.paste_on(img, (28, 12))
    text(img, (83, 67), str(n), 52, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
    text(img, (152, 20), f"Līmenis {n}: {lv}", 44, fill=CREAM, anchor="lt")
    text(img, (154, 78), f"Level {n}: {en}  ·  Kā spēlēt / How to play", 22, fill=MUTED, anchor="lt")
    gb = (18, 130, 650, 656)
    panel(img, gb)
    y = section(img, gb[0] + 24, gb[1] + 20, "Mērķis", "Goal", gb[2] - gb[0] - 48, 22) + 6
    for glv, gen in GOALS[n]:
        y = bullet(img, gb[0] + 24, y, glv, gen, gb[2] - gb[0] - 48, 18)
    kb = (664, 130, 1006, 656)
    panel(img, kb)
    y = section(img, kb[0] + 20, kb[1] + 20, "Pogas", "Keys", kb[2] - kb[0] - 40, 22) + 4
    key_list(img, kb[0] + 20, y, kb[2] - kb[0] - 40, INSTRUCTION_KEYS[n], 16, cap_w=82)
    # the way on
    fb = (W / 2 - 330, 672, W / 2 + 330, 756)
    pill(img, fb, True)
    b = keycap(img, (fb[0] + 40, 711), "Space", 26)
    text(img, (b[2] + 24, 683), "Spied Space, lai sāktu!", 28, fill=INK, anchor="lt", stroke_fill=None,
         shadow=False)
    text(img, (b[2] + 24, 718), "Press Space to start!", 20, fill=(110, 56, 18), anchor="lt",
         stroke_fill=None, shadow=False)
    return img


# --- entry point -------------------------------------------------------------------------


def generate(outdir):
    written = []
    for i, (rel, _, _) in enumerate(MENU_ITEMS):
        img = menu_frame(i)
        MENU_PAGES[i](img)
        written.append(save(img, outdir, rel))
    written.append(save(cheat_page(), outdir, "menu/cheat.jpg"))
    for i, (rel, _, _) in enumerate(PAUSE_ITEMS):
        written.append(save(pause_overlay(i), outdir, rel, alpha=True))
    written.append(save(age_notice(), outdir, "load_screen/pirmais.png"))
    written.append(save(maker_splash(), outdir, "load_screen/sorvel.jpg"))
    written.append(save(version_screen("Linux", "Linux"), outdir, "load_screen/LINUXversija.jpg"))
    written.append(save(version_screen("Windows", "Windows"), outdir, "load_screen/WINversija.jpg"))
    names = {0: ["lvl0"], 1: ["lvl1"], 2: ["LVL2", "lvl2"], 3: ["LVL3", "lvl3"]}
    for n in range(4):
        for ready in (False, True):
            img = loading_picture(n, ready)
            for base in names[n]:
                written.append(save(img, outdir, f"load_screen/{base}{'_' if ready else ''}.jpg"))
    for n in (1, 2, 3):
        written.append(save(instruction_page(n), outdir, f"load_screen/izgl{n}.png"))
    return written
