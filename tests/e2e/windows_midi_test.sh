#!/usr/bin/env bash
# The real tonalyx.exe of the zip under Wine, with the capturing winmm.dll
# (CapturingWinmm.cpp) beside it, driven through its windows on a private X
# server. What it sends is compared, byte for byte, with the expected files of
# the JACK end-to-end tests (expected/*.hex), and a run with any breach of the
# multimedia API's rules fails:
# - first run and close (program.hex), and the end of the Windows session;
# - a GS press and release, a drum press, close (windows.hex);
# - module type XG, the controller window, close with a held note (xg.hex),
#   on a slow device, so that the two XG System On messages are on their way
#   at once;
# - a keyboard on the input, playing what the JACK keyboard test plays
#   (keyboard_thru.hex); then a 64 KB system exclusive message, the input
#   unplugged during a held note (which the program must end) and closed
#   while the program is inside its callback;
# - a device name outside the ANSI code page kept whole, and a name stored
#   by an older program in the ANSI code page (Shift-JIS) still found.
#
#   windows_midi_test.sh <zip> <capturing winmm.dll> <close request>
#
# Needs WINEPREFIX (scripts/test-windows makes a private one). Exit status:
# 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or wine).
set -euo pipefail

zip=$(realpath "$1") capturing_dll=$(realpath "$2")
export CLOSE_REQUEST=$3
expected=$(realpath "$(dirname "$0")/expected")
: "${WINEPREFIX:?a Wine prefix}"
# shellcheck source=SCRIPTDIR/x_program.sh
source "$(dirname "$0")/x_program.sh"
begin_x_test windows-midi wine wineserver
wineserver -k 2>/dev/null || true
wineserver -w
trap 'wineserver -k 2>/dev/null || true; end_x_test' EXIT

python3 -m zipfile -e "$zip" "$WORK/zip"
folder=$(dirname "$(find "$WORK/zip" -name tonalyx.exe)")
cp "$capturing_dll" "$folder/winmm.dll"
export WINEDLLOVERRIDES="winmm=n,b;mscoree=d;mshtml=d"
# Wine's code pages follow the locale: UTF-8 for what passes between the
# systems, and the ANSI code page of a Western Windows (1252), except in a
# Japanese one, made here, where it is Shift-JIS (932).
export LC_ALL=C.UTF-8
localedef -i ja_JP -f UTF-8 "$WORK/ja_JP.UTF-8" || fail "no Japanese locale could be made"

# The functions a PE file imports from winmm.dll, and those a DLL exports.
winmm_imports() {
  x86_64-w64-mingw32-objdump -p "$1" |
    awk 'tolower($0) ~ /dll name: winmm\.dll/ { on = 1; next } on && NF == 0 { on = 0 }
         on && $1 ~ /^[0-9a-f]+$/ && NF == 3 { print $3 }'
}
exports() {
  x86_64-w64-mingw32-objdump -p "$1" |
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] //p'
}
FAIL_CONTEXT="imports"
imported=$(for file in "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll; do
  [[ $file == "$folder/winmm.dll" ]] || winmm_imports "$file"
done | sort -u)
missing=$(comm -23 <(echo "$imported") <(exports "$folder/winmm.dll" | sort -u))
[[ -z $missing ]] || fail "the capturing winmm.dll lacks: $missing"
echo "imported from winmm.dll: $(tr '\n' ' ' <<<"$imported")"

# run <name> [variable=value...]: starts the program with its own MIDI log.
run() {
  local name=$1
  shift
  FAIL_CONTEXT=$name
  LOG="$WORK/$name.midi.log"
  : >"$LOG"
  env TONALYX_WINMM_LOG="$(winepath -w "$LOG")" "$@" wine "$folder/tonalyx.exe" \
    >"$WORK/$name.log" 2>&1 &
  PROGRAM_PID=$!
}

# Waits up to 10 s for a line of the MIDI log.
logged() {
  for _ in $(seq 200); do
    grep -qxF "$1" "$LOG" && return 0
    sleep 0.05
  done
  fail "the MIDI log never showed \"$1\""
}

