#!/usr/bin/python3
"""A blind breeder's session, keys only, with Orca listening: what Orca says is read from
its debug file and checked step by step.
  orca_keyboard_session.py PROGRAM SCRATCH_DIR   (inside a private D-Bus session)"""
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

program, scratch = sys.argv[1], Path(sys.argv[2])
here = Path(__file__).resolve().parent
transcript_file = scratch / "orca.out"
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{.*\}$")


class Failure(Exception):
    pass


class Orca:
    """Reads what Orca says, in order: each expectation consumes the speech up to the line
    that meets it, and leaves the lines after it to the next."""

    def __init__(self):
        self.position = 0
        self.heard = []
        self.unread = []

    def _new_speech(self):
        if not transcript_file.exists():
            return []
        with open(transcript_file, encoding="utf-8", errors="replace") as transcript:
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


def start(command, log_name, **kwargs):
    log = open(scratch / log_name, "w")
    return subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT,
                            stdin=subprocess.DEVNULL, **kwargs)


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def step(orca, keys, expected, within=5.0):
    for name in keys:
        key(name)
    took = orca.says(expected, within)
    print(f"  {'+'.join(keys) or 'start':<12} {took * 1000:5.0f} ms  {expected}")


def session(orca):
    # The window is announced as a window ("cadre") with its instruction line, and the
    # focus opens on Fermer.
    step(orca, [], "Morvane 101 cadre", within=30)
    step(orca, [], "Choisir une phase pour la femelle et une pour le male.")
    step(orca, [], "Fermer bouton")
    step(orca, ["Tab"], "Femelle : Albinos case à cocher non cochée")
    step(orca, ["space"], "Les autres phases de la femelle sont indisponibles", within=1)
    step(orca, ["Tab"] * 4, "Mâle : Het Albinos case à cocher non cochée")
    step(orca, ["space"], "50% Albinos et 50% Het Albinos.", within=1)
    step(orca, ["space"], "Toutes les phases du mâle sont de nouveau disponibles.", within=1)
    step(orca, ["Up"] * 4, "Mâle : Blizzard case à cocher non cochée")
    step(orca, ["space"], "100% Double Het pour Blazing Blizzard.", within=1)
    step(orca, ["Tab"], "Reset bouton")
    step(orca, ["Return"], "Toutes les phases ont été décochées et le résultat effacé.", within=1)
    step(orca, ["Tab"], "Fermer bouton")
    step(orca, ["space"], "Merci à Lucien Arvel pour son aide précieuse et fidèle")


def main():
    children = []
    try:
        children.append(start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                              "at-spi.log"))
        children.append(start(["openbox"], "openbox.log"))
        orca_process = start(["/usr/bin/python3", str(here / "line_buffered_orca.py"),
                              str(transcript_file)], "orca.log")
        children.append(orca_process)
        orca = Orca()
        orca.says("", within=30)  # Orca's greeting: it is listening
        # Once a screen reader listens, Qt's accessibility bridge keeps an object of its own
        # past the end, which a sanitized build would report as a leak.
        app = start([program], "program.log",
                    env=dict(os.environ, ASAN_OPTIONS="detect_leaks=0"))
        children.append(app)
        session(orca)
        key("Return")
        try:
            status = app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after the thank-you note was dismissed")
        if status != 0:
            raise Failure(f"the program ended with status {status}")
        print("  the program ended with status 0")
        print("PASS")
        return 0
    except Failure as failure:
        print(f"FAIL: {failure}")
        return 1
    finally:
        # Orca ignores SIGTERM.
        for child in reversed(children):
            if child.poll() is None:
                os.kill(child.pid, signal.SIGKILL)
                child.wait()


if __name__ == "__main__":
    sys.exit(main())
