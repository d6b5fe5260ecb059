# Sourced by the test runners: a private X server, and its end.
#   start_xvfb [WIDTHxHEIGHT]
#                starts one (1024x768 unless told) on a free display and exports DISPLAY
#   stop_xvfb    stops it and waits until it is gone: a server still ending can take the
#                socket of the next one that gets its display number

start_xvfb() {
  exec {xvfb_display_fd}< <(exec Xvfb -displayfd 1 -screen 0 "${1:-1024x768}x24" -nolisten tcp 2>/dev/null)
  xvfb_pid=$!
  local display_number
  read -r -u "$xvfb_display_fd" display_number
  export DISPLAY=":$display_number"
}

stop_xvfb() {
  kill "$xvfb_pid" 2>/dev/null || return 0
  while kill -0 "$xvfb_pid" 2>/dev/null; do sleep 0.05; done
}
