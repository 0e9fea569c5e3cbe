"""The two flatmates, 64x64 frames, feet on row 62, facing right by default.

The man's collision span is the middle of his frame (columns 25..38 at this
size), so both characters are drawn centred on column 32.
"""

from pixelart import canvas, rect, hline, vline, px, disc, shade, outline_sprite, mirror

MAN = {
    "skin": (238, 192, 150), "hair": (104, 66, 40), "shirt": (84, 146, 96),
    "legs": (66, 88, 146), "shoes": (92, 60, 40), "eye": (40, 30, 40),
}
WOMAN = {
    "skin": (204, 150, 112), "hair": (170, 58, 40), "dress": (150, 86, 168),
    "legs": (204, 150, 112), "shoes": (190, 50, 70), "eye": (40, 30, 40),
}


def _leg(d, hip, knee, foot, colour, shoe, width=4, forward=1):
    d.line([hip, knee], fill=colour, width=width)
    d.line([knee, foot], fill=colour, width=width)
    fx, fy = foot
    rect(d, fx - 2, fy, fx + 2 + 2 * forward if forward > 0 else fx + 2, fy + 2, shoe)
    if forward < 0:
        rect(d, fx - 4, fy, fx + 2, fy + 2, shoe)


def man_front(blink):
    img, d = canvas(64, 64)
    c = MAN
    rect(d, 25, 59, 30, 62, c["shoes"])
    rect(d, 33, 59, 38, 62, c["shoes"])
    rect(d, 26, 41, 30, 58, c["legs"])
    rect(d, 33, 41, 37, 58, c["legs"])
    rect(d, 26, 41, 37, 44, c["legs"])
    hline(d, 25, 38, 40, (70, 50, 40))
    rect(d, 24, 23, 39, 39, c["shirt"])
    rect(d, 21, 24, 23, 38, c["shirt"])
    rect(d, 40, 24, 42, 38, c["shirt"])
    rect(d, 21, 39, 23, 41, c["skin"])
    rect(d, 40, 39, 42, 41, c["skin"])
    vline(d, 24, 27, 39, shade(c["shirt"], 0.8))
    vline(d, 39, 27, 39, shade(c["shirt"], 0.8))
    d.polygon([(29, 23), (32, 27), (35, 23)], fill=(240, 240, 232))   # collar
    rect(d, 30, 20, 33, 22, c["skin"])
    rect(d, 26, 9, 37, 20, c["skin"])
    rect(d, 25, 7, 38, 11, c["hair"])
    rect(d, 25, 11, 26, 15, c["hair"])
    rect(d, 37, 11, 38, 15, c["hair"])
    px(d, 29, 8, shade(c["hair"], 1.3))
    px(d, 25, 15, c["skin"])
    px(d, 38, 15, c["skin"])
    if blink:
        hline(d, 28, 29, 14, c["eye"])
        hline(d, 34, 35, 14, c["eye"])
    else:
        rect(d, 29, 13, 29, 14, c["eye"])
        rect(d, 34, 13, 34, 14, c["eye"])
    hline(d, 30, 33, 18, (180, 110, 100))
    px(d, 31, 16, shade(c["skin"], 0.85))
    return outline_sprite(img)


def man_walk(phase):
    """Walking right; phase 0 and 2 are strides, 1 and 3 the passing poses."""
    img, d = canvas(64, 64)
    c = MAN
    lift = 1 if phase in (1, 3) else 0
    y0 = -lift
    hip = (32, 42 + y0)
    far, near = shade(c["legs"], 0.75), c["legs"]
    if phase in (0, 2):
        a_foot, b_foot = (39, 59), (25, 59)
        a_knee, b_knee = (36, 51), (28, 51)
    else:
        a_foot, b_foot = (32, 59), (34, 55)
        a_knee, b_knee = (32, 51), (36, 49)
    if phase >= 2:
        a_foot, b_foot, a_knee, b_knee = b_foot, a_foot, b_knee, a_knee
    # far leg first, then the near one over it
    _leg(d, hip, b_knee, b_foot, far, shade(c["shoes"], 0.8))
    arm_far = {0: (37, 38), 1: (33, 39), 2: (26, 37), 3: (31, 39)}[phase]
    d.line([(32, 25 + y0), (arm_far[0], arm_far[1] + y0)], fill=shade(c["shirt"], 0.75), width=3)
    rect(d, 28, 23 + y0, 36, 41 + y0, c["shirt"])
    hline(d, 28, 36, 41 + y0, (70, 50, 40))
    _leg(d, hip, a_knee, a_foot, near, c["shoes"])
    rect(d, 30, 20 + y0, 33, 22 + y0, c["skin"])
    rect(d, 27, 9 + y0, 37, 20 + y0, c["skin"])
    px(d, 38, 15 + y0, c["skin"])                      # nose
    rect(d, 26, 7 + y0, 37, 11 + y0, c["hair"])
    rect(d, 26, 11 + y0, 30, 16 + y0, c["hair"])
    px(d, 32, 8 + y0, shade(c["hair"], 1.3))
    rect(d, 35, 13 + y0, 35, 14 + y0, c["eye"])
    hline(d, 35, 36, 18 + y0, (180, 110, 100))
    px(d, 31, 14 + y0, shade(c["skin"], 0.85))          # ear
    arm_near = {0: (26, 37), 1: (31, 39), 2: (37, 38), 3: (33, 39)}[phase]
    d.line([(32, 25 + y0), (arm_near[0], arm_near[1] + y0)], fill=c["shirt"], width=3)
    rect(d, arm_near[0] - 1, arm_near[1] + y0, arm_near[0] + 1, arm_near[1] + 2 + y0, c["skin"])
    return outline_sprite(img)