# The bytes sent, as the expected files write them; no breach of the rules;
# the output opened first and closed last.
check_bytes() {
  local file=$1
  [[ $file == /* ]] || file=$expected/$1
  ! grep '^breach' "$LOG" >&2 || fail "breaches of the multimedia API's rules (above)"
  sed -n 's/^\(short\|long\) //p' "$LOG" >"$WORK/actual"
  sed -e 's/#.*//' "$file" | awk 'NF { $1 = $1; print }' >"$WORK/expected"
  diff -u "$WORK/expected" "$WORK/actual" >&2 || fail "the bytes sent differ from $file"
  [[ $(grep -m1 'out' "$LOG") == "open out "* && $(grep 'out' "$LOG" | tail -n 1) == "close out" ]] ||
    fail "the output was not opened first and closed last"
}

settings() { printf '[Dev]\r\nDev_num=%s\r\ndrum=%s\r\n%s' "$1" "$2" "${3:-}" >"$folder/tonalyx.ini"; }
stored() { tr -d '\r' <"$folder/tonalyx.ini" | grep -qixF "$1" || fail "tonalyx.ini lacks '$1'"; }

# press <window> <x> <y> <mouse button>: the mouse button goes down at a
# point of the window; release <mouse button> lets it go. A window's menu
# bar is MENU pixels high (measured under Wine), above the design's
# coordinates.
MENU=20
press() {
  local win=$1 x=$2 y=$3 button=$4 X Y WIDTH HEIGHT SCREEN WINDOW
  xdotool windowraise "$win"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + x)) $((Y + y)) sleep 0.1 mousedown "$button" sleep 0.3
}
release() { xdotool mouseup "$1" sleep 0.3; }
hold() { press "$@" && release "$4"; }

rm -f "$folder/tonalyx.ini"
run "first run"
main=$(window "Tonalyx Main")
end_program close "$main"
check_bytes program.hex
stored "drum=Tonalyx Test Out"

run "end of session"
end_program session "$(window "Tonalyx Main")"
check_bytes program.hex

settings 0 "Tonalyx Test Out"
run "auditions"
main=$(window "Tonalyx Main")
click "$main" 50 40
program_window=$(window "Tonalyx Program Number")
hold "$program_window" 272 $((MENU + 8)) 1 # program button 17
click "$main" 150 40
hold "$(window "Rhytmalo")" 640 $((MENU + 32)) 3 # drum note button 37
end_program close "$main"
check_bytes windows.hex

# In English, so that the windows are found by titles in ASCII. A device
# that takes 300 ms a byte (2.7 s for XG System On): the message of the OK
# button is still playing when the tone button sends the next.
settings 0 "Tonalyx Test Out" $'language=en\r\n'
run "xg" TONALYX_WINMM_US_PER_BYTE=300000
main=$(window "Tonalyx Main")
menu_item "$main" 1
module_type=$(window "Module type")
click "$module_type" 38 57 # XG
click "$module_type" 75 132 # OK
click "$main" 50 40
program_window=$(window "Tonalyx Program Number")
hold "$program_window" 272 $((MENU + 8)) 1
menu_item "$program_window" 2
click "$(window "Effects")" 163 128 # the reverb bar's right arrow
awk '/^long/ { ++sent } /^done/ { exit } END { exit sent < 2 }' "$LOG" ||
  fail "the two XG System On messages were never on their way at once"
# Both played, the last tone is held while the main window closes.
for _ in $(seq 200); do
  [[ $(grep -c '^done' "$LOG") -ge 2 ]] && break
  sleep 0.05
done
press "$program_window" 272 $((MENU + 8)) 1
end_program close "$main"
release 1
check_bytes xg.hex

# The keyboard plays what the JACK keyboard test plays (KeyboardDriver.cpp),
# the program change under GM included. Left out are the data bytes without
# a status and the system exclusive message left open around a note cut
# short: a Windows driver resolves running status itself and hands on whole
# messages, so neither reaches a program through WinMM.
FAIL_CONTEXT="keyboard"
mkdir "$WORK/keys"
script="$WORK/keys/script"
printf '%s\n' "93 3c 64" "f8" "fe" "83 3c 40" "93 3e 00" "e5 12 34" "a1 3c 20" \
  "d1 30" "b2 40 7f" "b2 40 00" "f0 41 10 42 12 40 00 7f 00 41 f7" "92 3c" "82 3c 00" \
  "b4 00 08" "b4 20 00" "c4 18" "mark played" "await main-active" "90 30 64" \
  "mark held" "await drums-active" "80 30 00" "91 24 64" "81 24 00" "91 26 64" \
  "mark drums" "await gm" "b0 00 08" "c0 10" "mark browsed" >"$script"
