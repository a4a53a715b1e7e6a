#!/usr/bin/env bash
# The screen zone as a user sets and cuts it, on a private X server whose
# root window shows a known pattern: "始点" with Ctrl, "終点", then
# "カット＆View"; the new viewer must show exactly the screen's pixels.
# usage: zone_capture.sh <program directory of the build>
set -euo pipefail
bin=$1
support=$(cd "$(dirname "$0")" && pwd)/e2e_support.bash
source "$support"
e2e_require xvfb-run xdotool xsetroot xwd od awk

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/veldrio" "$work/veldrio"

# An 8 x 8 tile with no symmetry: the root window repeats it in two colours.
cat >"$work/tile.xbm" <<'XBM'
#define tile_width 8
#define tile_height 8
static unsigned char tile_bits[] = {
   0x01, 0x03, 0x07, 0x0f, 0x11, 0x21, 0x41, 0xc3 };
XBM

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

# Waits until the window's name matches pattern, at most $3 seconds; with a
# point (x, y) the mouse keeps moving onto it meanwhile.
wait_name() {
  local window=$1 pattern=$2 deadline=$((SECONDS + $3)) x=${4:-} y=${5:-}
  while [ $SECONDS -lt $deadline ]; do
    [ -n "$x" ] && xdotool mousemove "$x" $((y + 1)) mousemove "$x" "$y"
    sleep 0.3
    xdotool getwindowname "$window" | grep -q "$pattern" && return 0
  done
  echo "$pattern" >"$work/stuck.txt"
  exit 1
}
caption="^ヴェルドリオ V2.10$"

main=$(find_window "ヴェルドリオ" 20) || { echo "no main dialog"; exit 1; }
sleep 1
# "始点", then a release with Ctrl at (1000, 750): the zone becomes
# (1000, 750)-(1020, 770). The press repaints the dialog, which puts its
# caption back.
click_dlu "$main" 203 24 156
wait_name "$main" "^始点ｻｰﾁ中" 30 1000 750
xdotool mousedown 1
wait_name "$main" "$caption" 30
xdotool keydown ctrl mouseup 1 keyup ctrl
# "終点" at (1040, 779): the title shows the zone it would make.
click_dlu "$main" 203 60 156
wait_name "$main" "^終点ｻｰﾁ中(1000, 750)-(1040, 779)$" 30 1040 779
xdotool mousedown 1
wait_name "$main" "$caption" 30
xdotool mouseup 1
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

# The pixels of a rectangle of an xwd dump (32 bits a pixel), one line per
# row, each pixel as rrggbb.
rows() {
  local file=$1 x=$2 y=$3 w=$4 h=$5
  local -a header
  header=($(od -An -v -tu4 --endian=big -N 80 "$file"))
  [ "${header[11]}" = 32 ] || fail "xwd pixels of ${header[11]} bits"
  local bpl=${header[12]} data=$((header[0] + header[19] * 12))
  od -An -v -tx1 -w"$bpl" -j $((data + y * bpl)) -N $((h * bpl)) "$file" |
    awk -v x="$x" -v w="$w" -v msb="${header[7]}" '{
      line = ""
      for (i = x; i < x + w; i++) {
        o = 4 * i
        pixel = msb == 1 ? $(o + 2) $(o + 3) $(o + 4) : $(o + 3) $(o + 2) $(o + 1)
        line = line (i > x ? " " : "") pixel
      }
      print line
    }'
}
size() { od -An -v -tu4 --endian=big -j 16 -N 8 "$1" | tr -s ' ' | sed 's/^ //'; }

[ -f "$work/stuck.txt" ] && fail "the main dialog's title never matched $(cat "$work/stuck.txt")"
[ -f "$work/viewer.xwd" ] || fail "the capture did not open a viewer"
grep -q "BxH=41x30" "$work/viewer-title.txt" || fail "viewer title: $(cat "$work/viewer-title.txt")"

# The image in the viewer: the first pattern pixel, row by row.
read -r vw vh <<<"$(size "$work/viewer.xwd")"
read -r iy ix < <(rows "$work/viewer.xwd" 0 0 "$vw" "$vh" | awk '{
  for (i = 1; i <= NF; i++) if ($i == "ff8000" || $i == "0040c0") { print NR - 1, i - 1; exit } }') || true
[ -n "${ix:-}" ] || fail "the viewer shows no part of the pattern"
expected=$(rows "$work/root.xwd" 1000 750 41 30)
shown=$(rows "$work/viewer.xwd" "$ix" "$iy" 41 30)
[ "$expected" = "$shown" ] || fail "the viewer's pixels differ from the screen's at ($ix, $iy)"
echo "zone capture: corners, Ctrl placement, title and the captured pixels are right"
