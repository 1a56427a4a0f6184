#!/usr/bin/env python3
"""The desktop program driven as a person would, on a virtual X screen.

desktop.py SCENARIO VORNADE TESSMARK OUTPUT_FOLDER

Scenarios:
  session    New, a circle paint command with a count, undo, JPEG export, exit through the menu;
             the configuration written on exit loads again in tessmark.
  clipboard  A PNG and a 24-bit BMP put on the clipboard by xclip are imported and exported again;
             what xclip reads back as image/bmp and image/png is the picture, pixel for pixel. A
             New of 100000 x 100000 is refused with a message and keeps that picture.
  keeps      A painted picture exported by File > Export > Png is the picture (compared with the
             clipboard export at zoom 1), opens again through File > Import > Picture file, and a
             count-0 run shows the picture growing on screen before Escape stops it.
  recipes    A picture made with the mix range, circles, three palette colours added in the editor,
             polygons stopped by Escape, a mixed fill, noise, a tag undone and rectangles; then an
             imported picture with a tag on it: at both points the exported recipe, run by
             tessmark, paints the exported PNG pixel for pixel.
  magnify    A first start fills about two thirds of the screen; an imported picture is shown with
             the window's background beside it; Ctrl+wheel over it magnifies 4 times keeping the
             pixel under the pointer (its colour on screen is the picture's), and back out shows
             the picture one to one where it was.
  journal    A painted picture replaced by New comes back from File > Sessions as it was; a count-0
             run killed with SIGKILL is told of on the next start's status line, and restoring that
             session gives what tessmark paints from its recipe, the cut-off run included.
  texturesets  Circles in random colours, then File > Export > Texture set with one map and a normal
             map: the three files are those tessmark paints from the exported recipe with the
             same --map and --normal.

A screenshot of the screen is taken after each step into OUTPUT_FOLDER. Exits 77 (skipped) when the
virtual screen cannot start.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

SKIPPED = 77
MAIN_TITLE = "TessmarkPicture Version"


class Failure(Exception):
    pass


class SkipTest(Exception):
    """The virtual screen cannot start here."""


def run(args, env=None, timeout=30, stdin=None):
    """Runs a helper program to its end; its standard output as bytes."""
    done = subprocess.run(args, env=env, timeout=timeout, stdin=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if done.returncode != 0:
        raise Failure(f"{' '.join(map(str, args))} failed ({done.returncode}): {done.stderr.decode(errors='replace')}")
    return done.stdout


def wait_for(what, probe, timeout=20):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(0.1)
    raise Failure(f"timed out waiting for {what}")


# ---------------------------------------------------------------------------------------------
# Screen


class Screen:
    """An Xvfb server whose frame buffer is a file, so screenshots need no other program."""

    def __init__(self, folder):
        self.fb_dir = tempfile.mkdtemp(prefix="fb", dir=folder)
        read_end, write_end = os.pipe()
        try:
            self.server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-fbdir", self.fb_dir,
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except OSError as error:
            raise SkipTest(f"Xvfb cannot be run: {error}")
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as announced:
            number = announced.readline().strip()
        if not number:
            self.server.wait(timeout=10)
            raise SkipTest(f"Xvfb did not start (exit status {self.server.returncode})")
        self.display = ":" + number.decode()
        self.shots = 0

    def close(self):
        self.server.terminate()
        self.server.wait(timeout=10)
        shutil.rmtree(self.fb_dir, ignore_errors=True)

    def env(self, **extra):
        env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb")
        env.update(extra)
        return env

    def screenshot(self, folder, name):
        self.shots += 1
        with open(os.path.join(self.fb_dir, "Xvfb_screen0"), "rb") as frame:
            width, height, pixels = xwd_pixels(frame.read())
        with open(os.path.join(folder, f"{self.shots:02d}-{name}.png"), "wb") as out:
            out.write(png_file(width, height, pixels))


def xwd_pixels(data):
    """Rows of red, green, blue bytes from Xvfb's 32-bit little-endian XWD frame buffer."""
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line, colours = fields[7], fields[11], fields[12], fields[19]
    if bits_per_pixel != 32 or byte_order != 0:
        raise Failure(f"frame buffer of {bits_per_pixel} bits, byte order {byte_order}")
    start = header_size + colours * 12
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * 4]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        rows.append(bytes(rgb))
    return width, height, rows


