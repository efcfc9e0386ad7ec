#!/usr/bin/python3
"""The game's icon for the desktop's menus and launchers.

    /usr/bin/python3 tools/assetgen/icon.py <outdir>

Writes <outdir>/<n>x<n>/viprats.png in the usual hicolor sizes: the swimming
cell of level 0 on a rounded night-blue tile with the amber rim of the menus.
Each size is drawn at its own scale rather than shrunk from the largest, so
the outlines stay a pixel or more wide in the small ones.
"""

import math
import os
import sys

sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
if HERE not in sys.path:
    sys.path.insert(0, HERE)

import numpy as np  # noqa: E402
from PIL import Image, ImageChops, ImageDraw  # noqa: E402

import drawings  # noqa: E402
from common import AMBER, CORAL, CREAM, NIGHT, PLUM, Sketch, out_path  # noqa: E402

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SUPERSAMPLE = 4


def tile(size):
    """The rounded tile: night at the top, plum below, a coral glow where the cell swims from."""
    n = size * SUPERSAMPLE
    y, x = np.mgrid[0:n, 0:n].astype(np.float32) / n
    top, bottom = np.array(NIGHT, np.float32), np.array(PLUM, np.float32)
    rgb = top + (bottom - top) * y[..., None]
    glow = np.clip(1.0 - np.hypot(x - 0.3, y - 0.78) / 0.6, 0.0, 1.0) ** 2 * 0.45
    rgb += (np.array(CORAL, np.float32) - rgb) * glow[..., None]
    img = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB").convert("RGBA")
    mask = Image.new("L", (n, n), 0)
    inset, radius = n * 0.03, n * 0.2
    ImageDraw.Draw(mask).rounded_rectangle((inset, inset, n - 1 - inset, n - 1 - inset), radius, fill=255)
    img.putalpha(mask)
    return img.resize((size, size), Image.LANCZOS)


def icon(size):
    s = size / 256.0
    img = tile(size)
    cell = Sketch(size, size, ss=SUPERSAMPLE)
    # Heading up and to the right, the tail trailing to the lower left and
    # out under the rim; the small sizes get a bigger head, or it reads as a dot.
    scale = 1.55 if size > 32 else 1.9
    drawings.sperm(cell, 166 * s, 96 * s, scale * s, CREAM, phase=0.8, heading=math.radians(-38))
    drawn = cell.image()
    drawn.putalpha(ImageChops.multiply(drawn.getchannel("A"), img.getchannel("A")))
    img.alpha_composite(drawn)
    rim = Sketch(size, size, ss=SUPERSAMPLE)
    width = max(1.0, 7 * s)
    inset = size * 0.03 + width / 2
    rim.rect((inset, inset, size - inset, size - inset), None, AMBER, width, radius=size * 0.2 - width / 2)
    img.alpha_composite(rim.image())
    return img


def generate(outdir):
    written = []
    for size in SIZES:
        path = out_path(outdir, f"{size}x{size}/viprats.png")
        icon(size).save(path, "PNG")
        written.append(path)
    return written


def main(argv):
    if len(argv) != 2:
        print(f"usage: {argv[0]} <outdir>", file=sys.stderr)
        return 2
    generate(os.path.abspath(argv[1]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
