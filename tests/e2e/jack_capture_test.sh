#!/usr/bin/env bash
# End-to-end MIDI test on a private JACK server.
#
#   jack_capture_test.sh <expected.hex> <command> [args...]
#
# Starts a JACK server with the dummy driver under a name of its own (so that
# parallel runs never meet), starts jack_midi_dump as the capture client, runs
# <command> with every argument "@PORT@" replaced by the capture port's name
# (also exported as TONALYX_E2E_PORT; the capture client's process id is
# TONALYX_E2E_CAPTURE_PID and the server's TONALYX_E2E_JACKD_PID, for a
# command that ends them; it may run for TONALYX_E2E_TIMEOUT seconds, 30
# unless set), and then compares the bytes captured
# with <expected.hex>: one message per line, bytes in hexadecimal, '#' starts a
# comment. Every process started here is stopped and waited for on exit.
#
# Exit status: 0 the bytes match, 1 they do not or a step failed, 77 skipped
# (a tool is missing, or an ALSA sequencer exists, which the program would
# use instead of JACK).
set -euo pipefail

if [[ $# -lt 2 ]]; then
  echo "usage: $0 <expected.hex> <command> [args...]" >&2
  exit 2
fi
expected_file=$1
shift

for tool in jackd jack_wait jack_lsp jack_midi_dump timeout; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed" >&2
    exit 77
  fi
done
if [[ -r /dev/snd/seq && -w /dev/snd/seq ]]; then
  echo "SKIP: /dev/snd/seq exists, so MIDI goes through ALSA rather than JACK" >&2
  exit 77
fi

# shellcheck source=SCRIPTDIR/private_shm.sh
source "$(dirname "$0")/private_shm.sh"
reexec_with_private_shm "$0" "$expected_file" "$@"

server="tonalyx-e2e-$$-$RANDOM"
export JACK_DEFAULT_SERVER=$server
capture_client=capture
port="$capture_client:input"
export TONALYX_E2E_PORT=$port
work=$(mktemp -d "${TMPDIR:-/tmp}/tonalyx-e2e.XXXXXX")

jackd_pid=
dump_pid=

# Stops one process politely, then forcibly, and reaps it.
stop() {
  local pid=$1 signal=$2
  [[ -n $pid ]] || return 0
  kill "-$signal" "$pid" 2>/dev/null || true
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

cleanup() {
  local status=$?
  # The capture client first: it leaves the graph on SIGINT (its own handler),
  # so the server need not wait for a dead client when it shuts down.
  stop "$dump_pid" INT
  stop "$jackd_pid" TERM
  if [[ $status -ne 0 && $status -ne 77 ]]; then
    for log in "$work"/*.log; do
      echo "----- $(basename "$log")" >&2
      cat "$log" >&2
    done
  fi
  rm -rf "$work"
  # Semaphores a client could not remove when the server went first.
  rm -f /dev/shm/jack_sem.*_"$server"_* 2>/dev/null || true
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Synchronous mode: each cycle waits for every client, so a client the busy
# machine starts late misses no events (in the default asynchronous mode that
# is an xrun, and the capture client drops what arrived in it). Periods of 512
# frames at 48 kHz (11 ms).
jackd --no-realtime --sync -n "$server" -d dummy -r 48000 -p 512 >"$work/jackd.log" 2>&1 &
jackd_pid=$!
export TONALYX_E2E_JACKD_PID=$jackd_pid
timeout 10 jack_wait -w -t 5 >"$work/jack_wait.log" 2>&1 || fail "the JACK server did not start"

jack_midi_dump "$capture_client" >"$work/capture.txt" 2>"$work/capture.log" &
dump_pid=$!
# A command may end the capture client to see the device vanish.
export TONALYX_E2E_CAPTURE_PID=$dump_pid
for _ in $(seq 100); do
  jack_lsp 2>/dev/null | grep -qxF "$port" && break
  kill -0 "$dump_pid" 2>/dev/null || fail "jack_midi_dump ended early"
  sleep 0.05
done
jack_lsp 2>/dev/null | grep -qxF "$port" || fail "the capture port $port did not appear"

args=()
for arg in "$@"; do
  [[ $arg == "@PORT@" ]] && arg=$port
  args+=("$arg")
done
timeout "${TONALYX_E2E_TIMEOUT:-30}" "${args[@]}" >"$work/command.log" 2>&1 ||
  fail "the command failed: ${args[*]}"

# Messages as bytes only: "   0: b9 78 00 control change ..." -> "b9 78 00".
normalise_capture() {
  awk '{ line = ""
         for (i = 2; i <= NF && $i ~ /^[0-9a-f][0-9a-f]$/; ++i) line = line (line == "" ? "" : " ") $i
         if (line != "") print line }' "$1"
}
normalise_expected() {
  sed -e 's/#.*//' "$1" | tr 'A-F' 'a-f' | awk 'NF { $1 = $1; print }'
}

normalise_expected "$expected_file" >"$work/expected"
want=$(wc -l <"$work/expected")
# The capture client prints each JACK period's messages soon after it; wait
# until as many lines as expected arrived, and a little longer for extras.
for _ in $(seq 100); do
  [[ $(normalise_capture "$work/capture.txt" | wc -l) -ge $want ]] && break
  sleep 0.05
done
sleep 0.1
normalise_capture "$work/capture.txt" >"$work/actual"

if ! diff -u "$work/expected" "$work/actual" >"$work/diff.log"; then
  echo "FAIL: captured MIDI bytes differ from $expected_file (- expected, + captured):" >&2
  cat "$work/diff.log" >&2
  exit 1
fi
grep -E '^(PASS:|  )' "$work/command.log" || true
echo "PASS: $want messages captured as expected from: ${args[*]}"
