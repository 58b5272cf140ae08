#!/usr/bin/env bash
# The real program under a real X11 server, driven as a user does: a program
# button held while a menu opened from the keyboard takes the mouse, windows
# opened through the main window's buttons and the menus (xdotool clicks and
# keys), two of them closed again (they must only hide), then the main
# window's close box (or a stop signal), after which the process must end by
# itself with status 0 and its settings stored. The run stopped by SIGINT
# is in English, as chosen in the settings file: the same windows under
# their English titles, and the same bytes at the output.
#
#   close_program_test.sh <tonalyx> <e2e driver> <close request> <device> close|TERM|INT
#
# Run by jack_capture_test.sh, which provides the device and checks what it
# received. Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb or xdotool).
set -euo pipefail

program=$1 driver=$2 device=$4 how=$5
export CLOSE_REQUEST=$3
# shellcheck source=SCRIPTDIR/x_program.sh
source "$(dirname "$0")/x_program.sh"
begin_x_test close
FAIL_CONTEXT=$how

id=$("$driver" list | awk -F '\t' -v name="$device" '$2 == name { print $1; exit }')
[[ -n $id ]] || fail "no device named $device"
cp "$program" "$WORK/tonalyx"
printf '[Dev]\nDev_num=%s\ndrum=%s\n' "$id" "$device" >"$WORK/tonalyx.ini"
# Module type, tone map, bank, controller, keyboard, information windows and
# the finder.
titles=("音源の種類" "音源マップの設定" "バンクセレクト MSB" "エフェクト" "鍵盤" "情報" "音色検索")
if [[ $how == INT ]]; then
  echo "language=en" >>"$WORK/tonalyx.ini"
  titles=("Module type" "Tone map" "Bank select MSB" "Effects" "Keyboard" "Information"
    "Find a sound")
fi
start_program "$WORK/tonalyx"

main=$(window "Tonalyx Main")
# The tone and drum buttons, just below the menu bar.
click "$main" 50 40
program_window=$(window "Tonalyx Program Number")
# Program button 1 held while the window's menu opens from the keyboard (Alt,
# then Down): the menu takes the mouse, so the note must end there. The
# button then comes up over the menu, which Escape closes (left button; a
# second Escape leaves the menu bar) or whose first item Return chooses
# (right button).
xdotool windowraise "$program_window"
eval "$(xdotool getwindowgeometry --shell "$program_window")"
shown_windows() { { xdotool search --onlyvisible --class '.' 2>/dev/null || true; } | wc -l; }
for hold in "1 Escape Escape" "3 Return"; do
  read -r button keys <<<"$hold"
  windows=$(shown_windows)
  xdotool mousemove $((X + 90)) $((Y + 32)) sleep 0.1 mousedown "$button" sleep 0.3 \
    key alt sleep 0.2 key Down
  sleep 0.3
  [[ $(shown_windows) -gt $windows ]] || fail "no menu opened from the keyboard during the hold"
  xdotool mouseup "$button" sleep 0.3
  # shellcheck disable=SC2086
  xdotool key --delay 100 $keys
  sleep 0.3
done
window "${titles[2]}" >/dev/null
click "$main" 150 40
drum_window=$(window "Rhytmalo")
menu_item "$main" 1 # module type window
menu_item "$main" 2 # GS map window
for n in 1 2 3 4 5; do menu_item "$program_window" "$n"; done # 5: the finder
menu_item "$drum_window" 1                                  # GS kit window
for title in "${titles[@]}" "Rhytmalo Program Number"; do
  window "$title" >/dev/null
done
# Two of them closed again by their close boxes: they only hide, and the
# program runs on.
for title in "${titles[4]}" "${titles[1]}"; do
  win=$(window "$title")
  "$CLOSE_REQUEST" "$win"
  for _ in $(seq 100); do
    [[ -z $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null) ]] && break
    sleep 0.05
  done
  [[ -z $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null) ]] ||
    fail "\"$title\" is still shown after its close box"
  kill -0 "$PROGRAM_PID" 2>/dev/null || fail "closing \"$title\" ended the program"
done
shown=$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)

end_program "$how" "$main"

settings=$(tr -d '\r' <"$WORK/tonalyx.ini")
expected=("[window]" "[Window2]" "[Window12]" "dev_num=$id" "drum=$device")
[[ $how == INT ]] && expected+=("language=en")
for line in "${expected[@]}"; do
  grep -qixF "$line" <<<"$settings" || fail "the settings lack '$line'"
done
echo "PASS: $how with $shown windows shown ended the program in $END_MS ms"
