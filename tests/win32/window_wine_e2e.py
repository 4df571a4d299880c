#!/usr/bin/python3
"""End-to-end test of the Windows program under Wine, as a user meets it.

Starts the real calculador-fechas.exe on the X display Wine draws on, types
with real key strokes (xdotool), and reads the result line from another
Windows process, read_result.exe, while listen_live_region.exe hears what a
screen reader would announce. Checks the typical request, announced each
time, the same one again included; the overflow report that leaves the
window as it was; Alt+C; and Esc ending the program with status 0. Needs
DISPLAY and WINEPREFIX set, the Wine server up.

    window_wine_e2e.py WINE calculador-fechas.exe read_result.exe listen_live_region.exe
"""
import os
import subprocess
import sys
import threading

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wine_window import WAIT, focus, keys, start, windows  # noqa: E402 (it finds end_to_end)
from end_to_end import expect_ended_by_esc, fail, stop, wait_for  # noqa: E402


class Announcements:
    """What listen_live_region.exe hears, a line each, read as it comes."""

    def __init__(self, wine, listener):
        self.process = subprocess.Popen([wine, listener], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                                        encoding="utf-8")
        self.lines = []
        self.lock = threading.Lock()
        self.checked = 0
        threading.Thread(target=self.read, daemon=True).start()
        self.expect("listening")

    def read(self):
        for line in self.process.stdout:
            with self.lock:
                self.lines.append(line.rstrip("\n"))

    def expect(self, text):
        """The next announcement is text."""
        def next_one():
            with self.lock:
                return self.lines[self.checked] if len(self.lines) > self.checked else None
        heard = wait_for(f"the announcement {text!r}", next_one, WAIT)
        if heard != text:
            fail(f"announced {heard!r} where {text!r} was due")
        self.checked += 1


def main():
    wine, program, read_result, listener = sys.argv[1:5]
    ears = Announcements(wine, listener)

    def result():
        shown = subprocess.run([wine, read_result], capture_output=True, timeout=WAIT)
        return shown.stdout.decode("utf-8") if shown.returncode == 0 else None

    def expect(text):
        wait_for(f"{text!r} in the result line", lambda: result() == text, WAIT)

    window_program, window = start([wine, program])
    try:
        keys("7", "Tab", "5", "Tab", "2", "0", "0", "3", "Return")
        expect("Mi\u00e9rcoles")
        ears.expect("Mi\u00e9rcoles")
        keys("Return")  # the same request again is announced again
        ears.expect("Mi\u00e9rcoles")
        keys("shift+Tab", "1", "3", "Return")  # Tab selects what the month box holds
        expect("Mal mes")
        ears.expect("Mal mes")

        # An overflow, a month of -1: the report comes up over the window,
        # and once it is dismissed the window goes on with what was typed.
        keys("BackSpace", "BackSpace", "minus", "1", "Return")
        wait_for("the error report", lambda: len(windows()) == 2, WAIT)
        keys("Return")
        wait_for("the report to close", lambda: len(windows()) == 1, WAIT)
        if window_program.poll() is not None:
            fail("the program ended after the report")
        if result() != "Mal mes":
            fail(f"the result line changed after the report: {result()!r}")

        # The next day, asked for with the access key of "Calcular".
        keys("shift+Tab", "8", "Tab", "5", "alt+c")
        expect("Jueves")
        ears.expect("Jueves")

        focus(window)
        keys("Escape")
        expect_ended_by_esc(window_program, WAIT)
        print("1 passed, 0 failed")
    finally:
        stop([ears.process, window_program])


if __name__ == "__main__":
    main()
