"""Drives the built game in a virtual X server the way a player meets it.

The game runs as its own process on a private Xvfb; keys are pressed through
XTEST (xdotool), the screen is read back with ImageMagick's `import`, and what
is on it is judged against the game's own pictures in assets/. Used by the
window tests (tests/window/) and by tools/readme_pictures.py.

Needs Debian's python3 with python3-pil and python3-xlib, and the packages
xvfb, xdotool and imagemagick.
"""

import ctypes
import io
import os
import select
import signal
import subprocess
import tempfile
import time

from PIL import Image, ImageChops
from Xlib import X
from Xlib.display import Display as XDisplay
from Xlib.error import XError
from Xlib.protocol.event import ClientMessage

WIDTH, HEIGHT = 1024, 768
# The room picture fills these rows; the characters stand in the first 128.
ROOM_TOP, ROOM_BOTTOM = 320, 600
FIGURE_BOTTOM = ROOM_TOP + 128
ICON_AT = (450, 192)
CAPTION_AT = (200, 500)
CAPTION_COLOUR = (76, 48, 64)
# The pause line and the sound notice; no picture of the flat uses it.
NOTICE_COLOUR = (255, 228, 120)
MAGENTA = (255, 0, 255)
WOMAN_X = 416
# The man's reach, from the left edge of his frame, and his walking pace.
REACH = (50, 76)
PACE = 80.0
# The icon each object shows while within reach and switched off.
ICONS = {
    "Outlet1": "icon_power01.png", "Outlet2": "icon_power01.png", "Outlet3": "icon_power01.png",
    "Outlet4": "icon_power01.png", "Tomato": "icon_tomato01.png", "Sink": "icon_sink01.png",
    "Toaster": "icon_toaster01.png", "Drink": "icon_drink01.png", "Clock": "icon_clock01.png",
    "Lamp": "icon_lamp01.png", "Pills": "icon_pills01.png", "LightSwitch1": "icon_light01.png",
}


class Failure(Exception):
    """A check did not hold; carries the last screenshot, if any."""

    def __init__(self, message, shot=None):
        super().__init__(message)
        self.shot = shot


def _die_with_parent():
    # Xvfb and the game must not outlive a test that is killed on timeout.
    libc = ctypes.CDLL("libc.so.6", use_errno=True)
    libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def _stop(proc):
    if proc is not None and proc.poll() is None:
        proc.kill()
        proc.wait()


class VirtualScreen:
    """An Xvfb of its own on the first free display number.

    The screen is larger than the window, so the window's own size is what
    gets measured, wherever it is placed.
    """

    def __init__(self, width=1600, height=1200):
        self.size = (width, height)
        self.display = None
        self._proc = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        try:
            self._proc = subprocess.Popen(
                # -noreset: by default the server starts afresh whenever its
                # last client leaves, and a game connecting in that moment
                # (SDL 1.2 opens and closes a probe connection first) finds
                # no display, or a window that loses its title.
                ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset",
                 "-screen", "0", "%dx%dx24" % self.size],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                preexec_fn=_die_with_parent)
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + 30
            while not number.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([read_end], [], [], left)[0]:
                    raise Failure("Xvfb did not report a display within 30 s")
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise Failure("Xvfb ended before it reported a display")
                number += chunk
            self.display = ":" + number.decode().strip()
        except BaseException:
            _stop(self._proc)
            raise
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        return self

    def __exit__(self, *exc):
        _stop(self._proc)


class XConnection:
    """A short-lived connection to the virtual screen."""

    def __init__(self, display):
        self._conn = XDisplay(display)

    def __enter__(self):
        return self._conn

    def __exit__(self, *exc):
        self._conn.close()


