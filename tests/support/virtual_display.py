"""A private X server and desktop session for the scripts that drive the real window."""
import os
import subprocess
import time


def start_xvfb():
    """Starts Xvfb on a free display; gives the process and the display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = pipe.readline().strip()
    if not display:
        server.kill()
        raise RuntimeError("Xvfb did not start")
    return server, f":{display}"


def start_session_bus(display):
    """Starts what a desktop session runs beside its programs: a D-Bus session
    bus and, on it, the accessibility bus launcher. Without a session bus Qt
    would spawn one of its own at every start. Gives the two processes and the
    environment to run programs in."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    if not address:
        bus.kill()
        raise RuntimeError("no D-Bus session bus")
    env = dict(os.environ, DISPLAY=display, DBUS_SESSION_BUS_ADDRESS=address, NO_AT_BRIDGE="0")
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                                stderr=subprocess.DEVNULL)
    time.sleep(0.5)  # lets the launcher claim its name before any program asks for it
    return [bus, launcher], env
