# shellcheck shell=bash
# Sourced by the end-to-end scripts that drive the real program under a real
# X11 server, as a user does.
#
#   begin_x_test <name> [tool...]  skips (status 77) unless Xvfb, xdotool and
#                              the tools are there; makes the work folder WORK,
#                              starts a private Xvfb on a display number it
#                              picks itself (parallel runs never collide,
#                              DISPLAY exported), and stops everything on exit:
#                              the program, the processes in STOP_PIDS, Xvfb
#   fail <message>             reports what failed (FAIL_CONTEXT says where)
#                              with every log of WORK, and exits 1
#   start_program <program>    runs it (PROGRAM_PID), output to <program>.log
#   window <title>             the id of the visible window with that exact
#                              title, once it is shown (within 10 s)
#   click <window> <x> <y>     a left click at a point of a window
#   menu_item <window> <n>     item n of the first menu of a window's menu bar
#   end_program <how> <window> closes the window by its close box (how=close,
#                              through the close-request helper in
#                              CLOSE_REQUEST), sends SIGTERM/SIGINT (TERM,
#                              INT) or ends the Windows session of a program
#                              under Wine (session); waits up to 10 s for the
#                              program to end, fails unless it ends with
#                              status 0 (or, after the session, at all);
#                              END_MS says how long it took
#   now_ms                     the clock in milliseconds
X_SERVER_PID=
PROGRAM_PID=

STOP_PIDS=()
FAIL_CONTEXT=
WORK=

begin_x_test() {
  local name=$1 tool number
  shift
  for tool in Xvfb xdotool "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
  done
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/tonalyx-$name.XXXXXX")
  trap end_x_test EXIT
  mkfifo "$WORK/display"
  # No reset when the last client leaves: a program started just then would
  # find no server to connect to.
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$WORK/display" \
    >"$WORK/xvfb.log" 2>&1 &
  X_SERVER_PID=$!
  read -r -t 10 number <"$WORK/display" || fail "Xvfb did not start"
  export DISPLAY=":$number"
}

end_x_test() {
  local pid
  kill_program
  for pid in "${STOP_PIDS[@]}"; do
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  # Politely, so that it removes its lock file and socket.
  if [[ -n $X_SERVER_PID ]]; then
    kill -TERM "$X_SERVER_PID" 2>/dev/null || true
    wait "$X_SERVER_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}

fail() {
  local log
  echo "FAIL${FAIL_CONTEXT:+ ($FAIL_CONTEXT)}: $*" >&2
  if [[ -n $X_SERVER_PID ]]; then
    local socket="/tmp/.X11-unix/X${DISPLAY#:}"
    kill -0 "$X_SERVER_PID" 2>/dev/null || echo "(Xvfb $X_SERVER_PID has ended)" >&2
    [[ -S $socket ]] || echo "(the X server socket $socket is gone)" >&2
  fi
  while IFS= read -r log; do
    echo "----- ${log#"$WORK"/}" >&2
    cat "$log" >&2
  done < <(find "$WORK" -name '*.log' 2>/dev/null)
  exit 1
}

start_program() {
  QT_QPA_PLATFORM=xcb "$1" >"$1.log" 2>&1 &
  PROGRAM_PID=$!
}

kill_program() {
  [[ -n $PROGRAM_PID ]] || return 0
  kill -KILL "$PROGRAM_PID" 2>/dev/null || true
  wait "$PROGRAM_PID" 2>/dev/null || true
  PROGRAM_PID=
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

window() {
  local title=$1 found
  for _ in $(seq 200); do
    found=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) || true
    [[ -n $found ]] && { echo "$found"; return 0; }
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended while waiting for \"$title\""
    sleep 0.05
  done
  fail "no window \"$title\" appeared within 10 s"
}

# Raises the window first, as a click on an overlapped window would. (No
# --sync: xdotool waits forever when the pointer is already there.)
click() {
  local win=$1 x=$2 y=$3 X Y WIDTH HEIGHT SCREEN WINDOW
  xdotool windowraise "$win"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + x)) $((Y + y)) sleep 0.05 click 1
  sleep 0.2
}

# A click opens the menu, the arrow keys move to the item, Return picks it.
menu_item() {
  local win=$1 n=$2
  click "$win" 15 8
  # shellcheck disable=SC2046
  xdotool key --delay 30 $(printf 'Down %.0s' $(seq "$n")) Return
  sleep 0.2
}

end_program() {
  local how=$1 win=$2 start status=0
  start=$(now_ms)
  case $how in
    close) "$CLOSE_REQUEST" "$win" ;;
    TERM | INT) kill "-$how" "$PROGRAM_PID" ;;
    session) wine wineboot --end-session >"$WORK/wineboot.log" 2>&1 || true ;;
    *) fail "unknown way to end the program: $how" ;;
  esac
  for _ in $(seq 200); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program still runs 10 s after $how"
  wait "$PROGRAM_PID" || status=$?
  PROGRAM_PID=
  END_MS=$(($(now_ms) - start))
  # Windows ends a program's process once it has seen the session end.
  [[ $status -eq 0 || $how == session ]] || fail "the program exited with status $status after $how"
}
