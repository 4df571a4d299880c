#!/usr/bin/python3
"""The real executable as a Wayland desktop runs it: natively, under a
headless sway whose output has a scale, with no X server anywhere.

Checks that the window comes up as a Wayland (xdg_shell) window with its
title and application identifier; that it is drawn at the output's scale
(its buffers that many times its logical size: exactly, where the
compositor offers fractional scaling, else at the whole scale above it,
which the compositor shrinks); that AT-SPI reads the boxes by their
captions; that keys typed through the compositor give the right results,
read back through AT-SPI, and that Orca speaks them; that every caption and
the result line show, in a screenshot at the output's scale, the lines and
words they have at 96 DPI with nothing cut off; and that Esc ends the
program with status 0.

    wayland_e2e.py SCALE path/to/calculador-fechas
"""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "support"))
sys.path.insert(0, HERE)
from accessible import accessible_tree, application, shown  # noqa: E402
from drawn_text import Screenshot, read_lines  # noqa: E402
from end_to_end import expect_ended_by_esc, fail, stop, wait_for  # noqa: E402
from orca import Listener, private_speech, stop_processes_of  # noqa: E402
from virtual_display import start_session_bus, start_xvfb  # noqa: E402
from wayland_session import screenshot, start_sway, windows, wtype  # noqa: E402

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

TITLE = "Calculador de fechas"
APP_ID = "org.calculadorfechas.CalculadorDeFechas"
WAIT = 20  # seconds
# Words on each line of every caption and of the result line, as the window
# shows them at 96 DPI.
LINES = {"Ingrese el d\u00eca": [1, 2], "Ingrese el mes": [1, 2], "Ingrese el a\u00f1o": [1, 2],
         "Mi\u00e9rcoles": [1], "Calcular": [1], "Salir": [1]}
# How far in from its place a control's text begins: a button's frame is
# not its caption.
FRAME = {Atspi.Role.LABEL: 0, Atspi.Role.NOTIFICATION: 0, Atspi.Role.PUSH_BUTTON: 3}


def drawn_scale(protocol_log, logical):
    """The scale the program drew at, from its own Wayland protocol log: the
    size of the last buffer it made for its window (smaller ones are
    cursors) over the window's logical size; and whether the compositor
    offered fractional scaling. The first buffers may come before the
    compositor has told the window its scale."""
    with open(protocol_log, encoding="utf-8", errors="replace") as log:
        text = log.read()
    # Objects are wl_buffer@28 in libwayland 1.21, wl_buffer#28 in 1.23.
    made = re.findall(r"create_buffer\(new id wl_buffer[@#]\d+, \d+, (\d+), (\d+),", text)
    buffers = [(int(w), int(h)) for w, h in made]
    buffers = [size for size in buffers if size[0] >= logical[0] and size[1] >= logical[1]]
    if not buffers:
        fail("the program made no buffer to draw its window in")
    width, height = buffers[-1]
    return width / logical[0], height / logical[1], "wp_fractional_scale_manager_v1" in text


def expect_captions_fit(app, shot, scale):
    """Each caption, button and the result line, read from the screenshot
    within the place AT-SPI gives it, shows the lines and words it has at
    96 DPI and has no ink at its right or bottom edge."""
    captioned = [node for node in accessible_tree(app) if node.get_role() in FRAME and node.get_name()]
    if sorted(node.get_name() for node in captioned) != sorted(LINES):
        fail(f"the captions, buttons and result line read {[node.get_name() for node in captioned]!r}")
    for node in captioned:
        place, frame = node.get_extents(Atspi.CoordType.WINDOW), FRAME[node.get_role()]
        box = (math.ceil((place.x + frame) * scale), math.ceil((place.y + frame) * scale),
               math.floor((place.x + place.width - frame) * scale),
               math.floor((place.y + place.height - frame) * scale))
        # At 96 DPI a space parts words by four pixels or more, letters part
        # by under two and a half.
        lines, cut = read_lines(shot, box, word_gap=round(3.5 * scale))
        if lines != LINES[node.get_name()] or cut:
            fail(f"at scale {scale}, {node.get_name()!r} shows lines of {lines} words"
                 f"{', cut off at its edge' if cut else ''}, not {LINES[node.get_name()]}")