settings 0 "Tonalyx Test Out" $'midi_in=Tonalyx Test In\r\nlanguage=en\r\n'
run "keyboard" TONALYX_WINMM_SCRIPT="$(winepath -w "$script")"
main=$(window "Tonalyx Main")
logged "mark played"
sleep 0.4
click "$main" 150 40 # the drum button, which shows the drum note window
drum_window=$(window "Rhytmalo")
click "$main" 100 90 # the main window active again
touch "$WORK/keys/main-active"
logged "mark held"
sleep 0.4
click "$drum_window" 10 $((MENU + 10)) # the drum note window active
touch "$WORK/keys/drums-active"
logged "mark drums"
sleep 0.4
click "$main" 100 90
menu_item "$main" 1
module_type=$(window "Module type")
click "$module_type" 38 77 # GM
click "$module_type" 75 132 # OK
logged "long f0 7e 7f 09 01 f7"
touch "$WORK/keys/gm"
logged "mark browsed"
sleep 0.4
end_program close "$main"
check_bytes keyboard_thru.hex

# Then a 64 KB system exclusive message (the program adds no buffer for
# system exclusive, so the platform drops it), a note held while the input is
# unplugged, and messages until the program closes the input.
FAIL_CONTEXT="keyboard unplugged"
{
  echo "90 30 64"
  python3 -c 'print("f0 " + "55 " * 65534 + "f7")'
  printf '%s\n' "mark held" "wait 300" "vanish" "await unplugged" "return" "stream fe"
} >"$script"
settings 0 "Tonalyx Test Out" $'midi_in=Tonalyx Test In\r\n'
run "keyboard unplugged" TONALYX_WINMM_SCRIPT="$(winepath -w "$script")"
main=$(window "Tonalyx Main")
logged "mark held"
logged "in vanished"
# The program finds the input gone within a second, and ends its note.
for _ in $(seq 60); do
  grep -qxF "close in" "$LOG" && break
  sleep 0.05
done
touch "$WORK/keys/unplugged"
# Back, the input opens again, and streams until the main window closes.
for _ in $(seq 60); do
  [[ $(grep -c '^start in$' "$LOG") -ge 2 ]] && break
  sleep 0.05
done
sleep 0.5
end_program close "$main"
# The note held, ended when the input went, All Sound Off at the close.
printf '%s\n' "90 30 64" "80 30 00" "b9 78 00" >"$WORK/unplugged.hex"
check_bytes "$WORK/unplugged.hex"
sed -n '/^in vanished$/,$p' "$LOG" | grep -qxF "short 80 30 00" ||
  fail "the note held when the input was unplugged did not end"
grep -q '^in .* during a callback$' "$LOG" || fail "the input was not closed during a callback"
grep -qxF "in: long message of 65536 bytes dropped, the program added no buffer" "$LOG" ||
  fail "the 64 KB system exclusive message was not played"

# Device names: one outside the ANSI code page keeps every character in the
# list and the settings; one stored by an older program in the ANSI code page
# (Shift-JIS, read under a Japanese Windows) is still found.
name="Tonalyx テスト音源"
outputs="TONALYX_WINMM_OUTPUTS=Tonalyx Test Out|$name"
for case in "utf-8 C.UTF-8 $name" "ansi ja_JP.UTF-8 $(iconv -t SHIFT_JIS <<<"$name")"; do
  read -r how lang stored_name <<<"$case"
  FAIL_CONTEXT="device name, $how"
  settings 1 "$stored_name"
  run "name $how" "$outputs" LOCPATH="$WORK" LC_ALL="$lang"
  end_program close "$(window "Tonalyx Main")"
  check_bytes program.hex
  grep -qxF "open out 1 event" "$LOG" || fail "the device saved as position 1 was not opened"
  stored "drum=$name"
done
echo "PASS: the bytes of eight runs, the keyboard's and two device names under Wine"
