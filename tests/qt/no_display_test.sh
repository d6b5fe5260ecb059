#!/bin/sh
# The program started where there is no display, as over SSH: one French sentence, and
# status 1 rather than Qt's abort and core dump.
#   no_display_test.sh PROGRAM
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
expected="Morvane 101 ne peut pas démarrer : aucun écran n'est disponible pour ses fenêtres. Lancez-le depuis une session graphique."
if [ "$status" -eq 1 ] && [ "$output" = "$expected" ]; then
  echo "1 passed, 0 failed"
  exit 0
fi
echo "FAIL: status $status, and it said: $output"
exit 1
