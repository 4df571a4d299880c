#!/usr/bin/python3
"""What a blind user hears of the page: Debian's Chromium, with its
accessibility on, under the Orca screen reader, in a private X server and
desktop session. Typed into with real key strokes; Orca must read each box
by its caption, every result (again when the same request is repeated) and
the error report with its button.

    page_orca.py FOLDER
"""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from accessible import Atspi, accessible_tree, application  # noqa: E402
from end_to_end import fail, stop, wait_for  # noqa: E402
from orca import WAIT, hear_a_request, start_orca_desktop, stop_processes_of  # noqa: E402
from web_page import Server, page_folder, require_browser  # noqa: E402


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True, timeout=WAIT).stdout


def page_loaded(pid):
    """Whether Chromium's document of the page is in the accessibility tree and done loading."""
    browser = application(pid)
    return browser is not None and any(
        node.get_role() == Atspi.Role.DOCUMENT_WEB and node.get_name() == "Calculador de fechas"
        and not node.get_state_set().contains(Atspi.StateType.BUSY) for node in accessible_tree(browser))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    require_browser()
    if shutil.which("orca") is None:
        fail("Orca is not installed (Debian's orca package)")
    folder = page_folder(sys.argv)
    home = tempfile.mkdtemp(prefix="orca-home-")
    children = []
    server = Server(folder)
    try:
        env, ears = start_orca_desktop(home, children)
        env["DISPLAY"] = os.environ["DISPLAY"]
        # Opened straight on the page, as from a link or the installed app:
        # Orca 48 keeps hearing the first document of a window that navigates
        # away from it, and would take the page's live region for another tab's.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = env["DBUS_SESSION_BUS_ADDRESS"]
        browser = subprocess.Popen(
            ["chromium", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
             "--disable-background-networking", "--disable-component-update", "--disable-sync", "--no-first-run",
             "--disable-quic", "--force-renderer-accessibility", "--window-size=800,600", "--window-position=0,0",
             f"--user-data-dir={os.path.join(home, 'chromium')}", server.address],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        children.append(browser)
        window = wait_for("Chromium's window showing the page", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "Calculador de fechas"],
            capture_output=True, text=True, timeout=WAIT).stdout.split(), 60)[0]
        # A user comes to the page once it has loaded, and lets Orca finish
        # before each key: Orca, behind on a busy machine, would otherwise
        # still be taking in the load or the last box when the keys come,
        # and take the next box's focus for one it already knew.
        wait_for("the page loaded, in Chromium's accessibility tree", lambda: page_loaded(browser.pid), 60)
        xdotool("windowfocus", "--sync", window)
        ears.expect("Ingrese el d\u00eca")

        def keys(*strokes):
            ears.hear_out()
            xdotool("key", "--delay", "80", *strokes)

        hear_a_request(keys, ears)
        keys("shift+Tab", "BackSpace", "1", "3", "Return")
        ears.expect("Mal mes")

        # An overflow: the report is read, with its button in Spanish.
        keys("BackSpace", "BackSpace", "minus", "1", "Return")
        heard = ears.expect("Error de ejecuci\u00f3n 6", "Desbordamiento", "Aceptar")
        print(f"Orca said for the report: {heard!r}")
        # Orca 48 moves into the report in browse mode: Esc before it is done
        # would leave its caret there, and the focus with it.
        keys("Escape")
        ears.expect("Ingrese el mes")
        print("1 passed, 0 failed")
    finally:
        server.stop()
        stop(children)
        stop_processes_of(home)
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
