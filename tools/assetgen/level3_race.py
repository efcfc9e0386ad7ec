"""Level 3's race: the 5000 x 5000 track, the checkpoint marker, the car's
sixteen headings and the intro.

The track is one smooth road through the fifteen checkpoints in order,
from the start grid to the finish zone; `drive_check` drives it with the
race's own rules (16 headings, 100 ms steps, speed in pixels per frame) to
prove it can be followed.

    /usr/bin/python3 tools/assetgen/level3_race.py    (runs the drive check)
"""

import math
import sys

import numpy as np
from PIL import Image, ImageDraw

import level3_look as lk
from common import (CORAL, CREAM, GOLD, INK, LEAF, darker, lighter, text)

SIZE = 5000
FILL = (10, 60, 10)                  # what the game shows off the picture

# checkpoint top-left corners, in race order; the marker is 78 x 70 and the
# game compares the car's centre with the marker's centre (+39, +35)
CHECKPOINTS = [(1710, 4501), (1678, 3655), (461, 3222), (684, 1578), (1700, 1280),
               (2334, 1761), (2174, 2315), (3854, 2257), (3756, 1280), (3186, 795),
               (1306, 508), (4650, 265), (4620, 2969), (2732, 3426), (2595, 4476)]
MARKER = (78, 70)
CP_RADIUS = 50

CAR_FRAMES, CAR_W, CAR_H = 16, 99, 103
START_CAR = (500 + 50, 4480 + 50)    # the car's centre on the track at the start
START_HEADING = 270.0
FINISH_X = 4080 + 50                 # the finish zone, for the car's centre
FINISH_Y = (4417 + 50, 4742 + 50)

ROAD_W = 280


