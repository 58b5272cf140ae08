#!/usr/bin/env bash
# The real program started on hostile settings files, one after another: a
# folder, a pipe, a dangling link, a link to a foreign file, 10 MB of random
# bytes, NUL bytes, UTF-16 with a byte order mark, CRLF line ends, 100,000
# sections, a value of 10,000 digits, a section header without its bracket.
# In every case the main window must appear, the close box must end the
# program normally, and a file it could not parse or write must be left byte
# for byte as it was.
#
#   hostile_settings_test.sh <tonalyx> <close request>
#
# Run by jack_capture_test.sh, whose capture port is the only MIDI device, so
# each run opens it and sends its All Sound Off at the close. Exit status: 0
# passed, 1 failed, 77 skipped (no Xvfb or xdotool).
set -euo pipefail

program=$1
export CLOSE_REQUEST=$2
# shellcheck source=SCRIPTDIR/x_program.sh
source "$(dirname "$0")/x_program.sh"
begin_x_test hostile iconv cmp

# Makes a fresh folder with the program; the case then puts its settings
# path in place.
new_case() {
  FAIL_CONTEXT=$1
  dir=$WORK/$1
  mkdir "$dir"
  cp "$program" "$dir/tonalyx"
  ini=$dir/tonalyx.ini
}

# Starts the program, waits for its main window, closes it, and reports.
run_program() {
  local start main
  start=$(now_ms)
  start_program "$dir/tonalyx"
  main=$(window "Tonalyx Main")
  local shown_ms=$(($(now_ms) - start))
  GEOMETRY=$(xdotool getwindowgeometry "$main" | awk '/Geometry:/ { print $2 }')
  end_program close "$main"
  echo "  $FAIL_CONTEXT: main window after $shown_ms ms, closed in $END_MS ms"
}

# The file must still be exactly what `copy` holds.
unchanged() {
  cmp -s "$1" "$2" || fail "$1 changed"
}
settings_written() {
  grep -qxF "[window]" <(tr -d '\r' <"$1") || fail "$1 holds no [window] section after the close"
}

new_case folder
mkdir "$ini"
echo keep >"$ini/inside"
run_program
[[ -d $ini && $(cat "$ini/inside") == keep && $(ls -A "$ini") == inside ]] || fail "the folder changed"

new_case pipe
mkfifo "$ini"
run_program
[[ -p $ini ]] || fail "the pipe is gone"

new_case dangling-link
mkdir "$dir/config"
ln -s config/settings.ini "$ini"
run_program
[[ -L $ini && $(readlink "$ini") == config/settings.ini ]] || fail "the link was replaced"
settings_written "$dir/config/settings.ini"

new_case link-to-foreign-file
cp /etc/passwd "$dir/passwd"
cp /etc/passwd "$dir/passwd.copy"
ln -s passwd "$ini"
run_program
[[ -L $ini ]] || fail "the link was replaced"
unchanged "$dir/passwd" "$dir/passwd.copy"

new_case random-10MB
head -c 10485760 /dev/urandom >"$ini"
cp "$ini" "$dir/copy"
run_program
unchanged "$ini" "$dir/copy"

new_case nul-bytes
head -c 4096 /dev/zero >"$ini"
cp "$ini" "$dir/copy"
run_program
unchanged "$ini" "$dir/copy"

new_case nul-bytes-in-a-section
printf '[Mine]\nk=v\0al\n[window]\nheight=300\n' >"$ini"
run_program
[[ $(tr '\0' '@' <"$ini" | grep -c '^k=v@al$') -eq 1 ]] || fail "the line with a NUL byte was lost"
settings_written "$ini"

new_case utf-16
printf '[window]\r\nHeight=300\r\n[dev]\r\ntype=1\r\n' | iconv -f UTF-8 -t UTF-16 >"$ini"
[[ $(head -c 2 "$ini" | od -An -tx1 | tr -d ' ') == fffe ]] || fail "iconv wrote no byte order mark"
cp "$ini" "$dir/copy"
run_program
unchanged "$ini" "$dir/copy"

new_case crlf
printf '[window]\r\nheight=300\r\nwidth=400\r\n[Mine]\r\nkeep=this\r\n' >"$ini"
run_program
[[ $GEOMETRY == 400x300 ]] || fail "the main window is $GEOMETRY, not the 400x300 of the file"
grep -qxF "keep=this" "$ini" || fail "the section of the user was lost"
grep -qxF "Height=300" "$ini" || fail "the height was not stored"

new_case 100000-sections
seq 100000 | awk '{ printf "[s%d]\n", $1 }' >"$ini"
run_program
[[ $(grep -c '^\[s[0-9]*\]$' "$ini") -eq 100000 ]] || fail "sections were lost"
settings_written "$ini"

new_case 10000-digits
{ printf '[window]\nheight='; head -c 10000 /dev/zero | tr '\0' 9; printf '\n'; } >"$ini"
run_program
[[ $GEOMETRY == *x127 ]] || fail "the main window is $GEOMETRY, not of the default height 127"
grep -qxF "Height=127" "$ini" || fail "the height was not stored"

new_case header-without-bracket
printf '[window\nheight=300\n' >"$ini"
cp "$ini" "$dir/copy"
run_program
unchanged "$ini" "$dir/copy"

echo "PASS: 12 hostile settings files, each started, shown and closed normally"
