#!/usr/bin/env python3
"""Start-up of calculador-fechas against a bare window of the same size, and
against that window holding one empty text box: the Qt program against a
bare Qt window, or with --wine the Windows program against a bare window on
the Windows API, both run by that Wine (its server already up).

For each run: the time from just before the exec to the first map of a
top-level window, seen by an X client listening on the root window, and the
peak resident memory of the process, ended right after its window maps.
Runs alternate between the programs under one Xvfb, with the session bus and
accessibility bus launcher a desktop session has; medians and the ratios
come last.

    startup.py [--wine WINE] path/to/calculador-fechas path/to/bare_window [runs]
"""
import ctypes
import os
import select
import signal
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
from virtual_display import start_session_bus, start_xvfb  # noqa: E402

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
WAIT = 60  # seconds, for a program's window to show


class MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", MapEvent), ("pad", ctypes.c_long * 24)]


def measure(xlib, display, command, env):
    """Seconds from exec to the first top-level map, and peak RSS in KiB."""
    started = time.monotonic()
    child = subprocess.Popen(command, env=env, stderr=subprocess.DEVNULL)
    event = XEvent()
    connection = xlib.XConnectionNumber(display)
    while True:
        if not xlib.XPending(display):
            left = started + WAIT - time.monotonic()
            if left <= 0 or not select.select([connection], [], [], left)[0]:
                child.kill()
                child.wait()
                sys.exit(f"FAIL: timed out waiting for a window of {' '.join(command)}")
            continue
        xlib.XNextEvent(display, ctypes.byref(event))
        if event.type == MAP_NOTIFY and not event.map.override_redirect:
            mapped = time.monotonic()
            break
    child.send_signal(signal.SIGTERM)
    _, _, usage = os.wait4(child.pid, 0)
    return mapped - started, usage.ru_maxrss


def main():
    arguments = sys.argv[1:]
    launcher = ()
    if arguments[0] == "--wine":
        launcher, arguments = (arguments[1],), arguments[2:]
    ours, bare = os.path.abspath(arguments[0]), os.path.abspath(arguments[1])
    runs = int(arguments[2]) if len(arguments) > 2 else 15
    programs = {"calculador-fechas": (*launcher, ours), "bare window": (*launcher, bare),
                "bare with a text box": (*launcher, bare, "--text-box")}
    server, display_name = start_xvfb()
    session, env = start_session_bus(display_name)
    try:
        xlib = ctypes.CDLL("libX11.so.6")
        xlib.XOpenDisplay.restype = ctypes.c_void_p
        xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        xlib.XDefaultRootWindow.restype = ctypes.c_ulong
        xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        xlib.XPending.argtypes = [ctypes.c_void_p]
        xlib.XConnectionNumber.argtypes = [ctypes.c_void_p]
        display = xlib.XOpenDisplay(display_name.encode())
        xlib.XSelectInput(display, xlib.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)

        if launcher:
            # The prefix's desktop comes up on the display it is booted on.
            subprocess.run([*launcher, "wineboot", "-i"], env=env, stderr=subprocess.DEVNULL, check=True)
        for command in programs.values():
            measure(xlib, display, command, env)  # warms the file cache
        results = {label: [] for label in programs}
        for _ in range(runs):
            for label, command in programs.items():
                results[label].append(measure(xlib, display, command, env))
    finally:
        for process in (*session, server):
            process.terminate()
            process.wait()

    medians = {}
    for label, runs_of_one in results.items():
        seconds = statistics.median(r[0] for r in runs_of_one)
        rss = statistics.median(r[1] for r in runs_of_one)
        medians[label] = (seconds, rss)
        print(f"{label:21} median start-up {seconds * 1000:6.1f} ms   peak RSS {rss / 1024:5.1f} MiB   ({runs} runs)")
    ours_time, ours_rss = medians["calculador-fechas"]
    for label in ("bare with a text box", "bare window"):
        print(f"ratio calculador-fechas / {label}: start-up {ours_time / medians[label][0]:.2f}, "
              f"peak RSS {ours_rss / medians[label][1]:.2f}")


if __name__ == "__main__":
    main()