def png_file(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------------------------------------
# Driving the program


class Desktop:
    """vornade on the screen, driven with xdotool through its menus and dialogs."""

    def __init__(self, screen, vornade, folder):
        self.screen = screen
        self.folder = folder
        home = os.path.join(folder, "home")
        os.makedirs(home, exist_ok=True)
        self.data_base = os.path.join(folder, "data")
        # A fresh data folder, and a home of its own so that no setting of the machine's user is
        # read or written.
        env = screen.env(TessmarkPicture=self.data_base, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
        self.log = open(os.path.join(folder, "vornade.log"), "wb")
        self.program = subprocess.Popen([vornade], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.main = self.wait_window(MAIN_TITLE)

    def xdotool(self, *args):
        return run(["xdotool", *map(str, args)], env=self.screen.env()).decode()

    def find_window(self, title):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], env=self.screen.env(),
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=10)
        ids = found.stdout.split()
        return ids[-1].decode() if ids else None

    def wait_window(self, title):
        self.check_running()
        return wait_for(f"the window '{title}'", lambda: self.check_running() or self.find_window(title))

    def wait_closed(self, title):
        wait_for(f"the window '{title}' to close", lambda: self.find_window(title) is None)

    def check_running(self):
        if self.program.poll() is not None:
            raise Failure(f"vornade ended with status {self.program.returncode}")

    def shot(self, name):
        time.sleep(0.3)  # let the last repaint reach the frame buffer
        self.screen.screenshot(self.folder, name)

    def keys(self, *keys):
        self.xdotool("key", "--delay", 60, *keys)

    def type(self, text):
        self.xdotool("type", "--delay", 40, text)

    def focus(self, window):
        self.xdotool("windowfocus", window)
        time.sleep(0.2)

    def menu(self, *keys, window=None):
        """Opens the first menu of the menu bar (of the main window unless told) with the mouse,
        then walks with the keyboard: Right moves to the next menu (its first item selected), Down
        to the next item, Right into a submenu; Return runs the item."""
        self.check_running()
        window = window or self.main
        self.focus(window)
        self.xdotool("mousemove", "--window", window, 14, 10, "click", 1)
        time.sleep(0.4)
        self.keys(*keys)
        self.shot("menu-" + "-".join(keys).lower())
        self.keys("Return")

    def dialog(self, title, *keys):
        """Waits for a dialog, types into it and confirms with Return."""
        window = self.wait_window(title)
        self.focus(window)
        for key in keys:
            if key.startswith("text:"):
                self.type(key[5:])
            else:
                self.keys(key)
        self.shot("dialog-" + "".join(c for c in title.lower().replace(" ", "-") if c.isalnum() or c == "-"))
        self.keys("Return")
        self.wait_closed(title)

    def exit(self):
        """File > Exit; the program must end with status 0."""
        self.menu(*EXIT)
        try:
            status = self.program.wait(timeout=20)
        except subprocess.TimeoutExpired:
            raise Failure("vornade did not end after Exit")
        if status != 0:
            raise Failure(f"vornade ended with status {status}")

    def close(self):
        if self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.log.close()

    @property
    def config_path(self):
        return os.path.join(self.data_base, "Haldrune", "TessmarkPicture", "main.gccfg")


# The menu walks. File: New, Import >, Export >, Exit. Paint: Annuler, Zoom >, Fill Color,
# Configuration, No Blend Color, Blend Color, Palette, Mixage, Circle ... >, Rectangle ... >,
# Polygone >, Vector >, Tag >. Filter ....: Noise.
NEW = ("Down",)
IMPORT_CLIPBOARD = ("Down", "Down", "Right")
EXPORT_CLIPBOARD = ("Down", "Down", "Down", "Right")
EXPORT_JPEG = ("Down", "Down", "Down", "Right", "Down")
EXPORT_PNG = ("Down", "Down", "Down", "Right", "Down", "Down")
EXPORT_RECIPE = ("Down", "Down", "Down", "Right", "Down", "Down", "Down")
EXPORT_TEXTURE_SET = EXPORT_RECIPE + ("Down",)
IMPORT_PICTURE_FILE = ("Down", "Down", "Right", "Down")
EXIT = ("Down", "Down", "Down", "Down")
SESSIONS = ("Down",) * 7
UNDO = ("Right",)
FILL = ("Right", "Down", "Down")
PALETTE = ("Right",) + ("Down",) * 6
MIXAGE = ("Right",) + ("Down",) * 7
CIRCLE = ("Right",) + ("Down",) * 8 + ("Right",)
RECTANGLE = ("Right",) + ("Down",) * 9 + ("Right",)
POLYGON = ("Right",) + ("Down",) * 10 + ("Right",)
TAG = ("Right",) + ("Down",) * 12 + ("Right",)
NOISE = ("Right", "Right")


def new_picture(desktop, width, height):
    """The New dialog: OK has the focus; going back from it reaches Y, then X."""
    desktop.menu(*NEW)
    desktop.dialog("New Picture", "shift+Tab", "shift+Tab", f"text:{width}", "Tab", f"text:{height}")
    desktop.shot("new-picture")


# ---------------------------------------------------------------------------------------------
# Pictures


def bmp_pixels(data):
    """Width, height and rows from the top of the 24-bit bottom-up BMP files tessmark writes."""
    if data[:2] != b"BM":
        raise Failure("not a BMP file")
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if bits != 24 or height <= 0:
        raise Failure(f"unexpected BMP layout: {bits} bits, height {height}")
    stride = (width * 3 + 3) // 4 * 4
    rows = [data[offset + y * stride:offset + y * stride + width * 3] for y in range(height)]
    return width, height, rows[::-1]


class Pictures:
    """Picture files made and read by tessmark, the program's own codecs."""

    def __init__(self, tessmark, folder):
        self.tessmark = tessmark
        self.folder = folder

    def path(self, name):
        return os.path.join(self.folder, name)

    def make(self, name, *args):
        run([self.tessmark, *args, "-o", self.path(name)])
        return self.path(name)

    def as_bmp(self, name):
        """Any picture file the program reads, written again as tessmark's 24-bit BMP."""
        target = os.path.splitext(name)[0] + "-normalised.bmp"
        run([self.tessmark, "--input", self.path(name), "-o", self.path(target)])
        with open(self.path(target), "rb") as file:
            return file.read()

    def save(self, name, data):
        with open(self.path(name), "wb") as file:
            file.write(data)


# ---------------------------------------------------------------------------------------------
# Scenarios


def session(screen, vornade, tessmark, folder):
    pictures = Pictures(tessmark, folder)
    desktop = Desktop(screen, vornade, folder)
    try:
        desktop.shot("started")
        new_picture(desktop, 160, 120)
        paint_circles(desktop, 40)
        desktop.shot("circles")
        desktop.menu(*UNDO)
        desktop.shot("undone")
        jpeg = pictures.path("export.jpg")
        desktop.menu(*EXPORT_JPEG)
        desktop.dialog("Save", "ctrl+a", f"text:{jpeg}")
        wait_for("the JPEG file", lambda: os.path.exists(jpeg))
        desktop.shot("exported")
        desktop.exit()
        screen.screenshot(folder, "exited")
    finally:
        desktop.close()

    width, height, rows = bmp_pixels(pictures.as_bmp("export.jpg"))
    if (width, height) != (160, 120):
        raise Failure(f"the JPEG is {width}x{height}, not the new picture's 160x120")
    if min(min(row) for row in rows) < 245:
        raise Failure("the JPEG is not the white picture: undo did not take the circles away")

    if not os.path.isfile(desktop.config_path):
        raise Failure(f"no configuration written at {desktop.config_path}")
    pictures.make("from-config.bmp", "--config", desktop.config_path)
    width, height, _ = bmp_pixels(open(pictures.path("from-config.bmp"), "rb").read())
    if (width, height) != (160, 120):
        raise Failure(f"the saved configuration gives {width}x{height}, not the size typed in New")


def clipboard_bytes(screen, target):
    return run(["xclip", "-selection", "clipboard", "-t", target, "-o"], env=screen.env())


def offer_clipboard(screen, target, path):
    """xclip serves the selection in the foreground until the program takes it over; the caller
    ends it should that never happen."""
    with open(path, "rb") as file:
        offer = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-t", target, "-i"], env=screen.env(),
                                 stdin=file, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("xclip to own the clipboard", lambda: offer.poll() is not None or target.encode() in clipboard_targets(screen))
    return offer


def clipboard_targets(screen):
    listed = subprocess.run(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"], env=screen.env(),
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=10)
    return listed.stdout


def check_clipboard_export(screen, desktop, pictures, expected, label):
    """The export is the picture as the window shows it at zoom 1: the picture, widened with columns
    of its own to a multiple of 4."""
    desktop.menu(*EXPORT_CLIPBOARD)
    width, height, rows = expected
    for target, extension in (("image/bmp", "bmp"), ("image/png", "png")):
        name = f"{label}-export.{extension}"
        pictures.save(name, clipboard_bytes(screen, target))
        got_width, got_height, got_rows = bmp_pixels(pictures.as_bmp(name))
        if (got_width, got_height) != ((width + 3) // 4 * 4, height):
            raise Failure(f"{target} after {label} is {got_width}x{got_height} for a {width}x{height} picture")
        if [row[:width * 3] for row in got_rows] != rows:
            raise Failure(f"{target} read from the clipboard after {label} is not the picture")


def clipboard(screen, vornade, tessmark, folder):
    pictures = Pictures(tessmark, folder)
    picture = ("--size", "37x23", "--seed", "5", "circle:count=30", "rect:count=5")
    png = pictures.make("source.png", *picture)
    bmp = pictures.make("source.bmp", *picture)
    expected = bmp_pixels(pictures.as_bmp("source.bmp"))
    if bmp_pixels(pictures.as_bmp("source.png")) != expected:
        raise Failure("tessmark wrote different pixels to PNG and BMP")

    desktop = Desktop(screen, vornade, folder)
    try:
        desktop.shot("started")
        for target, path, label in (("image/png", png, "png-import"), ("image/bmp", bmp, "bmp-import")):
            new_picture(desktop, 8, 8)  # not the picture the import must bring
            offer = offer_clipboard(screen, target, path)
            try:
                desktop.menu(*IMPORT_CLIPBOARD)
                desktop.shot(label)
                check_clipboard_export(screen, desktop, pictures, expected, label)
            finally:
                offer.kill()
                offer.wait()
        # A picture far beyond memory is refused with a message and the imported one stays.
        new_picture(desktop, 100000, 100000)
        desktop.dialog("^TessmarkPicture$")
        check_clipboard_export(screen, desktop, pictures, expected, "refused-new")
        desktop.exit()
    finally:
        desktop.close()


def window_pixels(screen, desktop):
    """The rows of the main window's part of the screen, as the frame buffer holds it now."""
    geometry = dict(line.split("=") for line in desktop.xdotool("getwindowgeometry", "--shell", desktop.main).split())
    x, y, w, h = (int(geometry[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
    with open(os.path.join(screen.fb_dir, "Xvfb_screen0"), "rb") as frame:
        _, _, rows = xwd_pixels(frame.read())
    return [row[x * 3:(x + w) * 3] for row in rows[y:y + h]]


def coloured(rows):
    """Pixels that are neither white nor a grey of the window's frame: painted ones."""
    return sum(1 for row in rows for i in range(0, len(row), 3) if not row[i] == row[i + 1] == row[i + 2])


def keeps(screen, vornade, tessmark, folder):
    pictures = Pictures(tessmark, folder)
    desktop = Desktop(screen, vornade, folder)
    try:
        new_picture(desktop, 160, 120)
        paint_circles(desktop, 40)
        desktop.menu(*EXPORT_PNG)
        desktop.dialog("Save", "ctrl+a", f"text:{pictures.path('kept')}")
        wait_for("the PNG file", lambda: os.path.exists(pictures.path("kept.png")))
        kept = bmp_pixels(pictures.as_bmp("kept.png"))
        check_clipboard_export(screen, desktop, pictures, kept, "png-export")

        new_picture(desktop, 8, 8)
        desktop.menu(*IMPORT_PICTURE_FILE)
        desktop.dialog("Open", "ctrl+a", f"text:{pictures.path('kept.png')}")
        desktop.shot("png-import")
        check_clipboard_export(screen, desktop, pictures, kept, "png-import")

        new_picture(desktop, 600, 400)
        paint_circles(desktop, 0)
        time.sleep(1)
        first = window_pixels(screen, desktop)
        desktop.shot("running")
        time.sleep(1)
        second = window_pixels(screen, desktop)
        desktop.focus(desktop.main)
        desktop.keys("Escape")
        desktop.shot("stopped")
        desktop.exit()
    finally:
        desktop.close()
    if coloured(first) < 1000:
        raise Failure("a second into a count-0 run the window still shows a white picture")
    if first == second:
        raise Failure("the picture on screen did not grow during the run")


def paint(desktop, walk, title, *fields):
    """A shape command: its parameter dialog, then the information dialog."""
    desktop.menu(*walk)
    desktop.dialog(title, *fields)
    desktop.dialog("Information !")


def paint_circles(desktop, count):
    paint(desktop, CIRCLE, "Dialog", "shift+Tab", "ctrl+a", f"text:{count}")


def choose_colour(desktop, rgb):
    """Qt's colour chooser: its HTML field takes the colour."""
    desktop.dialog("Select Color", "alt+h", "ctrl+a", f"text:#{rgb}")


def all_color_ticked(screen, desktop, editor):
    """Whether the editor's "All Color" box, at its top left, shows a tick."""
    geometry = dict(line.split("=") for line in desktop.xdotool("getwindowgeometry", "--shell", editor).split())
    x, y = int(geometry["X"]), int(geometry["Y"])
    time.sleep(0.3)
    with open(os.path.join(screen.fb_dir, "Xvfb_screen0"), "rb") as frame:
        _, _, rows = xwd_pixels(frame.read())
    box = [row[(x + 2) * 3:(x + 12) * 3] for row in rows[y + 33:y + 43]]
    return sum(1 for row in box for value in row[::3] if value < 100) > 5


def add_palette_colours(screen, desktop, colours):
    desktop.menu(*PALETTE)
    editor = desktop.wait_window("Palette Editor")
    if not all_color_ticked(screen, desktop, editor):
        raise Failure('"All Color" is not ticked in a new palette editor')
    for rgb in colours:
        desktop.menu("Right", window=editor)
        choose_colour(desktop, rgb)
    if all_color_ticked(screen, desktop, editor):
        raise Failure('"All Color" is still ticked after Add')
    desktop.dialog("Palette Editor")


def fill_mixed(desktop, rgb):
    desktop.menu(*FILL)
    choose_colour(desktop, rgb)
    desktop.dialog("FillColor", "alt+n")


def tag_with(desktop, picture, count):
    """In the Tag dialog's focus chain, "Add ..." comes just before OK and two after Count."""
    desktop.menu(*TAG)
    window = desktop.wait_window("Tag")
    desktop.focus(window)
    desktop.keys("shift+Tab", "space")
    desktop.dialog("Add pictures", f"text:{picture}")
    desktop.dialog("Tag", "shift+Tab", "shift+Tab", "ctrl+a", f"text:{count}")
    desktop.dialog("Information !")


def check_recipe(desktop, pictures, name):
    """Exports the picture and its recipe, runs the recipe with tessmark: the same pixels."""
    desktop.menu(*EXPORT_PNG)
    desktop.dialog("Save", "ctrl+a", f"text:{pictures.path(name)}")
    wait_for("the PNG file", lambda: os.path.exists(pictures.path(name + ".png")))
    desktop.menu(*EXPORT_RECIPE)
    desktop.dialog("Save", "ctrl+a", f"text:{pictures.path(name + '-recipe')}")
    recipe = pictures.path(name + "-recipe.txt")
    wait_for("the recipe file", lambda: os.path.exists(recipe))
    time.sleep(0.5)
    run([pictures.tessmark, "-o", pictures.path(name + "-again.png"), "@" + recipe])
    if bmp_pixels(pictures.as_bmp(name + ".png")) != bmp_pixels(pictures.as_bmp(name + "-again.png")):
        raise Failure(f"{name}: tessmark painted another picture from the recipe:\n" + open(recipe).read())
    return open(recipe).read()


def status_line_ink(screen, desktop):
    """Dark pixels along the bottom of the main window, where the status line writes."""
    rows = window_pixels(screen, desktop)[-24:]
    return sum(1 for row in rows for value in row[::3] if value < 90)


def restore_session(desktop, *keys):
    """File > Sessions: the newest session and its last step are chosen unless keys move on."""
    desktop.menu(*SESSIONS)
    desktop.dialog("Sessions", *keys)
    time.sleep(2)  # input waits while the steps are painted again


def journal(screen, vornade, tessmark, folder):
    pictures = Pictures(tessmark, folder)
    desktop = Desktop(screen, vornade, folder)
    try:
        quiet = status_line_ink(screen, desktop)
        new_picture(desktop, 160, 120)
        paint_circles(desktop, 40)
        check_recipe(desktop, pictures, "replaced")
        new_picture(desktop, 160, 120)
        restore_session(desktop, "Down")
        desktop.shot("restored-after-new")
        check_recipe(desktop, pictures, "restored")
        if bmp_pixels(pictures.as_bmp("restored.png")) != bmp_pixels(pictures.as_bmp("replaced.png")):
            raise Failure("the previous session's last step is not the picture New replaced")
        paint_circles(desktop, 0)
        # Killed only once the journal has recorded how far the run got, however loaded the machine.
        wait_for("the running count in the journal", lambda: progress_recorded(desktop.data_base))
        desktop.shot("killed-during-run")
        desktop.program.kill()
        desktop.program.wait()
    finally:
        desktop.close()

    desktop = Desktop(screen, vornade, folder)
    try:
        desktop.shot("started-after-kill")
        if status_line_ink(screen, desktop) < quiet + 40:
            raise Failure("no notice on the status line after the program was killed")
        restore_session(desktop)
        desktop.shot("restored-after-kill")
        text = check_recipe(desktop, pictures, "after-kill")
        circles = [line for line in text.splitlines() if line.startswith("circle:")]
        if len(circles) != 2 or "count=0," in circles[1]:
            raise Failure(f"the killed run is not in the restored session's recipe:\n{text}")
        desktop.exit()
    finally:
        desktop.close()


def progress_recorded(data):
    for folder, _, files in os.walk(data):
        if "progress" in files and os.path.getsize(os.path.join(folder, "progress")) > 0:
            return True
    return False


def check_painted_recipe(text, colours):
    """What the scenario did shows in the recipe: the palette, the stopped run's count, the undo."""
    lines = [line for line in text.splitlines() if not line.startswith("#")]
    kinds = [line.split(":")[0] for line in lines[1:]]
    if kinds != ["circle", "polygon", "fill", "noise", "rect"]:
        raise Failure(f"the recipe holds {kinds}:\n{text}")
    if f"colors={';'.join(colours)}" not in lines[2] or "mix=30-80" not in lines[2]:
        raise Failure(f"the polygons' line misses the palette or the mix range:\n{text}")
    if "count=0," in lines[2]:
        raise Failure(f"the stopped run is recorded with count 0:\n{text}")


def recipes(screen, vornade, tessmark, folder):
    pictures = Pictures(tessmark, folder)
    start = pictures.make("start.png", "--size", "90x70", "--seed", "3", "rect:count=20")
    os.makedirs(pictures.path("tag pictures"))
    stamp = pictures.make("tag pictures/stamp, one.png", "--size", "24x16", "--seed", "4", "circle:count=8")
    colours = ["1E90FF", "FF8C00", "2E8B57"]
    desktop = Desktop(screen, vornade, folder)
    try:
        new_picture(desktop, 300, 200)
        desktop.menu(*MIXAGE)
        desktop.dialog("Mix", "shift+Tab", "shift+Tab", "ctrl+a", "text:30", "Tab", "ctrl+a", "text:80")
        paint_circles(desktop, 60)
        add_palette_colours(screen, desktop, colours)
        paint(desktop, POLYGON, "Polygone", "shift+Tab", "shift+Tab", "ctrl+a", "text:0")
        time.sleep(1)
        desktop.focus(desktop.main)
        desktop.keys("Escape")
        desktop.shot("stopped")
        fill_mixed(desktop, "8B0000")
        desktop.menu(*NOISE)
        desktop.dialog("Filter Noise", "shift+Tab", "ctrl+a", "text:0", "shift+Tab", "ctrl+a", "text:20")
        tag_with(desktop, stamp, 5)
        desktop.menu(*UNDO)
        paint(desktop, RECTANGLE, "Dialog", "shift+Tab", "ctrl+a", "text:40")
        check_painted_recipe(check_recipe(desktop, pictures, "painted"), colours)

        new_picture(desktop, 40, 40)
        offer = offer_clipboard(screen, "image/png", start)
        try:
            desktop.menu(*IMPORT_CLIPBOARD)
        finally:
            offer.kill()
            offer.wait()
        # The tag dialog still lists the stamp, whose path holds a blank and a comma.
        paint(desktop, TAG, "Tag", "shift+Tab", "shift+Tab", "shift+Tab", "ctrl+a", "text:6")
        if f'files="{stamp}"' not in check_recipe(desktop, pictures, "imported"):
            raise Failure("the tag's picture list is not in the recipe of the imported picture")
        if not os.path.exists(pictures.path("imported-recipe-start.png")):
            raise Failure("no start picture beside the recipe of an imported picture")
        desktop.exit()
    finally:
        desktop.close()


def rgb_row(bgr):
    rgb = bytearray(bgr)
    rgb[0::3], rgb[2::3] = bgr[2::3], bgr[0::3]
    return bytes(rgb)


def screen_rows(screen):
    with open(os.path.join(screen.fb_dir, "Xvfb_screen0"), "rb") as frame:
        return xwd_pixels(frame.read())[2]


def find_picture(rows, picture):
    """The screen position of the picture's top-left pixel, when it is shown one to one."""
    first = picture[0]
    for y in range(len(rows) - len(picture) + 1):
        x = rows[y].find(first)
        while x >= 0:
            if x % 3 == 0 and all(rows[y + k][x:x + len(first)] == picture[k] for k in range(len(picture))):
                return x // 3, y
            x = rows[y].find(first, x + 1)
    return None


def ctrl_wheel(desktop, x, y, button, times):
    """Turns the wheel over a screen point with Ctrl held (button 4 away from the user: in)."""
    desktop.xdotool("mousemove", x, y)
    for _ in range(times):
        desktop.xdotool("keydown", "ctrl", "click", button, "keyup", "ctrl")
        time.sleep(0.2)
    desktop.xdotool("mousemove", 0, 0)


def magnify(screen, vornade, tessmark, folder):
    pictures = Pictures(tessmark, folder)
    source = pictures.make("source.png", "--size", "64x48", "--seed", "9", "circle:count=40", "noise:percent=40")
    picture = [rgb_row(row) for row in bmp_pixels(pictures.as_bmp("source.png"))[2]]
    desktop = Desktop(screen, vornade, folder)
    try:
        geometry = dict(line.split("=") for line in desktop.xdotool("getwindowgeometry", "--shell", desktop.main).split())
        if not 0.6 * 1024 <= int(geometry["WIDTH"]) <= 0.72 * 1024:
            raise Failure(f"a first start opens {geometry['WIDTH']} pixels wide on a 1024-pixel screen")
        desktop.menu(*IMPORT_PICTURE_FILE)
        desktop.dialog("Open", "ctrl+a", f"text:{source}")
        desktop.xdotool("mousemove", 0, 0)  # off the picture, which the pointer's sprite would hide
        desktop.shot("imported")
        found = find_picture(screen_rows(screen), picture)
        if not found:
            raise Failure("the imported picture is not on the screen one to one")
        x, y = found
        beside = screen_rows(screen)[y][(x + 64) * 3:(x + 65) * 3]
        if beside == b"\xff\xff\xff":
            raise Failure("white beside the picture: the display's rounding shows as picture")
        px, py = 21, 14
        ctrl_wheel(desktop, x + px, y + py, 4, 2)
        desktop.shot("magnified")
        rows = screen_rows(screen)
        for dx, dy in ((0, 0), (1, 1), (-1, 0)):
            shown = rows[y + py + dy][(x + px + dx) * 3:(x + px + dx + 1) * 3]
            expected = picture[py][px * 3:px * 3 + 3]
            if shown != expected:
                raise Failure(f"magnified, the screen shows {shown.hex()} at the pointer{dx:+}{dy:+}, "
                              f"the picture's pixel is {expected.hex()}")
        if find_picture(rows, picture):
            raise Failure("Ctrl+wheel did not magnify the picture")
        ctrl_wheel(desktop, x + px, y + py, 5, 2)
        desktop.shot("back-out")
        if find_picture(screen_rows(screen), picture) != (x, y):
            raise Failure("back out, the picture is not shown one to one where it was")
        desktop.exit()
    finally:
        desktop.close()


def texturesets(screen, vornade, tessmark, folder):
    pictures = Pictures(tessmark, folder)
    palette = pictures.path("height.gpl")
    with open(palette, "w") as file:
        file.write("GIMP Palette\n0 0 0\n90 90 90\n180 180 180\n255 255 255\n")
    desktop = Desktop(screen, vornade, folder)
    try:
        new_picture(desktop, 120, 90)
        paint_circles(desktop, 50)
        desktop.menu(*EXPORT_RECIPE)
        desktop.dialog("Save", "ctrl+a", f"text:{pictures.path('set-recipe')}")
        recipe = pictures.path("set-recipe.txt")
        wait_for("the recipe file", lambda: os.path.exists(recipe))
        # The table starts on the first map's palette cell (Return ends a cell, Right goes to the
        # next); Tab leaves it for the three buttons, then the normal map's box, name, source,
        # strength, Y, the folder, its button and the base name.
        desktop.menu(*EXPORT_TEXTURE_SET)
        desktop.dialog("Texture set", f"text:{palette}", "Return", "Right", "text:000000", "Return", "Tab", "Tab",
                       "Tab", "Tab",
                       "space", "Tab", "Tab", "ctrl+a", "text:height", "Tab", "Tab", "Tab", "ctrl+a",
                       f"text:{folder}", "Tab", "Tab", "ctrl+a", "text:set")
        names = ("set.png", "set-height.png", "set-normal.png")
        wait_for("the texture set", lambda: all(os.path.exists(pictures.path(name)) for name in names))
        desktop.shot("exported")
        desktop.exit()
    finally:
        desktop.close()
    run([tessmark, "-o", pictures.path("again.png"), "--map", f"height={palette},start=000000",
         "--normal", "normal=height", "@" + recipe])
    for name, again in zip(names, ("again.png", "again-height.png", "again-normal.png")):
        if bmp_pixels(pictures.as_bmp(name)) != bmp_pixels(pictures.as_bmp(again)):
            raise Failure(f"{name} is not what tessmark paints from the recipe with the same maps")


SCENARIOS = {"session": session, "clipboard": clipboard, "keeps": keeps, "recipes": recipes,
             "magnify": magnify, "texturesets": texturesets, "journal": journal}


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in SCENARIOS:
        print(__doc__, file=sys.stderr)
        return 2
    scenario, vornade, tessmark, folder = sys.argv[1:]
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for tool in ("xdotool", "xclip"):
        if shutil.which(tool) is None:
            print(f"FAIL: {tool} is not installed", file=sys.stderr)
            return 1
    try:
        screen = Screen(folder)
    except SkipTest as reason:
        print(f"SKIP: {reason}")
        return SKIPPED
    try:
        SCENARIOS[scenario](screen, vornade, tessmark, folder)
    except (Failure, subprocess.TimeoutExpired) as failure:
        print(f"FAIL: {failure} (screenshots and log in {folder})", file=sys.stderr)
        return 1
    finally:
        screen.close()
    print(f"desktop {scenario}: ok (screenshots in {folder})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
