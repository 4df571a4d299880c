"""A private X server and desktop session for the scripts that drive the real window.

Shell scripts start their X server here too:
    virtual_display.py SIZE    starts Xvfb of SIZE (e.g. 800x600) and prints
                               its display number and process id, leaving it running
"""
import os
import select
import subprocess
import sys
import time

WAIT = 20  # seconds, for a server to come up


def start_xvfb(size="1024x768"):
    """Starts Xvfb on a free display; gives the process and the display name."""
    read_end, write_end = os.pipe()
    # -noreset: by default the server starts afresh each time its last client
    # leaves, and a program connecting just then is refused: each xdotool that
    # looks for a window not yet shown is such a last client.
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{size}x24", "-nolisten",
                               "tcp", "-noreset"],
                              pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = _first_line(pipe)
    if not display:
        server.kill()
        raise RuntimeError(f"Xvfb did not start within {WAIT} s")
    return server, f":{display}"


def start_session_bus(display):
    """Starts what a desktop session runs beside its programs: a D-Bus session
    bus and, on it, the accessibility bus launcher. Without a session bus Qt
    would spawn one of its own at every start. Gives the two processes and the
    environment to run programs in."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    address = _first_line(bus.stdout)
    if not address:
        bus.kill()
        raise RuntimeError(f"no D-Bus session bus within {WAIT} s")
    env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=address, NO_AT_BRIDGE="0")
    env.pop("DISPLAY", None)
    if display:  # none on Wayland
        env["DISPLAY"] = display
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                                stderr=subprocess.DEVNULL)
    # Programs started before the launcher owns its name would find no
    # accessibility bus.
    deadline = time.monotonic() + WAIT
    while not _has_owner("org.a11y.Bus", env):
        if time.monotonic() > deadline or launcher.poll() is not None:
            launcher.kill()
            bus.kill()
            raise RuntimeError("the accessibility bus launcher did not claim org.a11y.Bus")
        time.sleep(0.05)
    return [bus, launcher], env


def _first_line(pipe):
    """The first line a starting server writes to pipe, or "" if it writes
    none within WAIT seconds."""
    ready, _, _ = select.select([pipe], [], [], WAIT)
    return pipe.readline().strip() if ready else ""


def _has_owner(name, env):
    """Whether a client owns name on the session bus of env."""
    reply = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                            "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", f"string:{name}"],
                           env=env, capture_output=True, text=True, timeout=WAIT)
    return "boolean true" in reply.stdout


if __name__ == "__main__":
    started, name = start_xvfb(sys.argv[1])
    print(name.lstrip(":"), started.pid)
