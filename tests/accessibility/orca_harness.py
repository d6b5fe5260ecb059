"""What the Orca sessions share: Orca started with its speech readable as it comes, keys
sent as a user types them, and each step checked against what Orca says next. A session
runs inside run_orca_test.sh (Xvfb, a private D-Bus session, speech-dispatcher)."""
import json
import os
import re
import signal
import subprocess
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{.*\}$")


class Failure(Exception):
    pass


class Orca:
    """Reads what Orca says, in order: each expectation consumes the speech up to the line
    that meets it, and leaves the lines after it to the next."""

    def __init__(self, transcript_file):
        self.transcript_file = transcript_file
        self.position = 0
        self.heard = []
        self.unread = []

    def _new_speech(self):
        if not self.transcript_file.exists():
            return []
        with open(self.transcript_file, encoding="utf-8", errors="replace") as transcript:
            transcript.seek(self.position)
            text = transcript.read()
        complete = text[: text.rfind("\n") + 1]
        self.position += len(complete.encode("utf-8"))
        return [m.group(1) for m in map(SPEECH.search, complete.splitlines()) if m]

    def says(self, expected, within):
        """Waits until Orca says something containing `expected`; returns how long it took."""
        start = time.monotonic()
        while time.monotonic() - start < within:
            self.unread += self._new_speech()
            while self.unread:
                line = self.unread.pop(0)
                self.heard.append(line)
                if expected in line:
                    return time.monotonic() - start
            time.sleep(0.02)
        raise Failure(f"Orca did not say {expected!r} within {within} s; "
                      f"it said {self.heard[-6:]}")


class Desktop:
    """The AT-SPI bus, a window manager and Orca, then the programs of a session; all of them
    are killed at the end (Orca ignores SIGTERM)."""

    def __init__(self, scratch, orca_settings):
        self.scratch = scratch
        self.children = []
        if orca_settings:
            # Orca's own settings file, with Orca's defaults for all that it does not name.
            settings = Path(os.environ["XDG_DATA_HOME"]) / "orca" / "user-settings.conf"
            settings.parent.mkdir(parents=True, exist_ok=True)
            settings.write_text(json.dumps({
                "general": {}, "pronunciations": {}, "keybindings": {},
                "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {},
                                         "keybindings": {}, **orca_settings}}}))
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], "at-spi.log")
        self._start_window_manager()
        transcript = scratch / "orca.out"
        self.start(["/usr/bin/python3", str(HERE / "line_buffered_orca.py"), str(transcript)],
                   "orca.log")
        self.orca = Orca(transcript)
        self.orca.says("", within=30)  # Orca's greeting: it is listening

    def _start_window_manager(self, tries=3):
        """Until a window manager runs, a new window may never be given the focus, and then
        Orca has nothing to say of it. Openbox now and then fails to open a display that
        has just started: it is started again."""
        for attempt in range(tries):
            openbox = self.start(["openbox"], f"openbox-{attempt}.log")
            start = time.monotonic()
            while openbox.poll() is None and time.monotonic() - start < 10:
                check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                       capture_output=True, text=True)
                if "window id" in check.stdout:
                    return
                time.sleep(0.05)
        raise Failure("the window manager did not start")

    def start(self, command, log_name, **kwargs):
        log = open(self.scratch / log_name, "w")
        child = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT,
                                 stdin=subprocess.DEVNULL, **kwargs)
        self.children.append(child)
        return child

    def step(self, keys, expected, within=20.0):
        """Types `keys`, then waits for Orca to say `expected`: generously, as a busy machine
        may take seconds; how soon Orca speaks is measured by bench/orca_speech_times.py."""
        for name in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        took = self.orca.says(expected, within)
        print(f"  {'+'.join(keys) or 'start':<12} {took * 1000:5.0f} ms  {expected}")

    def close(self):
        for child in reversed(self.children):
            if child.poll() is None:
                os.kill(child.pid, signal.SIGKILL)
                child.wait()


def run(scratch, session, orca_settings=None):
    """Runs `session(desktop)`, with Orca's settings as `orca_settings` names them, and
    prints PASS or FAIL; the exit status to return."""
    desktop = None
    try:
        desktop = Desktop(scratch, orca_settings)
        session(desktop)
        print("PASS")
        return 0
    except Failure as failure:
        print(f"FAIL: {failure}")
        return 1
    finally:
        if desktop:
            desktop.close()
