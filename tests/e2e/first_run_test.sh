#!/usr/bin/env bash
# A new user's first run of the real program, stopped with SIGTERM:
#
#   first_run_test.sh <tonalyx>            a build: run copies of it
#   first_run_test.sh <tonalyx> --in-place an installed program: run it as it is
#
# Each run has a private HOME, no JACK server (a server name nobody uses) and,
# on this machine, no ALSA sequencer. It must print nothing at all, exit 0 and
# store the settings, with the controller window tall enough for its eight
# rows. A copy in a read-only folder (and an installed program) keeps them in
# ~/.config/tonalyx/tonalyx.ini; a copy in a writable folder of its own beside
# itself. With Xvfb installed, the read-only copy also runs on a real X server.
#
# Exit status: 0 passed, 1 failed.
set -euo pipefail
# shellcheck source=SCRIPTDIR/stop_program.sh
source "$(dirname "$0")/stop_program.sh"

program=$(realpath "$1")
mode=${2:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/tonalyx-first-run.XXXXXX")
xvfb_pid=
cleanup() {
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

failed=0
run_failed=0
fail() {
  echo "FAIL ($run): $*" >&2
  failed=1
  run_failed=1
}

# The offscreen platform's own notice that it cannot pass size limits to a
# window system; no real platform prints it.
offscreen_notice='This plugin does not support propagateSizeHints()'

# first_run <name> <executable> <expected settings file> [env...]
first_run() {
  run=$1
  run_failed=0
  local executable=$2 expected=$3
  shift 3
  local home="$work/$run/home" runtime="$work/$run/runtime"
  mkdir -p "$home" "$runtime"
  chmod 700 "$runtime"
  expected=${expected//@HOME@/$home}
  run_until_stopped "$work/$run/output" env -u XDG_CONFIG_HOME HOME="$home" \
    XDG_RUNTIME_DIR="$runtime" JACK_DEFAULT_SERVER="tonalyx-none-$$-$RANDOM" "$@" "$executable"
  [[ $stopped_status -eq 0 ]] || fail "exited with $stopped_status"
  local printed
  printed=$(grep -vxF "$offscreen_notice" "$work/$run/output" || true)
  [[ -z $printed ]] || fail "printed on the terminal: $printed"
  if [[ ! -f $expected ]]; then
    fail "no settings stored in $expected"
    return
  fi
  local settings
  settings=$(tr -d '\r' <"$expected")
  grep -qxF "[window]" <<<"$settings" || fail "settings lack [window]"
  grep -A1 -xF "[Window7]" <<<"$settings" | grep -qxF "Height=423" ||
    fail "the controller window's first height is not 423"
  ((run_failed)) || echo "ok ($run): quiet, exit 0, settings in $expected"
}

if [[ $mode == --in-place ]]; then
  first_run installed "$program" "@HOME@/.config/tonalyx/tonalyx.ini" QT_QPA_PLATFORM=offscreen
  [[ ! -e ${program%/*}/tonalyx.ini ]] || fail "settings stored beside $program"
  exit "$failed"
fi

# A read-only folder, as an install folder is to a user.
mkdir -p "$work/read-only"
cp "$program" "$work/read-only/tonalyx"
chmod 555 "$work/read-only"
first_run read-only "$work/read-only/tonalyx" "@HOME@/.config/tonalyx/tonalyx.ini" \
  QT_QPA_PLATFORM=offscreen
[[ ! -e $work/read-only/tonalyx.ini ]] || fail "settings stored in the read-only folder"

# A portable copy in a writable folder of its own.
mkdir -p "$work/portable"
cp "$program" "$work/portable/tonalyx"
first_run portable "$work/portable/tonalyx" "$work/portable/tonalyx.ini" QT_QPA_PLATFORM=offscreen
[[ ! -e $work/portable/home/.config/tonalyx ]] || fail "a portable copy used ~/.config"

if command -v Xvfb >/dev/null; then
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -nolisten tcp -screen 0 1280x1024x24 >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  display=
  read -r -t 20 -u "$display_fd" display || true
  if [[ -n $display ]]; then
    first_run x11 "$work/read-only/tonalyx" "@HOME@/.config/tonalyx/tonalyx.ini" \
      QT_QPA_PLATFORM=xcb DISPLAY=":$display"
  else
    run=x11 fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  fi
fi
exit "$failed"
