# shellcheck shell=bash
# Sourced by the end-to-end scripts.
#
# JACK keeps its sockets, semaphores, shared memory and metadata in /dev/shm and
# names a client's socket after the client alone, so two servers that each
# have a client of the same name (a capture client, or Tonalyx itself) disturb
# each other, and every client leaves files behind. Where the system allows it,
# reexec_with_private_shm runs the calling script again in a mount namespace of
# its own with an empty private /dev/shm, which vanishes with the last process
# in it. Elsewhere it returns and the script runs as it is.
reexec_with_private_shm() {
  local script=$1
  shift
  [[ -z ${TONALYX_E2E_ISOLATED:-} ]] || return 0
  export TONALYX_E2E_ISOLATED=1
  local flags
  for flags in "--mount" "--user --map-root-user --mount"; do
    # shellcheck disable=SC2086
    if unshare $flags sh -c 'mount -t tmpfs tmpfs /dev/shm' 2>/dev/null; then
      # shellcheck disable=SC2086,SC2016
      exec unshare $flags bash -c 'mount -t tmpfs -o mode=1777 tmpfs /dev/shm && exec bash "$0" "$@"' \
        "$script" "$@"
    fi
  done
  echo "note: no private /dev/shm here; parallel runs may disturb each other" >&2
}