class Pictures:
    """The game's pictures as it draws them: doubled, magenta transparent."""

    def __init__(self, assets):
        self.assets = assets
        self._cache = {}
        self._marks = None

    def load(self, name):
        if name not in self._cache:
            img = Image.open(os.path.join(self.assets, name)).convert("RGB")
            self._cache[name] = img.resize((img.width * 2, img.height * 2), Image.NEAREST)
        return self._cache[name]

    def room(self, room, dark=False):
        return self.load("environment_%s%s.png" % (room, "_dark" if dark else ""))

    def man_marks(self):
        """Colours that only the man wears, and how far the first column
        showing them lies from the left edge of his standing frame. Found
        on the screen, they are him, whatever else is drawn."""
        if self._marks is None:
            sheet = "animations/character_all.png"
            elsewhere = set()
            for root, _, files in os.walk(self.assets):
                for name in files:
                    path = os.path.join(root, name)
                    if name.endswith(".png") and os.path.relpath(path, self.assets) != sheet:
                        elsewhere.update(c for _, c in Image.open(path).convert("RGB").getcolors(1 << 20))
            standing = self.load(sheet).crop((0, 0, 128, 128))
            marks = [c for n, c in standing.getcolors(1 << 14)
                     if c not in elsewhere and c != MAGENTA and n >= 64]
            self._marks = (marks, colours_box(standing, marks)[0])
        return self._marks


def difference(a, b):
    """Per pixel, the largest channel difference of two RGB pictures."""
    r, g, b_ = ImageChops.difference(a, b).split()
    return ImageChops.lighter(ImageChops.lighter(r, g), b_)


def share_equal(a, b):
    """Share of the pixels in which two pictures of one size agree exactly."""
    hist = difference(a, b).histogram()
    return hist[0] / float(sum(hist))


def count_colour(img, colour, tolerance=0):
    solid = Image.new("RGB", img.size, colour)
    hist = difference(img, solid).histogram()
    return sum(hist[: tolerance + 1])


def colours_box(img, colours):
    """Bounding box of the pixels of exactly these colours, or None."""
    mask = Image.new("L", img.size, 0)
    for colour in colours:
        solid = Image.new("RGB", img.size, colour)
        mask = ImageChops.lighter(mask, difference(img, solid).point(lambda v: 255 if v == 0 else 0))
    return mask.getbbox()


class Screen:
    """One screenshot of the game window, with the questions the checks ask."""

    def __init__(self, image, pictures):
        self.image = image
        self.pictures = pictures

    def room_area(self):
        return self.image.crop((0, ROOM_TOP, WIDTH, ROOM_BOTTOM))

    def room_share(self, room, dark=False):
        return share_equal(self.room_area(), self.pictures.room(room, dark))

    def shows_room(self, room, dark=False):
        # The characters and the switched-on pictures cover the rest.
        return self.room_share(room, dark) > 0.75

    def magenta_pixels(self):
        return count_colour(self.image, MAGENTA, tolerance=8)

    def figure_box(self, room, dark=False, x0=0, x1=WIDTH):
        """Box of whatever stands in front of the room picture between x0 and
        x1 in the characters' rows, in window coordinates, or None."""
        shown = self.image.crop((x0, ROOM_TOP, x1, FIGURE_BOTTOM))
        plain = self.pictures.room(room, dark).crop((x0, 0, x1, FIGURE_BOTTOM - ROOM_TOP))
        box = difference(shown, plain).getbbox()
        if box is None:
            return None
        return (box[0] + x0, box[1] + ROOM_TOP, box[2] + x0, box[3] + ROOM_TOP)

    def man_x(self):
        """Where the left edge of the man's frame stands (exact while he
        stands still), or None when he is not to be seen."""
        marks, offset = self.pictures.man_marks()
        box = colours_box(self.image.crop((0, ROOM_TOP, WIDTH, FIGURE_BOTTOM)), marks)
        return None if box is None else box[0] - offset

    def shows_woman(self, dark=False):
        box = self.figure_box("b", dark, WOMAN_X, WOMAN_X + 128)
        # A body, not a stray pixel: she stands most of a frame tall.
        return box is not None and box[3] - box[1] > 64

    def shows_icon(self, *names):
        """Whether the icon of the thing within reach is one of these."""
        for name in names:
            icon = self.pictures.load(name)
            x, y = ICON_AT
            shown = self.image.crop((x, y, x + icon.width, y + icon.height))
            keyed = Image.new("RGB", icon.size, MAGENTA)
            # Compare only where the icon is opaque.
            mask = difference(icon, keyed).point(lambda v: 255 if v else 0)
            wanted = Image.composite(icon, keyed, mask)
            seen = Image.composite(shown, keyed, mask)
            if share_equal(wanted, seen) > 0.97:
                return True
        return False

    def caption_box(self):
        """Box of the caption-coloured pixels below the icons, or None."""
        top = ICON_AT[1] + 64
        box = colours_box(self.image.crop((0, top, WIDTH, HEIGHT)), [CAPTION_COLOUR])
        return None if box is None else (box[0], box[1] + top, box[2], box[3] + top)

    def caption_pixels(self):
        return count_colour(self.image.crop((0, ICON_AT[1] + 64, WIDTH, HEIGHT)), CAPTION_COLOUR)


