"""Where things are in the house: level 1's content tables and the meaning
of each record of the committed collision map `lvl1/col1.txt`.

The map file holds the geometry; this module only names its records, so
the pictures (walls, furniture, the plan on the map screen) are drawn from
the very rectangles that stop the player.
"""

import os

WORLD_W, WORLD_H = 3700, 3000
COLLISION = "lvl1/col1.txt"
RECORDS = 46

# Player circle: sprite drawn at screen (422, 324), so its centre sits at
# offset + (522, 424); the camera starts at (2300, 1400).
PLAYER_RADIUS = 40
START = (2300 + 522, 1400 + 424)

# The house's outer walls (outside faces): the player must stay inside.
HOUSE = (480, 910, 3370, 2380)

# What each record of col1.txt is, in file order: (kind, name).
KINDS = [
    ("wall", "top"), ("wall", "bottom"), ("wall", "left"), ("wall", "right"),
    ("wall", "kitchen | living room"),
    ("wall", "kitchen | hall, west"), ("wall", "kitchen | hall, east"),
    ("wall", "hall | living room"),
    ("wall", "living room | bedroom, north"), ("wall", "living room | bedroom, south"),
    ("wall", "bathroom west, north"), ("wall", "bathroom west, south"),
    ("wall", "bathroom south"),
    ("sofa", "sofa end"),
    ("table", "table"), ("table", "front chair"), ("table", "right chair"),
    ("stove", "cooker"), ("stove", "wood box"),
    ("armchair", "armchair"), ("armchair", "coffee table"),
    ("wardrobe", "wardrobe"),
    ("bed", "bed"),
    ("ball", "ball"),
    ("counter", "kitchen counter"), ("fridge", "fridge"), ("counter", "side counter"),
    ("bin", "bin"),
    ("tv", "tv stand"), ("shelf", "bookshelf"), ("chair", "reading chair"),
    ("plant", "plant"),
    ("chest", "toy chest"), ("desk", "desk"), ("corner", "corner cabinet"),
    ("toy", "toy car"), ("nightstand", "bedside table"),
    ("bath", "bathtub"), ("toilet", "toilet"), ("sink", "washbasin"),
    ("shoes", "shoe cabinet"), ("bench", "bench"), ("plant", "hall plant"),
    ("highchair", "high chair"), ("washer", "washing machine"), ("lamp", "floor lamp"),
]
assert len(KINDS) == RECORDS

# Rooms for the floor pictures and the map: (Latvian, English, floor, box).
ROOMS = [
    ("Virtuve", "Kitchen", "tiles", (520, 950, 1630, 2108)),
    ("Priekšnams", "Hall", "boards", (520, 2130, 1630, 2340)),
    ("Viesistaba", "Living room", "parquet", (1655, 950, 2380, 2340)),
    ("Guļamistaba", "Bedroom", "boards", (2405, 950, 3330, 2340)),
    ("Vannasistaba", "Bathroom", "tiles", (3110, 950, 3330, 1540)),
]

# Openings between rooms, (x0, y0, x1, y1) of the gap in the wall; the
# pictures draw an open door leaf in each, the front door is the exit.
DOORWAYS = [
    ((1000, 2108, 1200, 2130), "n"),   # kitchen -> hall
    ((1630, 1720, 1655, 2108), "arch"),  # kitchen -> living room
    ((2380, 1540, 2405, 1760), "e"),   # living room -> bedroom
    ((3090, 1080, 3110, 1280), "e"),   # bedroom -> bathroom
]
FRONT_DOOR = (1056, 2340, 1176, 2380)

# --- content (world pixels) ------------------------------------------------

MISSION_SPOTS = [(2143, 1875), (-864, -1808), (1459, 1643), (2451, -1209), (2753, 1511)]
SPOT_NAMES = [("Pret sienu", "Wall-ball"), ("Burka", "Jar"), ("Krāsns", "Stove"),
              ("Mašīna", "Car"), ("Podiņš", "Potty")]
REACHABLE_SPOTS = (0, 2, 4)
ITEMS = [(2302, 2042), (3221, 1824), (2424, 1629), (2709, 1359), (1930, 1009),
         (1540, 1440), (1669, 1668), (1059, 1434), (791, 1609), (604, 1715),
         (1225, 2222)]
BOTTLES = [(2829, 2021), (2549, 1284), (1727, 1364), (1582, 2029), (837, 1993),
           (915, 1700)]
TURBOS = [(2947, 1679), (2019, 1772), (1267, 1933), (1279, 1513)]
HAZARD_STARTS = [(2704, 1664), (2098, 1256), (1357, 1867), (755, 1808), (1035, 1505)]
HAZARD_PENS = [(2545, 2913, 1559, 1828), (1972, 2327, 1180, 1475),
               (1288, 1640, 1763, 2072), (686, 933, 1746, 1909),
               (976, 1313, 1470, 1629)]
DROP_POINT = (3070, 1960)
DROP_MARKER = (3036, 1939)
DELIVERY_AT = (3045, 1920)
EXIT_POINT = (1116, 2171)
EXIT_MARKER = (1081, 2151)

# Occluders: image, top-left, size, footprint records (indices into KINDS).
OCCLUDERS = [
    ("lvl1/divana_gals.png", (1720, 1025), (172, 201)),
    ("lvl1/galds.png", (1138, 1272), (374, 360)),
    ("lvl1/kaut_kas.png", (1689, 1374), (345, 306)),
    ("lvl1/skapis.png", (2914, 1327), (161, 332)),
    ("lvl1/pliits.png", (997, 1589), (237, 332)),
    ("lvl1/bumba.png", (2184, 1930), (77, 77)),
    ("lvl1/gulta.png", (2430, 1832), (416, 473)),
]


def targets():
    """Every place the player must reach: (label, point, radius), with the
    test points and radii the game uses."""
    out = []
    for i in REACHABLE_SPOTS:
        x, y = MISSION_SPOTS[i]
        out.append((f"spot {i}", (x + 35, y + 20), 35))
    out += [(f"item {i}", (x + 25, y + 45), 55) for i, (x, y) in enumerate(ITEMS)]
    out += [(f"bottle {i}", (x + 30, y + 15), 35) for i, (x, y) in enumerate(BOTTLES)]
    out += [(f"turbo {i}", (x + 15, y + 19), 35) for i, (x, y) in enumerate(TURBOS)]
    out.append(("drop point", DROP_POINT, 55))
    out.append(("exit", EXIT_POINT, 35))
    return out


def pens():
    """Hazard pens as (label, box); a hazard bites within 35 of its spot."""
    return [(f"pen {i}", (x0, y0, x1, y1))
            for i, (x0, x1, y0, y1) in enumerate(HAZARD_PENS)]


def collision_path():
    """The committed map, next to the generated pack in the source tree."""
    here = os.path.dirname(os.path.abspath(__file__))
    return os.path.normpath(os.path.join(here, "..", "..", "data", COLLISION))
