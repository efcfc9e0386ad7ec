"""Level 3's small pictures: the player's 8 x 8 sheet, the spot markers, the
accident pile and the need bars.  Sizes and frame strides are the ones the
level draws with."""

import math

from PIL import Image

import level3_look as lk
import level3_plan as plan
from common import (CORAL, CREAM, GOLD, INK, MINT, SKY, TEAL, darker, lighter, text)

# facing of each row of player3.png, in the level's own order
ROWS = [lk.UP_RIGHT, lk.UP, lk.UP_LEFT, lk.LEFT, lk.DOWN_LEFT, lk.DOWN, lk.DOWN_RIGHT, lk.RIGHT]
WALK_STEPS = 8

# where the game keeps the collision circle inside a frame
FEET = (plan.CIRCLE_AT[0] - plan.SCREEN[0], plan.CIRCLE_AT[1] - plan.SCREEN[1])


def player_frame(row, step):
    """One 100 x 180 frame: the figure's feet around the circle at (53, 156)."""
    sk = lk.Board(plan.FRAME_W, plan.FRAME_H, ss=3)
    lk.person(sk, FEET[0], FEET[1] + 12, 0.95, lk.PLAYER, ROWS[row],
              phase=step * 2 * math.pi / WALK_STEPS, walking=True)
    return sk.image()


def player_sheet():
    sheet = Image.new("RGBA", (plan.FRAME_W * WALK_STEPS, plan.FRAME_H * len(ROWS)))
    for row in range(len(ROWS)):
        for step in range(WALK_STEPS):
            sheet.alpha_composite(player_frame(row, step), (step * plan.FRAME_W, row * plan.FRAME_H))
    return sheet


# --- markers: flat rings on the ground, with what the spot is for --------------------------
# The player stands on a marker: his circle is 49 px right of its left edge and
# 9 below its top (29 for the food plate), so the ring is centred near there.

def _ring(sk, w, h, colour):
    cx, cy = w / 2 + 4, h / 2 + 2
    rx, ry = w / 2 - 6, h / 2 - 6
    sk.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), colour, INK, 4, alpha=90)
    sk.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), None, INK, 7)
    sk.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), None, colour, 4)
    return cx, cy


def talk_marker():
    """misija.png: someone to talk to."""
    w, h = plan.MARKERS["misija"][1]
    sk = lk.Board(w, h, ss=3)
    cx, cy = _ring(sk, w, h, GOLD)
    sk.rect((cx - 16, cy - 14, cx + 16, cy + 8), CREAM, INK, 3, 7)
    sk.polygon([(cx - 6, cy + 7), (cx - 12, cy + 15), (cx + 2, cy + 7)], CREAM, INK, 3)
    sk.rect((cx - 3, cy - 11, cx + 3, cy - 1), CORAL, None, 0, 2)
    sk.circle((cx, cy + 3), 2.6, CORAL, None)
    return sk.image()


def game_marker():
    """cp.png: a spot that opens a mini-game."""
    w, h = plan.MARKERS["cp"][1]
    sk = lk.Board(w, h, ss=3)
    cx, cy = _ring(sk, w, h, TEAL)
    sk.polygon([(cx - 8, cy - 11), (cx + 12, cy), (cx - 8, cy + 11)], MINT, INK, 3)
    return sk.image()


def exit_marker():
    """izeja.png: the way out of the town, once every task is done."""
    w, h = plan.MARKERS["izeja"][1]
    sk = lk.Board(w, h, ss=3)
    cx, cy = _ring(sk, w, h, (90, 220, 110))
    sk.polygon([(cx - 18, cy - 5), (cx + 2, cy - 5), (cx + 2, cy - 12), (cx + 18, cy),
                (cx + 2, cy + 12), (cx + 2, cy + 5), (cx - 18, cy + 5)], (120, 240, 130), INK, 3)
    return sk.image()


def info_marker():
    """info.png: the notice board."""
    w, h = plan.MARKERS["info"][1]
    sk = lk.Board(w, h, ss=3)
    cx, cy = _ring(sk, w, h, SKY)
    sk.circle((cx, cy), 12, CREAM, INK, 3)
    img = sk.image()
    text(img, (cx, cy + 1), "i", 17, fill=(40, 80, 170), anchor="mm", stroke_fill=None, shadow=False)
    return img


