"""The game's desktop icon, cut from its own pictures: the man as he stands
at the start, by the kitchen fridge, drawn over that corner of room a.

usage: make_icon.py OUTPUT_DIR [ASSETS_DIR]
Writes flatmates-64.png, flatmates-128.png and flatmates-256.png for the
desktop, and flatmates-192.png and flatmates-512.png, the sizes a browser
asks of a page that can be added to a home screen. All are whole multiples
of the pictures' own pixels, so the pixel art stays sharp.
"""

import os
import sys

from PIL import Image

MAGENTA = (255, 0, 255)
# The man's frame is 64 pixels square in the sheet; he starts at x 822 on
# the screen, 411 in the room picture's own pixels, level with its top.
FRAME = 64
START_X = 411
# The desktop's sizes, then the browser's (3 and 8 times the picture).
SIZES = (64, 128, 256, 192, 512)


def icon(assets):
    room = Image.open(os.path.join(assets, "environment_a.png")).convert("RGB")
    sheet = Image.open(os.path.join(assets, "animations", "character_all.png")).convert("RGB")
    man = sheet.crop((0, 0, FRAME, FRAME))
    keyed = Image.new("L", man.size)
    keyed.putdata([0 if p == MAGENTA else 255 for p in man.getdata()])
    picture = room.crop((START_X, 0, START_X + FRAME, FRAME))
    picture.paste(man, (0, 0), keyed)
    return picture


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    assets = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(__file__), "..", "assets")
    os.makedirs(out, exist_ok=True)
    picture = icon(assets)
    for size in SIZES:
        picture.resize((size, size), Image.NEAREST).save(os.path.join(out, "flatmates-%d.png" % size),
                                                         optimize=True)


if __name__ == "__main__":
    main()
