"""A private X server for the scripts that drive the real window."""
import os
import subprocess


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
