#!/usr/bin/python3
"""Starts Orca with its debug file written line by line, so that what it says can be read
while it runs: line_buffered_orca.py DEBUG_FILE. Orca refuses to start beside another Orca
of the same user, as when a blind contributor runs the tests with theirs on: this one runs
in a session of its own and does not look for others."""
import builtins
import runpy
import sys

debug_file = sys.argv[1]
plain_open = builtins.open


def open_line_buffered(file, mode="r", *args, **kwargs):
    if file == debug_file and "w" in mode:
        return plain_open(file, mode, buffering=1)
    return plain_open(file, mode, *args, **kwargs)


builtins.open = open_line_buffered
sys.argv = ["orca", f"--debug-file={debug_file}"]
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
