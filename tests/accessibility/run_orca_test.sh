#!/usr/bin/env bash
# Runs a session under the real screen reader Orca, headless: Xvfb, a private D-Bus
# session, the AT-SPI bus, a window manager, and speech-dispatcher speaking French through
# espeak-ng into a null sound device. A private HOME keeps every setting out of the user's.
#   run_orca_test.sh PROGRAM_OR_SITE SCENARIO [SCENARIO_ARGUMENTS...]
set -euo pipefail
program=$1
scenario=$2
shift 2

scratch=$(mktemp -d)
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export LANG=fr_FR.UTF-8 LANGUAGE=fr LC_ALL=fr_FR.UTF-8
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# There is no sound server: speech goes to ALSA's null device, or speech-dispatcher hangs.
printf 'pcm.!default { type null }\nctl.!default { type null }\n' >"$HOME/.asoundrc"
{
  cat /etc/speech-dispatcher/speechd.conf
  printf 'AudioOutputMethod "alsa"\nDefaultModule espeak-ng\nDefaultLanguage "fr"\n'
} >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"

source "$(dirname "$0")/../xvfb.sh"
start_xvfb

status=0
dbus-run-session -- /usr/bin/python3 "$scenario" "$program" "$scratch" "$@" 2>"$scratch/session.log" ||
  status=$?

# Whatever the session left behind (speech-dispatcher outlives its clients a while).
for pid_file in "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid; do
  [ -e "$pid_file" ] && kill -KILL "$(cat "$pid_file")" 2>/dev/null || true
done
stop_xvfb
if [ "$status" -ne 0 ]; then
  echo "== The session's errors"
  cat "$scratch/session.log"
  echo "== The program's output"
  cat "$scratch/program.log" || true
  echo "== Orca's speech, in full"
  grep -a "SPEECH OUTPUT" "$scratch/orca.out" || true
fi
[ -n "${KEEP_SCRATCH:-}" ] || rm -rf "$scratch"
exit "$status"
