#!/usr/bin/python3
"""A blind breeder's session in the web page, in Chromium or Firefox, keys only, with Orca
listening.
  orca_web_session.py SITE_DIR SCRATCH_DIR chromium|firefox   (inside run_orca_test.sh)"""
import functools
import os
import http.server
import sys
import threading
from pathlib import Path

from orca_harness import run

site, scratch, browser = sys.argv[1], Path(sys.argv[2]), sys.argv[3]


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    """The site, and /start: a page that goes on to it, as if the breeder had come to the
    page from another. A page that was its window's only one would close with the
    program, and with it what Orca is to read of the end."""

    def do_GET(self):
        if self.path != "/start":
            return super().do_GET()
        body = (b'<!DOCTYPE html><html lang="fr"><title>...</title>'
                b'<script>history.pushState(null, ""); location.replace("/")</script>')
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


FIREFOX_PREFERENCES = {
    "browser.shell.checkDefaultBrowser": "false",
    "browser.startup.homepage_override.mstone": '"ignore"',
    "browser.aboutwelcome.enabled": "false",
    "datareporting.policy.dataSubmissionEnabled": "false",
    "toolkit.telemetry.reportingpolicy.firstRun": "false",
    "app.update.auto": "false",
    "app.update.disabledForTesting": "true",
    "browser.region.network.url": '""',
    "network.connectivity-service.enabled": "false",
    "extensions.autoDisableScopes": "0",
    "browser.safebrowsing.update.enabled": "false",
    "browser.newtabpage.enabled": "false",
    "accessibility.force_disabled": "-1",
}


def session(desktop):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(SiteHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    start = f"http://127.0.0.1:{server.server_port}/start"
    if browser == "chromium":
        # Chromium's own strings in French, no sandbox as root (and no bar warning of it, which
        # would take a Tab), nothing fetched from elsewhere. Not an application window: a
        # script may close one, and the page would not be left to say that it ended.
        desktop.start(["/usr/bin/chromium", "--no-sandbox", "--test-type",
                       "--force-renderer-accessibility",
                       "--lang=fr", f"--user-data-dir={scratch / 'chromium'}", "--no-first-run",
                       "--disable-gpu", "--disable-background-networking", "--disable-sync",
                       "--disable-component-update", "--disable-quic", "--password-store=basic",
                       start], "chromium.log")
    else:
        # A profile of its own that asks nothing at its first start and fetches nothing from
        # elsewhere; Firefox shows its pages to screen readers once told one is listening.
        profile = scratch / "firefox"
        profile.mkdir()
        (profile / "user.js").write_text("".join(
            f'user_pref("{name}", {value});\n' for name, value in FIREFOX_PREFERENCES.items()))
        desktop.start(["/usr/bin/firefox-esr", "--no-remote", "--profile", str(profile), start],
                      "firefox.log", env={**os.environ, "GNOME_ACCESSIBILITY": "1"})
    # The page's title as it loads, then, after the splash, the focused button and the
    # instruction.
    desktop.step([], "Morvane 101", within=40)
    desktop.step([], "Fermer bouton", within=40)
    desktop.step([], "Choisir une phase pour la femelle et une pour le male.")
    desktop.step(["Tab"], "Femelle : Albinos case à cocher non cochée")
    desktop.step(["space"], "Les autres phases de la femelle sont indisponibles tant qu'Albinos")
    desktop.step(["Tab"] * 4, "Mâle : Het Albinos case à cocher non cochée")
    desktop.step(["space"], "50% Albinos et 50% Het Albinos.")
    desktop.step(["Tab"], "Reset bouton")
    desktop.step(["Return"], "Toutes les phases ont été décochées et le résultat effacé.")
    # Reset is the page's last control, Fermer its first: back through the boxes, since Tab
    # from the last goes on to the browser's own controls.
    desktop.step(["shift+Tab"] * 19, "Fermer bouton")
    desktop.step(["space"], "Merci à Lucien Arvel pour son aide précieuse et fidèle")
    desktop.step(["Return"], "Morvane 101 est fermé. Vous pouvez fermer cette page.")
    server.shutdown()


if __name__ == "__main__":
    # Orca reads a page aloud from the top as it loads, and goes on after the page has moved
    # the focus; a key pressed while it reads is followed by Orca setting the caret back where
    # it was reading, which in Firefox takes the focus from the control the key reached. The
    # breeder of this session has that reading turned off, as the page needs no reading of
    # its own: its focus and live regions say what it shows.
    sys.exit(run(scratch, session, orca_settings={"sayAllOnLoad": False}))
