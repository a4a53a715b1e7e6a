#!/usr/bin/env bash
# "カット＆View" under a window manager (openbox): once the viewer and the
# edit window are open, no main dialog of the program is mapped (neither
# right after the capture nor a while later); the edit window's closing
# brings the dialog back. (Its close key, were it mapped, leaves the work
# alone: main_dialog_viewer_test.)
# usage: zone_capture_under_wm.sh <program directory of the build>
set -euo pipefail
source "$(dirname "$0")/e2e_support.bash"
e2e_require xvfb-run xdotool xprop xwininfo openbox
e2e_folder "$1"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1
source "$2"
start_under_openbox
main=$(find_window "ヴェルドリオ" 30) || { echo "no main dialog" >"$work/stuck.txt"; exit 1; }
sleep 2
client_geometry "$main"
zone_corner "$main" 24 "^始点ｻｰﾁ中" $((X + 20)) $((Y + 30)) ctrl
zone_corner "$main" 60 "^終点ｻｰﾁ中" $((X + 120)) $((Y + 90))
sleep 2.5  # the flash is over
click_dlu "$main" 203 186 134
find_window "DF=カット画像" 20 >/dev/null || { echo "no viewer opened" >"$work/stuck.txt"; exit 1; }
edit=$(find_window "サンプリングデータ編集" 10) || { echo "no edit window" >"$work/stuck.txt"; exit 1; }
sleep 1
mapped_main_dialogs >"$work/mapped-soon.txt"
sleep 3
mapped_main_dialogs >"$work/mapped-later.txt"
# The edit window's "クローズ(&X)" brings the dialog back.
timeout 5 xdotool windowactivate --sync "$edit" 2>/dev/null || true
sleep 0.5
xdotool key alt+x
window_gone "サンプリングデータ編集" 10 || { echo "the edit window stayed" >"$work/stuck.txt"; exit 1; }
sleep 2
mapped_main_dialogs | grep -c . >"$work/back.txt"
SH
e2e_session 120 1280x1024x24

[ -f "$work/mapped-later.txt" ] || e2e_fail "the capture did not finish"
[ ! -s "$work/mapped-soon.txt" ] || e2e_fail "the main dialog is mapped right after the capture"
[ ! -s "$work/mapped-later.txt" ] || e2e_fail "the main dialog is mapped again a while after the capture"
[ "$(cat "$work/back.txt" 2>/dev/null)" = 1 ] || e2e_fail "the main dialog did not come back after the edit window"
echo "zone capture under openbox: the main dialog stays unmapped until the edit window closes"
