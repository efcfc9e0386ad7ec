"""Shared look of the placeholder art: palette, lettering, outlined shapes,
panels, backgrounds and file writers.

Every picture of the pack is built from these pieces so that the menu, the
loading screens and the levels read as one game: warm colours on a deep
indigo-plum night, thick dark ink outlines, rounded panels with an amber
rim, and DejaVu Sans Bold lettering outlined in ink.
"""

import functools
import math
import os
import random

import numpy as np
from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

W, H = 1024, 768

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
FONT_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")
FONT_REGULAR = os.path.join(FONT_DIR, "DejaVuSans.ttf")
FONT_CONDENSED_BOLD = os.path.join(FONT_DIR, "DejaVuSansCondensed-Bold.ttf")
# The game's own font.ttf is made from this narrow face (fonts-roboto-unhinted).
GAME_FONT_SOURCE = "/usr/share/fonts/truetype/roboto/unhinted/RobotoCondensed-Bold.ttf"

# --- palette -------------------------------------------------------------

INK = (22, 14, 34)            # every outline and the shadow colour
NIGHT = (18, 17, 50)          # background, top
PLUM = (66, 22, 70)           # background, bottom
PANEL = (50, 37, 94)          # panel body
PANEL_DARK = (33, 25, 66)     # fields and inset areas
CREAM = (255, 242, 220)       # main lettering
MUTED = (196, 184, 222)       # second-language lines
AMBER = (255, 184, 70)        # rims, highlights, selected items
GOLD = (255, 216, 104)
CORAL = (255, 108, 88)
ROSE = (232, 78, 128)
TEAL = (70, 205, 195)
MINT = (150, 230, 160)
SKY = (120, 170, 255)
LEAF = (96, 178, 84)
BARK = (120, 76, 52)
BRICK = (196, 82, 62)
STONE = (150, 146, 160)
KEYCAP = (240, 230, 210)

# Per-scene background tints (top, bottom): all stay deep so the warm
# lettering keeps its contrast.
TINTS = {
    "menu": (NIGHT, PLUM),
    "womb": ((44, 8, 30), (110, 24, 46)),
    "house": ((30, 18, 40), (92, 46, 40)),
    "farm": ((14, 34, 40), (40, 70, 44)),
    "town": ((12, 18, 52), (52, 34, 86)),
    "black": ((8, 6, 14), (24, 16, 34)),
}


def rgba(colour, alpha=255):
    return tuple(colour[:3]) + (alpha,)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighter(colour, t=0.35):
    return mix(colour, (255, 255, 255), t)


def darker(colour, t=0.35):
    return mix(colour, (0, 0, 0), t)


# --- fonts and lettering -------------------------------------------------

@functools.lru_cache(maxsize=None)
def font(size, bold=True, condensed=False):
    if condensed:
        path = FONT_CONDENSED_BOLD
    else:
        path = FONT_BOLD if bold else FONT_REGULAR
    return ImageFont.truetype(path, int(size))


def stroke_for(size):
    """Outline width that keeps small lettering open and big lettering bold."""
    return max(2, int(round(size / 11)))


_MEASURE = ImageDraw.Draw(Image.new("L", (1, 1)))


def text_size(s, size, bold=True, stroke=None):
    if stroke is None:
        stroke = stroke_for(size)
    box = _MEASURE.textbbox((0, 0), s, font=font(size, bold), stroke_width=stroke)
    return box[2] - box[0], box[3] - box[1]


def fit_size(s, size, max_width, bold=True, min_size=11):
    """Largest size not above `size` at which `s` fits in `max_width`."""
    while size > min_size and text_size(s, size, bold)[0] > max_width:
        size -= 1
    return size


def wrap(s, size, max_width, bold=True):
    """Greedy word wrap for the given lettering size."""
    words = s.split()
    lines, line = [], ""
    for w in words:
        trial = (line + " " + w).strip()
        if line and text_size(trial, size, bold)[0] > max_width:
            lines.append(line)
            line = w
        else:
            line = trial
    if line:
        lines.append(line)
    return lines


