#!/usr/bin/env bash
# The main dialog's heading boxes read the same on a 16-bit screen as on a
# 24-bit one: the white dots inside each box, and no stray copies of them in
# the preview box or the zone text beside "指定範囲".
# usage: label_box_depth.sh <program directory of the build>
set -euo pipefail
source "$(dirname "$0")/e2e_support.bash"
e2e_require xvfb-run xdotool import compare convert
unset QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1/veldrio" "$work/veldrio"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
work=$1 depth=$2
"$work/veldrio" & app=$!
trap 'kill $app 2>/dev/null' EXIT
for _ in $(seq 1 100); do
  main=$(xdotool search --name "ヴェルドリオ" 2>/dev/null | head -1) && [ -n "$main" ] && break
  sleep 0.2
done
[ -n "$main" ] || { echo "no main dialog at depth $depth"; exit 1; }
sleep 1.5
xdotool getwindowgeometry --shell "$main" >"$work/geometry"
import -window root "$work/screen$depth.png"
SH
chmod +x "$work/session.sh"
for depth in 24 16; do
  e2e_xvfb 60 "1000x700x$depth" "$work/session.sh" "$work" "$depth"
done

# Dialog units (7 x 13 pixels a character) to screen pixels below the menu
# bar of the 203 units high dialog; white dots as a black and white picture.
eval "$(cat "$work/geometry")"
top=$((Y + HEIGHT - 203 * 13 / 8))
failed=0
for box in "8 12 64 19" "8 78 74 16" "8 124 70 20" "112 148 36 20" "8 172 68 21" \
           "164 8 76 84" "152 148 126 20"; do
  set -- $box
  area="$(($3 * 7 / 4))x$(($4 * 13 / 8))+$((X + $1 * 7 / 4))+$((top + $2 * 13 / 8))"
  for depth in 24 16; do
    convert "$work/screen$depth.png" -crop "$area" +repage -colorspace gray -threshold 96% "$work/$depth.png"
  done
  differ=$(compare -metric AE "$work/24.png" "$work/16.png" null: 2>&1 || true)
  [ "$differ" = 0 ] || { echo "FAIL: box at $box differs in $differ dots"; failed=1; }
  # The first box must hold a caption, or the crops missed the headings.
  if [ "$1 $2" = "8 12" ] && [ "$(convert "$work/24.png" -format "%[fx:int(mean*w*h+0.5)]" info:)" -lt 20 ]; then
    echo "FAIL: no caption in the first heading"; failed=1
  fi
done
[ "$failed" = 0 ] && echo "ok: captions match at 16 and 24 bits"
exit "$failed"
