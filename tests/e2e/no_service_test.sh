#!/usr/bin/env bash
# The real MIDI backend on a machine without any MIDI service (no ALSA
# sequencer, no JACK server): it lists no device, finds none to open, and the
# program runs on.
#
#   no_service_test.sh <driver>
#
# Exit status: 0 passed, 1 failed, 77 skipped (an ALSA sequencer exists here).
set -euo pipefail
driver=$1

if [[ -e /dev/snd/seq ]]; then
  echo "SKIP: /dev/snd/seq exists" >&2
  exit 77
fi
# shellcheck source=SCRIPTDIR/private_shm.sh
source "$(dirname "$0")/private_shm.sh"
reexec_with_private_shm "$0" "$@"

# A server name nobody uses keeps a JACK server of this machine out of it.
export JACK_DEFAULT_SERVER="tonalyx-none-$$-$RANDOM"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

api=$("$driver" api 2>/dev/null) || fail "driver api ended with $?"
[[ $api == none ]] || fail "the backend chose API '$api' without any MIDI service"
devices=$("$driver" list 2>/dev/null) || fail "driver list ended with $?"
[[ -z $devices ]] || fail "devices listed without any MIDI service: $devices"
status=0
"$driver" resets "capture:input" 2>/dev/null || status=$?
[[ $status -eq 3 ]] || fail "opening a device that does not exist ended with $status, not 3"
echo "PASS: no API, no devices, nothing to open"
