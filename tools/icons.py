"""Object icons, 32x32, shown over the black top of the screen while the man
stands at the object.  The "on" icon of each object is plainly different:
lit, coloured or in action."""

from pixelart import canvas, rect, hline, vline, px, disc, shade, outline_sprite

PANEL = (236, 232, 220)
PANEL_D = (160, 154, 140)
YELLOW = (255, 226, 90)
DARK = (52, 40, 48)


def _rays(d, cx, cy, r0, r1, c):
    for dx, dy in ((1, 0), (-1, 0), (0, -1), (1, -1), (-1, -1), (1, 1), (-1, 1)):
        d.line([(cx + dx * r0, cy + dy * r0), (cx + dx * r1, cy + dy * r1)], fill=c)


def power(on):
    img, d = canvas(32, 32)
    rect(d, 4, 4, 19, 27, PANEL, PANEL_D)
    rect(d, 9, 10, 10, 13, DARK)
    rect(d, 13, 10, 14, 13, DARK)
    disc(d, 11, 19, 2, DARK)
    if not on:   # plug pushed in, cable trailing away
        rect(d, 7, 8, 16, 16, (70, 66, 72))
        d.line([(16, 12), (22, 12), (26, 18), (28, 27)], fill=(70, 66, 72), width=2)
    else:        # plug pulled out, a spark where it was
        rect(d, 20, 18, 25, 23, (70, 66, 72))
        rect(d, 18, 19, 19, 19, (200, 200, 210))
        rect(d, 18, 22, 19, 22, (200, 200, 210))
        d.line([(25, 21), (29, 28)], fill=(70, 66, 72), width=2)
        d.polygon([(22, 4), (17, 11), (21, 11), (18, 17), (26, 8), (22, 8), (25, 4)], fill=YELLOW)
    return outline_sprite(img)


def tomato():
    img, d = canvas(32, 32)
    disc(d, 16, 18, 10, (222, 48, 40))
    d.ellipse([7, 10, 25, 27], fill=(222, 48, 40))
    rect(d, 10, 13, 12, 15, (255, 150, 130))
    d.polygon([(16, 9), (10, 7), (14, 11), (12, 13), (16, 11), (20, 13), (18, 11), (22, 7)], fill=(60, 150, 60))
    vline(d, 16, 4, 9, (60, 120, 50))
    return outline_sprite(img)


def sink(on):
    img, d = canvas(32, 32)
    rect(d, 3, 22, 28, 27, (188, 196, 204), (120, 128, 140))
    rect(d, 6, 22, 25, 23, (120, 128, 140))
    rect(d, 9, 8, 11, 22, (188, 196, 204))
    rect(d, 9, 6, 21, 8, (188, 196, 204))
    rect(d, 20, 8, 21, 10, (120, 128, 140))
    rect(d, 12, 14, 14, 15, (200, 60, 60) if not on else (240, 90, 80))
    if on:
        rect(d, 20, 11, 21, 21, (120, 180, 240))
        vline(d, 21, 11, 21, (226, 242, 255))
        for (x, y) in ((17, 19), (24, 18), (25, 21), (16, 21)):
            px(d, x, y, (160, 210, 255))
    return outline_sprite(img)


def toaster(on):
    img, d = canvas(32, 32)
    red = (206, 72, 62) if not on else (230, 90, 70)
    if on:
        for x0 in (8, 17):
            rect(d, x0, 5, x0 + 6, 13, (226, 170, 92), (164, 104, 52))
        for (x, y) in ((7, 2), (16, 1), (25, 3)):
            px(d, x, y, (246, 232, 200))
    rect(d, 4, 12, 27, 27, red, (120, 36, 36))
    rect(d, 5, 13, 26, 14, shade(red, 1.2))
    hline(d, 8, 14, 12, DARK if not on else (255, 150, 50))
    hline(d, 17, 23, 12, DARK if not on else (255, 150, 50))
    rect(d, 27, 15 if not on else 20, 29, 17 if not on else 22, DARK)
    rect(d, 6, 24, 25, 26, (188, 196, 204))
    return outline_sprite(img)


