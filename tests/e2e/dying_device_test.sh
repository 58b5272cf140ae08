#!/usr/bin/env bash
# The real program under a real X11 server loses its device while a program
# button is held down:
#
#   dying_device_test.sh <tonalyx> <close request> capture-client <driver> <device>
#   dying_device_test.sh <tonalyx> <close request> jack-server <driver> <device>
#   dying_device_test.sh <tonalyx> <close request> pulse-server
#
# capture-client and jack-server run under jack_capture_test.sh, whose capture
# client (TONALYX_E2E_CAPTURE_PID) or JACK server (TONALYX_E2E_JACKD_PID) is
# stopped during the hold. pulse-server starts a PulseAudio server of its own
# with a null sink in a private folder, plays the built-in synth into it, and
# stops the server during the hold. Afterwards the program must still run,
# take the mouse-up and further presses, open a window from its menu, and end
# normally at the close box with its settings stored.
#
# Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing).
set -euo pipefail

program=$1 fault=$3
export CLOSE_REQUEST=$2
tools=()
[[ $fault == pulse-server ]] && tools=(pulseaudio pactl)
# shellcheck source=SCRIPTDIR/x_program.sh
source "$(dirname "$0")/x_program.sh"
begin_x_test dying "${tools[@]}"
FAIL_CONTEXT=$fault

# Stops a process that this script did not start and waits until it is gone.
stop_foreign() {
  local pid=$1 signal=$2
  kill "-$signal" "$pid"
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.05
  done
  fail "process $pid did not end on SIG$signal"
}

# A PulseAudio server for this test alone: its socket, state and client
# settings in the work folder (no autospawn, no session bus), so nothing
# meets a user's own sound server.
start_pulse() {
  mkdir -m 700 "$WORK/pulse"
  printf 'autospawn = no\n' >"$WORK/pulse/client.conf"
  export PULSE_RUNTIME_PATH=$WORK/pulse PULSE_STATE_PATH=$WORK/pulse
  export PULSE_CLIENTCONFIG=$WORK/pulse/client.conf PULSE_SERVER=unix:$WORK/pulse/native
  env -u DISPLAY HOME="$WORK/pulse" DBUS_SESSION_BUS_ADDRESS=disabled: \
    pulseaudio -n --daemonize=no --disallow-exit --exit-idle-time=-1 --use-pid-file=no \
    --disable-shm=yes --log-target=stderr \
    --load="module-null-sink sink_name=tonalyx_test" \
    --load="module-native-protocol-unix socket=$WORK/pulse/native auth-anonymous=1" \
    >"$WORK/pulseaudio.log" 2>&1 &
  pulse_pid=$!
  STOP_PIDS+=("$pulse_pid")
  for _ in $(seq 100); do
    [[ -S $WORK/pulse/native ]] && return 0
    kill -0 "$pulse_pid" 2>/dev/null || fail "pulseaudio ended at start"
    sleep 0.05
  done
  fail "pulseaudio did not start"
}

cp "$program" "$WORK/tonalyx"
case $fault in
  capture-client | jack-server)
    driver=$4 device=$5
    id=$("$driver" list | awk -F '\t' -v name="$device" '$2 == name { print $1; exit }')
    [[ -n $id ]] || fail "no device named $device"
    ;;
  pulse-server)
    # No MIDI service at all: the built-in synth is the one device.
    export JACK_DEFAULT_SERVER="tonalyx-none-$$" JACK_NO_START_SERVER=1
    device="Tonalyx Built-in Synth" id=0
    start_pulse
    ;;
  *) fail "unknown fault $fault" ;;
esac
printf '[Dev]\nDev_num=%s\ndrum=%s\n' "$id" "$device" >"$WORK/tonalyx.ini"

start_program "$WORK/tonalyx"
main=$(window "Tonalyx Main")
click "$main" 50 40 # the tone button: GS Reset
program_window=$(window "Tonalyx Program Number")
if [[ $fault == pulse-server ]]; then
  # The synth's audio stream reaches the null sink.
  for _ in $(seq 100); do
    [[ -n $(pactl list short sink-inputs 2>/dev/null) ]] && break
    sleep 0.05
  done
  [[ -n $(pactl list short sink-inputs 2>/dev/null) ]] || fail "the synth plays nothing into PulseAudio"
fi

# Hold program button 20 (second column, fourth row) down.
xdotool windowraise "$program_window"
eval "$(xdotool getwindowgeometry --shell "$program_window")"
xdotool mousemove $((X + 264)) $((Y + 80)) sleep 0.05 mousedown 1
sleep 0.5

case $fault in
  capture-client) stop_foreign "$TONALYX_E2E_CAPTURE_PID" INT ;;
  jack-server) stop_foreign "$TONALYX_E2E_JACKD_PID" TERM ;;
  pulse-server)
    kill -KILL "$pulse_pid"
    wait "$pulse_pid" 2>/dev/null || true
    ;;
esac
sleep 0.3
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program died with its device"

# The mouse-up, another press, and a window from the menu: each must come
# through on an event loop that still runs.
start=$(now_ms)
xdotool mouseup 1
click "$program_window" 264 100
menu_item "$program_window" 4
window "情報" >/dev/null
respond_ms=$(($(now_ms) - start))

end_program close "$main"
settings=$(tr -d '\r' <"$WORK/tonalyx.ini")
for line in "[window]" "dev_num=$id" "drum=$device"; do
  grep -qixF "$line" <<<"$settings" || fail "the settings lack '$line'"
done
echo "PASS: $fault gone during a held note; release, press and menu answered within $respond_ms ms; closed in $END_MS ms"
