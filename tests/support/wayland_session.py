"""A private headless Wayland compositor, sway, for the scripts that drive the
real window there: started with one output at a scale, as an unprivileged
user when the test runs as root (sway refuses to run as root)."""
import json
import os
import pwd
import shutil
import subprocess
import tempfile

from end_to_end import wait_for

WAIT = 20  # seconds, for the compositor to come up


def start_sway(scale):
    """Gives the compositor's process, the environment its clients need and
    the folder to remove once it has ended."""
    runtime = tempfile.mkdtemp(prefix="wayland-")
    with open(os.path.join(runtime, "config"), "w", encoding="utf-8") as config:
        config.write(f"output HEADLESS-1 resolution 1280x960 scale {scale}\n")
    command = ["sway", "--config", os.path.join(runtime, "config")]
    if os.getuid() == 0:
        nobody = pwd.getpwnam("nobody")
        os.chown(runtime, nobody.pw_uid, nobody.pw_gid)
        os.chown(os.path.join(runtime, "config"), nobody.pw_uid, nobody.pw_gid)
        command = ["setpriv", f"--reuid={nobody.pw_uid}", f"--regid={nobody.pw_gid}", "--clear-groups"] + command
    compositor_env = {"PATH": os.environ["PATH"], "HOME": runtime, "XDG_RUNTIME_DIR": runtime,
                      "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}
    compositor = subprocess.Popen(command, env=compositor_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def sockets():
        names = os.listdir(runtime)
        ipc = [name for name in names if name.startswith("sway-ipc.")]
        display = [name for name in names if name.startswith("wayland-") and not name.endswith(".lock")]
        return (display[0], ipc[0]) if ipc and display else None

    try:
        display, ipc = wait_for(f"sway's sockets in {runtime}", sockets, WAIT)
    except SystemExit:
        compositor.kill()
        shutil.rmtree(runtime, ignore_errors=True)
        raise
    # By full path, so that clients keep runtime folders of their own.
    env = {"WAYLAND_DISPLAY": os.path.join(runtime, display), "SWAYSOCK": os.path.join(runtime, ipc)}
    return compositor, env, runtime


def windows(env):
    """Every window sway shows: {"name", "app_id", "shell", "window_rect", ...}."""
    tree = json.loads(subprocess.run(["swaymsg", "--raw", "--type", "get_tree"], env=dict(os.environ, **env),
                                     capture_output=True, check=True, text=True, timeout=WAIT).stdout)
    found, stack = [], [tree]
    while stack:
        node = stack.pop()
        if node.get("shell"):
            found.append(node)
        stack.extend(node.get("nodes", []) + node.get("floating_nodes", []))
    return found


def wtype(env, *arguments):
    """Types through sway's virtual keyboard; the pause first, as wtype may
    drop the first keys while the keyboard is being set up."""
    subprocess.run(["wtype", "-s", "300", *arguments], env=dict(os.environ, **env), check=True, timeout=WAIT)


def screenshot(env, window, scale):
    """The window's inside as the compositor shows it, in the output's pixels:
    a binary PPM."""
    left = window["rect"]["x"] + window["window_rect"]["x"]
    top = window["rect"]["y"] + window["window_rect"]["y"]
    size = window["window_rect"]
    region = f"{left},{top} {size['width']}x{size['height']}"
    return subprocess.run(["grim", "-t", "ppm", "-s", str(scale), "-g", region, "-"], env=dict(os.environ, **env),
                          capture_output=True, check=True, timeout=WAIT).stdout
