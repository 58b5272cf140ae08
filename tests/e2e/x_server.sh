# shellcheck shell=bash
# Sourced by the end-to-end scripts that need a real X11 display.
#
# start_x_server starts a private Xvfb on a display number the server picks
# itself (so parallel runs never collide) and exports DISPLAY; stop_x_server
# stops it again. X_SERVER_PID is the server's process id.
X_SERVER_PID=

start_x_server() {
  local work=$1
  mkfifo "$work/display"
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  X_SERVER_PID=$!
  local number
  read -r -t 10 number <"$work/display" || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$number"
}

stop_x_server() {
  [[ -n $X_SERVER_PID ]] || return 0
  kill -TERM "$X_SERVER_PID" 2>/dev/null || true
  wait "$X_SERVER_PID" 2>/dev/null || true
  X_SERVER_PID=
}