def cp_centre(i):
    x, y = CHECKPOINTS[i]
    return (x + MARKER[0] // 2, y + MARKER[1] // 2)


def control_points():
    c = [cp_centre(i) for i in range(15)]
    return [
        (180, 4530), START_CAR, (1200, 4534), c[0], (2040, 4450), (2010, 4060), c[1],
        (1200, 3560), (740, 3540), c[2], (400, 2700), (470, 2100), c[3], (1100, 1300), c[4],
        (2150, 1420), c[5], (2350, 2080), c[6], (2520, 2590), (3300, 2540), c[7], (4080, 1800),
        c[8], (3560, 1010), c[9], (2500, 950), (1800, 850), c[10], (1520, 250), (2500, 190),
        (3700, 190), c[11], (4800, 800), (4760, 2000), c[12], (4300, 3350), (3500, 3420), c[13],
        (2500, 3820), (2520, 4250), c[14], (3000, 4600), (3800, 4630), (4400, 4630), (4860, 4630),
    ]


def centreline(step=6.0):
    """Dense points along a centripetal Catmull-Rom spline through the
    control points (it passes exactly through every checkpoint)."""
    p = np.array(control_points(), np.float64)
    p = np.vstack([2 * p[0] - p[1], p, 2 * p[-1] - p[-2]])
    out = []
    for i in range(1, len(p) - 2):
        p0, p1, p2, p3 = p[i - 1], p[i], p[i + 1], p[i + 2]
        t0 = 0.0
        t1 = t0 + np.linalg.norm(p1 - p0) ** 0.5
        t2 = t1 + np.linalg.norm(p2 - p1) ** 0.5
        t3 = t2 + np.linalg.norm(p3 - p2) ** 0.5
        n = max(2, int(np.linalg.norm(p2 - p1) / step))
        t = np.linspace(t1, t2, n, endpoint=False)[:, None]
        a1 = (t1 - t) / (t1 - t0) * p0 + (t - t0) / (t1 - t0) * p1
        a2 = (t2 - t) / (t2 - t1) * p1 + (t - t1) / (t2 - t1) * p2
        a3 = (t3 - t) / (t3 - t2) * p2 + (t - t2) / (t3 - t2) * p3
        b1 = (t2 - t) / (t2 - t0) * a1 + (t - t0) / (t2 - t0) * a2
        b2 = (t3 - t) / (t3 - t1) * a2 + (t - t1) / (t3 - t1) * a3
        out.append((t2 - t) / (t2 - t1) * b1 + (t - t1) / (t2 - t1) * b2)
    out.append(p[-2][None, :])
    return np.vstack(out)


# --- the track picture ---------------------------------------------------------------------

def _grass():
    rng = np.random.default_rng(31)
    cell = 40
    n = SIZE // cell + 3
    small = Image.fromarray((rng.random((n, n)) * 255).astype(np.uint8), "L")
    big = small.resize((n * cell, n * cell), Image.BICUBIC).crop((0, 0, SIZE, SIZE))
    base = (52, 110, 46)
    bands = [big.point([max(0, min(255, c + (v - 128) // 10)) for v in range(256)]) for c in base[:2]]
    bands.append(Image.new("L", (SIZE, SIZE), base[2]))
    return Image.merge("RGB", bands)


def _thick(d, pts, width, fill):
    """A wide stroke along `pts` with round joints: PIL's own joints leave
    hairline gaps on a long, finely bent polyline."""
    r = width / 2
    d.line(pts, fill=fill, width=int(width))
    for x, y in pts:
        d.ellipse((x - r, y - r, x + r, y + r), fill=fill)


def track_picture():
    pts = centreline()
    coarse = [tuple(p) for p in centreline(step=24.0)]
    img = _grass()
    # trees off the road
    mask = Image.new("L", (SIZE // 8, SIZE // 8), 0)
    _thick(ImageDraw.Draw(mask), [(x / 8, y / 8) for x, y in coarse], (ROAD_W + 260) / 8, 255)
    mask = np.asarray(mask) > 0
    rnd = np.random.default_rng(8)
    for _ in range(420):
        x, y = rnd.uniform(40, SIZE - 160), rnd.uniform(40, SIZE - 200)
        cells = [(min(SIZE // 8 - 1, int((y + dy) / 8)), min(SIZE // 8 - 1, int((x + 60) / 8))) for dy in (0, 60, 120)]
        if any(mask[c] for c in cells):
            continue
        sk = lk.Board(120, 120, ss=1)
        r = rnd.uniform(34, 56)
        c = darker(LEAF, rnd.uniform(0.15, 0.45))
        sk.circle((60, 60), r, c, INK, 4)
        sk.circle((60 - r * 0.3, 60 - r * 0.3), r * 0.45, lighter(c, 0.15), None)
        tree = sk.image()
        img.paste(tree, (int(x), int(y)), tree)
    d = ImageDraw.Draw(img)
    # kerbs in red and white blocks, then the asphalt over them
    _thick(d, coarse, ROAD_W + 46, INK)
    for k in range(0, len(coarse) - 1, 2):
        _thick(d, coarse[k:k + 3], ROAD_W + 36, CORAL if (k // 2) % 2 else CREAM)
    _thick(d, coarse, ROAD_W + 6, INK)
    _thick(d, coarse, ROAD_W, lk.ASPHALT)
    for p in (coarse[0], coarse[-1]):
        r = ROAD_W // 2
        d.rectangle((p[0] - 4, p[1] - r, p[0] + 4, p[1] + r), fill=INK)
    # dashed centre line
    line = [tuple(p) for p in pts]
    for k in range(0, len(line) - 12, 24):
        d.line(line[k:k + 12], fill=(236, 232, 214), width=8)
    _arrows(img, pts)
    _grid_and_finish(img)
    _numbers(img, pts)
    return img


def _on_rgb(img, box, draw):
    """Run `draw(rgba, dx, dy)` on a small RGBA copy of `box` of the big RGB
    picture and put it back: lettering needs RGBA, the whole track need not."""
    box = tuple(int(v) for v in box)
    part = img.crop(box).convert("RGBA")
    draw(part, -box[0], -box[1])
    img.paste(part.convert("RGB"), box[:2])


def _arrows(img, pts):
    """White chevrons on the road every so often, pointing the way."""
    d = ImageDraw.Draw(img)
    step = 90
    for k in range(40, len(pts) - 40, step):
        (x, y), (x2, y2) = pts[k], pts[k + 6]
        a = math.atan2(y2 - y, x2 - x)
        ux, uy = math.cos(a), math.sin(a)
        px, py = -uy, ux
        for off in (-70, 70):
            cx, cy = x + px * off, y + py * off
            tip = (cx + ux * 26, cy + uy * 26)
            d.line([(cx - ux * 10 + px * 22, cy - uy * 10 + py * 22), tip,
                    (cx - ux * 10 - px * 22, cy - uy * 10 - py * 22)], fill=(236, 232, 214), width=9)


def _grid_and_finish(img):
    d = ImageDraw.Draw(img)
    sx, sy = START_CAR
    r = ROAD_W // 2
    # start line and grid boxes
    d.rectangle((sx + 70, sy - r, sx + 84, sy + r), fill=CREAM)
    for k in range(3):
        bx = sx - 60 - k * 130
        d.rectangle((bx - 50, sy - 56, bx + 50, sy + 56), outline=CREAM, width=5)
    _on_rgb(img, (sx - 300, sy - r - 110, sx + 320, sy - r - 10),
            lambda im, dx, dy: text(im, (sx + 10 + dx, sy - r - 60 + dy), "STARTS · START", 44, fill=CREAM,
                                    anchor="mm"))
    # the chequered finish across the road at the zone's edge
    fx = FINISH_X
    y0, y1 = FINISH_Y
    cell = 25
    for i in range(4):
        for j in range(int((y1 - y0) / cell)):
            c = INK if (i + j) % 2 else CREAM
            d.rectangle((fx + i * cell, y0 + j * cell, fx + (i + 1) * cell, y0 + (j + 1) * cell), fill=c)
    _on_rgb(img, (fx - 100, y0 - 110, fx + 620, y0 - 10),
            lambda im, dx, dy: text(im, (fx + 260 + dx, y0 - 50 + dy), "FINIŠS · FINISH", 50, fill=GOLD,
                                    anchor="mm"))
    # flags on poles either side
    for y in (y0 - 10, y1 + 10):
        d.line([(fx + 50, y), (fx + 50, y - 120)], fill=INK, width=8)
        d.polygon([(fx + 54, y - 120), (fx + 130, y - 100), (fx + 54, y - 80)], fill=CORAL, outline=INK)


def _numbers(img, pts):
    """A numbered sign on the grass beside every checkpoint, 1 to 15."""
    for i in range(15):
        cx, cy = cp_centre(i)
        k = int(np.argmin(((pts - (cx, cy)) ** 2).sum(axis=1)))
        (x, y), (x2, y2) = pts[max(0, k - 5)], pts[min(len(pts) - 1, k + 5)]
        a = math.atan2(y2 - y, x2 - x)
        px, py = -math.sin(a), math.cos(a)
        side = 1 if 100 < cx + px * 260 < SIZE - 100 and 100 < cy + py * 260 < SIZE - 100 else -1
        bx, by = cx + px * 240 * side, cy + py * 240 * side
        def badge(im, dx, dy, n=i + 1, bx=bx, by=by):
            sk = lk.Board(120, 120)
            sk.circle((60, 60), 52, GOLD, INK, 6)
            sk.circle((60, 60), 42, None, lighter(GOLD, 0.4), 3)
            sk.paste_on(im, (int(bx - 60 + dx), int(by - 60 + dy)))
            text(im, (bx + dx, by + 2 + dy), str(n), 54, fill=INK, anchor="mm", stroke_fill=None, shadow=False)
        _on_rgb(img, (bx - 80, by - 80, bx + 80, by + 80), badge)


def checkpoint_marker():
    """gonka/punktvaacis.png, 78 x 70: a glowing gate the car drives over."""
    w, h = MARKER
    sk = lk.Board(w, h, ss=3)
    sk.ellipse((4, 8, w - 4, h - 4), GOLD, INK, 4, alpha=120)
    sk.ellipse((4, 8, w - 4, h - 4), None, INK, 8)
    sk.ellipse((4, 8, w - 4, h - 4), None, GOLD, 4)
    sk.line([(w / 2, h / 2 + 6), (w / 2, 2)], INK, 5)
    sk.polygon([(w / 2 + 2, 2), (w / 2 + 28, 10), (w / 2 + 2, 20)], CORAL, INK, 3)
    return sk.image()


# --- the car ---------------------------------------------------------------------------------

NIVA = (96, 150, 90)


def _car_up(scale=4):
    """The car pointing up, on a square board (supersampled)."""
    s = CAR_W * scale
    sk = lk.Board(s, s, ss=1)
    k = scale
    cx, cy = s / 2, s / 2
    hw, hl = 21 * k, 38 * k
    for dy in (-24, 24):
        for dx in (-1, 1):
            sk.rect((cx + dx * hw - 5 * k, cy + dy * k - 9 * k, cx + dx * hw + 5 * k, cy + dy * k + 9 * k),
                    (30, 30, 36), INK, 2 * k, 2 * k)
    sk.rect((cx - hw, cy - hl, cx + hw, cy + hl), NIVA, INK, 3 * k, 8 * k)
    sk.rect((cx - hw + 4 * k, cy - hl + 20 * k, cx + hw - 4 * k, cy - hl + 32 * k), (170, 210, 240), INK, 2 * k, 3 * k)
    sk.rect((cx - hw + 4 * k, cy - hl + 32 * k, cx + hw - 4 * k, cy + hl - 14 * k), lighter(NIVA, 0.12), INK, 2 * k, 3 * k)
    sk.rect((cx - hw + 5 * k, cy + hl - 14 * k, cx + hw - 5 * k, cy + hl - 7 * k), (150, 190, 220), INK, 2 * k, 2 * k)
    for dx in (-1, 1):
        sk.rect((cx + dx * 14 * k - 4 * k, cy - hl + 1 * k, cx + dx * 14 * k + 4 * k, cy - hl + 6 * k),
                (255, 244, 190), INK, 1.5 * k, 2 * k)
    sk.rect((cx - 8 * k, cy - 6 * k, cx + 8 * k, cy + 14 * k), (60, 64, 70), INK, 1.5 * k, 2 * k)
    return sk.image()


def car_sheet():
    """gonka/niva.png: 16 frames of 99 x 103; frame f heads 22.5 * (f + 1)
    degrees clockwise from screen-up (frame 3 right, 7 down, 11 left, 15 up).
    The car's centre sits at (50, 50), where the game measures it."""
    up = _car_up()
    sheet = Image.new("RGBA", (CAR_W * CAR_FRAMES, CAR_H))
    for f in range(CAR_FRAMES):
        heading = 22.5 * (f + 1)
        im = up.rotate(-heading, resample=Image.BICUBIC)
        im = im.resize((CAR_W, CAR_W), Image.LANCZOS)
        sheet.alpha_composite(im, (f * CAR_W, 0))
    return sheet


def race_intro(track):
    goals = [
        ("Brauc pa ceļu cauri visiem 15 kontrolpunktiem pēc kārtas līdz FINIŠAM.",
         "Drive along the road through all 15 checkpoints in order to the FINISH."),
        ("Katrs kontrolpunkts: +1. Finišs atver Rikša garāžu tūningam.",
         "Every checkpoint: +1. The finish opens Riktis's garage for tuning."),
        ("Pagriezties var tikai braucot; katrs pagrieziens mazliet bremzē.",
         "You can only turn while moving; every turn slows you a little."),
    ]
    keys = [(["↑"], "gāze", "throttle"), (["←", "→"], "stūrēt", "steer"), (["Space"], "bremze", "brake"),
            (["q"], "iziet", "leave")]
    mini = track.resize((170, 170), Image.LANCZOS).convert("RGBA")
    pic = Image.new("RGBA", (190, 190))
    sk = lk.Board(190, 190)
    sk.rect((0, 0, 189, 189), None, INK, 5, 8)
    sk.paste_on(pic)
    pic.alpha_composite(mini, (10, 10))
    return lk.intro_page("Sacīkstes", "The race", goals, keys, picture=pic, seed=65)


# --- proof that the road can be driven ----------------------------------------------------------

def drive_check(frame_ms=30, max_seconds=400):
    """Drives the track with the race's rules and a simple driver that
    follows the centreline; returns (checkpoints passed, finished, seconds,
    largest distance from the centreline)."""
    pts = centreline(step=4.0)
    cp_at = [int(np.argmin(((pts - cp_centre(i)) ** 2).sum(axis=1))) for i in range(15)]
    x, y = START_CAR
    rot, frame, spids = START_HEADING, 3, 0.19
    kkas = kkas2 = 0.0
    passed = [False] * 15
    idx, worst, now = 0, 0.0, 1000.0
    for _ in range(int(max_seconds * 1000 / frame_ms)):
        now += frame_ms
        # find where we are on the road and look ahead
        lo, hi = idx, min(len(pts), idx + 400)
        d2 = ((pts[lo:hi] - (x, y)) ** 2).sum(axis=1)
        idx = lo + int(np.argmin(d2))
        worst = max(worst, float(np.sqrt(d2.min())))
        look = min(len(pts) - 1, idx + 40 + int(spids * 6))
        tx, ty = pts[look]
        # a driver steers for the next marker once it is in sight
        nxt = next((i for i in range(15) if not passed[i]), None)
        if nxt is not None and 0 <= cp_at[nxt] - idx < 160:
            tx, ty = cp_centre(nxt)
        want = math.degrees(math.atan2(-(tx - x), -(ty - y))) % 360.0   # rot whose motion points there
        err = ((want - rot) + 180.0) % 360.0 - 180.0
        # how sharp is the road ahead?  slow down before bends
        far = pts[min(len(pts) - 1, idx + 160)]
        bend = abs(((math.degrees(math.atan2(-(far[0] - tx), -(far[1] - ty))) - want) + 180) % 360 - 180)
        target_speed = 11.0 if bend < 25 else (7.0 if bend < 60 else 4.0)
        right = err < -11.25 and spids > 1.5
        left = err > 11.25 and spids > 1.5
        up = not (right or left) and spids < target_speed
        brake = not (right or left) and spids > target_speed + 2.0
        due = now - kkas > 100
        if right and due:
            kkas, due = now, False
            frame += 1
            spids -= 0.15
            rot -= 22.5
        if left and due:
            kkas, due = now, False
            frame -= 1
            spids -= 0.15
            rot += 22.5
        if up:
            if now - kkas > 100:
                kkas = now
                spids += 0.2
        elif now - kkas2 > 100:
            kkas2 = now
            spids -= 0.15
        if brake and now - kkas > 100:
            kkas = now
            spids -= 0.55
        xx = math.sin(rot * 0.017453292) * spids
        yy = math.cos(rot * 0.017453292) * spids
        if spids > 0.03:
            x -= xx
            y -= yy
        spids = min(20.0, max(0.01, spids))
        for i in range(15):
            cx, cy = cp_centre(i)
            if not passed[i] and (x - cx) ** 2 + (y - cy) ** 2 < CP_RADIUS ** 2:
                passed[i] = True
        if x > FINISH_X and FINISH_Y[0] < y < FINISH_Y[1]:
            return sum(passed), True, now / 1000.0, worst
    return sum(passed), False, max_seconds, worst


def separation_check():
    """The road never runs into itself: parts of it far apart along the
    road stay apart on the ground (returns the closest such pair's gap)."""
    pts = centreline(step=20.0)
    n = len(pts)
    best = 1e9
    for i in range(n):
        d = np.sqrt(((pts - pts[i]) ** 2).sum(axis=1))
        far = np.abs(np.arange(n) - i) * 20.0 > 2000
        if far.any():
            best = min(best, float(d[far].min()))
    return best - (ROAD_W + 46)


if __name__ == "__main__":
    n, done, secs, worst = drive_check()
    gap = separation_check()
    print(f"checkpoints {n}/15, finished {done} after {secs:.0f} s, widest line {worst:.0f} px "
          f"(road half-width {ROAD_W // 2}), closest other stretch of road {gap:.0f} px away")
    sys.exit(0 if n == 15 and done and worst < ROAD_W / 2 and gap > 0 else 1)
