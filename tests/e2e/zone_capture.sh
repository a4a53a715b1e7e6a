#!/usr/bin/env bash
# The screen zone as a user sets and cuts it, on a private X server whose
# root window shows a known pattern: "始点" with Ctrl, "終点", then
# "カット＆View"; the new viewer must show exactly the screen's pixels.
# usage: zone_capture.sh <program directory of the build>
set -euo pipefail
bin=$1
support=$(cd "$(dirname "$0")" && pwd)/e2e_support.bash
source "$support"
# A plain X session, also when started from a Wayland desktop, where the
# capture would ask that desktop's screenshot portal.
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
e2e_require xvfb-run xdotool xsetroot xwd od awk

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/veldrio" "$work/veldrio"

write_tile_xbm "$work/tile.xbm"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1
source "$2"
# -noreset keeps the background when xsetroot, the only client yet, leaves.
xsetroot -bitmap "$work/tile.xbm" -fg '#ff8000' -bg '#0040c0'
xwd -root -silent >"$work/root.xwd"
"$work/veldrio" &
app=$!
trap 'kill $app 2>/dev/null' EXIT

main=$(find_window "ヴェルドリオ" 20) || { echo "no main dialog"; exit 1; }
sleep 1
# "始点", then a release with Ctrl at (1000, 750): the zone becomes
# (1000, 750)-(1020, 770).
zone_corner "$main" 24 "^始点ｻｰﾁ中" 1000 750 ctrl
# "終点" at (1040, 779): the title shows the zone it would make.
zone_corner "$main" 60 "^終点ｻｰﾁ中(1000, 750)-(1040, 779)$" 1040 779
sleep 0.3
# "カット＆View" while the zone still flashes.
click_dlu "$main" 203 186 134
viewer=$(find_window "DF=カット画像" 20) || { echo "no viewer opened"; exit 1; }
xdotool getwindowname "$viewer" >"$work/viewer-title.txt"
sleep 2
xwd -id "$viewer" -silent >"$work/viewer.xwd"
SH
chmod +x "$work/session.sh"

e2e_xvfb 180 "1280x1024x24 -noreset" "$work/session.sh" "$work" "$support" >"$work/session.log" 2>&1 || true

fail() { echo "FAIL: $*"; cat "$work/session.log"; exit 1; }

[ -f "$work/stuck.txt" ] && fail "the main dialog's title never matched $(cat "$work/stuck.txt")"
[ -f "$work/viewer.xwd" ] || fail "the capture did not open a viewer"
grep -q "BxH=41x30" "$work/viewer-title.txt" || fail "viewer title: $(cat "$work/viewer-title.txt")"

# The image in the viewer: the first pattern pixel, row by row.
read -r iy ix < <(xwd_pattern_origin "$work/viewer.xwd") || true
[ -n "${ix:-}" ] || fail "the viewer shows no part of the pattern"
expected=$(xwd_rows "$work/root.xwd" 1000 750 41 30)
shown=$(xwd_rows "$work/viewer.xwd" "$ix" "$iy" 41 30)
[ "$expected" = "$shown" ] || fail "the viewer's pixels differ from the screen's at ($ix, $iy)"
echo "zone capture: corners, Ctrl placement, title and the captured pixels are right"
