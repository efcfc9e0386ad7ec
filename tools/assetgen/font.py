"""font.ttf: Roboto Condensed Bold with a Windows-1257 view of the Latin-1 range.

A narrow face, because the dialog lines are long and their positions and
point sizes are fixed: the longest (level 3, 23 points from x 10) must end
well inside the 1024-pixel screen, which a wide face like DejaVu Sans Bold
(x 1335) cannot do and Roboto Condensed Bold (x 933) does.

The game keeps its Latvian lines as Windows-1257 bytes and hands them to
SDL_ttf's 8-bit renderer, which takes every byte as the Latin-1 code point
of the same value.  So U+00A0..U+00FF are pointed at the glyphs of the
Windows-1257 characters with those byte values (0xE2 -> ā, 0xF0 -> š, ...).
Everything else keeps its mapping, including the real code points of the
Latvian letters, so UTF-8 text renders the same letters.
"""

import os

from fontTools.ttLib import TTFont

from common import GAME_FONT_SOURCE, out_path

FAMILY = "viPRats Sans"
STYLE = "Bold"
POSTSCRIPT = "viPRatsSans-Bold"


def cp1257_remap():
    """{Latin-1 code point: Unicode code point of the Windows-1257 character}
    for the bytes 0xA0..0xFF that Windows-1257 defines."""
    remap = {}
    for b in range(0xA0, 0x100):
        try:
            ch = bytes([b]).decode("cp1257")
        except UnicodeDecodeError:
            continue
        remap[b] = ord(ch)
    return remap


def _is_unicode(table):
    return table.platformID == 0 or (table.platformID == 3 and table.platEncID in (1, 10))


def adapt(font):
    cmap = font["cmap"]
    best = cmap.getBestCmap()
    remap = {src: best[dst] for src, dst in cp1257_remap().items() if dst in best}
    for table in cmap.tables:
        if _is_unicode(table):
            for src, glyph in remap.items():
                table.cmap[src] = glyph
        elif table.platformID == 1 and table.platEncID == 0:
            # The Mac Roman table is keyed by Mac Roman bytes; give each
            # Latin-1 character the same glyph there as everywhere else.
            for src, glyph in remap.items():
                try:
                    code = chr(src).encode("mac_roman")[0]
                except UnicodeEncodeError:
                    continue
                if code in table.cmap:
                    table.cmap[code] = glyph

    names = font["name"]
    for rec in list(names.names):
        value = {
            1: FAMILY,
            3: f"{FAMILY} {STYLE}; cp1257 layout",
            4: f"{FAMILY} {STYLE}",
            6: POSTSCRIPT,
            16: FAMILY,
            17: STYLE,
        }.get(rec.nameID)
        if value is not None:
            rec.string = value
    return font


def generate(outdir):
    # keep the source's timestamp so repeated runs write identical bytes
    font = TTFont(GAME_FONT_SOURCE, recalcTimestamp=False)
    adapt(font)
    path = out_path(outdir, "font.ttf")
    tmp = path + ".part"
    font.save(tmp)
    os.replace(tmp, path)
    return [path]