def text(img, xy, s, size, fill=CREAM, bold=True, anchor="la", stroke=None,
         stroke_fill=INK, shadow=True, max_width=None):
    """Outlined lettering composited onto an RGBA image.

    Returns the bounding box actually covered.  With `max_width` the size
    shrinks until the line fits, so long translations never spill out of
    their panel.
    """
    if max_width is not None:
        size = fit_size(s, size, max_width, bold)
    f = font(size, bold)
    if stroke is None:
        stroke = stroke_for(size) if stroke_fill is not None else 0
    box = _MEASURE.textbbox(xy, s, font=f, anchor=anchor, stroke_width=stroke)
    sh = max(2, size // 14) if shadow else 0
    pad = 4 + sh
    x0, y0 = int(box[0]) - pad, int(box[1]) - pad
    layer = Image.new("RGBA", (int(box[2]) - x0 + pad + 1, int(box[3]) - y0 + pad + 1))
    d = ImageDraw.Draw(layer)
    local = (xy[0] - x0, xy[1] - y0)
    if sh:
        d.text((local[0] + sh * 0.6, local[1] + sh), s, font=f, anchor=anchor,
               fill=rgba(INK, 150), stroke_width=stroke, stroke_fill=rgba(INK, 150))
    d.text(local, s, font=f, anchor=anchor, fill=rgba(fill),
           stroke_width=stroke, stroke_fill=rgba(stroke_fill) if stroke else None)
    img.alpha_composite(layer, (max(0, x0), max(0, y0)),
                        (max(0, -x0), max(0, -y0)))
    return box


def bilingual(img, xy, lv, en, size=28, en_size=None, anchor="l", fill=CREAM,
              en_fill=MUTED, max_width=None, gap=None):
    """Latvian line with its English line under it; returns the y below both.

    `anchor` is the horizontal placement of both lines: l, m or r.
    """
    if en_size is None:
        en_size = max(11, int(size * 0.68))
    if gap is None:
        gap = max(2, size // 7)
    x, y = xy
    b = text(img, (x, y), lv, size, fill=fill, anchor=anchor + "t", max_width=max_width)
    y2 = b[3] + gap
    if en:
        b2 = text(img, (x, y2), en, en_size, fill=en_fill, anchor=anchor + "t",
                  max_width=max_width)
        return b2[3]
    return b[3]


def logo(img, centre, size=110, subtitle=None):
    """The game's name: 'vi' and 'ats' in cream, 'PR' in coral."""
    parts = [("vi", CREAM), ("PR", CORAL), ("ats", CREAM)]
    f = font(size)
    widths = [_MEASURE.textlength(p, font=f) for p, _ in parts]
    total = sum(widths)
    x = centre[0] - total / 2
    stroke = max(4, size // 14)
    for (p, colour), w in zip(parts, widths):
        text(img, (x, centre[1]), p, size, fill=colour, anchor="lm", stroke=stroke)
        x += w
    if subtitle:
        text(img, (centre[0], centre[1] + size * 0.62), subtitle, max(14, size // 4),
             fill=AMBER, anchor="mt")


# --- shapes --------------------------------------------------------------

class Sketch:
    """A supersampled RGBA drawing board for outlined shapes.

    Coordinates are given at final scale; the board draws at `ss` times the
    size and `image()` scales down, which smooths the otherwise jagged
    outlines of PIL's primitives.
    """

    def __init__(self, w, h, ss=2, background=None):
        self.w, self.h, self.ss = int(w), int(h), ss
        fill = rgba(background) if background else (0, 0, 0, 0)
        self.img = Image.new("RGBA", (self.w * ss, self.h * ss), fill)
        self.draw = ImageDraw.Draw(self.img)

    def _p(self, pts):
        return [(x * self.ss, y * self.ss) for x, y in pts]

    def _b(self, box):
        return [v * self.ss for v in box]

    def _w(self, width):
        return max(1, int(round(width * self.ss)))

    def ellipse(self, box, fill, outline=INK, width=4, alpha=255):
        self.draw.ellipse(self._b(box), fill=rgba(fill, alpha) if fill else None,
                          outline=rgba(outline) if outline else None,
                          width=self._w(width) if outline else 0)

    def circle(self, centre, r, fill, outline=INK, width=4, alpha=255):
        cx, cy = centre
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill, outline, width, alpha)

    def rect(self, box, fill, outline=INK, width=4, radius=0, alpha=255):
        self.draw.rounded_rectangle(self._b(box), radius=radius * self.ss,
                                    fill=rgba(fill, alpha) if fill else None,
                                    outline=rgba(outline) if outline else None,
                                    width=self._w(width) if outline else 0)

    def polygon(self, pts, fill, outline=INK, width=4, alpha=255):
        p = self._p(pts)
        if fill:
            self.draw.polygon(p, fill=rgba(fill, alpha))
        if outline:
            self.draw.line(p + [p[0]], fill=rgba(outline), width=self._w(width),
                           joint="curve")

    def line(self, pts, colour=INK, width=4):
        self.draw.line(self._p(pts), fill=rgba(colour), width=self._w(width),
                       joint="curve")
        r = width * self.ss / 2
        for x, y in self._p([pts[0], pts[-1]]):
            self.draw.ellipse((x - r, y - r, x + r, y + r), fill=rgba(colour))

    def outlined_line(self, pts, colour, width=8, outline=INK, ow=3):
        """A thick stroke in `colour` with an ink rim, for tails, poles, ropes."""
        self.line(pts, outline, width + 2 * ow)
        self.line(pts, colour, width)

    def arc(self, box, start, end, colour=INK, width=4):
        self.draw.arc(self._b(box), start, end, fill=rgba(colour), width=self._w(width))

    def image(self):
        if self.ss == 1:
            return self.img
        return self.img.resize((self.w, self.h), Image.LANCZOS)

    def paste_on(self, img, xy=(0, 0)):
        img.alpha_composite(self.image(), (int(xy[0]), int(xy[1])))


def soft_shadow(img, box, radius=24, offset=(6, 9), blur=10, alpha=140):
    x0, y0, x1, y1 = [int(v) for v in box]
    pad = blur * 3
    layer = Image.new("RGBA", (x1 - x0 + 2 * pad, y1 - y0 + 2 * pad))
    ImageDraw.Draw(layer).rounded_rectangle(
        (pad, pad, pad + x1 - x0, pad + y1 - y0), radius=radius, fill=rgba(INK, alpha))
    layer = layer.filter(ImageFilter.GaussianBlur(blur))
    dx, dy = x0 - pad + offset[0], y0 - pad + offset[1]
    img.alpha_composite(layer, (max(0, dx), max(0, dy)), (max(0, -dx), max(0, -dy)))


def sheen(w, h, colour, strength=0.12, reach=0.5, radius=0):
    """A light wash that fades out downwards: gives flat shapes a bit of
    volume without a visible edge."""
    g = np.clip(1.0 - np.linspace(0.0, 1.0, h) / reach, 0.0, 1.0) ** 1.6
    alpha = (g * 255 * strength).astype(np.uint8)
    a = Image.fromarray(np.repeat(alpha[:, None], w, axis=1), "L")
    if radius:
        mask = Image.new("L", (w, h), 0)
        ImageDraw.Draw(mask).rounded_rectangle((0, 0, w - 1, h - 1), radius=radius, fill=255)
        a = ImageChops.multiply(a, mask)
    layer = Image.new("RGBA", (w, h), rgba(colour))
    layer.putalpha(a)
    return layer


def panel(img, box, fill=PANEL, rim=AMBER, radius=26, alpha=235, shadow=True,
          ink_width=5, rim_width=3):
    """Rounded panel: ink outline, amber inner rim, lit from the top."""
    x0, y0, x1, y1 = [int(v) for v in box]
    if shadow:
        soft_shadow(img, box, radius)
    w, h = x1 - x0, y1 - y0
    sk = Sketch(w + 1, h + 1)
    sk.rect((0, 0, w, h), fill, INK, ink_width, radius, alpha)
    sk.paste_on(img, (x0, y0))
    inset = ink_width + 1
    img.alpha_composite(sheen(w - 2 * inset, h - 2 * inset, (255, 255, 255), 0.10, 0.45,
                              max(2, radius - inset)), (x0 + inset, y0 + inset))
    if rim:
        sk = Sketch(w + 1, h + 1)
        inset = ink_width + 3
        sk.rect((inset, inset, w - inset, h - inset), None, rim, rim_width,
                max(4, radius - inset))
        sk.paste_on(img, (x0, y0))


def pill(img, box, selected=False, fill=None, alpha=245):
    """A menu item's body; the selected one is amber and glows."""
    x0, y0, x1, y1 = [int(v) for v in box]
    r = (y1 - y0) // 2
    if selected:
        glow = Image.new("RGBA", (x1 - x0 + 80, y1 - y0 + 80))
        ImageDraw.Draw(glow).rounded_rectangle((40, 40, 40 + x1 - x0, 40 + y1 - y0),
                                               radius=r, fill=rgba(GOLD, 150))
        glow = glow.filter(ImageFilter.GaussianBlur(14))
        img.alpha_composite(glow, (x0 - 40, y0 - 40))
    body = fill or (AMBER if selected else PANEL_DARK)
    sk = Sketch(x1 - x0 + 1, y1 - y0 + 1)
    sk.rect((0, 0, x1 - x0, y1 - y0), body, INK, 4, r, alpha)
    sk.rect((8, 5, x1 - x0 - 8, (y1 - y0) * 0.45), lighter(body, 0.18 if selected else 0.06),
            None, 0, r - 6, alpha)
    if not selected:
        sk.rect((4, 4, x1 - x0 - 4, y1 - y0 - 4), None, darker(AMBER, 0.45), 2, r - 4)
    sk.paste_on(img, (x0, y0))


def keycap(img, xy, label, size=18, anchor="l", fill=KEYCAP):
    """A keyboard key with its label; returns its box.

    xy is the left (or centre, with anchor 'm') of the key's vertical middle.
    """
    f = font(size)
    tw = _MEASURE.textlength(label, font=f)
    h = int(size * 1.75)
    w = int(max(h, tw + size * 1.1))
    x, y = xy
    if anchor == "m":
        x -= w / 2
    elif anchor == "r":
        x -= w
    x0, y0 = int(x), int(y - h / 2)
    depth = max(3, size // 5)
    sk = Sketch(w + 1, h + depth + 1)
    sk.rect((0, 0, w, h + depth), darker(fill, 0.35), INK, 3, size // 3)
    sk.rect((0, 0, w, h), fill, INK, 3, size // 3)
    sk.rect((4, 3, w - 4, h * 0.45), lighter(fill, 0.4), None, 0, size // 4)
    sk.paste_on(img, (x0, y0))
    text(img, (x0 + w / 2, y0 + h / 2 + 1), label, size, fill=INK, anchor="mm",
         stroke_fill=None, shadow=False)
    return (x0, y0, x0 + w, y0 + h + depth)


def keycaps(img, xy, labels, size=18, gap=5):
    """Several keys side by side (e.g. the four arrows); returns the right x."""
    x, y = xy
    for lab in labels:
        b = keycap(img, (x, y), lab, size)
        x = b[2] + gap
    return x - gap


def hint_bar(img, s, y=H - 30, size=19):
    """The strip of key hints at the bottom of a screen."""
    tw, th = text_size(s, size)
    w = min(W - 40, tw + 60)
    x0 = (W - w) // 2
    sk = Sketch(w + 1, th + 22)
    sk.rect((0, 0, w, th + 20), PANEL_DARK, INK, 3, (th + 20) // 2, 220)
    sk.paste_on(img, (x0, y - (th + 20) // 2))
    text(img, (W // 2, y), s, size, fill=GOLD, anchor="mm", max_width=w - 30)


def progress_dots(img, centre, n=7, lit=4, r=9, gap=30, colour=AMBER):
    cx, cy = centre
    x = cx - (n - 1) * gap / 2
    sk = Sketch(W, 3 * r + 4)
    for i in range(n):
        c = colour if i < lit else PANEL_DARK
        rr = r if i < lit else r * 0.8
        sk.circle((x + i * gap, 1.5 * r + 2), rr, c, INK, 3)
    sk.paste_on(img, (0, cy - 1.5 * r - 2))


# --- backgrounds ---------------------------------------------------------

@functools.lru_cache(maxsize=None)
def _base_background(top, bottom, glow, seed):
    y = np.linspace(0.0, 1.0, H, dtype=np.float32)[:, None, None]
    a = np.array(top, np.float32)[None, None, :]
    b = np.array(bottom, np.float32)[None, None, :]
    rgb = a + (b - a) * y
    rgb = np.broadcast_to(rgb, (H, W, 3)).copy()
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float32)
    if glow:
        gx, gy, gr, gcol, gs = glow
        d = np.sqrt((xx - gx) ** 2 + (yy - gy) ** 2) / gr
        k = (np.clip(1.0 - d, 0.0, 1.0) ** 2 * gs)[..., None]
        rgb = rgb + (np.array(gcol, np.float32)[None, None, :] - rgb) * k
    # vignette: darken towards the corners so the centre reads first
    d = np.sqrt(((xx - W / 2) / (W * 0.62)) ** 2 + ((yy - H / 2) / (H * 0.62)) ** 2)
    rgb *= (1.0 - 0.45 * np.clip(d - 0.55, 0.0, 1.0))[..., None]
    img = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB").convert("RGBA")
    if seed is not None:
        rnd = random.Random(seed)
        dots = Image.new("RGBA", (W, H))
        d = ImageDraw.Draw(dots)
        for _ in range(26):
            r = rnd.uniform(10, 70)
            x, y = rnd.uniform(0, W), rnd.uniform(0, H)
            col = rnd.choice([AMBER, CORAL, ROSE, TEAL, CREAM])
            d.ellipse((x - r, y - r, x + r, y + r), fill=rgba(col, rnd.randint(14, 34)))
        dots = dots.filter(ImageFilter.GaussianBlur(3))
        img.alpha_composite(dots)
    return img


def background(tint="menu", glow=None, seed=1):
    """A full-screen RGBA background: vertical gradient, warm glow, bokeh.

    `glow` is (x, y, radius, colour, strength) or None for the default warm
    glow low in the middle.
    """
    top, bottom = TINTS[tint] if isinstance(tint, str) else tint
    if glow is None:
        glow = (W / 2, H * 0.78, 620, CORAL, 0.22)
    return _base_background(tuple(top), tuple(bottom), glow, seed).copy()


def transparent():
    return Image.new("RGBA", (W, H), (0, 0, 0, 0))


# --- files ---------------------------------------------------------------

def out_path(outdir, rel):
    path = os.path.join(outdir, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def _replace(path, write):
    """Write through a temporary name so an interrupted run leaves no
    half-written asset behind."""
    tmp = path + ".part"
    write(tmp)
    os.replace(tmp, path)


def save_png(img, outdir, rel, alpha=False):
    """PNG; opaque pictures are stored without an alpha channel, because the
    game fades them with per-surface alpha, which SDL ignores for pictures
    that carry their own alpha."""
    path = out_path(outdir, rel)
    im = img if alpha else img.convert("RGB")
    _replace(path, lambda p: im.save(p, "PNG", optimize=False, compress_level=6))
    return path


def save_jpg(img, outdir, rel, quality=90):
    path = out_path(outdir, rel)
    im = img.convert("RGB")
    # 4:4:4 keeps the coloured lettering crisp
    _replace(path, lambda p: im.save(p, "JPEG", quality=quality, subsampling=0))
    return path


def save(img, outdir, rel, alpha=False):
    if rel.lower().endswith((".jpg", ".jpeg")):
        return save_jpg(img, outdir, rel)
    return save_png(img, outdir, rel, alpha)


def seeded(name):
    """A random generator fixed per picture, so every run draws the same."""
    return random.Random(sum((i + 1) * ord(c) for i, c in enumerate(name)))


def angle_points(cx, cy, r, n, start=-90.0):
    return [(cx + r * math.cos(math.radians(start + i * 360.0 / n)),
             cy + r * math.sin(math.radians(start + i * 360.0 / n))) for i in range(n)]
