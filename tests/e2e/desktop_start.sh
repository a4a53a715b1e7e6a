#!/usr/bin/env bash
# The program started as the launcher starts it, "veldrio FILE", on a screen
# of two device pixels to a logical one: the file opens in the viewer at
# 100 %, and clicks in the lower right quarter of a picture dot sample that
# dot. The sampled corners come back through the CSV export.
# usage: desktop_start.sh <program directory of the build>
set -euo pipefail
bin=$1
source "$(dirname "$0")/e2e_support.bash"
e2e_require xvfb-run xdotool import
# Debian's ImageMagick under its own name, before any other "convert".
convert=$(command -v convert-im6.q16 || command -v convert) || { echo "skipped: convert is missing"; exit 0; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/veldrio" "$work/veldrio"

# A white 120 x 80 picture, 24 bits per pixel, whose top left dot is red:
# the mark that shows where the picture lies on the screen.
{
  bmp_120x80_headers
  head -c 28440 /dev/zero | tr '\0' '\377'
  printf '\x00\x00\xff'; head -c 357 /dev/zero | tr '\0' '\377'
} >"$work/mark.bmp"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1 convert=$2
cd "$work"
unset QT_QPA_PLATFORM
QT_SCALE_FACTOR=2 ./veldrio mark.bmp &
app=$!
trap 'kill $app 2>/dev/null' EXIT
scale=2

# The first window whose name matches, waiting at most $2 seconds.
wait_window() {
  local deadline=$((SECONDS + $2)) id
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(xdotool search --name "$1" 2>/dev/null | head -1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.3
  done
  echo "no window named $1" >&2
  return 1
}
# Dialog units (7 x 13 pixels a character) to device pixels.
px() { echo $(($1 * 7 * scale / 4)); }
py() { echo $(($1 * 13 * scale / 8)); }
click_dlu() {
  local window=$1 client_height=$2 x=$3 y=$4
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local menu=$((HEIGHT - $(py "$client_height")))
  xdotool mousemove $((X + $(px "$x"))) $((Y + menu + $(py "$y"))) click 1
}

viewer=$(wait_window "DF=mark.bmp" 20) || exit 1
xdotool getwindowname "$viewer" >"$work/viewer-title.txt"
edit=$(wait_window "サンプリングデータ編集" 10) || exit 1
sleep 1.5

# The red dot's top left device pixel.
import -window root "$work/screen.png"
read -r ox oy < <("$convert" "$work/screen.png" -fill black +opaque '#ff0000' -trim -format '%X %Y\n' info: | tr -d '+')
echo "mark at $ox $oy"

click_dlu "$edit" 333 177 162        # "サンプリング開始"
sleep 1
# Each corner's dot clicked one device pixel right of and below its middle.
for corner in "10 5" "30 5" "30 20" "10 20"; do
  set -- $corner
  xdotool mousemove $((ox + scale * $1 + 1)) $((oy + scale * $2 + 1)) click 1
  sleep 0.4
done
click_dlu "$edit" 333 144 11         # "計算実行"
sleep 1
xdotool key alt+f; sleep 0.5; xdotool key Return; sleep 2
xdotool type --delay 40 "$work/out.csv"; xdotool key Return; sleep 1.5
xdotool key Return; sleep 0.5
SH
chmod +x "$work/session.sh"

e2e_xvfb 120 2400x1600x24 "$work/session.sh" "$work" "$convert" >"$work/session.log" 2>&1 || true

fail() { echo "FAIL: $*"; cat "$work/session.log"; exit 1; }
[ -f "$work/viewer-title.txt" ] || fail "no viewer opened for the file on the command line"
grep -q "DF=mark.bmp BxH=120x80 .* 100 %" "$work/viewer-title.txt" || fail "viewer title: $(cat "$work/viewer-title.txt")"
[ -f "$work/out.csv" ] || fail "no CSV file was written"
csv=$(iconv -f CP932 -t UTF-8 "$work/out.csv")
for corner in "10,5" "30,5" "30,20" "10,20"; do
  grep -Eq "^[0-9], *${corner%,*}, *${corner#*,}"$'\r$' <<<"$csv" || fail "corner $corner not sampled: $csv"
done
echo "veldrio FILE opens the viewer; at twice the device pixels clicks sample the dot under the pointer"
