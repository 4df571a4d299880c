"""What the end-to-end tests share: failing with a reason, bounded waits, and
ending the program and whatever the test started."""
import signal
import subprocess
import sys
import time


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def wait_for(what, probe, seconds=20):
    """Polls probe until it gives something true, and gives that."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    fail(f"timed out waiting for {what}")


def expect_ended_by_esc(program, seconds):
    """The program, just sent Esc, ends within the time and with status 0."""
    try:
        status = program.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        fail("Esc did not end the program")
    if status != 0:
        fail(f"the program ended with status {status}")


def stop(processes):
    """Ends what is still running, the last started first."""
    for process in reversed(processes):
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
