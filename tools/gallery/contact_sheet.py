"""Turns the gallery's screen captures into PNGs and lays them out on one
contact sheet, in the order a player meets the screens.

    python3 contact_sheet.py DIR
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

THUMB_W, THUMB_H = 256, 192
CAPTION_H = 18
COLUMNS = 6
GAP = 6
# Where each family of screens stands in a game: by the name's first part.
ORDER = ["intro", "menu", "pause", "load0", "level0", "load1", "level1", "load2", "level2", "load3", "level3"]


def place(name):
    family = name.split("-")[0]
    return (ORDER.index(family) if family in ORDER else len(ORDER), name)


def caption_font():
    try:
        return ImageFont.truetype("DejaVuSans.ttf", 12)
    except OSError:
        return ImageFont.load_default()


def develop(directory):
    """BMP captures to PNG; returns the screen names."""
    names = []
    for entry in sorted(os.listdir(directory)):
        stem, ext = os.path.splitext(entry)
        path = os.path.join(directory, entry)
        if ext == ".bmp":
            Image.open(path).convert("RGB").save(os.path.join(directory, stem + ".png"))
            os.remove(path)
        elif ext != ".png" or stem == "contact-sheet":
            continue
        names.append(stem)
    return sorted(set(names), key=place)


def contact_sheet(directory, names):
    rows = (len(names) + COLUMNS - 1) // COLUMNS
    cell_h = THUMB_H + CAPTION_H
    sheet = Image.new("RGB", (COLUMNS * (THUMB_W + GAP) + GAP, rows * (cell_h + GAP) + GAP), (40, 40, 40))
    draw = ImageDraw.Draw(sheet)
    font = caption_font()
    for k, name in enumerate(names):
        x = GAP + (k % COLUMNS) * (THUMB_W + GAP)
        y = GAP + (k // COLUMNS) * (cell_h + GAP)
        with Image.open(os.path.join(directory, name + ".png")) as shot:
            sheet.paste(shot.convert("RGB").resize((THUMB_W, THUMB_H), Image.LANCZOS), (x, y))
        draw.text((x + 2, y + THUMB_H + 2), name, fill=(230, 230, 230), font=font)
    sheet.save(os.path.join(directory, "contact-sheet.png"))


def main():
    directory = sys.argv[1]
    names = develop(directory)
    if not names:
        sys.exit("no screens in " + directory)
    contact_sheet(directory, names)
    print(f"{len(names)} screens and contact-sheet.png in {directory}")


if __name__ == "__main__":
    main()