def woman(blink=False, mouth=0, hand=0):
    """Standing facing right; mouth 0 closed, 1 open, 2 wide; hand 0..2."""
    img, d = canvas(64, 64)
    c = WOMAN
    # long hair falls behind her shoulders
    rect(d, 25, 10, 33, 31, c["hair"])
    d.polygon([(25, 31), (33, 31), (29, 34)], fill=c["hair"])
    rect(d, 28, 50, 30, 59, shade(c["legs"], 0.85))
    rect(d, 32, 50, 34, 59, c["legs"])
    rect(d, 27, 59, 31, 62, shade(c["shoes"], 0.8))
    rect(d, 31, 59, 36, 62, c["shoes"])
    # dress
    d.polygon([(28, 22), (36, 22), (39, 51), (24, 51)], fill=c["dress"])
    hline(d, 24, 39, 51, shade(c["dress"], 0.75))
    hline(d, 29, 36, 33, shade(c["dress"], 0.8))
    for (x, y) in ((30, 40), (35, 44), (28, 47), (33, 37)):
        px(d, x, y, (236, 200, 240))
    # arm: 0 at her side, 1 raised in a gesture, 2 raised higher
    if hand == 0:
        d.line([(33, 24), (34, 38)], fill=shade(c["dress"], 0.85), width=3)
        rect(d, 33, 38, 35, 40, c["skin"])
    elif hand == 1:
        d.line([(33, 24), (34, 32)], fill=shade(c["dress"], 0.85), width=3)
        d.line([(34, 32), (40, 28)], fill=c["skin"], width=2)
        rect(d, 40, 26, 42, 28, c["skin"])
    else:
        d.line([(33, 24), (35, 31)], fill=shade(c["dress"], 0.85), width=3)
        d.line([(35, 31), (41, 23)], fill=c["skin"], width=2)
        rect(d, 41, 21, 43, 23, c["skin"])
    rect(d, 30, 19, 33, 22, c["skin"])
    rect(d, 28, 9, 37, 20, c["skin"])
    px(d, 38, 15, c["skin"])                        # nose
    rect(d, 27, 7, 36, 10, c["hair"])
    rect(d, 26, 9, 30, 20, c["hair"])
    px(d, 37, 8, c["hair"])
    px(d, 33, 8, shade(c["hair"], 1.3))
    px(d, 26, 9, (250, 220, 90))                    # hair clip
    if blink:
        hline(d, 34, 35, 14, c["eye"])
    else:
        rect(d, 35, 13, 35, 14, c["eye"])
        px(d, 36, 12, c["eye"])                     # lashes
    lips = (176, 60, 80)
    if mouth == 0:
        hline(d, 35, 36, 18, lips)
    elif mouth == 1:
        rect(d, 35, 17, 36, 18, (90, 30, 40))
        px(d, 37, 18, lips)
    else:
        rect(d, 34, 17, 36, 19, (90, 30, 40))
        hline(d, 34, 36, 16, lips)
    return outline_sprite(img)


def man_frames():
    """Frames: 0-1 standing, 2-5 walking right, 6-9 walking left."""
    right = [man_walk(p) for p in range(4)]
    return [man_front(False), man_front(True)] + right + [mirror(f) for f in right]


def woman_frames():
    """Frames: 0-1 idle right, 2-4 talking right, 5-9 the same facing left."""
    right = [woman(), woman(blink=True),
             woman(mouth=1, hand=1), woman(mouth=0, hand=2), woman(mouth=2, hand=1)]
    return right + [mirror(f) for f in right]


# Frame lists: at 0.1 s a frame, holding a pose is written as repeats.
MAN_ANIMS = [
    [0] * 14 + [1] + [0] * 6 + [1],       # 0 standing, blinking now and then
    [6, 7, 8, 9],                         # 1 walking left
    [2, 3, 4, 5],                         # 2 walking right
]
WOMAN_ANIMS = [
    [0] * 18 + [1],                       # 0 idle facing right
    [2, 3, 4, 3, 2, 0, 4, 3],             # 1 talking facing right
    [5] * 18 + [6],                       # 2 idle facing left
    [7, 8, 9, 8, 7, 5, 9, 8],             # 3 talking facing left
]


def anim_text(anims):
    return "".join(f"{len(a)} {' '.join(str(f) for f in a)}\n" for a in anims)
