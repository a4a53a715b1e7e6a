#!/usr/bin/env bash
# The work kept across a crash, on a private X server: eight sampling clicks
# on a picture and a correction of the first point, then the program killed
# with SIGKILL. Started again it asks whether to restore; Yes (the default
# button, taken with Return) brings the picture back with the same eight
# rows.
# usage: journal_restore.sh <program directory of the build>
set -euo pipefail
source "$(dirname "$0")/e2e_support.bash"
e2e_require xvfb-run xdotool
unset QT_QPA_PLATFORM
# The program keeps its settings, and so the journal, beside itself.
e2e_folder "$1"
write_white_bmp "$work/white.bmp"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1
source "$2"
start_program "$work"
open_picture "$main" "$work/white.bmp"
edit=$(find_window "サンプリングデータ編集" 30) || exit 1
sleep 1
click_dlu "$edit" 333 177 162          # "SMPLING 開始/再開"
viewer=$(find_window "サンプリングモード" 20) || { echo "no sampling viewer" >"$work/stuck.txt"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$viewer")"
# Eight corners of an octagon, clockwise, below the viewer's menu bar.
for p in "40 60" "60 50" "80 60" "90 80" "80 100" "60 110" "40 100" "30 80"; do
  set -- $p
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
  sleep 0.3
done
sleep 0.5
# The correction: its start (a message), a pick on the first point (a
# message), three steps right with Ctrl. Each message is waited for,
# answered and gone before the next step, however slow the machine.
answer() {
  find_window "$1" 10 >/dev/null || { echo "no message \"$1\"" >"$work/stuck.txt"; exit 1; }
  xdotool key Return
  window_gone "$1" 10
}
xdotool key alt+z; sleep 0.5; xdotool key s; answer "確認"
xdotool mousemove $((X + 40)) $((Y + 60)) click 1; answer "修正後、完了メニューをクリックしてください"
xdotool key ctrl+Right ctrl+Right ctrl+Right
sleep 2
cp "$work/veldrio-work.journal" "$work/before.journal" 2>/dev/null
kill -9 "$app"
wait "$app" 2>/dev/null
sleep 1

# Started again: the question, answered with Return.
"$work/veldrio" &
app=$!
trap 'kill $app 2>/dev/null' EXIT
find_window "確認" 30 >/dev/null || { echo "no restore question" >"$work/stuck.txt"; exit 1; }
sleep 1
xdotool key Return
find_window "サンプリングデータ編集" 30 >/dev/null || { echo "no edit window after the restore" >"$work/stuck.txt"; exit 1; }
sleep 2
cp "$work/veldrio-work.journal" "$work/after.journal" 2>/dev/null
SH
e2e_session 120 1280x1024x24

[ -f "$work/before.journal" ] || e2e_fail "no journal was kept before the kill"
[ -f "$work/after.journal" ] || e2e_fail "no journal after the restore"
rows() { sed -n '/^rows /,/^end$/p' "$1"; }
[ "$(rows "$work/before.journal" | head -1)" = "rows 8" ] || e2e_fail "before the kill: $(cat "$work/before.journal")"
# The first point was moved three dots right before the kill; its texts
# are kept as the end of the correction would leave them.
first=$(rows "$work/before.journal" | sed -n 2p)
[[ "$first" =~ ^1\ ([0-9]+)\ ([0-9]+)\|\ +([0-9]+)\|\ +([0-9]+)\|$ ]] || e2e_fail "first row: $first"
[ "${BASH_REMATCH[1]}" = "${BASH_REMATCH[3]}" ] || e2e_fail "first row's texts do not follow its dots: $first"
[ "$(rows "$work/after.journal")" = "$(rows "$work/before.journal")" ] ||
  e2e_fail "rows differ: $(diff <(rows "$work/before.journal") <(rows "$work/after.journal"))"
echo "journal: 8 rows and a correction kept across SIGKILL and restored ($first)"
