"""The farmstead's own colours and outlined shapes, shared by the world
picture, the buildings and trees drawn over it, the map and the screens.

Every function draws onto a common.Sketch at its final scale; (x, y) is
the point the shape stands on unless the docstring says otherwise.
"""

import math

from common import AMBER, CORAL, CREAM, GOLD, INK, LEAF, ROSE, STONE, darker, lighter

GRASS = (112, 168, 78)
GRASS_DARK = (84, 138, 64)
GRASS_LIGHT = (146, 194, 96)
DIRT = (196, 158, 108)
DIRT_DARK = (160, 120, 80)
STRAW = (226, 196, 116)
RYE = (222, 184, 92)
SOIL = (112, 80, 58)
WATER = (70, 138, 196)
WATER_DEEP = (44, 96, 158)
WOOD = (176, 122, 74)
WOOD_DARK = (124, 82, 52)
WOOD_LIGHT = (214, 166, 110)
LOG_END = (232, 196, 140)
ROOF_RED = (178, 64, 52)
ROOF_GREY = (112, 110, 130)
THATCH = (196, 160, 84)
WALL_LOG = (168, 112, 66)
WALL_WHITE = (240, 228, 206)
WALL_YELLOW = (238, 200, 120)
FOREST = (36, 78, 52)
FOREST_FLOOR = (30, 56, 40)
CURRANT = (214, 30, 52)
GOOSEBERRY = (160, 200, 90)
SKIN = (255, 206, 170)
GRANNY_SCARF = (200, 60, 90)
GRANNY_DRESS = (70, 90, 170)


def post_fence(sk, pts, height=30, colour=WOOD_LIGHT, spacing=38, width=3):
    """A rustic fence along a polyline of ground points: posts standing
    `height` up, two rails between them.  Works for any direction."""
    posts = []
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        n = max(1, int(round(math.hypot(x1 - x0, y1 - y0) / spacing)))
        for i in range(n + (1 if (x1, y1) == pts[-1] else 0)):
            t = i / n
            posts.append((x0 + (x1 - x0) * t, y0 + (y1 - y0) * t))
    for frac in (0.78, 0.38):
        for (ax, ay), (bx, by) in zip(posts, posts[1:]):
            sk.outlined_line([(ax, ay - height * frac), (bx, by - height * frac)], colour, 5, INK, 2)
    for x, y in sorted(posts, key=lambda p: p[1]):
        sk.rect((x - 4, y - height, x + 4, y + 2), darker(colour, 0.12), INK, width, 2)
    return posts


def log_piece(sk, x, y, length, r, colour=WOOD, heading=0.0):
    """A split log lying on the ground; (x, y) is its middle, `heading` in
    radians turns it on the ground."""
    ca, sa = math.cos(heading), math.sin(heading)
    hx, hy = ca * length / 2, sa * length / 2
    # body: a thick stroke, then the cut end as an ellipse
    sk.outlined_line([(x - hx, y - hy), (x + hx, y + hy)], colour, 2 * r, INK, 3)
    sk.line([(x - hx * 0.8, y - hy * 0.8 - r * 0.4), (x + hx * 0.6, y + hy * 0.6 - r * 0.4)],
            lighter(colour, 0.25), max(2, r * 0.3))
    ex, ey = x + hx, y + hy
    sk.ellipse((ex - r * 0.55, ey - r, ex + r * 0.55, ey + r), LOG_END, INK, 3)
    sk.ellipse((ex - r * 0.25, ey - r * 0.45, ex + r * 0.25, ey + r * 0.45), None, darker(LOG_END, 0.25), 2)