def main():
    scale, program = float(sys.argv[1]), os.path.abspath(sys.argv[2])
    home = tempfile.mkdtemp(prefix="wayland-home-")
    children, runtime = [], None
    try:
        compositor, wayland, runtime = start_sway(scale)
        children.append(compositor)
        # The accessibility bus's socket goes in the runtime folder: one of
        # this test's own, as tests run side by side.
        os.environ["XDG_RUNTIME_DIR"] = os.path.join(home, "runtime")
        os.mkdir(os.environ["XDG_RUNTIME_DIR"], 0o700)
        session, env = start_session_bus(None)
        children.extend(session)
        os.environ.update(DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"])  # for AT-SPI here
        env.update(wayland, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"), LANG="C.UTF-8",
                   XDG_SESSION_TYPE="wayland", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.pop("QT_QPA_PLATFORM", None)  # the toolkit's own choice, as on a desktop

        private_speech(home)
        ears = Listener()
        # Orca 43 reads its modifier keys from an X server, which a Wayland
        # desktop gives it through XWayland: here an Xvfb. The program itself
        # is given none.
        xvfb, display = start_xvfb()
        children.append(xvfb)
        children.append(subprocess.Popen(["orca", "--replace", "--debug-file", ears.path],
                                         env=dict(env, DISPLAY=display), stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL))
        ears.expect("Screen reader on")

        protocol_log = os.path.join(home, "wayland.log")
        with open(protocol_log, "w", encoding="utf-8") as log:
            window_program = subprocess.Popen([program], env=dict(env, WAYLAND_DEBUG="1"), stderr=log)
        children.append(window_program)
        def ours():
            return [w for w in windows(wayland) if w["name"] == TITLE]
        window = wait_for("the window on sway", ours)[0]
        if window["shell"] != "xdg_shell" or window["app_id"] != APP_ID:
            fail(f"the window is a {window['shell']} window of {window['app_id']!r}")
        logical = (window["window_rect"]["width"], window["window_rect"]["height"])

        app = wait_for("the program on the accessibility bus", lambda: application(window_program.pid))
        boxes = wait_for("the three named boxes", lambda: [n for n in shown(app, Atspi.Role.TEXT) if n] or None)
        for caption in ("Ingrese el d\u00eca", "Ingrese el mes", "Ingrese el a\u00f1o"):
            if caption not in boxes:
                fail(f"no box read as {caption!r}; boxes read as {boxes!r}")

        wtype(wayland, "7", "-k", "Tab", "5", "-k", "Tab", "2003", "-k", "Return")
        wait_for("Mi\u00e9rcoles in the result line", lambda: "Mi\u00e9rcoles" in shown(app, Atspi.Role.NOTIFICATION))
        ears.expect("Mi\u00e9rcoles")
        window = ours()[0]  # where it is now
        expect_captions_fit(app, Screenshot(screenshot(wayland, window, scale)), scale)
        wtype(wayland, *["-k", "BackSpace"] * 4, "999", "-k", "Return")  # still in the year box
        wait_for("Mal a\u00f1o in the result line", lambda: "Mal a\u00f1o" in shown(app, Atspi.Role.NOTIFICATION))
        ears.expect("Mal a\u00f1o")

        across, down, offered = drawn_scale(protocol_log, logical)
        due = scale if offered else math.ceil(scale)
        if abs(across - due) > 0.02 or abs(down - due) > 0.02:
            fail(f"at output scale {scale} the window is drawn at {across:.3f} x {down:.3f}, not {due}")
        print(f"output scale {scale}: {logical[0]}x{logical[1]} drawn at {across:.3f} x {down:.3f}"
              f" ({'fractional scaling offered' if offered else 'no fractional scaling offered'})")

        wtype(wayland, "-k", "Escape")
        expect_ended_by_esc(window_program, WAIT)
        print("1 passed, 0 failed")
    finally:
        stop(children)
        stop_processes_of(home)
        shutil.rmtree(home, ignore_errors=True)
        if runtime:
            shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()
