#!/usr/bin/python3
"""Start-up of the real program against a bare window, seen from outside both: each
launch is timed from just before the spawn to the first paint of its first window, as the
X server reports it (DAMAGE: the program's pixels reached the window), and, beside it, to
that window's map. The damage record is made as soon as the window is created, so that no
drawing right after its map is missed. The process's CPU time is read at the paint, its
peak resident memory 500 ms later. Launches alternate, pair by pair, and the figures are
medians of the per-pair ratios. Then the hand-over: the splash's first paint to the main
window's, and map to map.

  startup_from_outside.py PROGRAM BARE [PAIRS]     (needs DISPLAY, python3-xlib)

PROGRAM and BARE are commands, with their arguments ("wine morvane101.exe"); the process
measured is the one started, which Wine's loader becomes.
"""
import os
import select
import shlex
import signal
import statistics
import sys
import time
from pathlib import Path

from Xlib import X, display, error
from Xlib.ext import damage

program, bare = sys.argv[1], sys.argv[2]
pairs = int(sys.argv[3]) if len(sys.argv) > 3 else 30
screen = display.Display()
screen.damage_query_version()
DAMAGE_NOTIFY = screen.extension_event.DamageNotify
root = screen.screen().root
root.change_attributes(event_mask=X.SubstructureNotifyMask)
screen.sync()


def cpu_ms(pid):
    """User and system time of every thread of the process so far, to the nanosecond."""
    tasks = Path(f"/proc/{pid}/task").iterdir()
    return sum(int((task / "schedstat").read_text().split()[0]) for task in tasks) / 1e6


def peak_rss_mib(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1]) / 1024
    raise RuntimeError("no VmHWM")


def drawable(window):
    """Whether pixels can reach `window`: not an input-only window (Wine makes some), nor one
    already gone."""
    try:
        return window.get_attributes().win_class == X.InputOutput
    except error.XError:
        return False


def watch_windows(pid, count, deadline):
    """The map and first paint moments of the first `count` top-level windows to be painted,
    and the process's CPU time at the first paint."""
    maps, paints, cpu = {}, {}, None
    while len(paints) < count:
        while screen.pending_events():
            event = screen.next_event()
            now = time.monotonic()
            if event.type == X.CreateNotify and event.parent == root and drawable(event.window):
                event.window.damage_create(damage.DamageReportNonEmpty)
            elif event.type == X.MapNotify and event.event == root:
                maps.setdefault(event.window.id, now)
            elif event.type == DAMAGE_NOTIFY and event.drawable.id not in paints:
                paints[event.drawable.id] = now
                if cpu is None:
                    cpu = cpu_ms(pid)
                if len(paints) == count:
                    break
        left = deadline - time.monotonic()
        if left <= 0:
            sys.exit(f"no window painted in time ({len(paints)} of {count})")
        if len(paints) < count:
            select.select([screen.fileno()], [], [], left)
    windows = sorted(paints, key=paints.get)
    return [maps[w] for w in windows], [paints[w] for w in windows], cpu


def launch(command, windows=1):
    while screen.pending_events():
        screen.next_event()
    quiet = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    started = time.monotonic()
    words = shlex.split(command)
    pid = os.posix_spawnp(words[0], words, os.environ, file_actions=quiet)
    maps, paints, cpu = watch_windows(pid, windows, started + 10)
    time.sleep(0.5)
    rss = peak_rss_mib(pid)
    os.kill(pid, signal.SIGKILL)
    os.waitpid(pid, 0)
    return {"paint": (paints[0] - started) * 1e3, "map": (maps[0] - started) * 1e3,
            "cpu": cpu, "rss": rss, "maps": maps, "paints": paints}


def main():
    launch(program)  # warm the caches once for both
    launch(bare)
    runs = {"program": [], "bare": []}
    for i in range(pairs):
        order = ("program", "bare") if i % 2 == 0 else ("bare", "program")
        for name in order:
            runs[name].append(launch(program if name == "program" else bare))
    print(f"| Measure (median of {pairs} pairs) | Morvane 101 | Bare window | Ratio |")
    print("|---|---|---|---|")
    for key, title, unit in (("paint", "Spawn to first paint", "ms"),
                             ("cpu", "CPU time to first paint", "ms"),
                             ("map", "Spawn to first map", "ms"),
                             ("rss", "Peak RSS, 500 ms after the paint", "MiB")):
        mine = [run[key] for run in runs["program"]]
        theirs = [run[key] for run in runs["bare"]]
        ratio = statistics.median(m / t for m, t in zip(mine, theirs))
        print(f"| {title} | {statistics.median(mine):.1f} {unit} | "
              f"{statistics.median(theirs):.1f} {unit} | {ratio:.3f}x |")

    paint_to_paint, map_to_map = [], []
    for _ in range(11):
        run = launch(program, windows=2)
        paint_to_paint.append((run["paints"][1] - run["paints"][0]) * 1e3)
        map_to_map.append((run["maps"][1] - run["maps"][0]) * 1e3)
    for title, spans in (("first paint to first paint", paint_to_paint),
                         ("map to map", map_to_map)):
        print(f"\nHand-over, splash to main window, {title} (11 runs): median "
              f"{statistics.median(spans):.1f} ms, from {min(spans):.1f} to {max(spans):.1f} ms")


if __name__ == "__main__":
    main()
