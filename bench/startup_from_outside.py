#!/usr/bin/python3
"""Start-up of the real program against a bare QLabel window, seen from outside both: each
launch is timed from just before the spawn to the X server's first MapNotify of a top-level
window, with the process's CPU time at that moment and its peak resident memory 500 ms
later. Launches alternate, pair by pair, and the figures are medians of the per-pair
ratios. Then the hand-over: the splash's map to the main window's map.

  startup_from_outside.py PROGRAM BARE [PAIRS]     (needs DISPLAY, python3-xlib)
"""
import os
import select
import signal
import statistics
import sys
import time
from pathlib import Path

from Xlib import X, display

program, bare = sys.argv[1], sys.argv[2]
pairs = int(sys.argv[3]) if len(sys.argv) > 3 else 30
screen = display.Display()
root = screen.screen().root
root.change_attributes(event_mask=X.SubstructureNotifyMask)
screen.sync()


def next_maps(count, deadline):
    """The moments of the next `count` MapNotify events of top-level windows."""
    moments = []
    while len(moments) < count:
        while screen.pending_events():
            event = screen.next_event()
            if event.type == X.MapNotify and event.event == root:
                moments.append(time.monotonic())
                if len(moments) == count:
                    return moments
        left = deadline - time.monotonic()
        if left <= 0:
            sys.exit(f"no window mapped in time ({len(moments)} of {count})")
        select.select([screen.fileno()], [], [], left)
    return moments


def cpu_ms(pid):
    """User and system time of every thread of the process so far, to the nanosecond."""
    tasks = Path(f"/proc/{pid}/task").iterdir()
    return sum(int((task / "schedstat").read_text().split()[0]) for task in tasks) / 1e6


def peak_rss_mib(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1]) / 1024
    raise RuntimeError("no VmHWM")


def launch(command, maps=1):
    while screen.pending_events():
        screen.next_event()
    quiet = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    started = time.monotonic()
    pid = os.posix_spawn(command, [command], os.environ, file_actions=quiet)
    moments = next_maps(maps, started + 10)
    cpu = cpu_ms(pid)
    time.sleep(0.5)
    rss = peak_rss_mib(pid)
    os.kill(pid, signal.SIGKILL)
    os.waitpid(pid, 0)
    return {"wall": (moments[0] - started) * 1e3, "cpu": cpu, "rss": rss, "maps": moments}


def main():
    launch(program)  # warm the caches once for both
    launch(bare)
    runs = {"program": [], "bare": []}
    for i in range(pairs):
        order = ("program", "bare") if i % 2 == 0 else ("bare", "program")
        for name in order:
            runs[name].append(launch(program if name == "program" else bare))
    print(f"| Measure (median of {pairs} pairs) | Morvane 101 | Bare QLabel | Ratio |")
    print("|---|---|---|---|")
    for key, title, unit in (("wall", "Spawn to first map", "ms"),
                             ("cpu", "CPU time to first map", "ms"),
                             ("rss", "Peak RSS, 500 ms after the map", "MiB")):
        mine = [run[key] for run in runs["program"]]
        theirs = [run[key] for run in runs["bare"]]
        ratio = statistics.median(m / t for m, t in zip(mine, theirs))
        print(f"| {title} | {statistics.median(mine):.1f} {unit} | "
              f"{statistics.median(theirs):.1f} {unit} | {ratio:.3f}x |")

    hand_overs = []
    for _ in range(11):
        maps = launch(program, maps=2)["maps"]
        hand_overs.append((maps[1] - maps[0]) * 1e3)
    print(f"\nHand-over, splash mapped to main window mapped (11 runs): median "
          f"{statistics.median(hand_overs):.1f} ms, from {min(hand_overs):.1f} to "
          f"{max(hand_overs):.1f} ms")


if __name__ == "__main__":
    main()
