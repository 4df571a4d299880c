"""The Orca screen reader for the end-to-end tests: its speech kept in a
private home and sent nowhere, and what it says heard from its debug log."""
import os
import re
import signal
import subprocess
import threading
import time
import tty

from end_to_end import fail
from virtual_display import start_session_bus, start_xvfb

WAIT = 20  # seconds, for anything to be spoken
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'", re.DOTALL)


class Listener:
    """Hears what Orca speaks, from its debug log, as soon as it is written.

    Orca writes the log through a terminal of ours: Python buffers a file in
    blocks, which would hold back the last utterances, but a terminal by the
    line."""

    def __init__(self):
        self.terminal, writer = os.openpty()
        tty.setraw(writer)
        self.path = os.ttyname(writer)
        self.writer = writer  # kept open, so reading never meets the end
        self.text = ""
        self.lock = threading.Lock()
        self.heard = 0  # how many utterances were already checked
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        while True:
            try:
                chunk = os.read(self.terminal, 65536)
            except OSError:
                return
            with self.lock:
                self.text += chunk.decode("utf-8", errors="replace")

    def utterances(self):
        with self.lock:
            return SPOKEN.findall(self.text)

    def expect(self, *phrases):
        """Waits until every phrase has been spoken since the last call; gives
        what was spoken."""
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            new = self.utterances()[self.heard:]
            if all(any(phrase in said for said in new) for phrase in phrases):
                self.heard += len(new)
                return new
            time.sleep(0.1)
        fail(f"Orca did not say {phrases!r}; it said {self.utterances()[self.heard:]!r}")

    def hear_out(self, silence=1.0):
        """Waits until Orca has said nothing for that many seconds, as a
        listener lets it finish before pressing the next key."""
        deadline = time.monotonic() + WAIT
        said = len(self.utterances())
        quiet_since = time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.1)
            now = len(self.utterances())
            if now != said:
                said, quiet_since = now, time.monotonic()
            elif time.monotonic() - quiet_since >= silence:
                return
        fail(f"Orca did not fall silent within {WAIT} s")


def private_speech(home):
    """speech-dispatcher as configured system-wide, its sound sent to ALSA's
    null device so that nothing waits for an audio server."""
    folder = os.path.join(home, ".config", "speech-dispatcher")
    os.makedirs(folder)
    with open("/etc/speech-dispatcher/speechd.conf", encoding="utf-8") as system:
        settings = system.read()
    with open(os.path.join(folder, "speechd.conf"), "w", encoding="utf-8") as mine:
        mine.write(settings + '\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n')


def stop_processes_of(home):
    """Ends what Orca left behind, such as the speech server it spawned."""
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as environ:
                if f"HOME={home}".encode() in environ.read().split(b"\0"):
                    os.kill(int(pid), signal.SIGTERM)
        except OSError:
            pass


def start_orca_desktop(home, children):
    """A private X server and desktop session, with Orca started in it and
    heard saying so; what is started goes into children. DISPLAY is set here
    for xdotool. Gives the session's environment for the programs to run,
    and what hears Orca."""
    private_speech(home)
    runtime = os.path.join(home, "runtime")
    os.mkdir(runtime, 0o700)
    xvfb, display = start_xvfb()
    children.append(xvfb)
    session, env = start_session_bus(display)
    children.extend(session)
    os.environ["DISPLAY"] = display
    env.update(HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local", "share"), LANG="C.UTF-8")
    ears = Listener()
    orca_output = os.path.join(home, "orca.out")
    with open(orca_output, "w", encoding="utf-8") as output:
        children.append(subprocess.Popen(["orca", "--replace", "--debug-file", ears.path], env=env, stdout=output,
                                         stderr=subprocess.STDOUT))
    try:
        ears.expect("Screen reader on")
    except SystemExit:
        with open(orca_output, encoding="utf-8", errors="replace") as output:
            print(output.read()[-3000:])
        fail("Orca did not start: see its output above")
    return env, ears


def hear_a_request(keys, ears):
    """From the day box: 7, 5 and 2003 typed box by box, and Enter twice.
    Orca names each box by its caption and speaks the result each time, the
    same result again too."""
    keys("7", "Tab")
    ears.expect("Ingrese el mes")
    keys("5", "Tab")
    ears.expect("Ingrese el a\u00f1o")
    keys("2", "0", "0", "3", "Return")
    ears.expect("Mi\u00e9rcoles")
    keys("Return")
    ears.expect("Mi\u00e9rcoles")
