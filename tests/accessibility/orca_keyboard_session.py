#!/usr/bin/python3
"""A blind breeder's session in the desktop program, keys only, with Orca listening: what
Orca says is read from its debug file and checked step by step.
  orca_keyboard_session.py PROGRAM SCRATCH_DIR   (inside run_orca_test.sh)"""
import os
import subprocess
import sys
from pathlib import Path

from orca_harness import Failure, run

program, scratch = sys.argv[1], Path(sys.argv[2])


def session(desktop):
    # Once a screen reader listens, Qt's accessibility bridge keeps an object of its own
    # past the end, which a sanitized build would report as a leak.
    app = desktop.start([program], "program.log",
                        env=dict(os.environ, ASAN_OPTIONS="detect_leaks=0"))
    # The window is announced as a window ("cadre"), the focus opens on Fermer, and the
    # instruction line is said, whatever Orca reads of a window's description.
    desktop.step([], "Morvane 101 cadre", within=30)
    desktop.step([], "Fermer bouton")
    desktop.step([], "Choisir une phase pour la femelle et une pour le male.")
    desktop.step(["Tab"], "Femelle : Albinos case à cocher non cochée")
    desktop.step(["space"], "Les autres phases de la femelle sont indisponibles")
    desktop.step(["Tab"] * 4, "Mâle : Het Albinos case à cocher non cochée")
    desktop.step(["space"], "50% Albinos et 50% Het Albinos.")
    desktop.step(["space"], "Toutes les phases du mâle sont de nouveau disponibles.")
    desktop.step(["Up"] * 4, "Mâle : Blizzard case à cocher non cochée")
    desktop.step(["space"], "100% Double Het pour Blazing Blizzard.")
    desktop.step(["Tab"], "Reset bouton")
    desktop.step(["Return"], "Toutes les phases ont été décochées et le résultat effacé.")
    desktop.step(["Tab"], "Fermer bouton")
    desktop.step(["space"], "Merci à Lucien Arvel pour son aide précieuse et fidèle")
    subprocess.run(["xdotool", "key", "Return"], check=True)
    try:
        status = app.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end after the thank-you note was dismissed")
    if status != 0:
        raise Failure(f"the program ended with status {status}")
    print("  the program ended with status 0")


if __name__ == "__main__":
    sys.exit(run(scratch, session))
