#!/usr/bin/env bash
# Takes the pictures of the Windows edition under Wine for the README, at 96 and 144 dots
# per inch: the splash, and the main window after a few keys (Tab, Space, Tab x4, Space)
# have chosen a pairing.
#   take_screenshots.sh PROGRAM.exe OUTPUT_DIR
# writes OUTPUT_DIR/windows-{splash,main-window}-{96,144}dpi.png. Needs xdotool and
# ImageMagick; the Wine prefix is a new one of its own.
set -euo pipefail

program=$1
out=$2
source "$(dirname "$0")/../xvfb.sh"
source "$(dirname "$0")/wine_prefix.sh"
start_xvfb 1600x1200
prefix=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; stop_xvfb; rm -rf "$prefix"' EXIT

# The visible window of the program, once it is there.
shown() { xdotool search --sync --onlyvisible --name '^Morvane 101$' | head -1; }

for dpi in 96 144; do
  use_wine_prefix "$prefix" "$dpi"
  wine "$program" &
  splash=$(shown)
  sleep 0.5  # painted
  import -window "$splash" "$out/windows-splash-${dpi}dpi.png"
  while [ "$(shown)" = "$splash" ]; do sleep 0.1; done
  main=$(shown)
  xdotool key --delay 150 Tab space Tab Tab Tab Tab space
  sleep 0.5
  import -window "$main" "$out/windows-main-window-${dpi}dpi.png"
  wineserver -k
done
