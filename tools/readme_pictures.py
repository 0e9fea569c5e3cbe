"""The README's pictures, taken from the real game: it is started on a
virtual X server and played with real key presses (see gamewindow.py), and
the screen is cut to the rows the game draws in.

usage: readme_pictures.py GAME [OUT_DIR]      (OUT_DIR defaults to docs/)
Writes room-a.png, room-b.png, caption.png and dark.png, and a caption in
German and in Japanese: caption-de.png, caption-ja.png.
"""

import os
import sys

sys.dont_write_bytecode = True  # nothing lands in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from gamewindow import ICON_AT, ROOM_BOTTOM, WIDTH, Game, VirtualScreen  # noqa: E402

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
# From just above the icon of the thing within reach to the floor's edge.
CUT = (0, ICON_AT[1] - 16, WIDTH, ROOM_BOTTOM)


def save(screen, out, name):
    path = os.path.join(out, name)
    screen.image.crop(CUT).save(path, optimize=True)
    print("wrote " + path)


def use(game, what):
    game.press("space")
    return game.wait_for(what, lambda s: s.caption_pixels() > 50, timeout=20)


def no_caption(game):
    return game.wait_for("the caption gone", lambda s: s.caption_pixels() == 0, timeout=20)


def take(game, out):
    game.wait_for("the kitchen", lambda s: s.shows_room("a"))
    save(game.settle(), out, "room-a.png")

    game.key_down("Left")
    try:
        game.wait_for("the living room", lambda s: s.shows_room("b"), timeout=90)
    finally:
        game.key_up("Left")
    # He arrives at the television's outlet, whose icon shows.
    game.walk_to("Outlet2")
    save(game.wait_for("the woman", lambda s: s.shows_woman()), out, "room-b.png")

    game.press("space")  # the television goes on
    game.walk_to("Pills")
    use(game, "the pills' caption")
    no_caption(game)
    game.walk_to("Outlet3")
    save(use(game, "the record player's caption"), out, "caption.png")

    no_caption(game)
    game.walk_to("Outlet1")
    game.press("space")  # the lamp's plug: its light goes on
    game.walk_to("LightSwitch1")
    game.press("space")
    game.wait_for("the dark living room", lambda s: s.shows_room("b", dark=True))
    save(game.settle(), out, "dark.png")


def take_caption(game, out, language):
    """The drink's caption, in a language the environment chose."""
    game.wait_for("the kitchen", lambda s: s.shows_room("a"))
    game.walk_to("Drink")
    save(use(game, "the drink's caption"), out, "caption-%s.png" % language)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(SOURCE, "docs")
    os.makedirs(out, exist_ok=True)
    with VirtualScreen() as screen:
        with Game(os.path.abspath(sys.argv[1]), screen, SOURCE) as game:
            take(game, out)
        for language, locale in (("de", "de_DE.UTF-8"), ("ja", "ja_JP.UTF-8")):
            env = {"LANGUAGE": language, "LC_ALL": "", "LC_MESSAGES": "", "LANG": locale}
            with Game(os.path.abspath(sys.argv[1]), screen, SOURCE, env) as game:
                take_caption(game, out, language)


if __name__ == "__main__":
    main()
