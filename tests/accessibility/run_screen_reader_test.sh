#!/usr/bin/env bash
# Starts the program on a private X display with a private D-Bus session and its
# accessibility bus, then runs the screen reader client against it.
#   run_screen_reader_test.sh PROGRAM CLIENT
set -euo pipefail
program=$1
client=$2

export XDG_RUNTIME_DIR=$(mktemp -d)
source "$(dirname "$0")/../xvfb.sh"
start_xvfb
trap 'stop_xvfb; rm -rf "$XDG_RUNTIME_DIR"' EXIT

dbus-run-session -- bash -euo pipefail -c '
  # Asked for its address, the session starts the accessibility bus and answers once it runs.
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" 2>/dev/null &
  app=$!
  status=0
  "$2" || status=$?
  kill "$app" 2>/dev/null || true
  exit $status
' run "$program" "$client"
