#!/usr/bin/env bash
# Runs a Windows program under Wine on a private X server, in the prefix that WINEPREFIX
# names, with no window manager: Wine then must not wait on one at each window hidden.
#   run_under_wine.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail

exec {display_fd}< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
read -r -u "$display_fd" display_number
export DISPLAY=":$display_number"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine "$@"
