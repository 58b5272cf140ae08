#!/usr/bin/env bash
# Ardour's own MIDNAM reader, started headless through its Lua session tool,
# loads every MIDNAM file the build wrote from a user's patchfiles folder
# without an error:
#
#   ardour_loads_midnam_test.sh ARDOUR_LUA FILES_FOLDER
#
# Ardour reads the folder on a thread of its own and says nothing of a file it
# accepts, so the script waits a few seconds, and a cut-off copy of one file
# lies beside them: its error shows that the folder was read.
# (Debian's Ardour 7 offers its Lua scripts no way to ask for a patch name,
# so the names themselves are checked by check_definition_files.py.)
set -euo pipefail
ardour_lua=$1 files=$2
home=$(mktemp -d "${TMPDIR:-/tmp}/tonalyx-ardour.XXXXXX")
trap 'rm -rf "$home"' EXIT
patches=$home/.config/ardour7/patchfiles
mkdir -p "$patches"
cp "$files"/midnam/*.midnam "$patches"/
count=$(find "$patches" -name '*.midnam' | wc -l)
head -c 3000 "$patches/Tonalyx-XG.midnam" >"$patches/Cut.midnam"
echo 'ARDOUR.LuaAPI.usleep(5000000) print("started")' >"$home/start.lua"

output=$(HOME=$home XDG_CONFIG_HOME=$home/.config timeout 120 "$ardour_lua" "$home/start.lua" 2>&1)
grep -q '^started$' <<<"$output" || { echo "$output"; echo "FAIL: Ardour did not run" >&2; exit 1; }
grep -q "Error parsing MIDI patch file .*/Cut.midnam" <<<"$output" ||
  { echo "$output"; echo "FAIL: Ardour did not read its patchfiles folder" >&2; exit 1; }
if grep -i -E 'error|warning' <<<"$output" | grep -v 'Cut.midnam'; then
  echo "FAIL: Ardour reported the above" >&2
  exit 1
fi
echo "Ardour read its patchfiles folder and loaded $count MIDNAM files without an error"