def food_marker():
    """food.png: a plate of belaši where the player eats."""
    w, h = plan.MARKERS["food"][1]
    sk = lk.Board(w, h, ss=3)
    # the plate lies where the player's feet come to it
    cx, cy = w / 2 + 2, 38
    sk.ellipse((cx - 27, cy - 16, cx + 27, cy + 18), (70, 160, 90), INK, 4, alpha=110)
    sk.ellipse((cx - 22, cy - 12, cx + 22, cy + 13), CREAM, INK, 3)
    sk.ellipse((cx - 15, cy - 7, cx + 15, cy + 8), lighter(CREAM, 0.4), None)
    for dx, dy in ((-9, -1), (7, -3), (0, 5)):
        sk.ellipse((cx + dx - 9, cy + dy - 6, cx + dx + 9, cy + dy + 5), (214, 150, 70), INK, 2)
        sk.circle((cx + dx, cy + dy - 1), 2.4, (140, 80, 40), None)
    # steam
    for k, x in enumerate((cx - 10, cx, cx + 10)):
        sk.line([(x, 18), (x + 4, 12), (x, 6), (x + 4, 0)], (240, 240, 250), 2.4)
    return sk.image()


MARKER_PICTURES = {"misija": talk_marker, "cp": game_marker, "izeja": exit_marker,
                   "info": info_marker, "food": food_marker}


def markers():
    return {rel: MARKER_PICTURES[name]() for name, (rel, _) in plan.MARKERS.items()}


# --- accident pile: 10 frames of 40 x 60 ----------------------------------------------------

PILE_FRAMES, PILE_W, PILE_H = 10, 40, 60


def piles():
    sheet = Image.new("RGBA", (PILE_W * PILE_FRAMES, PILE_H))
    brown = (120, 74, 40)
    for k in range(PILE_FRAMES):
        sk = lk.Board(PILE_W, PILE_H, ss=4)
        sk.ellipse((4, 48, 36, 58), (0, 0, 0), None, alpha=60)
        sk.ellipse((5, 40, 35, 56), brown, INK, 2.5)
        sk.ellipse((9, 32, 31, 47), lighter(brown, 0.08), INK, 2.5)
        sk.ellipse((13, 25, 27, 38), lighter(brown, 0.16), INK, 2.5)
        sk.circle((17, 31), 2.2, lighter(brown, 0.5), None)
        # two flies circling, and a wavy smell rising
        a = 2 * math.pi * k / PILE_FRAMES
        for off in (0.0, math.pi):
            fx = 20 + math.cos(a + off) * 14
            fy = 14 + math.sin(2 * (a + off)) * 6
            sk.circle((fx, fy), 2.6, INK, None)
            sk.ellipse((fx - 4, fy - 5, fx, fy - 1), (220, 230, 250), None)
            sk.ellipse((fx, fy - 5, fx + 4, fy - 1), (220, 230, 250), None)
        sway = math.sin(a) * 2
        sk.line([(16 + sway, 22), (19 + sway, 16), (15 + sway, 10), (18 + sway, 4)], (150, 190, 90), 1.6)
        sk.line([(25 - sway, 24), (28 - sway, 18), (24 - sway, 12)], (150, 190, 90), 1.6)
        sheet.alpha_composite(sk.image(), (k * PILE_W, 0))
    return sheet


# --- need bars ------------------------------------------------------------------------------

BAR_W, BAR_H = 150, 22


def need_bars():
    """lifebar.png: row 0 the bar, row 22 its blink; the level draws `food`
    or `toilet` pixels of it from the left (at most 135)."""
    img = Image.new("RGBA", (BAR_W, 2 * BAR_H))
    for row, (a, b) in enumerate(((MINT, TEAL), (CORAL, GOLD))):
        sk = lk.Board(BAR_W, BAR_H, ss=2)
        for i in range(BAR_W):
            t = i / (BAR_W - 1)
            c = tuple(int(a[k] + (b[k] - a[k]) * t) for k in range(3))
            sk.rect((i, 0, i + 1, BAR_H), c, None, 0)
        sk.rect((0, 2, BAR_W, 8), (255, 255, 255), None, 0, 3, 70)
        sk.line([(0, BAR_H - 1.5), (BAR_W, BAR_H - 1.5)], darker(b, 0.4), 3)
        for x in range(15, BAR_W, 15):
            sk.line([(x, 10), (x, BAR_H - 4)], darker(a, 0.25), 1.5)
        img.alpha_composite(sk.image(), (0, row * BAR_H))
    return img