def log_stack(sk, box, rows=3, colour=WOOD):
    """Logs stacked end-on, as in a woodpile; fills box (x0, y0, x1, y1)."""
    x0, y0, x1, y1 = box
    h = (y1 - y0) / rows
    r = h / 2
    for row in range(rows):
        cy = y0 + h * row + r
        n = max(1, int((x1 - x0) // (2 * r)))
        off = (r if row % 2 else 0)
        for i in range(n):
            cx = x0 + r + off + i * 2 * r
            if cx + r > x1 + 0.5:
                continue
            sk.circle((cx, cy), r - 1, LOG_END, INK, 3)
            sk.circle((cx, cy), r * 0.45, None, darker(LOG_END, 0.2), 2)


def hen_top(sk, x, y, s=1.0, heading=0.0, colour=CREAM):
    """A hen seen from above; (x, y) is its middle, heading in radians."""
    ca, sa = math.cos(heading), math.sin(heading)

    def p(u, v):
        return (x + (u * ca - v * sa) * s, y + (u * sa + v * ca) * s)
    tail = [p(-20, -8), p(-30, 0), p(-20, 8)]
    sk.polygon(tail, darker(colour, 0.15), INK, 2.5 * s)
    body = [p(16 * math.cos(t), 12 * math.sin(t)) for t in [i * math.pi / 10 for i in range(20)]]
    body = [(bx - 3 * s * ca, by - 3 * s * sa) for bx, by in body]
    sk.polygon(body, colour, INK, 3 * s)
    hx, hy = p(14, 0)
    sk.circle((hx, hy), 7 * s, colour, INK, 2.5 * s)
    sk.polygon([p(20, -3), p(27, 0), p(20, 3)], AMBER, INK, 1.5 * s)
    cx, cy = p(12, 0)
    sk.circle((cx, cy), 3.2 * s, CORAL, None)
    wx, wy = p(-4, 0)
    sk.ellipse((wx - 8 * s, wy - 6 * s, wx + 8 * s, wy + 6 * s), None, darker(colour, 0.25), 2 * s)


def egg_shape(sk, cx, cy, w, h, colour=(250, 236, 210)):
    """An egg standing up, centred on (cx, cy)."""
    pts = []
    for i in range(32):
        t = 2 * math.pi * i / 32
        r = 1.0 - 0.18 * math.sin(t)  # narrower at the top
        pts.append((cx + math.cos(t) * w / 2 * r, cy + math.sin(t) * h / 2))
    sk.polygon(pts, colour, INK, max(2, w / 12))
    sk.ellipse((cx - w * 0.26, cy - h * 0.32, cx - w * 0.04, cy - h * 0.06), lighter(colour, 0.6), None)


def berry(sk, cx, cy, r, colour=CURRANT):
    sk.circle((cx, cy), r, colour, INK, max(1.5, r / 4))
    sk.circle((cx - r * 0.35, cy - r * 0.35), r * 0.3, lighter(colour, 0.6), None)


def bush(sk, cx, base, rx, ry, leaf=LEAF, berries=None, seed=1, count=22, berry_r=4.6):
    """A round shrub whose foot is at (cx, base); rx, ry its half size."""
    import random
    rnd = random.Random(seed)
    top = base - 2 * ry
    sk.ellipse((cx - rx * 0.9, base - ry * 0.3, cx + rx * 0.9, base + ry * 0.12), darker(leaf, 0.55), None,
               alpha=110)
    blobs = []
    for i in range(9):
        a = math.pi * (0.05 + 0.9 * i / 8)
        bx = cx - math.cos(a) * rx * 0.62
        by = base - ry * 0.75 - math.sin(a) * ry * 0.55
        blobs.append((bx, by, rx * rnd.uniform(0.36, 0.48)))
    blobs.append((cx, base - ry * 0.9, rx * 0.62))
    for bx, by, r in blobs:
        sk.circle((bx, by), r, darker(leaf, 0.08), INK, 3.5)
    for bx, by, r in blobs:
        sk.circle((bx, by), r - 3, darker(leaf, 0.08), None)
    for bx, by, r in blobs[:6]:
        sk.circle((bx - r * 0.25, by - r * 0.3), r * 0.45, lighter(leaf, 0.18), None)
    if berries:
        for _ in range(count):
            a = rnd.uniform(0, 2 * math.pi)
            d = math.sqrt(rnd.uniform(0.05, 0.85))
            bx = cx + math.cos(a) * rx * 0.8 * d
            by = (base - ry) + math.sin(a) * ry * 0.75 * d - 12
            # a hanging strig: a stem with berries along it
            step = berry_r * 2.05
            sk.line([(bx, by - 6), (bx + berry_r, by + 3.3 * step)], darker(leaf, 0.45), max(2, berry_r / 2.5))
            for k in range(4):
                berry(sk, bx + 1 + k * berry_r * 0.3, by + k * step, berry_r, berries)
    return top


def tree(sk, cx, base, crown_r, trunk_w=34, trunk_h=None, leaf=LEAF, bark=(110, 72, 48),
         seed=1, fruit=None, birch=False):
    """A broad deciduous tree standing at (cx, base): trunk, then a crown of
    overlapping lobes reaching about 2.3 * crown_r above the foot."""
    import random
    rnd = random.Random(seed)
    trunk_h = trunk_h or crown_r * 0.9
    # the shadow on the ground
    sk.ellipse((cx - crown_r * 0.95, base - crown_r * 0.22, cx + crown_r * 0.95, base + crown_r * 0.16),
               (20, 40, 24), None, alpha=80)
    tw = trunk_w
    trunk = [(cx - tw / 2 - 8, base + 4), (cx - tw / 2, base - trunk_h), (cx + tw / 2, base - trunk_h),
             (cx + tw / 2 + 8, base + 4)]
    tc = (236, 232, 222) if birch else bark
    sk.polygon(trunk, tc, INK, 4)
    if birch:
        for k in range(6):
            yy = base - trunk_h * (0.12 + 0.15 * k)
            sk.line([(cx - tw / 2 + 2, yy), (cx - tw / 2 + 12 + 4 * (k % 2), yy + 3)], INK, 3)
            sk.line([(cx + tw / 2 - 12, yy + 10), (cx + tw / 2 - 2, yy + 12)], INK, 3)
    else:
        sk.line([(cx - 4, base - 6), (cx - 6, base - trunk_h * 0.7)], darker(tc, 0.3), 3)
        sk.line([(cx + 8, base - 10), (cx + 6, base - trunk_h * 0.5)], darker(tc, 0.3), 3)
    cy = base - trunk_h - crown_r * 0.55
    lobes = []
    for i in range(11):
        a = 2 * math.pi * i / 11 + rnd.uniform(-0.15, 0.15)
        d = crown_r * rnd.uniform(0.55, 0.7)
        lobes.append((cx + math.cos(a) * d * 1.08, cy + math.sin(a) * d * 0.8, crown_r * rnd.uniform(0.42, 0.55)))
    lobes.sort(key=lambda l: l[1])
    dark = darker(leaf, 0.2)
    for x, y, r in lobes:
        sk.circle((x, y), r, dark, INK, 4)
    sk.circle((cx, cy), crown_r * 0.72, dark, None)
    for x, y, r in lobes:
        sk.circle((x, y), r - 4, dark, None)
    for x, y, r in lobes:
        if y < cy + crown_r * 0.2:
            sk.circle((x - r * 0.15, y - r * 0.2), r * 0.72, leaf, None)
    sk.circle((cx - crown_r * 0.1, cy - crown_r * 0.15), crown_r * 0.55, leaf, None)
    for x, y, r in lobes[:5]:
        sk.circle((x - r * 0.3, y - r * 0.35), r * 0.35, lighter(leaf, 0.22), None)
    if fruit:
        for _ in range(26):
            a = rnd.uniform(0, 2 * math.pi)
            d = rnd.uniform(0.15, 0.95) * crown_r
            fx, fy = cx + math.cos(a) * d, cy + math.sin(a) * d * 0.75
            sk.circle((fx, fy), 8, fruit, INK, 2.5)
            sk.circle((fx - 2.5, fy - 2.5), 2.5, lighter(fruit, 0.6), None)


def granny(sk, x, y, s=1.0, wave=True):
    """The quest giver: a granny in a headscarf and apron; (x, y) her feet."""
    def P(u, v):
        return (x + u * s, y + v * s)
    sk.ellipse((x - 34 * s, y - 8 * s, x + 34 * s, y + 8 * s), (20, 30, 20), None, alpha=90)
    # shoes and legs
    for u in (-12, 12):
        sk.rect((x + (u - 8) * s, y - 14 * s, x + (u + 8) * s, y), (60, 44, 40), INK, 2.5 * s, 3 * s)
    # dress: a bell
    sk.polygon([P(-34, -14), P(-20, -92), P(20, -92), P(34, -14)], GRANNY_DRESS, INK, 3.5 * s)
    sk.polygon([P(-18, -20), P(-12, -78), P(12, -78), P(18, -20)], CREAM, INK, 2.5 * s)  # apron
    for v in (-62, -44, -30):
        sk.line([P(-13, v), P(13, v)], lighter(ROSE, 0.3), 2 * s)
    # arms: one on the hip, one waving
    sk.outlined_line([P(-20, -86), P(-36, -60), P(-22, -46)], GRANNY_DRESS, 9 * s, INK, 2.5 * s)
    if wave:
        sk.outlined_line([P(20, -86), P(38, -104), P(44, -128)], GRANNY_DRESS, 9 * s, INK, 2.5 * s)
        sk.circle(P(45, -132), 7 * s, SKIN, INK, 2.5 * s)
    else:
        sk.outlined_line([P(20, -86), P(36, -60), P(22, -46)], GRANNY_DRESS, 9 * s, INK, 2.5 * s)
    # head in a scarf
    sk.circle(P(0, -112), 22 * s, GRANNY_SCARF, INK, 3.5 * s)
    sk.ellipse((x - 15 * s, y - 124 * s, x + 15 * s, y - 94 * s), SKIN, INK, 2.5 * s)
    sk.polygon([P(-12, -96), P(0, -84), P(12, -96)], GRANNY_SCARF, INK, 2.5 * s)
    for u in (-6, 6):
        sk.circle(P(u, -112), 2.2 * s, INK, None)
    sk.arc((x - 7 * s, y - 110 * s, x + 7 * s, y - 100 * s), 20, 160, INK, 2 * s)
    sk.circle(P(-10, -105), 3 * s, lighter(ROSE, 0.4), None)
    sk.circle(P(10, -105), 3 * s, lighter(ROSE, 0.4), None)
    for u in (-8, 0, 8):  # dots on the scarf
        sk.circle(P(u, -128), 2.4 * s, CREAM, None)


def rake(sk, head, handle_end, tines=8, colour=WOOD_LIGHT, metal=(150, 150, 166)):
    """A garden rake: the tine bar at `head` across the handle, which runs
    to `handle_end`."""
    hx, hy = head
    ex, ey = handle_end
    L = math.hypot(ex - hx, ey - hy) or 1.0
    ux, uy = (ex - hx) / L, (ey - hy) / L
    px, py = -uy, ux
    sk.outlined_line([(hx, hy), (ex, ey)], colour, 8, INK, 3)
    half = 36
    a = (hx + px * half, hy + py * half)
    b = (hx - px * half, hy - py * half)
    for k in range(tines):
        t = k / (tines - 1)
        tx, ty = a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t
        sk.outlined_line([(tx, ty), (tx - ux * 18, ty - uy * 18)], metal, 3, INK, 1.5)
    sk.outlined_line([a, b], metal, 7, INK, 2.5)


def flame(sk, cx, base, w, h, outer=CORAL, inner=GOLD, core=(255, 246, 200)):
    """A flame shape standing on (cx, base)."""
    def shape(sw, sh, dx=0.0):
        pts = []
        for i in range(25):
            t = i / 24
            yy = base - sh * t
            half = sw / 2 * math.sin(math.pi * (0.15 + 0.85 * (1 - t))) * (1 - t ** 3)
            pts.append((cx + dx * t - half, yy))
        for i in range(24, -1, -1):
            t = i / 24
            yy = base - sh * t
            half = sw / 2 * math.sin(math.pi * (0.15 + 0.85 * (1 - t))) * (1 - t ** 3)
            pts.append((cx + dx * t + half, yy))
        return pts
    sk.polygon(shape(w, h, w * 0.1), outer, INK, 3)
    sk.polygon(shape(w * 0.62, h * 0.7, -w * 0.05), inner, None)
    sk.polygon(shape(w * 0.3, h * 0.4), core, None)


def stone(sk, cx, cy, r, colour=STONE):
    sk.ellipse((cx - r, cy - r * 0.7, cx + r, cy + r * 0.7), colour, INK, 3)
    sk.ellipse((cx - r * 0.6, cy - r * 0.55, cx + r * 0.1, cy - r * 0.1), lighter(colour, 0.3), None)


def roof_tiles(sk, pts, colour, rows=8, outline=INK):
    """A roof face (polygon) with rows of tiles suggested by lines."""
    sk.polygon(pts, colour, outline, 4)
    ys = [p[1] for p in pts]
    y0, y1 = min(ys), max(ys)
    xs = [p[0] for p in pts]
    for k in range(1, rows):
        yy = y0 + (y1 - y0) * k / rows
        # clip the line to the polygon's x span at that height
        cut = _span(pts, yy)
        if cut:
            sk.line([(cut[0] + 4, yy), (cut[1] - 4, yy)], darker(colour, 0.22), 3)
    return min(xs), max(xs)


def _span(pts, yy):
    xs = []
    n = len(pts)
    for i in range(n):
        (ax, ay), (bx, by) = pts[i], pts[(i + 1) % n]
        if (ay - yy) * (by - yy) < 0 or ay == yy:
            if by != ay:
                xs.append(ax + (bx - ax) * (yy - ay) / (by - ay))
            else:
                xs.append(ax)
    if len(xs) < 2:
        return None
    return min(xs), max(xs)


def window(sk, box, frame=CREAM, glass=(120, 170, 220), shutters=None):
    x0, y0, x1, y1 = box
    if shutters:
        w = (x1 - x0) / 2
        sk.rect((x0 - w - 2, y0, x0 - 2, y1), shutters, INK, 3, 3)
        sk.rect((x1 + 2, y0, x1 + w + 2, y1), shutters, INK, 3, 3)
    sk.rect(box, glass, INK, 4, 3)
    sk.line([((x0 + x1) / 2, y0 + 2), ((x0 + x1) / 2, y1 - 2)], frame, 4)
    sk.line([(x0 + 2, (y0 + y1) / 2), (x1 - 2, (y0 + y1) / 2)], frame, 4)
    sk.rect((x0 + 5, y0 + 5, (x0 + x1) / 2 - 5, y0 + (y1 - y0) * 0.22), lighter(glass, 0.5), None, 0, 2)


def plank_wall(sk, box, colour, vertical=True, step=22, outline=INK):
    x0, y0, x1, y1 = box
    sk.rect(box, colour, outline, 4)
    if vertical:
        x = x0 + step
        while x < x1 - 4:
            sk.line([(x, y0 + 3), (x, y1 - 3)], darker(colour, 0.2), 2.5)
            x += step
    else:
        y = y0 + step
        while y < y1 - 4:
            sk.line([(x0 + 3, y), (x1 - 3, y)], darker(colour, 0.2), 2.5)
            y += step


def log_wall(sk, box, colour=WALL_LOG, step=20):
    """Horizontal logs with round ends showing at both corners."""
    x0, y0, x1, y1 = box
    sk.rect(box, colour, INK, 4)
    y = y0 + step
    while y < y1 - 2:
        sk.line([(x0 + 3, y), (x1 - 3, y)], darker(colour, 0.3), 3)
        y += step
    y = y0 + step / 2
    while y < y1:
        for ex in (x0, x1):
            sk.circle((ex, y), step / 2 - 1, LOG_END, INK, 2.5)
        y += step


def sign(sk, x, y, lines_w, h=34, colour=WOOD_LIGHT, post=True):
    """A small board on a post; (x, y) is the foot of the post.  Returns
    the board's box for lettering."""
    if post:
        sk.rect((x - 4, y - h - 40, x + 4, y), WOOD_DARK, INK, 3, 2)
    box = (x - lines_w / 2, y - h - 56, x + lines_w / 2, y - 56 + 0)
    sk.rect(box, colour, INK, 3.5, 5)
    return box

