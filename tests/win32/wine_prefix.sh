#!/usr/bin/env bash
# The Wine prefix that the Windows edition runs in, set up as its tests, its screenshots and
# the bench expect it: made once, quiet, no menu entries made on this machine for what is
# installed in it, Wine's windows placed by Wine itself (the runs have no window manager),
# and the screen at the density asked for.
#   wine_prefix.sh DIR [DPI]          or, sourced:   use_wine_prefix DIR [DPI]
# Sourced, it exports WINEPREFIX and the rest for the commands that follow.

use_wine_prefix() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
  [ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  if [ -n "${2:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
  fi
}

# Run, it leaves no Wine session behind: one started without a display would be joined by
# the next program, whose windows then could not be made.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  use_wine_prefix "$@"
  wineserver -k 2>/dev/null || true
fi
