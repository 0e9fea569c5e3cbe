"""Writes every picture and animation list of the game into the given
assets directory: the four room pictures, the switched-on pictures, the
icons and the two character sheets."""

import os
import sys

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pixelart import MAGENTA, assert_clean, save_png, strip, canvas  # noqa: E402
import rooms  # noqa: E402
import characters  # noqa: E402
import icons  # noqa: E402

# file name -> (thing switched on in its room, has a lit and a dark frame)
SWITCHED_ON = {
    "lamp_unplug_light": ("lampplug", True),
    "tv_on_light": ("tv", True),
    "phonographplug_on_light": ("phonoplug", True),
    "toasterplug_on": ("toasterplug", False),
    "sink_on": ("sink", False),
    "toaster_on": ("toaster", False),
    "drink_on_light": ("drink", True),
    "clock_on": ("clock", False),
    "lamp_on": ("lamp", False),
    "pills_on_light": ("pills", True),
}


def cut(on_img, off_img, mask, x0, w):
    """The frame of on_img where mask is set, magenta elsewhere."""
    on = np.asarray(on_img)[0:64, x0:x0 + w]
    out = np.where(mask[..., None], on, np.array(MAGENTA, np.uint8))
    return out.astype(np.uint8)


def switched_on_picture(thing, two_frames):
    room, x0, w = rooms.FRAMES[thing]
    draw = rooms.ROOMS[room]
    lit_off, lit_on = draw(), draw({thing})
    changed = np.any(np.asarray(lit_off) != np.asarray(lit_on), axis=2)
    dark_off = dark_on = None
    if two_frames:
        dark_off, dark_on = rooms.night(lit_off, room), rooms.dark_on(room, thing)
        changed |= np.any(np.asarray(dark_off) != np.asarray(dark_on), axis=2)
    inside = np.zeros_like(changed)
    inside[0:64, x0:x0 + w] = True
    if (changed & ~inside).any():
        ys, xs = np.nonzero(changed & ~inside)
        raise SystemExit(f"{thing}: change outside its frame at x {xs.min()}..{xs.max()}, y {ys.min()}..{ys.max()}")
    mask = changed[0:64, x0:x0 + w]
    frames = [cut(lit_on, lit_off, mask, x0, w)]
    if two_frames:
        frames.append(cut(dark_on, dark_off, mask, x0, w))
    from PIL import Image
    return strip([Image.fromarray(f) for f in frames])


def main(out):
    os.makedirs(os.path.join(out, "animations"), exist_ok=True)
    for room, draw in rooms.ROOMS.items():
        lit = draw()
        save_png(lit, os.path.join(out, f"environment_{room}.png"))
        save_png(rooms.night(lit, room), os.path.join(out, f"environment_{room}_dark.png"))
    for name, (thing, two) in SWITCHED_ON.items():
        img = switched_on_picture(thing, two)
        assert_clean(img, name)
        save_png(img, os.path.join(out, name + ".png"))
    for name, make in icons.ICONS.items():
        img = make()
        assert_clean(img, name)
        save_png(img, os.path.join(out, name + ".png"))
    for who, frames, anims in (("character", characters.man_frames(), characters.MAN_ANIMS),
                               ("woman", characters.woman_frames(), characters.WOMAN_ANIMS)):
        sheet = strip(frames)
        assert_clean(sheet, who)
        save_png(sheet, os.path.join(out, "animations", f"{who}_all.png"))
        with open(os.path.join(out, "animations", f"{who}_anim.txt"), "w") as f:
            f.write(characters.anim_text(anims))
    # the two-frame pictures: 0 while the rooms are lit, 1 in the dark
    with open(os.path.join(out, "overlay.txt"), "w") as f:
        f.write("1 0\n1 1\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "assets")
