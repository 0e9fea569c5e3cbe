"""The two rooms of the flat, drawn at half the on-screen size (512x140).

Rows 0..63 of a room are the wall that characters and furniture stand
against (on screen: rows 320..447); below is the floor, which must stay
light where the captions are written (on screen rows 495..535).  Every
switchable thing is drawn by a function that takes the set of things that
are switched on, so the switched-on pictures can be cut out of the room as
exactly the pixels that change.
"""

import numpy as np
from PIL import Image

from pixelart import canvas, rect, hline, vline, px, disc, shade

W, H = 512, 140
FLOOR_Y = 56          # first floor row (the skirting board sits just above)
VANISH = (256, 18)    # vanishing point of the floor pattern

# Where the game places each switched-on picture (source pixels: the
# on-screen x halved; every picture starts at the top of the room).
FRAMES = {
    "sink": ("a", 0, 64), "toaster": ("a", 64, 64), "toasterplug": ("a", 64, 64),
    "drink": ("a", 155, 64),
    "clock": ("b", 43, 64), "lamp": ("b", 230, 64), "lampplug": ("b", 230, 64),
    "phonoplug": ("b", 263, 64), "pills": ("b", 338, 64), "tv": ("b", 366, 128),
}

# Colours
SKIN = (238, 192, 150)
WOOD = (200, 152, 104)
WOOD_D = (150, 106, 70)
WOOD_L = (222, 182, 136)
STEEL = (188, 196, 204)
STEEL_D = (120, 128, 140)
WHITE = (246, 244, 236)
SOCKET = (236, 232, 220)
SOCKET_D = (150, 146, 136)
DARK = (52, 40, 48)


# ---------------------------------------------------------------- floors
def _floor_tiles(a):
    vx, vy = VANISH
    ys, xs = np.mgrid[FLOOR_Y:H, 0:W]
    t = (ys - vy).astype(float)
    r = np.floor(300.0 / t).astype(int)
    c = np.floor((xs - vx) * 3.2 / t).astype(int)
    light = np.array([238, 230, 210])
    dark = np.array([220, 208, 184])
    chk = ((r + c) % 2 == 0)[..., None]
    a[FLOOR_Y:H] = np.where(chk, light, dark)
    # grout lines where the tile row or column changes
    gr = np.zeros_like(chk[..., 0])
    gr[1:, :] |= r[1:, :] != r[:-1, :]
    gr[:, 1:] |= c[:, 1:] != c[:, :-1]
    a[FLOOR_Y:H][gr] = (206, 194, 170)


def _floor_boards(a):
    vx, vy = VANISH
    ys, xs = np.mgrid[FLOOR_Y:H, 0:W]
    t = (ys - vy).astype(float)
    r = np.floor(420.0 / t).astype(int)
    u = (xs - vx) * 1.1 / t + r * 0.37
    b = np.floor(u).astype(int)
    tone = ((r * 7 + b * 13) % 5)[..., None]
    base = np.array([228, 200, 160])
    a[FLOOR_Y:H] = base - tone * np.array([4, 5, 6])
    seam = np.zeros(r.shape, bool)
    seam[1:, :] |= r[1:, :] != r[:-1, :]
    seam[:, 1:] |= b[:, 1:] != b[:, :-1]
    a[FLOOR_Y:H][seam] = (204, 172, 130)


def _wall_shadow(a):
    """A soft band of shade where the floor meets the wall."""
    for i, f in enumerate((0.86, 0.92, 0.96)):
        a[FLOOR_Y + i] = (a[FLOOR_Y + i] * f).astype(a.dtype)


def _skirting(d, x0, x1, c):
    rect(d, x0, FLOOR_Y - 3, x1, FLOOR_Y - 1, c)
    hline(d, x0, x1, FLOOR_Y - 3, shade(c, 1.15))


