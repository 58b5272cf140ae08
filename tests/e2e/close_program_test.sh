#!/usr/bin/env bash
# The real program under a real X11 server, driven as a user does: windows
# opened through the main window's buttons and the menus (xdotool clicks and
# keys), then the main window's close box (or a stop signal), after which the
# process must end by itself with status 0 and its settings stored.
#
#   close_program_test.sh <tonalyx> <e2e driver> <close request> <device> close|TERM|INT
#
# Run by jack_capture_test.sh, which provides the device and checks what it
# received. Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb or xdotool).
set -euo pipefail

program=$1 driver=$2 close_request=$3 device=$4 how=$5
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tonalyx-close.XXXXXX")
pid=
# shellcheck source=SCRIPTDIR/x_server.sh
source "$(dirname "$0")/x_server.sh"
cleanup() {
  if [[ -n $pid ]]; then
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  stop_x_server
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [[ -f $work/program.log ]] && cat "$work/program.log" >&2
  exit 1
}

id=$("$driver" list | awk -F '\t' -v name="$device" '$2 == name { print $1; exit }')
[[ -n $id ]] || fail "no device named $device"
cp "$program" "$work/tonalyx"
printf '[Dev]\nDev_num=%s\ndrum=%s\n' "$id" "$device" >"$work/tonalyx.ini"

start_x_server "$work"
QT_QPA_PLATFORM=xcb "$work/tonalyx" >"$work/program.log" 2>&1 &
pid=$!

# The id of the visible window with this exact title, once it is shown.
window() {
  local title=$1 found
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) || true
    [[ -n $found ]] && { echo "$found"; return 0; }
    kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for \"$title\""
    sleep 0.05
  done
  fail "no window \"$title\" appeared"
}

# Clicks at a point of a window (relative to its top left corner), raising it
# first as a click on an overlapped window would.
click() {
  local win=$1 x=$2 y=$3 X Y WIDTH HEIGHT SCREEN WINDOW
  xdotool windowraise "$win"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + x)) $((Y + y)) sleep 0.05 click 1
  sleep 0.2
}

# Picks item n (1 for the first) of the first menu of a window's menu bar:
# a click opens the menu, the arrow keys move to the item, Return picks it.
menu_item() {
  local win=$1 n=$2
  click "$win" 15 8
  xdotool key --delay 30 $(printf 'Down %.0s' $(seq "$n")) Return
  sleep 0.2
}

main=$(window "Tonalyx Main")
# The tone and drum buttons, just below the menu bar.
click "$main" 50 40
program_window=$(window "Tonalyx Program Number")
click "$main" 150 40
drum_window=$(window "Rhytmalo")
menu_item "$main" 1   # module type window
menu_item "$main" 2   # GS map window
for n in 1 2 3 4 5; do menu_item "$program_window" "$n"; done   # 5: the finder
menu_item "$drum_window" 1   # GS kit window
for title in "音源の種類" "音源マップの設定" "バンクセレクト MSB" "エフェクト" "鍵盤" "情報" \
  "音色検索" "Rhytmalo Program Number"; do
  window "$title" >/dev/null
done
shown=$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)

start=$(date +%s%N)
case $how in
  close) "$close_request" "$main" ;;
  TERM | INT) kill "-$how" "$pid" ;;
  *) fail "unknown way to close: $how" ;;
esac
ended=
for _ in $(seq 200); do
  kill -0 "$pid" 2>/dev/null || { ended=yes; break; }
  sleep 0.05
done
[[ -n $ended ]] || fail "the program still runs 10 s after $how with $shown windows shown"
status=0
wait "$pid" || status=$?
pid=
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
[[ $status -eq 0 ]] || fail "the program exited with status $status after $how"

settings=$(tr -d '\r' <"$work/tonalyx.ini")
for line in "[window]" "[Window2]" "[Window12]" "dev_num=$id" "drum=$device"; do
  grep -qixF "$line" <<<"$settings" || fail "the settings lack '$line'"
done
echo "PASS: $how with $shown windows shown ended the program in $elapsed_ms ms"
