"""Contact sheet of the game's pictures, as the game shows them (doubled,
magenta keyed out), on grey: each room lit and dark, bare and with every
switched-on picture, the characters and a caption in place; then every
switched-on picture, icon and character frame.

usage: contact_sheet.py OUTPUT.png [ASSETS_DIR]
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

GREY = (128, 128, 128)
GAP = 16
KEY = np.array([255, 0, 255])

# picture -> (room, x on screen, frame width on screen)
SWITCHED_ON = {
    "lamp_unplug_light": ("b", 460, 128), "tv_on_light": ("b", 732, 256),
    "phonographplug_on_light": ("b", 526, 128), "toasterplug_on": ("a", 128, 128),
    "sink_on": ("a", 0, 128), "toaster_on": ("a", 128, 128),
    "drink_on_light": ("a", 310, 128), "clock_on": ("b", 86, 128),
    "lamp_on": ("b", 460, 128), "pills_on_light": ("b", 676, 128),
}


def load2(path):
    img = Image.open(path).convert("RGB")
    return img.resize((img.width * 2, img.height * 2), Image.NEAREST)


def blit(dst, src, x, y, box=None):
    """Keyed blit: magenta pixels of src are not drawn."""
    if box:
        src = src.crop(box)
    a = np.asarray(src)
    mask = Image.fromarray((~np.all(a == KEY, axis=2)).astype(np.uint8) * 255)
    dst.paste(src, (x, y), mask)


def room_scene(assets, room, dark, with_things):
    suffix = "_dark" if dark else ""
    scene = Image.new("RGB", (1024, 448), (0, 0, 0))
    scene.paste(load2(os.path.join(assets, f"environment_{room}{suffix}.png")), (0, 168))
    if not with_things:
        return scene
    for name, (r, x, w) in SWITCHED_ON.items():
        if r != room:
            continue
        pic = load2(os.path.join(assets, name + ".png"))
        frame = 1 if (dark and pic.width >= 2 * w) else 0
        blit(scene, pic, x, 168, (frame * w, 0, frame * w + w, 128))
    if room == "b":
        woman = load2(os.path.join(assets, "animations", "woman_all.png"))
        blit(scene, woman, 416, 168, (0, 0, 128, 128))
    man = load2(os.path.join(assets, "animations", "character_all.png"))
    blit(scene, man, 822 if room == "a" else 300, 168, (0, 0, 128, 128))
    icon = load2(os.path.join(assets, "icon_tomato01.png" if room == "a" else "icon_lamp01_on.png"))
    blit(scene, icon, 450, 40)
    font = os.path.join(assets, "fonts", "arial.ttf")
    if os.path.exists(font):
        d = ImageDraw.Draw(scene)
        d.text((200, 348), "Hey! I was listening to that!", font=ImageFont.truetype(font, 24),
               fill=(76, 48, 64))
    return scene


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    assets = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(__file__), "..", "assets")
    tiles = []  # (image, x, y)
    y = GAP
    for room in ("a", "b"):
        for dark in (False, True):
            for col, things in enumerate((False, True)):
                tiles.append((room_scene(assets, room, dark, things), GAP + col * (1024 + GAP), y))
            y += 448 + GAP
    x = GAP
    row_h = 0
    for name in SWITCHED_ON:
        pic = load2(os.path.join(assets, name + ".png"))
        if x + pic.width > 2 * 1024 + GAP:
            x, y = GAP, y + row_h + GAP
            row_h = 0
        tiles.append((pic, x, y))
        x += pic.width + GAP
        row_h = max(row_h, pic.height)
    y += row_h + GAP
    x = GAP
    for name in sorted(f[:-4] for f in os.listdir(assets) if f.startswith("icon_") and f.endswith(".png")):
        tiles.append((load2(os.path.join(assets, name + ".png")), x, y))
        x += 64 + GAP
    y += 64 + GAP
    for who in ("character", "woman"):
        sheet = load2(os.path.join(assets, "animations", f"{who}_all.png"))
        tiles.append((sheet, GAP, y))
        y += sheet.height + GAP
    sheet = Image.new("RGB", (2 * 1024 + 3 * GAP, y), GREY)
    for img, tx, ty in tiles:
        blit(sheet, img, tx, ty)
    sheet.save(out)


if __name__ == "__main__":
    main()
