#!/usr/bin/env bash
# Runs the real program on one MIDI output device and stops it with SIGTERM:
#
#   run_program.sh <tonalyx> <e2e driver> <device name> [--device-vanishes]
#
# The program is copied into a folder of its own with a settings file that
# names the device, started offscreen, and stopped once its port is connected.
# With --device-vanishes the capture client (TONALYX_E2E_CAPTURE_PID) is
# ended first, so the device disappears under the running program. Either way
# the program must exit normally and store its settings, keeping the device.
set -euo pipefail

program=$1 driver=$2 device=$3 vanish=${4:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/tonalyx-program.XXXXXX")
pid=
cleanup() {
  if [[ -n $pid ]]; then
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

id=$("$driver" list | awk -F '\t' -v name="$device" '$2 == name { print $1; exit }')
[[ -n $id ]] || { echo "no device named $device" >&2; exit 1; }

cp "$program" "$work/tonalyx"
printf '[Dev]\nDev_num=%s\ndrum=%s\n' "$id" "$device" >"$work/tonalyx.ini"

QT_QPA_PLATFORM=offscreen "$work/tonalyx" >"$work/program.log" 2>&1 &
pid=$!

# Connected once jack_lsp lists a port under the device's entry.
connected() { jack_lsp -c 2>/dev/null | grep -A1 -xF "$device" | tail -n +2 | grep -q '^ '; }
for _ in $(seq 200); do
  connected && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/program.log" >&2; echo "the program ended early" >&2; exit 1; }
  sleep 0.05
done
connected || { echo "the program did not connect to $device" >&2; exit 1; }

if [[ $vanish == --device-vanishes ]]; then
  kill -INT "$TONALYX_E2E_CAPTURE_PID"
  for _ in $(seq 100); do
    jack_lsp 2>/dev/null | grep -qxF "$device" || break
    sleep 0.05
  done
  ! jack_lsp 2>/dev/null | grep -qxF "$device" || { echo "$device did not vanish" >&2; exit 1; }
  kill -0 "$pid" 2>/dev/null || { cat "$work/program.log" >&2; echo "the program died with its device" >&2; exit 1; }
fi

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[[ $status -eq 0 ]] || { cat "$work/program.log" >&2; echo "the program exited with $status" >&2; exit 1; }

settings=$(tr -d '\r' <"$work/tonalyx.ini")
for line in "dev_num=$id" "drum=$device" "type=0"; do
  grep -qixF "$line" <<<"$settings" || { echo "settings lack '$line':" >&2; echo "$settings" >&2; exit 1; }
done
grep -qxF "[window]" <<<"$settings" || { echo "settings lack [window]" >&2; exit 1; }
