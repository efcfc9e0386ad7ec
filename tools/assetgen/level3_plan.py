"""Where things are in the small town: level 3's content tables and the
meaning of each record of the committed collision map `lvl3/col3.txt`.

The map file holds the geometry; this module names its records, so that the
town picture, the props and the map screen are drawn from the very
rectangles that stop the player.
"""

import math
import os

WORLD_W, WORLD_H = 4432, 3298
COLLISION = "lvl3/col3.txt"
RECORDS = 50

# The sprite is drawn at screen (422, 324), 100 x 180; the collision circle
# sits at offset + (475, 480), i.e. at the sprite's feet (53, 156).
SCREEN = (422, 324)
FRAME_W, FRAME_H = 100, 180
CIRCLE_AT = (475, 480)
PLAYER_RADIUS = 15
START_OFFSET = (950, 1700)
START = (START_OFFSET[0] + CIRCLE_AT[0], START_OFFSET[1] + CIRCLE_AT[1])

# A spot is reached when the player's point, offset + (482, 514), is within
# sqrt(700) of the spot's point, spot + (56, 43) (the food spot: + (56, 63)).
PLAYER_POINT = (SCREEN[0] + 60, SCREEN[1] + 190)
SPOT_POINT = (56, 43)
FOOD_POINT = (56, 63)
REACH = math.sqrt(700.0)

# Depth: the player stands at (offset + screen + (50, 150)).
DEPTH_POINT = (SCREEN[0] + 50, SCREEN[1] + 150)

# The walkable town inside the border fences (inner faces).
TOWN = (560, 540, 3800, 2820)

MARKERS = {
    "misija": ("lvl3/misija.png", (76, 46)),
    "cp": ("lvl3/cp.png", (76, 42)),
    "izeja": ("lvl3/izeja.png", (76, 42)),
    "food": ("lvl3/food.png", (60, 63)),
    "info": ("lvl3/info.png", (76, 42)),
}

# Mission spots: position, marker, who or what, (Latvian, English).
SPOTS = [
    ((1101, 2223), "misija", ("Dzērājs", "The drinker")),
    ((2428, 1822), "cp", ("Veikals", "The shop")),
    ((3135, 2104), "misija", ("Belašu vīrs", "The belaši man")),
    ((1938, 2258), "food", ("Ēdiens", "Food")),
    ((2355, 1335), "misija", ("Riktis", "Riktis")),
    ((2475, 1410), "cp", ("Tūnings", "Tuning")),
    ((1597, 1345), "misija", ("Mednieks", "The hunter")),
    ((1597, 1345), "cp", ("Medības", "The hunt")),
    ((2326, 1070), "misija", ("Kautuve", "The slaughterhouse")),
    ((2287, 2547), "cp", ("Kautiņš", "The fight")),
    ((2681, 2427), "info", ("Ziņojumu dēlis", "Notice board")),
    ((2108, 847), "cp", ("Tualete", "Toilet")),
    ((2595, 2477), "izeja", ("Izeja", "Exit")),
]
FOOD_SPOT = 3

# Props in drawing order: file, top-left, size, zone x range, zone base y,
# and the record that is the prop's footprint on the ground.
PROPS = [
    ("lvl3/mebeles/kautkas.png", (2298, 630), (214, 480), (2260, 2585), 1018, 7),
    ("lvl3/mebeles/garazja.png", (2410, 852), (317, 591), (2370, 2750), 1300, 8),
    ("lvl3/mebeles/Pacans.png", (1602, 1156), (53, 170), (1500, 1705), 1310, 14),
    ("lvl3/mebeles/BrumelsUNmarveta.png", (2002, 1296), (78, 221), (1952, 2129), 1476, 15),
    ("lvl3/mebeles/veikals.png", (2381, 1321), (586, 540), (2330, 2800), 1746, 10),
    ("lvl3/mebeles/bazniica.png", (734, 673), (1062, 1369), (680, 1850), 1903, 4),
    ("lvl3/mebeles/veikals2.png", (3033, 1566), (358, 396), (2980, 3440), 1920, 11),
    ("lvl3/mebeles/kvass.png", (1941, 1978), (497, 306), (1880, 2480), 2252, 13),
    ("lvl3/mebeles/Ruvis.png", (2254, 2379), (53, 170), (2200, 2360), 2527, 16),
]

