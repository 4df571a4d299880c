"""The Orca screen reader for the end-to-end tests: its speech kept in a
private home and sent nowhere, and what it says heard from its debug log."""
import os
import re
import signal
import threading
import time
import tty

from end_to_end import fail

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
