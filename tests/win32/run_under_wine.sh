#!/usr/bin/env bash
# Runs a Windows program under Wine on a private X server, in the prefix that WINEPREFIX
# names, with the screen at DPI dots per inch and no window manager: Wine then must not
# wait on one at each window hidden. The runs that share a prefix take turns (CTest's
# resource lock), as its settings are the prefix's.
#   run_under_wine.sh DPI PROGRAM.exe [ARGUMENTS...]
set -euo pipefail

dpi=$1
shift
source "$(dirname "$0")/../xvfb.sh"
source "$(dirname "$0")/wine_prefix.sh"
start_xvfb 1600x1200
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
use_wine_prefix "$WINEPREFIX" "$dpi"
wine "$@"