def _socket(d, x, y, plugged, cord=None):
    """A wall socket 6x7 at (x, y); plugged sockets carry a dark plug."""
    rect(d, x, y, x + 5, y + 6, SOCKET, SOCKET_D)
    if plugged:
        rect(d, x + 1, y + 2, x + 4, y + 4, (60, 56, 60))
        px(d, x + 2, y + 3, (90, 86, 90))
    else:
        px(d, x + 2, y + 3, DARK)
        px(d, x + 3, y + 3, DARK)


def _cord(d, pts, c=(60, 56, 60)):
    d.line(pts, fill=c)


def _plug_on_floor(d, x, y, c=(60, 56, 60)):
    """A pulled plug resting on the floor with its two prongs."""
    rect(d, x, y, x + 3, y + 2, c)
    px(d, x + 4, y, STEEL)
    px(d, x + 4, y + 2, STEEL)


# ---------------------------------------------------------------- kitchen
def kitchen(on=frozenset()):
    img, d = canvas(W, H, (244, 226, 172))
    a = np.asarray(img).copy()
    _floor_tiles(a)
    _wall_shadow(a)
    # a faint stripe of wallpaper pattern
    for x in range(0, W, 8):
        a[2:FLOOR_Y - 3, x] = (238, 218, 162)
    img = Image.fromarray(a)
    from PIL import ImageDraw
    d = ImageDraw.Draw(img)
    hline(d, 0, W - 1, 0, (214, 190, 140))
    hline(d, 0, W - 1, 1, (230, 208, 156))
    _skirting(d, 0, W - 1, WOOD_D)

    # door jamb on the left: the hallway to the living room
    rect(d, 0, 2, 3, FLOOR_Y - 1, WOOD_D)
    vline(d, 3, 2, FLOOR_Y - 1, WOOD)

    # window above the sink
    rect(d, 10, 4, 50, 22, WHITE, WOOD_D)
    rect(d, 12, 6, 48, 20, (168, 210, 240))
    d.line([(14, 18), (22, 10)], fill=(200, 230, 250))
    d.line([(30, 18), (36, 12)], fill=(200, 230, 250))
    vline(d, 30, 6, 20, WHITE)
    hline(d, 12, 48, 13, WHITE)
    for x0 in (8, 46):  # gingham curtains
        for y in range(3, 24):
            for x in range(x0, x0 + 6):
                px(d, x, y, (226, 96, 96) if (x // 2 + y // 2) % 2 else (250, 220, 220))
    hline(d, 6, 54, 3, WOOD_D)

    # backsplash tiles behind the worktop
    rect(d, 4, 20, 200, 31, (214, 236, 230))
    for y in (23, 27, 31):
        hline(d, 4, 200, y, (186, 214, 208))
    for y0, y1, off in ((20, 23, 0), (24, 27, 3), (28, 31, 0)):
        for x in range(4 + off, 201, 6):
            vline(d, x, y0, y1, (186, 214, 208))
    rect(d, 10, 4, 50, 22, WHITE, WOOD_D)   # window drawn over the tiles
    rect(d, 12, 6, 48, 20, (168, 210, 240))
    vline(d, 30, 6, 20, WHITE)
    hline(d, 12, 48, 13, WHITE)
    d.line([(14, 18), (20, 12)], fill=(204, 232, 250))
    d.line([(33, 11), (37, 7)], fill=(204, 232, 250))
    rect(d, 9, 22, 51, 23, WHITE)   # sill
    for x0 in (6, 47):
        for y in range(4, 24):
            for x in range(x0, x0 + 5):
                px(d, x, y, (222, 92, 92) if (x // 2 + y // 2) % 2 else (250, 222, 222))
    hline(d, 4, 56, 3, WOOD_D)

    # upper cabinets
    for x0 in range(58, 150, 23):
        rect(d, x0, 2, x0 + 21, 17, WOOD, WOOD_D)
        rect(d, x0 + 2, 4, x0 + 19, 15, WOOD_L)
        rect(d, x0 + 10, 12, x0 + 11, 13, (96, 72, 60))
    rect(d, 56, 17, 150, 18, WOOD_D)

    # worktop and base cabinets from the sink to the stove
    rect(d, 4, 34, 200, FLOOR_Y - 1, WOOD, WOOD_D)
    for x0 in range(6, 198, 24):
        rect(d, x0, 37, x0 + 21, FLOOR_Y - 3, WOOD_L, WOOD_D)
        rect(d, x0 + 9, 39, x0 + 12, 39, (96, 72, 60))
    rect(d, 4, 31, 200, 34, (120, 140, 150))
    hline(d, 4, 200, 31, (160, 180, 190))
    rect(d, 4, FLOOR_Y - 2, 200, FLOOR_Y - 1, (110, 78, 52))

    # the sink: basin set into the worktop, a swan-neck tap
    rect(d, 14, 31, 46, 33, STEEL, STEEL_D)
    rect(d, 16, 32, 44, 33, STEEL_D)
    vline(d, 29, 22, 31, STEEL_D)
    vline(d, 30, 22, 31, STEEL)
    hline(d, 30, 36, 21, STEEL)
    hline(d, 30, 36, 20, STEEL_D)
    px(d, 36, 22, STEEL_D)
    rect(d, 24, 28, 26, 30, (200, 60, 60))   # hot and cold knobs
    rect(d, 33, 28, 35, 30, (70, 110, 200))
    if "sink" in on:
        water = (120, 180, 240)
        foam = (226, 242, 255)
        for y in range(23, 33):
            px(d, 36, y, water)
            px(d, 37, y, foam if y % 3 == 0 else water)
        for x, y in ((33, 31), (40, 30), (39, 32), (34, 29), (42, 31)):
            px(d, x, y, foam)
        rect(d, 17, 32, 43, 32, water)

    # the toaster, plugged into the socket on the right
    tx, ty = 78, 24
    toaster_red = (206, 72, 62)
    rect(d, tx, ty, tx + 22, 31, toaster_red, (120, 36, 36))
    rect(d, tx + 1, ty + 1, tx + 21, ty + 2, (236, 120, 108))
    rect(d, tx + 2, 30, tx + 20, 31, STEEL_D)
    rect(d, tx + 22, ty + 3, tx + 23, ty + 5, DARK)      # lever
    hline(d, tx + 4, tx + 9, ty, DARK)                   # slots
    hline(d, tx + 13, tx + 18, ty, DARK)
    if "toaster" in on:
        toast = (226, 170, 92)
        crust = (164, 104, 52)
        for x0 in (tx + 4, tx + 13):
            rect(d, x0, ty - 6, x0 + 5, ty - 1, toast, crust)
            px(d, x0 + 2, ty - 4, (200, 140, 70))
        hline(d, tx + 4, tx + 9, ty, (255, 150, 50))
        hline(d, tx + 13, tx + 18, ty, (255, 150, 50))
        rect(d, tx + 22, ty + 5, tx + 23, ty + 7, DARK)  # lever down
        for (x, y) in ((tx + 2, ty - 8), (tx + 11, ty - 9), (tx + 20, ty - 8)):
            px(d, x, y, (246, 232, 200))  # steam
            px(d, x + 1, y - 1, (246, 232, 200))
    _socket(d, 110, 22, "toasterplug" not in on)
    if "toasterplug" not in on:
        _cord(d, [(tx + 23, 29), (106, 29), (108, 26), (111, 25)])
    else:
        _cord(d, [(tx + 23, 29), (104, 30)])
        rect(d, 104, 29, 107, 30, (60, 56, 60))
        px(d, 108, 29, STEEL)
        px(d, 108, 30, STEEL)

    # bread board and a jar on the worktop
    rect(d, 122, 29, 140, 30, WOOD_D)
    disc(d, 146, 27, 3, (236, 236, 226), STEEL_D)
    rect(d, 143, 24, 149, 25, (200, 60, 60))

    # the glass of juice
    gx = 172
    glass = (214, 232, 238)
    rect(d, gx, 22, gx + 7, 30, glass, STEEL_D)
    if "drink" not in on:
        rect(d, gx + 1, 24, gx + 6, 30, (250, 164, 40))
        hline(d, gx + 1, gx + 6, 24, (255, 200, 100))
    else:
        rect(d, gx + 1, 29, gx + 6, 30, (250, 190, 90))   # a last sip
        px(d, gx + 2, 28, (120, 150, 70))                 # ... and the mould
        px(d, gx + 5, 28, (120, 150, 70))
        px(d, gx + 3, 25, (240, 250, 252))
    rect(d, gx + 11, 19, gx + 18, 30, (250, 250, 244), STEEL_D)  # juice carton
    rect(d, gx + 12, 23, gx + 17, 26, (250, 164, 40))
    d.polygon([(gx + 11, 19), (gx + 14, 15), (gx + 18, 19)], fill=(240, 240, 232), outline=STEEL_D)

    # stove with oven and a kettle
    rect(d, 202, 30, 238, FLOOR_Y - 1, (236, 236, 230), STEEL_D)
    rect(d, 206, 38, 234, 52, (60, 60, 66), STEEL_D)
    rect(d, 209, 41, 231, 49, (96, 90, 96))
    hline(d, 208, 232, 36, STEEL_D)
    for x in (208, 216, 224, 232):
        px(d, x, 33, DARK)
    disc(d, 212, 25, 4, (120, 170, 200), (70, 100, 130))
    rect(d, 208, 29, 216, 30, (70, 100, 130))
    d.line([(216, 23), (219, 21)], fill=(70, 100, 130))
    rect(d, 226, 25, 234, 29, (100, 100, 110), (60, 60, 70))  # pot
    hline(d, 224, 236, 25, (60, 60, 70))
    # shelf with jars
    hline(d, 206, 246, 14, WOOD_D)
    for i, c in enumerate(((220, 120, 60), (120, 170, 90), (230, 200, 90), (180, 90, 140))):
        rect(d, 208 + i * 9, 8, 213 + i * 9, 13, c, shade(c, 0.6))
        hline(d, 208 + i * 9, 213 + i * 9, 7, (200, 200, 200))

    # kitchen table with two chairs and the tomato
    table = (168, 116, 76)
    for cx in (260, 330):   # chairs behind the table line
        rect(d, cx, 24, cx + 3, FLOOR_Y, table)
        rect(d, cx - 10 if cx == 330 else cx, 40, cx + 3 + (0 if cx == 330 else 10), 42, table)
    rect(d, 268, 36, 324, 38, table, shade(table, 0.6))
    rect(d, 271, 39, 273, FLOOR_Y, shade(table, 0.7))
    rect(d, 319, 39, 321, FLOOR_Y, shade(table, 0.7))
    hline(d, 268, 324, 35, (246, 246, 246))   # table cloth edge
    for x in range(268, 325, 4):
        px(d, x, 39, (210, 80, 80))
    disc(d, 296, 32, 6, WHITE, STEEL_D)       # plate
    rect(d, 289, 34, 303, 35, WHITE)
    disc(d, 296, 30, 4, (222, 48, 40), (150, 24, 24))  # tomato
    px(d, 295, 28, (255, 140, 120))
    hline(d, 295, 298, 26, (60, 150, 60))
    px(d, 296, 25, (60, 150, 60))
    # pendant lamp over the table
    vline(d, 296, 0, 8, DARK)
    d.polygon([(290, 14), (296, 8), (302, 14)], fill=(230, 110, 80), outline=(150, 60, 50))

    # fridge
    fr = (206, 232, 222)
    rect(d, 368, 6, 404, FLOOR_Y - 1, fr, (130, 160, 150))
    hline(d, 369, 403, 22, (130, 160, 150))
    rect(d, 398, 12, 399, 18, STEEL_D)
    rect(d, 398, 28, 399, 40, STEEL_D)
    for (x, y, c) in ((376, 12, (220, 70, 70)), (384, 28, (70, 120, 220)), (388, 14, (240, 200, 60))):
        rect(d, x, y, x + 2, y + 2, c)
    rect(d, 374, 30, 381, 36, WHITE, STEEL_D)   # a note under a magnet
    hline(d, 375, 380, 32, STEEL_D)
    hline(d, 375, 379, 34, STEEL_D)

    # calendar and a potted plant on the right
    rect(d, 426, 10, 444, 30, WHITE, STEEL_D)
    rect(d, 426, 10, 444, 14, (200, 80, 80))
    for yy in range(17, 30, 3):
        for xx in range(428, 443, 3):
            px(d, xx, yy, (150, 140, 140))
    rect(d, 470, 44, 484, FLOOR_Y - 1, (190, 96, 60), (130, 60, 40))
    for (x0, y0, x1, y1) in ((477, 44, 468, 30), (477, 44, 486, 28), (477, 44, 477, 24), (477, 44, 490, 36), (477, 44, 464, 38)):
        d.line([(x0, y0), (x1, y1)], fill=(70, 140, 70), width=2)
    for (x, y) in ((468, 30), (486, 28), (477, 24), (490, 36), (464, 38)):
        disc(d, x, y, 2, (90, 170, 80))
    return img


# ---------------------------------------------------------------- living room
def living_room(on=frozenset()):
    wall = (214, 226, 216)
    img, d = canvas(W, H, wall)
    a = np.asarray(img).copy()
    _floor_boards(a)
    _wall_shadow(a)
    for x in range(0, W, 10):
        a[2:34, x:x + 3] = (206, 220, 210)
    a[34:FLOOR_Y - 3] = (232, 222, 200)      # wainscot panels
    for x in range(0, W - 24, 24):
        a[37:FLOOR_Y - 5, x + 3] = (214, 200, 176)
        a[37:FLOOR_Y - 5, x + 20] = (214, 200, 176)
    a[37, :] = (214, 200, 176)
    a[FLOOR_Y - 5, :] = (214, 200, 176)
    img = Image.fromarray(a)
    from PIL import ImageDraw
    d = ImageDraw.Draw(img)
    hline(d, 0, W - 1, 0, (180, 196, 186))
    hline(d, 0, W - 1, 1, (196, 210, 200))
    rect(d, 0, 33, W - 1, 34, WOOD)           # dado rail
    _skirting(d, 0, W - 1, WOOD_D)

    # bookshelf on the far left
    rect(d, 6, 8, 38, FLOOR_Y - 1, WOOD_D)
    for sy in (18, 30, 42, 54):
        rect(d, 8, sy - 1, 36, sy, WOOD)
    colours = ((190, 70, 70), (70, 110, 170), (230, 190, 80), (90, 150, 100), (150, 90, 150), (230, 140, 70))
    k = 0
    for sy in (18, 30, 42):
        x = 9
        while x < 35:
            w = 2 + (k * 5) % 3
            h = 7 + (k * 3) % 3
            rect(d, x, sy - 1 - h, min(x + w - 1, 35), sy - 2, colours[k % len(colours)])
            x += w + (1 if k % 4 == 0 else 0)
            k += 1
    # rug in front of the sofa, clear of the lower floor
    rect(d, 84, 58, 214, 76, (196, 110, 96), (150, 70, 64))
    rect(d, 88, 61, 210, 73, (226, 178, 140))
    for x in range(92, 208, 8):
        d.polygon([(x, 67), (x + 4, 63), (x + 8, 67), (x + 4, 71)], fill=(196, 110, 96))

    # pendulum wall clock
    cx = 75
    rect(d, cx - 9, 6, cx + 9, 44, WOOD_D, (100, 66, 44))
    d.polygon([(cx - 10, 6), (cx, 1), (cx + 10, 6)], fill=WOOD_D, outline=(100, 66, 44))
    disc(d, cx, 15, 7, (240, 232, 210), (100, 66, 44))
    rect(d, cx - 5, 26, cx + 5, 40, (226, 214, 186), (100, 66, 44))
    vline(d, cx, 26, 36, (180, 150, 70))
    disc(d, cx, 37, 2, (220, 180, 80))
    for ang in range(0, 360, 30):
        t = np.radians(ang)
        px(d, cx + round(6 * np.sin(t)), 15 - round(6 * np.cos(t)), (100, 66, 44))
    if "clock" in on:
        disc(d, cx, 15, 6, (255, 246, 170), (220, 170, 60))
        d.line([(cx, 15), (cx + 4, 12)], fill=(60, 40, 30))
        d.line([(cx, 15), (cx, 10)], fill=(60, 40, 30))
        for ang in range(0, 360, 30):
            t = np.radians(ang)
            px(d, cx + round(5 * np.sin(t)), 15 - round(5 * np.cos(t)), (200, 120, 40))
    else:
        d.line([(cx, 15), (cx - 3, 12)], fill=DARK)
        d.line([(cx, 15), (cx + 3, 18)], fill=DARK)

    # sofa
    sofa = (92, 130, 170)
    sofa_d = (62, 92, 128)
    rect(d, 98, 30, 200, 46, sofa, sofa_d)
    rect(d, 94, 38, 104, 56, sofa, sofa_d)
    rect(d, 194, 38, 204, 56, sofa, sofa_d)
    rect(d, 104, 44, 194, 53, (110, 150, 190), sofa_d)
    vline(d, 149, 44, 53, sofa_d)
    rect(d, 98, 54, 200, 56, sofa_d)
    rect(d, 110, 36, 124, 44, (240, 200, 110), (200, 150, 60))   # cushions
    rect(d, 174, 36, 188, 44, (230, 120, 110), (180, 80, 70))
    # framed picture over the sofa and the light switch beside it
    rect(d, 108, 8, 136, 24, WOOD_L, WOOD_D)
    rect(d, 110, 10, 134, 22, (150, 200, 230))
    d.polygon([(110, 22), (118, 14), (124, 19), (128, 16), (134, 22)], fill=(90, 150, 90))
    disc(d, 130, 13, 2, (250, 230, 120))
    rect(d, 146, 16, 151, 24, SOCKET, SOCKET_D)
    rect(d, 148, 17, 149, 19, (120, 116, 110))
    hline(d, 147, 150, 21, SOCKET_D)

    # floor lamp; its cord runs to the socket on the right of its foot
    lx = 276
    vline(d, lx, 18, 54, (90, 80, 70))
    vline(d, lx + 1, 18, 54, (130, 120, 110))
    rect(d, lx - 6, 54, lx + 7, 56, (80, 70, 62))
    shade_c = (240, 224, 180)
    if "lamp" in on:
        # the warm light falling on the wall beneath the shade
        for y in range(19, 43):
            half = 3 + (y - 19) // 2
            for x in range(lx - half, lx + half + 2):
                if 0 <= x < W:
                    r, g, b = img.getpixel((x, y))
                    img.putpixel((x, y), (min(255, r + 22), min(255, g + 18), max(0, b - 6)))
        shade_c = (255, 236, 140)
    d.polygon([(lx - 8, 18), (lx - 4, 6), (lx + 5, 6), (lx + 9, 18)], fill=shade_c, outline=(170, 140, 90))
    if "lamp" in on:
        rect(d, lx - 2, 18, lx + 3, 19, (255, 255, 220))
    _socket(d, 286, 44, "lampplug" not in on)
    if "lampplug" not in on:
        _cord(d, [(lx + 7, 55), (284, 55), (286, 52), (288, 48)])
    else:
        _cord(d, [(lx + 7, 55), (282, 57)])
        _plug_on_floor(d, 282, 56)

    # phonograph on its little table; plugged in beneath the table
    t0 = 300
    rect(d, t0, 36, t0 + 25, 38, WOOD, WOOD_D)
    vline(d, t0 + 2, 39, FLOOR_Y, WOOD_D)
    vline(d, t0 + 23, 39, FLOOR_Y, WOOD_D)
    rect(d, t0 + 3, 29, t0 + 21, 35, (130, 70, 50), (80, 40, 30))
    hline(d, t0 + 5, t0 + 17, 28, DARK)                   # record
    vline(d, t0 + 18, 20, 28, (200, 160, 60))             # horn neck
    d.polygon([(t0 + 18, 21), (t0 + 10, 8), (t0 + 26, 6)], fill=(226, 176, 70), outline=(150, 110, 40))
    _socket(d, 316, 45, "phonoplug" not in on)
    if "phonoplug" not in on:
        _cord(d, [(t0 + 12, 36), (t0 + 12, 43), (318, 49)])
    else:
        _cord(d, [(t0 + 12, 36), (t0 + 12, 43), (t0 + 10, 56)])
        _plug_on_floor(d, t0 + 8, 56)
    if "phonoplug" not in on:
        # notes drifting from the horn while the music plays
        for (x, y) in ((t0 - 9, 9), (t0 - 4, 4)):
            vline(d, x + 2, y - 4, y, (90, 70, 120))
            rect(d, x, y, x + 1, y + 1, (90, 70, 120))

    # side table with the pill bottle
    s0 = 342
    rect(d, s0, 38, s0 + 22, 40, WOOD, WOOD_D)
    rect(d, s0 + 2, 41, s0 + 20, 43, WOOD_L, WOOD_D)
    vline(d, s0 + 3, 44, FLOOR_Y, WOOD_D)
    vline(d, s0 + 19, 44, FLOOR_Y, WOOD_D)
    disc(d, s0 + 16, 34, 3, (120, 170, 120), (70, 110, 70))   # little plant pot
    rect(d, s0 + 14, 35, s0 + 18, 37, (190, 110, 70))
    if "pills" not in on:
        rect(d, s0 + 5, 30, s0 + 10, 37, (232, 150, 60), (160, 90, 30))
        rect(d, s0 + 5, 28, s0 + 10, 29, WHITE)
        hline(d, s0 + 6, s0 + 9, 33, WHITE)
    else:
        rect(d, s0 + 3, 35, s0 + 10, 37, (232, 150, 60), (160, 90, 30))   # tipped over
        vline(d, s0 + 11, 35, 37, WHITE)
        for (x, y) in ((s0 + 13, 37), (s0 + 15, 36), (s0 + 2, 37)):
            px(d, x, y, (250, 250, 250))
            px(d, x + 1, y, (120, 180, 240))
        rect(d, s0 + 4, 31, s0 + 5, 32, WHITE)                # the lid
        for (x, y) in ((s0 + 9, FLOOR_Y + 1), (s0 + 14, FLOOR_Y + 2)):
            px(d, x, y, (250, 250, 250))
            px(d, x + 1, y, (120, 180, 240))

    # television on its cabinet; plugged in on the right
    rect(d, 376, 42, 486, FLOOR_Y - 1, WOOD, WOOD_D)
    rect(d, 380, 45, 430, 52, WOOD_L, WOOD_D)
    rect(d, 432, 45, 482, 52, WOOD_L, WOOD_D)
    rect(d, 404, 48, 406, 48, DARK)
    rect(d, 456, 48, 458, 48, DARK)
    rect(d, 390, 10, 470, 41, (90, 80, 76), (50, 44, 44))
    rect(d, 394, 13, 458, 38, (40, 46, 50))
    rect(d, 461, 14, 467, 38, (70, 62, 60))
    disc(d, 464, 18, 1, (160, 150, 140))
    disc(d, 464, 24, 1, (160, 150, 140))
    for y in range(30, 38, 2):
        hline(d, 462, 466, y, (50, 44, 44))
    d.line([(424, 10), (414, 0)], fill=DARK)
    d.line([(426, 10), (438, 1)], fill=DARK)
    if "tv" in on:
        sky = (140, 200, 250)
        rect(d, 394, 13, 458, 38, sky)
        rect(d, 394, 30, 458, 38, (90, 170, 90))
        d.polygon([(400, 30), (414, 18), (428, 30)], fill=(120, 130, 150))
        d.polygon([(420, 30), (436, 16), (452, 30)], fill=(150, 160, 180))
        d.polygon([(432, 20), (436, 16), (440, 20)], fill=WHITE)
        disc(d, 448, 18, 3, (255, 240, 140))
        rect(d, 404, 32, 408, 35, (230, 80, 80))      # a little figure
        rect(d, 405, 30, 407, 31, SKIN)
        for y in range(14, 38, 3):
            hline(d, 394, 458, y, shade(img.getpixel((395, y)), 0.92))
        hline(d, 394, 458, 13, (220, 240, 255))
    else:
        d.line([(398, 16), (406, 14)], fill=(70, 80, 86))    # glass glint
    _socket(d, 478, 28, True)
    _cord(d, [(470, 36), (476, 36), (478, 33)])

    # the doorway at the right end, into the kitchen hallway
    rect(d, 494, 2, 511, FLOOR_Y - 1, (150, 130, 110))
    rect(d, 497, 5, 511, FLOOR_Y - 1, (236, 214, 160))
    for y in range(5, FLOOR_Y):
        if y % 9 == 0:
            hline(d, 497, 511, y, (226, 204, 150))
    vline(d, 494, 2, FLOOR_Y - 1, WOOD_D)
    vline(d, 495, 2, FLOOR_Y - 1, WOOD)
    hline(d, 494, 511, 2, WOOD_D)
    hline(d, 494, 511, 3, WOOD)
    return img


ROOMS = {"a": kitchen, "b": living_room}


# ---------------------------------------------------------------- darkness
NIGHT = np.array([0.36, 0.38, 0.56])
NIGHT_ADD = np.array([6, 6, 20])


def night(img, room):
    """The same room with the lights out: moonlit blue, not black."""
    a = np.asarray(img).astype(float)
    out = a * NIGHT + NIGHT_ADD
    out = np.clip(np.round(out), 0, 255).astype(np.uint8)
    out = Image.fromarray(out)
    if room == "a":
        from PIL import ImageDraw
        d = ImageDraw.Draw(out)
        rect(d, 12, 6, 48, 20, (30, 40, 86))
        vline(d, 30, 6, 20, (96, 96, 110))
        hline(d, 12, 48, 13, (96, 96, 110))
        disc(d, 41, 9, 2, (236, 236, 200))
        for (x, y) in ((16, 8), (24, 16), (36, 17), (20, 11)):
            px(d, x, y, (220, 220, 240))
    return out


def glow(img, cx, cy, radius, colour, strength):
    """Light spilling from a bright thing in a dark room (additive)."""
    a = np.asarray(img).astype(float)
    ys, xs = np.mgrid[0:a.shape[0], 0:a.shape[1]]
    dist = np.hypot((xs - cx) / radius[0], (ys - cy) / radius[1])
    f = np.clip(1.0 - dist, 0, 1) ** 1.5 * strength
    a = a + f[..., None] * np.array(colour)
    return Image.fromarray(np.clip(np.round(a), 0, 255).astype(np.uint8))


def dark_on(room, thing):
    """A room in the dark with one thing switched on, glowing if it should."""
    img = night(ROOMS[room]({thing}), room)
    if thing == "tv":
        img = glow(img, 426, 26, (58, 34), (90, 120, 160), 1.0)
    return img
