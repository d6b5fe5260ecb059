#!/usr/bin/env bash
# Runs a Windows program under Wine on a private X server, in the prefix that WINEPREFIX
# names, with no window manager: Wine then must not wait on one at each window hidden.
#   run_under_wine.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail

source "$(dirname "$0")/../xvfb.sh"
start_xvfb
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine "$@"
