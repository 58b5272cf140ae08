#!/usr/bin/env bash
# The real program under a real X11 server, driven as a user does: windows
# opened through the main window's buttons and the menus (xdotool clicks and
# keys), two of them closed again (they must only hide), then the main
# window's close box (or a stop signal), after which the process must end by
# itself with status 0 and its settings stored.
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
start_program "$WORK/tonalyx"

main=$(window "Tonalyx Main")
# The tone and drum buttons, just below the menu bar.
click "$main" 50 40
program_window=$(window "Tonalyx Program Number")
click "$main" 150 40
drum_window=$(window "Rhytmalo")
menu_item "$main" 1 # module type window
menu_item "$main" 2 # GS map window
for n in 1 2 3 4 5; do menu_item "$program_window" "$n"; done # 5: the finder
menu_item "$drum_window" 1                                  # GS kit window
for title in "音源の種類" "音源マップの設定" "バンクセレクト MSB" "エフェクト" "鍵盤" "情報" \
  "音色検索" "Rhytmalo Program Number"; do
  window "$title" >/dev/null
done
# Two of them closed again by their close boxes: they only hide, and the
# program runs on.
for title in "鍵盤" "音源マップの設定"; do
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
for line in "[window]" "[Window2]" "[Window12]" "dev_num=$id" "drum=$device"; do
  grep -qixF "$line" <<<"$settings" || fail "the settings lack '$line'"
done
echo "PASS: $how with $shown windows shown ended the program in $END_MS ms"
