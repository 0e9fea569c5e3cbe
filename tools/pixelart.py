"""Small pixel-art helpers shared by the picture generators.

Everything is drawn without anti-aliasing so that sprite edges stay crisp:
the game keys out exact magenta, so a blended edge pixel would show as a
pink fringe around every object.
"""

import numpy as np
from PIL import Image, ImageDraw

MAGENTA = (255, 0, 255)
OUTLINE = (44, 32, 44)


def canvas(w, h, fill=MAGENTA):
    img = Image.new("RGB", (w, h), fill)
    return img, ImageDraw.Draw(img)


def rect(d, x0, y0, x1, y1, fill, outline=None):
    """Filled rectangle with inclusive corners."""
    d.rectangle([x0, y0, x1, y1], fill=fill, outline=outline)


def hline(d, x0, x1, y, c):
    d.line([(x0, y), (x1, y)], fill=c)


def vline(d, x, y0, y1, c):
    d.line([(x, y0), (x, y1)], fill=c)


def px(d, x, y, c):
    d.point((x, y), fill=c)


def disc(d, cx, cy, r, fill, outline=None):
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=fill, outline=outline)


def shade(c, f):
    """Scale a colour, keeping it a valid non-magenta colour."""
    return tuple(int(max(0, min(255, round(v * f)))) for v in c)


def outline_sprite(img, colour=OUTLINE):
    """Give every opaque shape a one-pixel dark outline against magenta."""
    a = np.asarray(img).copy()
    solid = np.any(a != MAGENTA, axis=2)
    grow = solid.copy()
    grow[1:, :] |= solid[:-1, :]
    grow[:-1, :] |= solid[1:, :]
    grow[:, 1:] |= solid[:, :-1]
    grow[:, :-1] |= solid[:, 1:]
    edge = grow & ~solid
    a[edge] = colour
    return Image.fromarray(a)


def assert_clean(img, name):
    """Every pixel is exact magenta or a colour far from it: no fringe."""
    a = np.asarray(img).astype(int)
    is_mag = np.all(a == MAGENTA, axis=2)
    near = (np.abs(a - np.array(MAGENTA)).sum(axis=2) < 60) & ~is_mag
    if near.any():
        raise SystemExit(f"{name}: {int(near.sum())} pixels close to magenta")


def save_png(img, path):
    """Plain RGB PNG without text or time chunks, so output is reproducible."""
    img = img.convert("RGB")
    img.save(path, format="PNG", optimize=True)


def mirror(img):
    return img.transpose(Image.FLIP_LEFT_RIGHT)


def strip(frames):
    w, h = frames[0].size
    out = Image.new("RGB", (w * len(frames), h), MAGENTA)
    for i, f in enumerate(frames):
        out.paste(f, (i * w, 0))
    return out
