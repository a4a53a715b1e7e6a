#!/usr/bin/env bash
# "カット＆View" with the zone over the main dialog itself, on a private X
# server with no window manager (so nothing minimises a window): the viewer
# must show the screen under the dialog, not the dialog; while the viewer is
# open no window of the program may stay mapped as "DF処理待ち"; once the
# edit window closes, the main dialog must be back, mapped and painted.
# usage: zone_capture_over_dialog.sh <program directory of the build>
set -euo pipefail
bin=$1
support=$(cd "$(dirname "$0")" && pwd)/e2e_support.bash
source "$support"
# A plain X session, also when started from a Wayland desktop, where the
# capture would ask that desktop's screenshot portal.
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
e2e_require xvfb-run xdotool xsetroot xwd xwininfo od awk

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/veldrio" "$work/veldrio"
write_tile_xbm "$work/tile.xbm"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1
source "$2"
xsetroot -bitmap "$work/tile.xbm" -fg '#ff8000' -bg '#0040c0'
xwd -root -silent >"$work/root.xwd"
"$work/veldrio" 2>"$work/program.err" &
app=$!
trap 'kill $app 2>/dev/null' EXIT

main=$(find_window "ヴェルドリオ" 20) || { echo "no main dialog"; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
# The zone (X + 20, Y + 30)-(X + 120, Y + 90) lies on the dialog.
left=$((X + 20)) top=$((Y + 30))
echo "$left $top" >"$work/zone.txt"
zone_corner "$main" 24 "^始点ｻｰﾁ中" "$left" "$top" ctrl
zone_corner "$main" 60 "^終点ｻｰﾁ中" $((left + 100)) $((top + 60))
sleep 2.5  # the flash is over
click_dlu "$main" 203 186 134
viewer=$(find_window "DF=カット画像" 20) || { echo "no viewer opened"; exit 1; }
sleep 2
xdotool getwindowname "$viewer" >"$work/viewer-title.txt"
xwd -id "$viewer" -silent >"$work/viewer.xwd"
# Mapped windows that still carry the waiting caption.
xdotool search --onlyvisible --name "DF処理待ち" >"$work/waiting.txt" 2>/dev/null
xwininfo -id "$main" | grep "Map State" >"$work/hidden-state.txt"

# The edit window's "クローズ(&X)"; the viewer goes with it.
edit=$(find_window "サンプリングデータ編集" 10) || { echo "no edit window"; exit 1; }
xdotool windowfocus --sync "$edit" 2>/dev/null
xdotool key alt+x
window_gone "サンプリングデータ編集" 10 || { echo "the edit window stayed"; exit 1; }
sleep 2
# Its native window may be a new one: the top-most hint was set while it
# was hidden.
shown=$(xdotool search --onlyvisible --name "ヴェルドリオ|DF処理待ち" 2>/dev/null)
echo "$shown" | grep -c . >"$work/shown-count.txt"
shown=$(echo "$shown" | head -1)
[ -n "$shown" ] || exit 1
xwininfo -id "$shown" | grep "Map State" >"$work/shown-state.txt"
xdotool getwindowname "$shown" >"$work/shown-title.txt"
xwd -id "$shown" -silent >"$work/main.xwd"
SH
chmod +x "$work/session.sh"

e2e_xvfb 180 "1280x1024x24 -noreset" "$work/session.sh" "$work" "$support" >"$work/session.log" 2>&1 || true

fail() {
  echo "FAIL: $*"
  cat "$work/session.log"
  [ -f "$work/program.err" ] && cat "$work/program.err"
  exit 1
}

[ -f "$work/stuck.txt" ] && fail "the main dialog's title never matched $(cat "$work/stuck.txt")"
[ -f "$work/viewer.xwd" ] || fail "the capture did not open a viewer"
grep -q "BxH=101x61" "$work/viewer-title.txt" || fail "viewer title: $(cat "$work/viewer-title.txt")"

# The viewer shows the root pattern that lies under the dialog.
read -r left top <"$work/zone.txt"
read -r iy ix < <(xwd_pattern_origin "$work/viewer.xwd") || true
[ -n "${ix:-}" ] || fail "the viewer shows no part of the screen under the dialog"
expected=$(xwd_rows "$work/root.xwd" "$left" "$top" 101 61)
shown=$(xwd_rows "$work/viewer.xwd" "$ix" "$iy" 101 61)
[ "$expected" = "$shown" ] || fail "the viewer's pixels are not the screen's under the dialog"

# While the viewer is open the dialog is unmapped, and nothing of the
# program stays on the screen as "DF処理待ち".
[ -s "$work/waiting.txt" ] && fail "a mapped window is still titled DF処理待ち"
grep -q "IsUnMapped" "$work/hidden-state.txt" || fail "main dialog while hidden: $(cat "$work/hidden-state.txt")"
grep -q "called on mapped window" "$work/program.err" && fail "Qt changed the state of a mapped window"

# After the edit window closed: mapped, painted (the paint puts the product
# caption back) and showing its first label box's fill.
[ -f "$work/main.xwd" ] || fail "no main dialog came back after the edit window closed"
[ "$(cat "$work/shown-count.txt")" = 1 ] || fail "$(cat "$work/shown-count.txt") windows of the program are mapped"
grep -q "IsViewable" "$work/shown-state.txt" || fail "main dialog after closing: $(cat "$work/shown-state.txt")"
grep -q "^ヴェルドリオ V2.10$" "$work/shown-title.txt" || fail "main dialog title: $(cat "$work/shown-title.txt")"
read -r mw mh <<<"$(xwd_size "$work/main.xwd")"
menu=$((mh - $(py 203)))
fill=$(xwd_rows "$work/main.xwd" $(($(px 8) + 3)) $((menu + $(py 12) + 3)) 1 1)
[ "$fill" = 003030 ] || fail "the main dialog is not painted (label box pixel $fill)"
echo "zone capture over the dialog: the screen under it, no waiting window left, the dialog back and painted"