# What each record of col3.txt is, in file order: (kind, name).
KINDS = [
    ("border", "north"), ("border", "south"), ("border", "west"), ("border", "east"),
    ("churchyard", "church and churchyard"),
    ("bench", "drinker's bench"),
    ("outhouse", "outhouse"),
    ("slaughterhouse", "slaughterhouse"),
    ("garage", "garage and scrapyard"),
    ("tyres", "Riktis and his tyres"),
    ("shop", "shop"),
    ("shop2", "second shop"),
    ("stand", "belaši stand"),
    ("kvass", "kvass stall"),
    ("figure", "hunter"), ("figure", "couple"), ("figure", "man in the black shirt"),
    ("board", "notice board"),
    ("busstop", "bus stop sign"),
    ("pond", "pond"),
    ("tree", "park tree, west"), ("tree", "park tree, middle"), ("tree", "park tree, east"),
    ("bench", "park bench"),
    ("statue", "monument"),
    ("tree", "park tree, south"),
    ("car", "parked car 1"), ("car", "parked car 2"), ("car", "parked car 3"),
    ("garden", "orchard"),
    ("tree", "tree by the orchard"), ("tree", "tree by the street"),
    ("car", "Riktis's car"),
    ("swings", "swings"), ("sandpit", "sandpit"), ("bench", "playground bench"),
    ("tree", "tree, east"),
    ("fountain", "fountain"),
    ("flowers", "flower bed by the wall"),
    ("tree", "tree, south-west"),
    ("flowers", "flower bed, middle"),
    ("bench", "square bench"),
    ("tree", "tree on the square"),
    ("lamp", "street lamp 1"), ("lamp", "street lamp 2"), ("lamp", "street lamp 3"),
    ("lamp", "street lamp 4"), ("lamp", "street lamp 5"),
    ("pillar", "advertising pillar"),
    ("booth", "phone booth"),
]
assert len(KINDS) == RECORDS

# Streets and paved ground, drawn flat under everything: (kind, box).
MAIN_ROAD = (0, 2600, WORLD_W, 2800)
SIDEWALK = (0, 2530, WORLD_W, 2600)
SQUARE = (1480, 2010, 3400, 2530)
NORTH_STREET = (2790, 540, 3045, 2010)
ALLEY = (2290, 1295, 2790, 1560)
SHOP_PAVEMENT = (2395, 1745, 3400, 2010)
PARKING = (2800, 600, 3360, 960)


def spot_target(i):
    """Where the player's circle centre must be for spot i, and how near."""
    (x, y), _, _ = SPOTS[i]
    px, py = FOOD_POINT if i == FOOD_SPOT else SPOT_POINT
    dx = PLAYER_POINT[0] - CIRCLE_AT[0]
    dy = PLAYER_POINT[1] - CIRCLE_AT[1]
    return (x + px - dx, y + py - dy), REACH


def targets():
    """Every spot the task chain uses, as (label, circle centre, radius)."""
    out = []
    for i, (_, _, (lv, en)) in enumerate(SPOTS):
        point, reach = spot_target(i)
        out.append((f"spot {i} ({en})", point, reach))
    return out


def in_front(prop, cx, cy):
    """The depth rule: is the player with circle centre (cx, cy) drawn over
    this prop?"""
    _, _, _, (zx0, zx1), base, _ = prop
    fx = cx - CIRCLE_AT[0] + DEPTH_POINT[0]
    fy = cy - CIRCLE_AT[1] + DEPTH_POINT[1]
    return zx0 < fx < zx1 and fy > base


def collision_path():
    """The committed map, next to the generated pack in the source tree."""
    here = os.path.dirname(os.path.abspath(__file__))
    return os.path.normpath(os.path.join(here, "..", "..", "data", COLLISION))


def records(path=None):
    """The map's records as the game reads them: (x1, y1, x2, y2, angle)."""
    import mapcheck
    return mapcheck.read_records(path or collision_path(), RECORDS)


def footprint(rec):
    """World corners of a record, (x1,y1), (x1,y2), (x2,y2), (x2,y1)."""
    import mapcheck
    return mapcheck.corners(rec)


def box_of(rec):
    """The world bounding box of a record."""
    import mapcheck
    return mapcheck.bounds(rec)
