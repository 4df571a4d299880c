#!/usr/bin/python3
"""The Windows program moved to monitors of other DPIs, under Wine.

First the program is started afresh with Windows set to 96, 120, 144 and
192 DPI, a date typed and asked for; its layout is read from another
process and its client area photographed. Then one program, started at
96 DPI with the same date, receives WM_DPICHANGED for 120, 144, 192 and
back to 96 through its own message loop, as when its window is dragged
from monitor to monitor: each time, every control's place and size and
every pixel of the client area (so every font) must be those of the fresh
start at that DPI. Needs DISPLAY and WINEPREFIX set, the Wine server up.

    dpi_change_wine_e2e.py WINE at_dpi.sh calculador-fechas.exe read_layout.exe deliver_dpi_change.exe
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wine_window import WAIT, focus, keys, layout, photograph, start  # noqa: E402 (it finds end_to_end)
from end_to_end import expect_ended_by_esc, fail, stop, wait_for  # noqa: E402

DPIS = [96, 120, 144, 192]


def ask_for_the_date():
    # Ending on "Calcular", which has the focus: no caret blinks in a box.
    keys("7", "Tab", "5", "Tab", "2", "0", "0", "3", "Tab", "Return")


def seen(wine, read_layout):
    """The layout, the client area's own place left out, and its picture."""
    places = wait_for("the layout", lambda: layout(wine, read_layout), WAIT)
    window = places.pop("window")
    return places, photograph(window)


def main():
    wine, at_dpi, program, read_layout, deliver = sys.argv[1:6]
    fresh = {}
    for dpi in DPIS:
        started, window = start([at_dpi, str(dpi), wine, wine, program])
        try:
            ask_for_the_date()
            fresh[dpi] = seen(wine, read_layout)
            focus(window)
            keys("Escape")
            expect_ended_by_esc(started, WAIT)
        finally:
            stop([started])
    if fresh[96][0]["txtDia"] == fresh[192][0]["txtDia"]:
        fail(f"Windows set to 192 DPI gave the layout of 96: {fresh[192][0]}")

    started, window = start([wine, program])
    try:
        ask_for_the_date()
        for dpi in DPIS[1:] + [96]:
            if subprocess.run([wine, deliver, str(dpi)], timeout=WAIT).returncode != 0:
                fail(f"the window did not take the size of {dpi} DPI")
            places, picture = seen(wine, read_layout)
            for name, place in fresh[dpi][0].items():
                if places[name] != place:
                    fail(f"at {dpi} DPI {name} is at {places[name]}, where a fresh start puts it at {place}")
            if picture != fresh[dpi][1]:
                fail(f"at {dpi} DPI the window is not drawn as a fresh start draws it")
            print(f"{dpi} DPI: laid out and drawn as a fresh start")
        focus(window)
        keys("Escape")
        expect_ended_by_esc(started, WAIT)
        print("1 passed, 0 failed")
    finally:
        stop([started])


if __name__ == "__main__":
    main()
