"""The game in a real window: started as a player starts it, on an X server of
its own, driven by real key presses, judged by screenshots.

usage: window_test.py CASE --game EXE --source DIR [--keep-shots DIR]
CASE is one of: look_and_walk, tour, escape, close.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # nothing lands in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))

from gamewindow import (CAPTION_AT, CAPTION_COLOUR, HEIGHT, WIDTH, Failure, Game,  # noqa: E402
                        VirtualScreen)


def expect(condition, message, screen=None):
    if not condition:
        raise Failure(message, screen)


def kitchen_drawn(game):
    screen = game.wait_for("kitchen (room a) on the screen", lambda s: s.shows_room("a"))
    expect(screen.magenta_pixels() == 0,
           "%d magenta pixels show: a picture lost its transparency" % screen.magenta_pixels(), screen)
    return screen


def look_and_walk(game):
    _, _, w, h = game.geometry()
    expect((w, h) == (WIDTH, HEIGHT), "the window is %dx%d, not %dx%d" % (w, h, WIDTH, HEIGHT))
    kitchen_drawn(game)
    start = game.settle().man_x()
    expect(start == 822, "the man stands at %s, not at his start point 822" % start)

    # Held, an arrow walks him on and on; let go, he stops.
    game.key_down("Left")
    try:
        game.wait_for("the man 100 px left of his start",
                      lambda s: (s.man_x() or WIDTH) <= start - 100, timeout=30)
    finally:
        game.key_up("Left")
    stopped = game.settle().man_x()
    game.key_down("Right")
    try:
        game.wait_for("the man walking back right",
                      lambda s: (s.man_x() or 0) >= stopped + 60, timeout=30)
    finally:
        game.key_up("Right")


def tour(game):
    kitchen_drawn(game)
    screen = game.walk_to("Tomato")
    expect(screen.caption_pixels() == 0, "caption colour on screen before any use", screen)

    game.press("space")
    screen = game.wait_for("a caption", lambda s: s.caption_pixels() > 50, timeout=20)
    box = screen.caption_box()
    expect(abs(box[0] - CAPTION_AT[0]) <= 12 and abs(box[1] - CAPTION_AT[1]) <= 12,
           "caption in %s at %s, not near %s" % (CAPTION_COLOUR, box[:2], CAPTION_AT), screen)

    # Out through the kitchen's hallway into the living room.
    game.key_down("Left")
    try:
        game.wait_for("the living room (room b)", lambda s: s.shows_room("b"), timeout=90)
    finally:
        game.key_up("Left")
    screen = game.wait_for("the woman in the living room", lambda s: s.shows_woman())
    expect(screen.magenta_pixels() == 0, "magenta shows in the living room", screen)

    game.walk_to("LightSwitch1")
    game.press("space")
    screen = game.wait_for("the living room dark", lambda s: s.shows_room("b", dark=True))
    expect(screen.shows_woman(dark=True), "the woman is gone in the dark", screen)
    expect(screen.magenta_pixels() == 0, "magenta shows in the dark", screen)


def escape(game):
    kitchen_drawn(game)
    game.press("Escape")
    status = game.wait_exit()
    expect(status == 1, "Escape left the game with status %s, not 1" % status)


def close(game):
    kitchen_drawn(game)
    game.request_close()
    status = game.wait_exit()
    expect(status == 1, "closing the window left the game with status %s, not 1" % status)


CASES = {f.__name__: f for f in (look_and_walk, tour, escape, close)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("case", choices=sorted(CASES))
    parser.add_argument("--game", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--keep-shots", help="folder for the last screenshot of a failed case")
    args = parser.parse_args()

    try:
        with VirtualScreen() as screen, Game(os.path.abspath(args.game), screen, args.source) as game:
            try:
                CASES[args.case](game)
            except Failure as failure:
                failure.errors = game.errors()
                raise
    except Failure as failure:
        print("FAILED %s: %s" % (args.case, failure))
        if getattr(failure, "errors", ""):
            print("game's stderr:\n" + failure.errors)
        if failure.shot is not None and args.keep_shots:
            os.makedirs(args.keep_shots, exist_ok=True)
            path = os.path.join(args.keep_shots, args.case + ".png")
            failure.shot.image.save(path)
            print("last screenshot: " + path)
        return 1
    print("passed %s" % args.case)
    return 0


if __name__ == "__main__":
    sys.exit(main())
