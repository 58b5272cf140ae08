#!/usr/bin/env bash
# The Windows deliverables under Wine on a private X server, as a user meets
# them:
# - the portable zip: every DLL that a file in it imports is in it or is part
#   of Windows, and every DLL in it is imported by one of its files;
# - the zip unpacked into a fresh folder: tonalyx.exe shows "Tonalyx Main",
#   its "Tonalyx" button opens "Tonalyx Program Number", a program button is
#   held and let go, and closing the main window ends the process with status
#   0 and leaves tonalyx.ini beside the executable;
# - the end of the Windows session (wineboot --end-session) with the program
#   running stores its settings as well;
# - the installer, for the current user and for all users: /S installs with a
#   Start menu entry and an entry in the list of installed programs; the
#   installed program keeps its settings in the application-data folder; the
#   uninstaller removes the program, the entry and the Start menu entry.
#
#   windows_program_test.sh <zip> <setup.exe> <close request>
#
# Needs WINEPREFIX (scripts/test-windows makes a private one). Exit status:
# 0 passed, 1 failed, 77 skipped (no Xvfb, xdotool or wine).
set -euo pipefail

zip=$(realpath "$1") setup=$(realpath "$2")
export CLOSE_REQUEST=$3
: "${WINEPREFIX:?a Wine prefix}"
# shellcheck source=SCRIPTDIR/x_program.sh
source "$(dirname "$0")/x_program.sh"
begin_x_test windows wine wineserver
# Wine's desktop process starts anew on this X server.
wineserver -k 2>/dev/null || true
wineserver -w
stop_wine() { wineserver -k 2>/dev/null || true; }
trap 'stop_wine; end_x_test' EXIT

system32="$WINEPREFIX/drive_c/windows/system32"
[[ -d $system32 ]] || fail "no Wine prefix at $WINEPREFIX"

# The DLLs a file imports, lower-case.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'; }

check_zip_contents() {
  local folder=$1 file dll
  local -A shipped=() imported=()
  while IFS= read -r file; do
    shipped[$(basename "${file,,}")]=$file
  done < <(find "$folder" -iname '*.dll' -o -iname '*.exe')
  for file in "${shipped[@]}"; do
    for dll in $(imports "$file"); do
      imported[$dll]=1
      # API sets (api-ms-win-*) are names the Windows loader maps, not files.
      [[ -n ${shipped[$dll]:-} || $dll == api-ms-win-* ||
        -n $(find "$system32" -maxdepth 1 -iname "$dll") ]] ||
        fail "$(basename "$file") imports $dll, which is neither in the zip nor part of Windows"
    done
  done
  # Plugins are loaded by name at run time; everything else must be imported.
  for dll in "${!shipped[@]}"; do
    [[ $dll == *.exe || ${shipped[$dll]} == */platforms/* || ${shipped[$dll]} == */styles/* ]] &&
      continue
    [[ -n ${imported[$dll]:-} ]] || fail "$dll is in the zip but nothing imports it"
  done
  [[ -n ${shipped[qwindows.dll]:-} ]] || fail "the zip lacks platforms/qwindows.dll"
}

start_windows_program() {
  wine "$1" >"$WORK/$2.log" 2>&1 &
  PROGRAM_PID=$!
}

# Holds program button 1 for a moment and lets go, with the real pointer
# (below the window's menu bar, 20 pixels high).
hold_program_button() {
  local win=$1 X Y WIDTH HEIGHT SCREEN WINDOW
  xdotool windowraise "$win"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + 40)) $((Y + 28)) sleep 0.1 mousedown 1 sleep 0.3 mouseup 1
  sleep 0.2
}

has_design_sections() {
  local settings
  settings=$(tr -d '\r' <"$1")
  for line in "[window]" "[Window2]" "[Window12]" "[dev]"; do
    grep -qixF "$line" <<<"$settings" || fail "$1 lacks '$line'"
  done
}

# The portable program, from a fresh folder.
FAIL_CONTEXT="zip"
mkdir "$WORK/portable"
python3 -m zipfile -e "$zip" "$WORK/portable"
portable=$(dirname "$(find "$WORK/portable" -name tonalyx.exe)")
check_zip_contents "$portable"
start_windows_program "$portable/tonalyx.exe" portable
main=$(window "Tonalyx Main")
click "$main" 50 40
program_window=$(window "Tonalyx Program Number")
hold_program_button "$program_window"
end_program close "$main"
[[ -f $portable/tonalyx.ini ]] || fail "no tonalyx.ini beside tonalyx.exe"
has_design_sections "$portable/tonalyx.ini"

FAIL_CONTEXT="end of session"
rm "$portable/tonalyx.ini"
start_windows_program "$portable/tonalyx.exe" session
end_program session "$(window "Tonalyx Main")"
[[ -f $portable/tonalyx.ini ]] || fail "the end of the session stored no settings"
has_design_sections "$portable/tonalyx.ini"

# Installs with /S in one mode, starts and closes the installed program, and
# uninstalls it again:
#   check_installer <mode option> <registry hive> <install folder> <Start menu folder>
check_installer() {
  local mode=$1 hive=$2 folder=$3 menu=$4 key settings windows_folder
  FAIL_CONTEXT="installer $mode"
  key="$hive\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tonalyx"
  wine "$setup" /S "$mode" >"$WORK/setup.log" 2>&1 || fail "the installer failed"
  [[ -f $folder/tonalyx.exe ]] || fail "no tonalyx.exe in $folder"
  [[ -f $menu/Tonalyx.lnk ]] || fail "no Start menu entry in $menu"
  wine reg query "$key" /v InstallLocation >"$WORK/reg.log" 2>&1 ||
    fail "no entry in the list of installed programs"
  start_windows_program "$folder/tonalyx.exe" installed
  main=$(window "Tonalyx Main")
  end_program close "$main"
  [[ -e $folder/tonalyx.ini ]] && fail "the installed program kept its settings beside itself"
  settings=$(find "$WINEPREFIX/drive_c/users" -ipath '*/AppData/Local/tonalyx/tonalyx.ini' | head -n 1)
  [[ -n $settings ]] || fail "no settings in the application-data folder"
  has_design_sections "$settings"
  rm "$settings"

  # Run in place (_?=): an uninstaller otherwise copies itself away and
  # returns at once. NSIS reads the folder unquoted, so in its short form,
  # without blanks.
  windows_folder=$(winepath -s "$(winepath -w "$folder")")
  wine "$folder/uninstall.exe" /S "$mode" "_?=$windows_folder" >"$WORK/uninstall.log" 2>&1 ||
    fail "the uninstaller failed"
  remaining=$(find "$folder" -type f ! -name uninstall.exe | wc -l)
  [[ $remaining -eq 0 ]] || fail "the uninstaller left $remaining files in $folder"
  [[ -e $menu/Tonalyx.lnk ]] && fail "the uninstaller left the Start menu entry"
  wine reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left the installed-programs entry"
  rm -rf "$folder"
}
users=$(dirname "$(find "$WINEPREFIX/drive_c/users" -maxdepth 2 -type d -name AppData | head -n 1)")
check_installer /CurrentUser HKCU "$users/AppData/Local/Programs/Tonalyx" \
  "$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
check_installer /AllUsers HKLM "$WINEPREFIX/drive_c/Program Files/Tonalyx" \
  "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
echo "PASS: zip ($(du -k "$zip" | cut -f1) KiB), end of session, installer ($(du -k "$setup" | cut -f1) KiB)"
