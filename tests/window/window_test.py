"""The game in a real window: started as a player starts it, on an X server of
its own, driven by real key presses, judged by screenshots.

usage: window_test.py CASE --game EXE --source DIR [--keep-shots DIR]
CASE is one of: look_and_walk, tour, escape, close, fullscreen, pause,
focus, command_line.
"""

import argparse
import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # nothing lands in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))

from gamewindow import (CAPTION_AT, CAPTION_COLOUR, HEIGHT, NOTICE_COLOUR, ROOM_BOTTOM,  # noqa: E402
                        ROOM_TOP, WIDTH, Failure, FullscreenWatch, Game, Screen, VirtualScreen,
                        count_colour)


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


def settings_say(game, name, value, timeout=10):
    """Waits for the game's settings file to keep name=value."""
    deadline = time.monotonic() + timeout
    while game.settings().get(name) != value:
        if time.monotonic() > deadline:
            raise Failure("the settings do not keep %s=%s: %s" % (name, value, game.settings()), game.last)
        time.sleep(0.1)


def fullscreen(game):
    kitchen_drawn(game)
    watch = FullscreenWatch(game)
    try:
        expect(not watch.is_fullscreen(), "fullscreen before any key")
        game.press("F11")
        watch.wait(True)
        settings_say(game, "fullscreen", "1")
        # Classic SDL covers the screen itself; SDL 2 asks a window manager,
        # and the virtual screen has none to do it.
        covering = watch.covering_window()
        if covering is not None:
            # Classic SDL: the picture stands in the middle of the screen.
            w, h = game.screen.size
            whole = game.screen_shot()
            middle = whole.crop(((w - WIDTH) // 2, (h - HEIGHT) // 2, (w + WIDTH) // 2, (h + HEIGHT) // 2))
            expect(Screen(middle, game.pictures).shows_room("a"), "no kitchen on the full screen")
        game.press("F11")
        watch.wait(False)
        settings_say(game, "fullscreen", "0")
        # Alt+Enter does the same.
        game.press("alt+Return")
        watch.wait(True)
        game.press("alt+Return")
        watch.wait(False)
    finally:
        watch.close()
    if covering is None:
        # Without a window manager SDL 2 keeps drawing at the size it asked
        # for; what is on the window is not the game's to judge here.
        expect(game.wait_exit(timeout=1) is None, "the game ended after fullscreen and back")
        return
    # Back in the window the game draws where it is seen, and plays on.
    kitchen_drawn(game)
    _, _, w, h = game.geometry()
    expect((w, h) == (WIDTH, HEIGHT), "the window came back %dx%d" % (w, h))
    start = game.settle().man_x()
    game.hold("Left", 1.0)
    moved = game.settle().man_x()
    expect(moved is not None and moved < start - 20, "the man did not walk after fullscreen (%s -> %s)"
           % (start, moved), game.last)


def pause_line(screen):
    """Pixels of the pause line's colour over the room."""
    return count_colour(screen.image.crop((0, ROOM_TOP, WIDTH, ROOM_BOTTOM)), NOTICE_COLOUR)


def stands_still(game, seconds=1.0):
    first = game.shot()
    time.sleep(seconds)
    second = game.shot()
    return first.man_x(), second.man_x()


def pause(game):
    kitchen_drawn(game)
    start = game.settle().man_x()
    expect(pause_line(game.last) == 0, "the pause line shows before any pause", game.last)
    game.key_down("Left")
    try:
        game.wait_for("the man walking", lambda s: (s.man_x() or WIDTH) <= start - 30, timeout=30)
        game.press("p")
        screen = game.wait_for("the pause line", lambda s: pause_line(s) > 50, timeout=10)
        before, after = stands_still(game)
        expect(before is not None and before == after,
               "paused, the man still walks (%s -> %s)" % (before, after), game.last)
        # The arrow still held on resuming: he walks on.
        game.press("p")
        game.wait_for("the pause line gone", lambda s: pause_line(s) == 0, timeout=10)
        game.wait_for("the man walking on", lambda s: (s.man_x() or WIDTH) <= before - 20, timeout=30)
        # Let go while paused: on resuming he stands.
        game.press("p")
        game.wait_for("the pause line", lambda s: pause_line(s) > 50, timeout=10)
    finally:
        game.key_up("Left")
    paused_at = game.shot().man_x()
    game.press("p")
    game.wait_for("the pause line gone", lambda s: pause_line(s) == 0, timeout=10)
    # He stands where he was paused; his walking pose measured then sits a
    # few pixels off his standing one.
    before, after = stands_still(game)
    expect(before == after and abs(after - paused_at) <= 16,
           "the arrow let go in the pause, the man walked on (%s, %s, %s)" % (paused_at, before, after), game.last)
    expect(screen.magenta_pixels() == 0, "magenta shows while paused", screen)


def focus(game):
    kitchen_drawn(game)
    start = game.settle().man_x()
    give_back = game.focus_elsewhere()
    try:
        game.wait_for("the pause line once the keyboard went elsewhere", lambda s: pause_line(s) > 50,
                      timeout=10)
        before, after = stands_still(game, 0.5)
        expect(before == after == start, "the man moved while the window had no focus", game.last)
    finally:
        give_back()
    # The window's own pause ends when it has the keyboard again.
    game.focus()
    game.wait_for("the pause line gone once the focus came back", lambda s: pause_line(s) == 0, timeout=10)
    game.hold("Left", 1.0)
    moved = game.settle().man_x()
    expect(moved is not None and moved < start - 20, "the man does not walk after the focus came back",
           game.last)
    # A pause the player asked for stays when the focus goes and comes.
    game.press("p")
    game.wait_for("the pause line", lambda s: pause_line(s) > 50, timeout=10)
    give_back = game.focus_elsewhere()
    time.sleep(0.5)
    give_back()
    game.focus()
    time.sleep(0.5)
    expect(pause_line(game.shot()) > 50, "the player's pause ended with the focus coming back", game.last)


def command_line(exe, source):
    """No window: what the command line answers by itself."""
    def run(*args):
        return subprocess.run([exe] + list(args), stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              universal_newlines=True, timeout=30, env=dict(os.environ, DISPLAY=""))

    answer = run("--help")
    expect(answer.returncode == 0, "--help left with status %d" % answer.returncode)
    for word in ("--fullscreen", "--window", "--max-fps", "--version", "F11", "Alt+Enter", "Escape"):
        expect(word in answer.stdout, "--help does not mention %s" % word)

    with open(os.path.join(source, "CMakeLists.txt"), encoding="utf-8") as f:
        version = re.search(r"project\(\S+\s+VERSION\s+([0-9.]+)", f.read()).group(1)
    answer = run("--version")
    expect(answer.returncode == 0, "--version left with status %d" % answer.returncode)
    expect(answer.stdout.strip() == "flatmates " + version,
           "--version says %r, not the project's %s" % (answer.stdout, version))

    answer = run("--no-such-option")
    expect(answer.returncode == 2, "an unknown option left with status %d, not 2" % answer.returncode)
    expect(answer.stdout == "", "an unknown option wrote to stdout")
    expect("--no-such-option" in answer.stderr and "--fullscreen" in answer.stderr,
           "an unknown option did not name itself and show the usage on stderr: %r" % answer.stderr)


CASES = {f.__name__: f for f in (look_and_walk, tour, escape, close, fullscreen, pause, focus)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("case", choices=sorted(CASES) + ["command_line"])
    parser.add_argument("--game", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--keep-shots", help="folder for the last screenshot of a failed case")
    args = parser.parse_args()

    try:
        if args.case == "command_line":
            command_line(os.path.abspath(args.game), args.source)
            print("passed %s" % args.case)
            return 0
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
