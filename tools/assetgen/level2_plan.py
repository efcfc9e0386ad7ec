"""Where things are on the farmstead: level 2's content tables and the
meaning of each record of the committed collision map `lvl2/col2.txt`.

The map file holds the geometry; this module names its records and keeps
the game's own positions (spots, firewood, rakes, overlays), so that the
world picture, the buildings and the plan on the map screen are drawn from
the very rectangles that stop the player.
"""

import math
import os

WORLD_W, WORLD_H = 5000, 3812
COLLISION = "lvl2/col2.txt"
RECORDS = 54

# The camera moves, the sprite stays at screen (422, 324); the collision
# circle sits at offset + (477, 482) with radius 15, and the camera starts
# at (2800, 1500).
PLAYER_RADIUS = 15
CIRCLE_AT = (477, 482)
CAMERA_START = (2800, 1500)
START = (CAMERA_START[0] + CIRCLE_AT[0], CAMERA_START[1] + CIRCLE_AT[1])

# Points the game compares, as screen offsets of the camera: the foot point
# for spots and firewood, the rake foot point, the depth foot point.
FOOT = (482, 514)
RAKE_FOOT = (472, 504)
DEPTH_FOOT = (472, 474)

# Inner faces of the world border: the circle's centre must stay inside.
YARD = (600, 560, 4420, 3360)

# What each record of col2.txt is, in file order: (kind, name).
KINDS = [
    ("border", "forest, north"), ("border", "forest, south"),
    ("border", "forest, west"), ("border", "forest, east"),
    ("house", "house"), ("porch", "porch"),
    ("barn", "barn"),
    ("fence", "hen run, west"), ("fence", "hen run, south"), ("fence", "hen run, east"),
    ("hut", "hut"), ("woodshed", "woodshed"),
    ("privy", "privy"),
    ("swing", "swing"),
    ("well", "well"),
    ("trunk", "oak (A)"), ("trunk", "lime (B)"), ("trunk", "maple (I)"),
    ("trunk", "birch (C)"), ("trunk", "apple tree (V)"),
    ("bush", "currants (J)"), ("bush", "lilac (D)"), ("bush", "currants (M)"),
    ("haystack", "haystack (R)"), ("bush", "juniper (N)"),
    ("bush", "gooseberries (S), east"), ("bush", "gooseberries (S), west"),
    ("fence", "yard fence, west of the gate"), ("gate", "gate"),
    ("fence", "yard fence, east of the gate"),
    ("field", "potato field"),
    ("firepit", "fire place"),
    ("field", "rye field"),
    ("pond", "pond, long"), ("pond", "pond, middle"), ("pond", "pond, deep"),
    ("woodpile", "woodpile"),
    ("haystack", "small haystack"),
    ("cart", "hay cart"),
    ("hive", "beehive 1"), ("hive", "beehive 2"), ("hive", "beehive 3"),
    ("kennel", "kennel"),
    ("garden", "vegetable garden"),
    ("bench", "log bench"), ("bench", "bench by the well"),
    ("boulder", "boulder 1"), ("boulder", "boulder 2"),
    ("trough", "trough"),
    ("flowers", "flower bed, west"), ("flowers", "flower bed, east"),
    ("fence", "pasture fence, west"), ("fence", "pasture fence, east"),
    ("block", "chopping block"),
]
assert len(KINDS) == RECORDS

# --- content (world pixels) ----------------------------------------------------

# Trigger spots `mini`: position, marker file, Latvian and English name.
SPOTS = [
    ((2470, 1919), "lvl2/misija.png", "Olas", "Eggs"),
    ((2328, 2393), "lvl2/misija.png", "Aka", "Well"),
    ((2734, 1226), "lvl2/misija.png", "Ogas", "Berries"),
    ((2154, 2553), "lvl2/misija.png", "Ogas", "Berries"),
    ((2716, 2896), "lvl2/misija.png", "Ogas", "Berries"),
    ((3444, 1862), "lvl2/misija.png", "Vecmāmiņa", "Granny"),
    ((3708, 2070), "lvl2/malkacp.png", "Ugunskurs", "Bonfire"),
    ((1208, 2518), "lvl2/tolete.png", "Tualete", "Toilet"),
    ((3411, 2488), "lvl2/izeja.png", "Izeja", "Exit"),
    ((2533, 2395), "lvl2/food.png", "Ēdiens", "Food"),
]
FOOD_SPOT = 9
SPOT_RADIUS2 = 700

FIREWOOD = [(3158, 1257), (2653, 1540), (1977, 2012), (826, 1980), (1759, 2650), (2891, 2645)]
FIREWOOD_RADIUS2 = 1000
FIREWOOD_SIZE = (90, 59)

# Rakes: the point that springs each, and where its picture is drawn.
RAKE_POINTS = [(1748, 2590), (3901, 2255)]
RAKE_RADIUS2 = 750
RAKE_PICTURES = [("lvl2/grabeklis.png", (1574, 2328)), ("lvl2/grabeklis2.png", (3877, 1990))]
RAKE_FRAME = (200, 400)

# The fire place: pieces 1-5 as they pile up, then the burning fire.
FIRE_PIECES = [(3800, 2000), (3870, 2000), (3800, 2050), (3870, 2050), (3830, 2020)]
BONFIRE_AT = (3650, 1850)
BONFIRE_SIZE = (400, 400)

FLIES = [(2908, 1160), (932, 2203), (3674, 2232)]