def drink(on):
    img, d = canvas(32, 32)
    rect(d, 9, 6, 22, 27, (214, 232, 238), (120, 128, 140))
    if not on:
        rect(d, 10, 10, 21, 26, (250, 164, 40))
        hline(d, 10, 21, 10, (255, 206, 110))
        d.line([(18, 2), (15, 14)], fill=(230, 80, 110), width=2)    # straw
    else:
        rect(d, 10, 23, 21, 26, (250, 190, 90))
        for (x, y) in ((12, 22), (17, 21), (19, 23), (14, 24)):
            rect(d, x, y, x + 1, y + 1, (110, 150, 60))
        px(d, 12, 9, (250, 252, 255))
        d.line([(24, 6), (27, 3)], fill=(110, 150, 60))              # stink lines
        d.line([(26, 10), (29, 7)], fill=(110, 150, 60))
    return outline_sprite(img)


def clock(on):
    img, d = canvas(32, 32)
    face = (240, 232, 210) if not on else (255, 246, 160)
    disc(d, 16, 16, 12, (150, 106, 70))
    disc(d, 16, 16, 10, face)
    for (x, y) in ((16, 7), (25, 16), (16, 25), (7, 16)):
        px(d, x, y, DARK)
    if not on:
        d.line([(16, 16), (16, 9)], fill=DARK)
        d.line([(16, 16), (21, 16)], fill=DARK)
    else:
        d.line([(16, 16), (22, 11)], fill=DARK)
        d.line([(16, 16), (12, 21)], fill=DARK)
        for (x0, y0, x1, y1) in ((2, 4, 5, 7), (29, 4, 26, 7), (2, 28, 5, 25), (29, 28, 26, 25)):
            d.line([(x0, y0), (x1, y1)], fill=YELLOW)
    return outline_sprite(img)


def lamp(on):
    img, d = canvas(32, 32)
    shade_c = (200, 190, 160) if not on else YELLOW
    if on:
        _rays(d, 16, 10, 11, 14, YELLOW)
    d.polygon([(8, 15), (12, 4), (20, 4), (24, 15)], fill=shade_c)
    rect(d, 15, 16, 16, 26, (110, 100, 90))
    rect(d, 10, 26, 21, 28, (80, 70, 62))
    if on:
        rect(d, 13, 15, 18, 17, (255, 255, 220))
    return outline_sprite(img)


def pills(on):
    img, d = canvas(32, 32)
    if not on:
        rect(d, 10, 10, 21, 27, (232, 150, 60), (160, 90, 30))
        rect(d, 9, 5, 22, 9, (246, 244, 236), (160, 154, 140))
        rect(d, 12, 15, 19, 21, (246, 244, 236))
        hline(d, 13, 18, 18, (200, 80, 80))
    else:
        d.polygon([(3, 20), (18, 14), (21, 21), (6, 27)], fill=(232, 150, 60))
        rect(d, 22, 7, 27, 11, (246, 244, 236))
        for i, (x, y) in enumerate(((22, 22), (26, 18), (19, 26), (27, 25), (14, 10))):
            rect(d, x, y, x + 3, y + 1, (250, 250, 250) if i % 2 else (120, 180, 240))
    return outline_sprite(img)


def light(on):
    img, d = canvas(32, 32)
    rect(d, 9, 3, 22, 28, PANEL, PANEL_D)
    rect(d, 13, 8, 18, 23, (200, 196, 186))
    if not on:    # rooms lit: toggle up, a bright bulb
        rect(d, 13, 8, 18, 14, (250, 250, 244), PANEL_D)
        disc(d, 26, 6, 3, YELLOW)
    else:         # rooms dark: toggle down, a blue moon
        rect(d, 13, 17, 18, 23, (120, 116, 110), PANEL_D)
        disc(d, 26, 8, 5, (150, 170, 255))
        disc(d, 28, 6, 4, (255, 0, 255))
    return outline_sprite(img)


ICONS = {
    "icon_power01": lambda: power(False), "icon_power01_on": lambda: power(True),
    "icon_tomato01": tomato,
    "icon_sink01": lambda: sink(False), "icon_sink01_on": lambda: sink(True),
    "icon_toaster01": lambda: toaster(False), "icon_toaster01_on": lambda: toaster(True),
    "icon_drink01": lambda: drink(False), "icon_drink01_on": lambda: drink(True),
    "icon_clock01": lambda: clock(False), "icon_clock01_on": lambda: clock(True),
    "icon_lamp01": lambda: lamp(False), "icon_lamp01_on": lambda: lamp(True),
    "icon_pills01": lambda: pills(False), "icon_pills01_on": lambda: pills(True),
    "icon_light01": lambda: light(False), "icon_light01_on": lambda: light(True),
}
