"""What the tests of the Windows program under Wine share: finding its
window on the X display Wine draws on, typing into it, reading its layout
from another Windows process, and photographing its client area."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from end_to_end import stop, wait_for  # noqa: E402

TITLE = "Calculador de fechas"
WAIT = 30  # seconds, for anything to appear


def windows():
    """The visible X windows with the program's title: its own, and the
    error report's while it is up."""
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"], capture_output=True,
                          text=True, timeout=WAIT).stdout.split()


def focus(window):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=WAIT)  # no window manager


def keys(*strokes):
    subprocess.run(["xdotool", "key", "--delay", "80", *strokes], check=True, timeout=WAIT)


def layout(wine, read_layout):
    """{name: (left, top, width, height)} of the window's client area, on the
    screen, and of each control, within it; None while there is no window."""
    shown = subprocess.run([wine, read_layout], capture_output=True, text=True, timeout=WAIT)
    if shown.returncode != 0:
        return None
    return {name: tuple(map(int, numbers)) for name, *numbers in map(str.split, shown.stdout.splitlines())}


def photograph(place):
    """The pixels of a place on the screen, (left, top, width, height), as
    raw RGB bytes."""
    left, top, width, height = place
    return subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "rgb:-"],
                          capture_output=True, check=True, timeout=WAIT).stdout


def start(command):
    """Starts the program and waits for its window; gives both."""
    program = subprocess.Popen(command, stderr=subprocess.DEVNULL)
    try:
        window = wait_for("the window", windows, WAIT)[0]
    except SystemExit:
        stop([program])
        raise
    focus(window)
    return program, window

