#!/usr/bin/python3
"""End-to-end test of the real executable, as a user and a screen reader meet it.

Starts its own X server, D-Bus session and accessibility bus; checks the
window's icons, its class as its desktop entry names it, and that its place
is left to the window manager; types a date with real key strokes and asks
with Enter and with Alt+C; reads what the window shows through AT-SPI; checks that an
overflow is reported as an alert and the window stays; ends the program with
Esc and expects exit status 0.

    window_e2e.py path/to/calculador-fechas path/to/its.desktop
"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from accessible import accessible_tree, application, shown  # noqa: E402
from end_to_end import expect_ended_by_esc, fail, stop, wait_for  # noqa: E402
from virtual_display import start_session_bus, start_xvfb  # noqa: E402

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

TITLE = "Calculador de fechas"
WAIT = 15  # seconds, for the program to end, and for each xdotool


def xdotool(*args):
    """Also bounds its --sync waits: a hung one fails the test by its timeout."""
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True, timeout=WAIT).stdout.strip()


def main():
    program = os.path.abspath(sys.argv[1])
    desktop_entry = sys.argv[2]
    children = []
    try:
        xvfb, display = start_xvfb()
        children.append(xvfb)
        session, session_env = start_session_bus(display)
        children.extend(session)
        os.environ.update(session_env)

        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        window_program = subprocess.Popen([program], env=env)
        children.append(window_program)
        window = wait_for("the window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"], capture_output=True,
            text=True, timeout=WAIT).stdout.split())[0]
        xdotool("windowfocus", "--sync", window)
        icons = subprocess.run(["xprop", "-id", window, "_NET_WM_ICON"], capture_output=True, text=True,
                               timeout=WAIT).stdout
        for size in ("16 x 16", "32 x 32"):
            if f"Icon ({size})" not in icons:
                fail(f"the window carries no {size} icon")
        # A dock ties the window to its launcher by this class.
        with open(desktop_entry, encoding="utf-8") as entry:
            launcher_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.MULTILINE)
        window_class = subprocess.run(["xprop", "-id", window, "WM_CLASS"], capture_output=True, text=True,
                                      timeout=WAIT).stdout
        if not launcher_class or f'"{launcher_class[1]}"\n' not in window_class:
            fail(f"the desktop entry's StartupWMClass does not name the window's class: {window_class}")
        hints = subprocess.run(["xprop", "-id", window, "WM_NORMAL_HINTS"], capture_output=True, text=True,
                               timeout=WAIT).stdout
        if "size" not in hints or "specified location" in hints:
            fail(f"the window's place is not the window manager's to choose: {hints}")

        app = wait_for("the program on the accessibility bus", lambda: application(window_program.pid))
        boxes = wait_for("the three named boxes", lambda: [
            n for n in shown(app, Atspi.Role.TEXT) if n] or None)
        for caption in ("Ingrese el d\u00eca", "Ingrese el mes", "Ingrese el a\u00f1o"):
            if caption not in boxes:
                fail(f"no box read as {caption!r}; boxes read as {boxes!r}")

        # The typical request, typed as a user would, from the day box on.
        xdotool("type", "--delay", "20", "7")
        xdotool("key", "Tab")
        xdotool("type", "--delay", "20", "5")
        xdotool("key", "Tab")
        xdotool("type", "--delay", "20", "2003")
        xdotool("key", "Return")
        wait_for("Mi\u00e9rcoles in the result line",
                 lambda: "Mi\u00e9rcoles" in shown(app, Atspi.Role.NOTIFICATION))

        # The next day, asked for with the access key of "Calcular".
        xdotool("key", "shift+Tab", "shift+Tab", "BackSpace")
        xdotool("type", "--delay", "20", "8")
        xdotool("key", "alt+c")
        wait_for("Jueves in the result line", lambda: "Jueves" in shown(app, Atspi.Role.NOTIFICATION))

        # An overflow, a month of -1, is reported as an alert, and the
        # window goes on with what was typed.
        xdotool("key", "Tab", "BackSpace", "BackSpace")  # from the day box to the month box
        xdotool("type", "--delay", "20", "--", "-1")
        xdotool("key", "Return")
        alert = wait_for("the error report", lambda: [
            node for node in accessible_tree(app) if node.get_role() == Atspi.Role.ALERT])[0]
        report = " ".join(shown(alert, Atspi.Role.LABEL))
        if "Desbordamiento" not in report:
            fail(f"the report reads {report!r}")
        xdotool("key", "Return")
        wait_for("the report to close", lambda: not [
            node for node in accessible_tree(app) if node.get_role() == Atspi.Role.ALERT])
        if window_program.poll() is not None:
            fail("the program ended after the report")
        if "Jueves" not in shown(app, Atspi.Role.NOTIFICATION):
            fail("the result line changed after the report")
        month_box = next(node for node in accessible_tree(app)
                         if node.get_role() == Atspi.Role.TEXT and node.get_name() == "Ingrese el mes")
        if Atspi.Text.get_text(month_box, 0, -1) != "-1":
            fail("the month box lost what was typed")

        xdotool("windowfocus", "--sync", window)
        xdotool("key", "Escape")
        expect_ended_by_esc(window_program, WAIT)
        print("1 passed, 0 failed")
    finally:
        stop(children)


if __name__ == "__main__":
    main()