class Game:
    """The built game running in a VirtualScreen, seen through its window."""

    def __init__(self, exe, screen, source_dir, env=None):
        self.exe = exe
        self.screen = screen
        self.source_dir = source_dir
        self.pictures = Pictures(os.path.join(source_dir, "assets"))
        # In English, whatever the machine's language, unless env says
        # otherwise: the window tests compare English frames.
        self.env = dict(os.environ, DISPLAY=screen.display, SDL_AUDIODRIVER="dummy", LANGUAGE="",
                        LC_ALL="C.UTF-8")
        self.env.pop("SDL_VIDEODRIVER", None)
        if "ASAN_OPTIONS" in self.env:
            # In a sanitized build the real X path loads libraries that leak
            # on their own (D-Bus through SDL 2, Mesa's drivers); leaks are
            # the dummy-driver tests' business, memory errors still count.
            # Without leak checks the slow unwinder, there for the leak
            # suppressions, is not needed, and inside Mesa's JIT it deadlocks.
            self.env["ASAN_OPTIONS"] += ":detect_leaks=0:fast_unwind_on_malloc=1"
        # The player's own settings are never touched: the game keeps its
        # settings.ini in a folder of this run's.
        self._config = tempfile.TemporaryDirectory(prefix="flatmates-config-")
        self.env["XDG_CONFIG_HOME"] = self._config.name
        self.env.update(env or {})
        self.proc = None
        self.window = None
        self.last = None
        self._errors = None
        self._geometry = None

    # -- process -------------------------------------------------------

    def __enter__(self):
        self._errors = tempfile.TemporaryFile("w+")
        # Started as a player starts it: from the folder that holds assets/.
        self.proc = subprocess.Popen([self.exe], cwd=self.source_dir, env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=self._errors,
                                     preexec_fn=_die_with_parent)
        self.window = self._find_window(timeout=60)
        self.focus()
        return self

    def __exit__(self, *exc):
        _stop(self.proc)
        self._errors.close()
        self._config.cleanup()

    def settings(self):
        """The game's settings file as name -> value, {} while it has none."""
        path = os.path.join(self._config.name, "flatmates", "settings.ini")
        found = {}
        if os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                for line in f:
                    name, equals, value = line.strip().partition("=")
                    if equals and not name.startswith("#"):
                        found[name.strip()] = value.strip()
        return found

    def errors(self):
        self._errors.flush()
        self._errors.seek(0)
        return self._errors.read()

    def wait_exit(self, timeout=20):
        """The game's exit status, or None if it still runs after timeout."""
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def _x(self, *args, check=True):
        out = subprocess.run(list(args), env=self.env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, timeout=30)
        if check and out.returncode != 0:
            raise Failure("%s failed with status %d" % (" ".join(args), out.returncode), self.last)
        return out.stdout

    def _find_window(self, timeout):
        # sdl12-compat shows a first window and replaces it at once, so a
        # window counts once it is the only one and outlives a second look.
        deadline = time.monotonic() + timeout
        seen = None
        while time.monotonic() < deadline:
            if self.proc.poll() is not None:
                raise Failure("the game ended with status %d before its window showed:\n%s"
                              % (self.proc.returncode, self.errors()))
            found = self._x("xdotool", "search", "--onlyvisible", "--name", "^Flatmates$",
                            check=False).split()
            window = found[0].decode() if len(found) == 1 else None
            if window is not None and window == seen:
                self.window = window
                try:
                    self.geometry()
                    return window
                except Failure:
                    self._geometry = None
            seen = window
            time.sleep(0.25)
        raise Failure("no window titled Flatmates within %d s" % timeout)

    # -- window --------------------------------------------------------

    def geometry(self):
        """(x, y, width, height) of the window on the screen; without a
        window manager nothing moves it."""
        if self._geometry is None:
            self._geometry = self._ask_geometry()
        return self._geometry

    def _ask_geometry(self):
        with XConnection(self.screen.display) as conn:
            root = conn.screen().root
            try:
                window = conn.create_resource_object("window", int(self.window))
                size = window.get_geometry()
                origin = root.translate_coords(window, 0, 0)
            except XError as error:
                raise Failure("the window %s is gone: %s" % (self.window, error), self.last)
            return (origin.x, origin.y, size.width, size.height)

    def focus(self):
        # No window manager: give the window the keyboard, and put the
        # pointer over it for good measure (focus may follow the pointer).
        x, y, w, h = self.geometry()
        self._x("xdotool", "mousemove", str(x + w // 2), str(y + h // 2))
        self._x("xdotool", "windowfocus", self.window)

    def key_down(self, key):
        self._x("xdotool", "keydown", key)

    def key_up(self, key):
        self._x("xdotool", "keyup", key)

    def press(self, key):
        self._x("xdotool", "key", key)

    def request_close(self):
        """What a window manager sends when the user closes the window."""
        with XConnection(self.screen.display) as conn:
            window = conn.create_resource_object("window", int(self.window))
            protocols = conn.intern_atom("WM_PROTOCOLS")
            delete = conn.intern_atom("WM_DELETE_WINDOW")
            message = ClientMessage(window=window, client_type=protocols,
                                    data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            window.send_event(message, event_mask=X.NoEventMask)
            # Hanging up straight after a flush loses the request now and
            # then; a round trip makes sure the server has passed it on.
            conn.sync()

    def focus_elsewhere(self):
        """Gives the keyboard to another window, as a player switching to
        another program does; returns a function that takes it away again."""
        conn = XDisplay(self.screen.display)
        root = conn.screen().root
        other = root.create_window(0, 0, 50, 50, 0, conn.screen().root_depth)
        other.map()
        conn.sync()
        other.set_input_focus(X.RevertToParent, X.CurrentTime)
        conn.sync()

        def remove():
            other.destroy()
            conn.close()
        return remove

    def screen_shot(self):
        """The whole virtual screen, as a PIL image."""
        png = self._x("import", "-window", "root", "png:-")
        return Image.open(io.BytesIO(png)).convert("RGB")

    def shot(self):
        """The window as it is on the screen now."""
        x, y, w, h = self.geometry()
        png = self._x("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                      "+repage", "png:-")
        img = Image.open(io.BytesIO(png)).convert("RGB")
        if img.size != (w, h):
            raise Failure("a screenshot of %dx%d came back %dx%d" % (w, h, img.width, img.height))
        self.last = Screen(img, self.pictures)
        return self.last

    # -- waiting -------------------------------------------------------

    def wait_for(self, what, holds, timeout=30):
        """Screenshots until holds(screen) is true; a slow machine only
        makes this take longer."""
        deadline = time.monotonic() + timeout
        while True:
            if self.proc.poll() is not None:
                raise Failure("the game ended with status %d while waiting for %s"
                              % (self.proc.returncode, what), self.last)
            screen = self.shot()
            if holds(screen):
                return screen
            if time.monotonic() > deadline:
                raise Failure("no %s within %d s" % (what, timeout), screen)
            time.sleep(0.05)

    def settle(self, timeout=20):
        """Waits until two screenshots in a row show the man standing still."""
        before = self.shot().image
        deadline = time.monotonic() + timeout
        while True:
            time.sleep(0.2)
            now = self.shot()
            # A walking man changes thousands of pixels between two shots;
            # the woman's blink changes a handful.
            if share_equal(before.crop((0, ROOM_TOP, WIDTH, FIGURE_BOTTOM)),
                           now.image.crop((0, ROOM_TOP, WIDTH, FIGURE_BOTTOM))) > 0.995:
                return now
            if time.monotonic() > deadline:
                raise Failure("the picture did not come to rest within %d s" % timeout, now)
            before = now.image

    def hold(self, key, seconds):
        self.key_down(key)
        try:
            time.sleep(seconds)
        finally:
            self.key_up(key)

    def walk_to(self, name, tries=15):
        """Walks the man until the named object of the object file is within
        his reach, as its icon shows. He walks at a known pace, so the arrow
        is held for as long as the distance takes; a loaded machine only
        makes him stop off the mark, and the next try starts from where he
        stands. Screenshots are too slow to catch him in passing."""
        start, end, _ = objects(self.source_dir)[name]
        target = ((start - REACH[1]) + (end - REACH[0])) / 2.0
        icon = ICONS[name]
        for _ in range(tries):
            screen = self.settle()
            if screen.shows_icon(icon):
                return screen
            x = screen.man_x()
            if x is None:
                raise Failure("the man is not to be seen", screen)
            self.hold("Right" if target > x else "Left", max(abs(target - x) / PACE, 0.05))
        raise Failure("%s not within reach after %d tries" % (name, tries), self.last)


class FullscreenWatch:
    """Sees the game go fullscreen and back, whichever way its SDL does it:
    classic SDL covers the screen with a window of its own, SDL 2 (under
    sdl12-compat) asks the window manager through _NET_WM_STATE requests to
    the root window, which this watch receives."""

    def __init__(self, game):
        self.game = game
        self._conn = XDisplay(game.screen.display)
        self._root = self._conn.screen().root
        self._root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self._state = self._conn.intern_atom("_NET_WM_STATE")
        self._full = self._conn.intern_atom("_NET_WM_STATE_FULLSCREEN")
        self._conn.sync()
        self.requested = None  # the last request: True for fullscreen

    def close(self):
        self._conn.close()

    def _read_requests(self):
        while self._conn.pending_events():
            event = self._conn.next_event()
            if event.type == X.ClientMessage and event.client_type == self._state:
                action, first, second = event.data[1][:3]
                if self._full in (first, second):
                    self.requested = action == 1  # _NET_WM_STATE_ADD

    def covering_window(self):
        """A mapped window as large as the screen, or None."""
        size = self.game.screen.size
        for child in self._root.query_tree().children:
            try:
                if child.get_attributes().map_state != X.IsViewable:
                    continue
                geometry = child.get_geometry()
            except XError:
                continue
            if (geometry.width, geometry.height) == size:
                return child
        return None

    def is_fullscreen(self):
        self._read_requests()
        if self.covering_window() is not None:
            return True
        return bool(self.requested)

    def wait(self, fullscreen, timeout=15):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.is_fullscreen() == fullscreen:
                return
            time.sleep(0.1)
        raise Failure("the game did not go %s within %d s"
                      % ("fullscreen" if fullscreen else "back to its window", timeout), self.game.last)


def objects(source_dir):
    """The object file's records: name -> (start, end, room)."""
    found = {}
    with open(os.path.join(source_dir, "assets", "Objects.txt"), encoding="utf-8-sig") as f:
        tokens = f.read().split()
    for i in range(0, len(tokens) - 4, 5):
        start, end, name, room, terminator = tokens[i:i + 5]
        found.setdefault(name, (float(start), float(end), "a" if room == "a" else "b"))
        if terminator == "#eof":
            break
    return found
