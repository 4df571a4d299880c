#!/usr/bin/python3
"""What a blind user hears: the real executable under the Orca screen reader.

Starts its own X server, D-Bus session and accessibility bus, and Orca with
its speech going through speech-dispatcher to ALSA's null device, all with a
private home. Types with real key strokes and reads what Orca speaks from its
debug log: each box by its caption, every result right after the request
(again when the same request is repeated), and the error report with its
button. Fails, never skips, when Orca cannot be started.

    orca_e2e.py path/to/calculador-fechas
"""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from end_to_end import expect_ended_by_esc, fail, stop, wait_for  # noqa: E402
from orca import WAIT, hear_a_request, start_orca_desktop, stop_processes_of  # noqa: E402

def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, capture_output=True, timeout=WAIT)


def wait_for_one_window():
    """The window, once it is the only one of its title (the report has the same)."""
    def alone():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Calculador de fechas$"],
                               capture_output=True, text=True, timeout=WAIT).stdout.split()
        return found[0] if len(found) == 1 else None
    return wait_for("the error report to close", alone, WAIT)


def main():
    program = os.path.abspath(sys.argv[1])
    if shutil.which("orca") is None:
        fail("Orca is not installed (Debian's orca package)")
    home = tempfile.mkdtemp(prefix="orca-home-")
    children = []
    try:
        env, ears = start_orca_desktop(home, children)

        window_program = subprocess.Popen([program], env=env)
        children.append(window_program)
        # No window manager here to give the new window the focus.
        xdotool("search", "--sync", "--onlyvisible", "--name", "^Calculador de fechas$", "windowfocus", "--sync")
        ears.expect("Calculador de fechas", "Ingrese el d\u00eca")

        def keys(*strokes):
            xdotool("key", "--delay", "60", *strokes)

        hear_a_request(keys, ears)
        keys("alt+c")
        ears.expect("Mi\u00e9rcoles")
        keys("shift+Tab", "BackSpace", "1", "3", "Return")
        ears.expect("Mal mes")
        keys("BackSpace", "BackSpace", "5", "shift+Tab", "3", "2", "Return")  # Tab selects what a box holds
        ears.expect("Mal d\u00eca")

        # An overflow: the report is read, with its button in Spanish.
        keys("Tab", "minus", "1", "Return")
        heard = ears.expect("Error de ejecuci\u00f3n 6", "Desbordamiento", "Aceptar")
        print(f"Orca said for the report: {heard!r}")
        keys("Return")
        # With no window manager, nothing gives the window back its focus
        # once the report is gone.
        window = wait_for_one_window()
        xdotool("windowfocus", "--sync", window)
        keys("Escape")
        expect_ended_by_esc(window_program, WAIT)
        print("1 passed, 0 failed")
    finally:
        stop(children)
        stop_processes_of(home)
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
