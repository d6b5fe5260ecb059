#!/usr/bin/env python3
"""Time to speech: how long Orca takes to say what follows each key of a screen reader
session, over several runs of it, from the times the session prints for each step.
  orca_speech_times.py RUNS COMMAND...     (the session's command, as CTest runs it)"""
import re
import statistics
import subprocess
import sys

STEP = re.compile(r"^  (\S+)\s+(\d+) ms  (.*)$")


def main():
    runs, command = int(sys.argv[1]), sys.argv[2:]
    times = {}
    for _ in range(runs):
        session = subprocess.run(command, capture_output=True, text=True)
        if session.returncode != 0:
            print(session.stdout[-3000:])
            return 1
        for match in map(STEP.match, session.stdout.splitlines()):
            # The first steps wait for a window to open, not for an answer to a key.
            if match and match[1] != "start":
                times.setdefault((match[1], match[3]), []).append(int(match[2]))
    print(f"{runs} runs: median and slowest time to speech after each key")
    for (keys, said), taken in times.items():
        print(f"  {statistics.median(taken):5.0f} ms  {max(taken):5.0f} ms  {keys:<12} {said}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
