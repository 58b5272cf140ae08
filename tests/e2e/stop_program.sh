# shellcheck shell=bash
# Sourced by the scripts that start the real program and stop it as a desktop
# session does.
#
#   run_until_stopped <log> <program> [args...]
#
# Starts the program in the background with stdout and stderr in <log>, waits
# until it has installed its SIGTERM handler (from then on a stop request is an
# orderly close, however far the start has come) and a moment longer for the
# start to finish, sends SIGTERM and waits for the exit. Sets
# `stopped_status` to the program's exit status, or to 124 (and kills it)
# when it does not end within 30 s. The program's environment is the caller's.
run_until_stopped() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 &
  local pid=$!
  local handled=0
  for _ in $(seq 200); do
    local caught
    caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null) || break
    [[ -n $caught ]] || break
    if (((0x$caught >> 14) & 1)); then  # bit 14 is SIGTERM (15)
      handled=1
      break
    fi
    sleep 0.05
  done
  if ((handled)); then
    sleep 1
  fi
  kill -TERM "$pid" 2>/dev/null || true
  stopped_status=124
  for _ in $(seq 300); do
    if ! kill -0 "$pid" 2>/dev/null; then
      stopped_status=0
      wait "$pid" || stopped_status=$?
      return 0
    fi
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