# Overlays in drawing order: picture, top-left, size, front zones
# [(X1, X2, Y)]; the player's depth foot point is in front when
# X1 < x < X2 and y > Y.  The gate has no zone: it is always on top.
OVERLAYS = [
    ("lvl2/Augsne/A.png", (2185, 45), (739, 915), [(2100, 2990, 720)]),
    ("lvl2/Augsne/I.png", (2655, 446), (519, 506), [(1600, 3200, 882)]),
    ("lvl2/Augsne/B.png", (1887, 480), (550, 528), [(1820, 2490, 984)]),
    ("lvl2/mebeles/kuuts.png", (1460, 682), (1272, 1108), [(1410, 2745, 1763)]),
    ("lvl2/mebeles/maaja.png", (3167, 927), (890, 941), [(3117, 4057, 1679)]),
    ("lvl2/Augsne/J.png", (2624, 960), (267, 268), [(2570, 2940, 1166)]),
    ("lvl2/Augsne/C.png", (436, 1137), (739, 915), [(380, 1220, 1818)]),
    ("lvl2/Augsne/V.png", (3962, 1222), (728, 915), [(3910, 4740, 1904)]),
    ("lvl2/Augsne/D.png", (509, 1680), (271, 268), [(450, 832, 1889)]),
    ("lvl2/mebeles/shuupoles.png", (1677, 1869), (197, 272), [(1620, 1930, 2077)]),
    ("lvl2/mebeles/buda.png", (1024, 1832), (707, 609), [(1000, 1550, 2246), (1550, 1730, 2152)]),
    ("lvl2/mebeles/tolete.png", (1009, 2220), (235, 318), [(970, 1270, 2459)]),
    ("lvl2/mebeles/aka.png", (2354, 2208), (185, 203), [(2300, 2575, 2366)]),
    ("lvl2/Augsne/M.png", (1921, 2407), (271, 268), [(1870, 2240, 2620)]),
    ("lvl2/Augsne/R.png", (2523, 2518), (335, 332), [(2470, 2900, 2784)]),
    ("lvl2/Augsne/N.png", (1462, 2628), (271, 268), [(1410, 1783, 2840)]),
    ("lvl2/Augsne/S.png", (2756, 2751), (247, 240), [(2700, 3050, 2936)]),
    ("lvl2/Augsne/S.png", (2022, 2805), (247, 240), [(1970, 2330, 3016)]),
    ("lvl2/mebeles/vaarti.png", (3451, 2340), (458, 395), []),
]

# Names for the map screen: record index -> (Latvian, English).
LABELS = {
    4: ("Māja", "House"), 6: ("Šķūnis", "Barn"), 10: ("Būda", "Hut"),
    12: ("Tualete", "Privy"), 14: ("Aka", "Well"), 28: ("Vārti", "Gate"),
    30: ("Kartupeļi", "Potatoes"), 32: ("Rudzi", "Rye"), 33: ("Dīķis", "Pond"),
    43: ("Dārzs", "Garden"), 13: ("Šūpoles", "Swing"),
}


def circle_for(foot_screen, point):
    """Where the collision circle's centre is when a foot point that sits at
    `foot_screen` on the screen is on the world `point`."""
    return (point[0] - foot_screen[0] + CIRCLE_AT[0], point[1] - foot_screen[1] + CIRCLE_AT[1])


def spot_point(i):
    """The world point the foot must come near to use spot i."""
    (x, y), *_ = SPOTS[i]
    return (x + 56, y + (63 if i == FOOD_SPOT else 43))


def targets():
    """Every place the player must reach: (label, circle centre, radius),
    with the test points and radii the game uses."""
    out = []
    for i, (_, _, lv, en) in enumerate(SPOTS):
        out.append((f"spot {i} ({en})", circle_for(FOOT, spot_point(i)), math.sqrt(SPOT_RADIUS2)))
    for i, (x, y) in enumerate(FIREWOOD):
        out.append((f"firewood {i}", circle_for(FOOT, (x + 50, y + 40)), math.sqrt(FIREWOOD_RADIUS2)))
    for i, p in enumerate(RAKE_POINTS):
        out.append((f"rake {i}", circle_for(RAKE_FOOT, p), math.sqrt(RAKE_RADIUS2)))
    return out


def collision_path():
    """The committed map, next to the generated pack in the source tree."""
    here = os.path.dirname(os.path.abspath(__file__))
    return os.path.normpath(os.path.join(here, "..", "..", "data", COLLISION))


def read_map(path=None):
    """The records as the game derives them: (x1, y1, x2, y2, angle)."""
    import mapcheck
    return mapcheck.read_records(path or collision_path(), RECORDS)


def world_polygon(rec):
    """A record's four corners in the world."""
    import mapcheck
    return mapcheck.corners(rec)


def record_box(rec):
    """Axis-aligned world box of an unturned record (x0, y0, x1, y1)."""
    x1, y1, x2, y2, _ = rec
    return (float(x1), float(y1), float(x2), float(y2))


def is_turned(rec):
    a = float(rec[4]) % (2 * math.pi)
    return min(a, 2 * math.pi - a) > 1e-4


def record_turn(rec):
    """The file's degrees of a record (clockwise on screen)."""
    return (360.0 - math.degrees(float(rec[4]))) % 360.0


def record_centre(rec):
    pts = world_polygon(rec)
    return (sum(p[0] for p in pts) / 4, sum(p[1] for p in pts) / 4)


def records_of(records, kind):
    return [(i, r) for i, r in enumerate(records) if KINDS[i][0] == kind]
