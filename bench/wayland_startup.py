#!/usr/bin/env python3
"""Start-up of calculador-fechas on Wayland against a bare Qt window holding
one empty text box, both native under one headless sway: the time from just
before the exec to sway's announcement of the new window, read from sway's
own event stream. Runs alternate; medians and the ratio come last.

    wayland_startup.py path/to/calculador-fechas path/to/bare_window [runs]
"""
import json
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
from virtual_display import start_session_bus  # noqa: E402
from wayland_session import start_sway  # noqa: E402

WAIT = 60  # seconds, for a program's window to show


def measure(events, command, env):
    """Seconds from exec to sway's "new" window event."""
    started = time.monotonic()
    child = subprocess.Popen(command, env=env, stderr=subprocess.DEVNULL)
    while True:
        left = started + WAIT - time.monotonic()
        if left <= 0 or not select.select([events], [], [], left)[0]:
            child.kill()
            sys.exit(f"FAIL: timed out waiting for a window of {' '.join(command)}")
        if json.loads(events.readline()).get("change") == "new":
            shown = time.monotonic()
            break
    child.terminate()
    child.wait(timeout=WAIT)
    return shown - started


def main():
    ours, bare = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    programs = {"calculador-fechas": (ours,), "bare with a text box": (bare, "--text-box")}
    compositor, wayland, runtime = start_sway(1)
    os.environ["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(prefix="wayland-bench-")
    session, env = start_session_bus(None)
    env.update(wayland)
    env.pop("QT_QPA_PLATFORM", None)
    subscriber = subprocess.Popen(["swaymsg", "--raw", "--monitor", "--type", "subscribe", '["window"]'],
                                  env=dict(os.environ, **wayland), stdout=subprocess.PIPE, text=True)
    try:
        time.sleep(0.5)  # subscribed before the first program starts
        for command in programs.values():
            measure(subscriber.stdout, command, env)  # warms the file cache
        results = {label: [] for label in programs}
        for _ in range(runs):
            for label, command in programs.items():
                results[label].append(measure(subscriber.stdout, command, env))
    finally:
        for process in (subscriber, *session, compositor):
            process.terminate()
            process.wait()
        shutil.rmtree(runtime, ignore_errors=True)
        shutil.rmtree(os.environ["XDG_RUNTIME_DIR"], ignore_errors=True)
    medians = {label: statistics.median(times) for label, times in results.items()}
    for label, seconds in medians.items():
        print(f"{label:21} median start-up on Wayland {seconds * 1000:6.1f} ms   ({runs} runs)")
    print(f"ratio calculador-fechas / bare with a text box on Wayland: "
          f"{medians['calculador-fechas'] / medians['bare with a text box']:.2f}")


if __name__ == "__main__":
    main()
