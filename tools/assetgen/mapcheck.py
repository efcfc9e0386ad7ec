#!/usr/bin/python3
"""Walks a collision map the way the player does, to prove a level can be
played before anyone runs the game.

    /usr/bin/python3 tools/assetgen/mapcheck.py [level]   (default: 1)

The circle test is the game's own (rectangles turned about the world
origin, strict comparisons, single-precision turn).  The walk is a grid
flood over the circle's centre with 4-pixel straight steps; a step that
leaves the circle overlapping any rectangle is refused, as in the game.
Reachability is checked with a radius a little larger than the player's, so
that every place found here is reachable in the game with room to spare;
the escape check uses a slightly smaller one, so that no gap hides behind
rounding.
"""

import collections
import math
import sys

import numpy as np

GRID = 4          # pixels between centre positions tried
SLACK = 2.0       # radius margin, pixels


def read_records(path, count):
    """The map's records: (x1, y1, x2, y2, angle) as the game derives them."""
    with open(path) as f:
        nums = f.read().split()
    if len(nums) < 5 * count:
        raise ValueError(f"{path}: {len(nums) // 5} records, {count} needed")
    out = []
    for k in range(count):
        x, y, w, h, deg = nums[5 * k:5 * k + 5]
        x1, y1 = np.float32(float(x)), np.float32(float(y))
        angle = np.float32((360.0 - float(deg)) * math.pi / 180.0)
        out.append((x1, y1, np.float32(x1 + int(w)), np.float32(y1 + int(h)), angle))
    return out


def corners(rec):
    """The record's four corners in the world (for drawing)."""
    x1, y1, x2, y2, angle = rec
    a = -float(angle)
    c, s = math.cos(a), math.sin(a)
    return [(px * c - py * s, px * s + py * c)
            for px, py in ((x1, y1), (x1, y2), (x2, y2), (x2, y1))]


def bounds(rec):
    pts = corners(rec)
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return min(xs), min(ys), max(xs), max(ys)


def hits(rec, cx, cy, r):
    """Array version of the game's circle-against-rectangle test."""
    x1, y1, x2, y2, angle = rec
    c, s = np.float32(math.cos(angle)), np.float32(math.sin(angle))
    cx = cx.astype(np.float32)
    cy = cy.astype(np.float32)
    ux = cx * c - cy * s
    uy = cx * s + cy * c
    left, top = (x1 - ux).astype(np.float64), (y1 - uy).astype(np.float64)
    right, bottom = (x2 - ux).astype(np.float64), (y2 - uy).astype(np.float64)
    r2 = r * r
    # distance along each axis to the box, zero when inside its span
    dx = np.where(right < 0, right, np.where(left > 0, left, 0.0))
    dy = np.where(bottom < 0, bottom, np.where(top > 0, top, 0.0))
    return r2 > dx * dx + dy * dy


def blocked(records, r, w, h):
    """Grid of centres (every GRID pixels) where a circle of radius r hits."""
    xs = np.arange(0, w, GRID, dtype=np.float64)
    ys = np.arange(0, h, GRID, dtype=np.float64)
    gx, gy = np.meshgrid(xs, ys)
    out = np.zeros(gx.shape, bool)
    for rec in records:
        x0, y0, x1, y1 = bounds(rec)
        sel = ((gx > x0 - r - GRID) & (gx < x1 + r + GRID) &
               (gy > y0 - r - GRID) & (gy < y1 + r + GRID))
        if sel.any():
            out[sel] |= hits(rec, gx[sel], gy[sel], r)
    return out


def flood(block, start):
    """Grid cells reachable from start by straight steps."""
    rows, cols = block.shape
    sj, si = int(round(start[0] / GRID)), int(round(start[1] / GRID))
    seen = np.zeros(block.shape, bool)
    if block[si, sj]:
        return seen
    seen[si, sj] = True
    todo = collections.deque([(si, sj)])
    while todo:
        i, j = todo.popleft()
        for di, dj in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            a, b = i + di, j + dj
            if 0 <= a < rows and 0 <= b < cols and not seen[a, b] and not block[a, b]:
                seen[a, b] = True
                todo.append((a, b))
    return seen


def check(records, start, radius, targets, pens, house, size):
    """Returns a list of problems (empty when the map is sound)."""
    w, h = size
    problems = []
    reach = flood(blocked(records, radius + SLACK, w, h), start)
    if not reach.any():
        return [f"start {start} is blocked"]
    iy, ix = np.nonzero(reach)
    px, py = ix * GRID, iy * GRID
    for label, (tx, ty), d in targets:
        best = np.min((px - tx) ** 2 + (py - ty) ** 2) ** 0.5
        if not best < d - SLACK:
            problems.append(f"{label} at ({tx}, {ty}) not reached: nearest {best:.1f}, needs < {d}")
    for label, (x0, y0, x1, y1) in pens:
        # a hazard bites within 35 of where it stands; it stands anywhere in its pen
        cx, cy = np.clip(px, x0, x1), np.clip(py, y0, y1)
        best = np.min((px - cx) ** 2 + (py - cy) ** 2) ** 0.5
        if not best < 35 - SLACK:
            problems.append(f"{label} not reached: nearest {best:.1f}")
    loose = flood(blocked(records, radius - SLACK, w, h), start)
    iy, ix = np.nonzero(loose)
    hx0, hy0, hx1, hy1 = house
    if (ix.min() * GRID < hx0 or iy.min() * GRID < hy0 or
            ix.max() * GRID > hx1 or iy.max() * GRID > hy1):
        problems.append("the player can walk out of the house")
    return problems


def level1(path=None):
    import level1_plan as plan
    records = read_records(path or plan.collision_path(), plan.RECORDS)
    return check(records, plan.START, plan.PLAYER_RADIUS, plan.targets(), plan.pens(),
                 plan.HOUSE, (plan.WORLD_W, plan.WORLD_H))


def level2(path=None):
    import level2_plan as plan
    return check(plan.read_map(path), plan.START, plan.PLAYER_RADIUS, plan.targets(), [],
                 plan.YARD, (plan.WORLD_W, plan.WORLD_H))


def level3(path=None):
    import level3_plan as plan
    return check(plan.records(path), plan.START, plan.PLAYER_RADIUS, plan.targets(), [],
                 plan.TOWN, (plan.WORLD_W, plan.WORLD_H))


LEVELS = {"1": level1, "2": level2, "3": level3}


def main(argv):
    level = argv[1] if len(argv) > 1 else "1"
    path = argv[2] if len(argv) > 2 else None
    problems = LEVELS[level](path)
    for p in problems:
        print(p)
    print(f"level {level}: " + ("map OK" if not problems else f"{len(problems)} problem(s)"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
