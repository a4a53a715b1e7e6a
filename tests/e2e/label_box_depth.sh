#!/usr/bin/env bash
# The main dialog's heading boxes read the same on a 16-bit screen as on a
# 24-bit one: the white caption pixels inside each box, and no stray copies
# of them in the preview box or the zone text beside "指定範囲".
# usage: label_box_depth.sh <program directory of the build>
set -euo pipefail
bin=$1
for tool in xvfb-run xdotool import compare convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 0; }
done
unset QT_QPA_PLATFORM

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/veldrio" "$work/veldrio"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1 depth=$2
"$work/veldrio" &
app=$!
trap 'kill $app 2>/dev/null' EXIT
main=
for _ in $(seq 1 100); do
  main=$(xdotool search --name "ヴェルドリオ" 2>/dev/null | head -1) && [ -n "$main" ] && break
  sleep 0.2
done
[ -n "$main" ] || { echo "no main dialog at depth $depth"; exit 1; }
sleep 1.5
xdotool getwindowgeometry --shell "$main" >"$work/geometry$depth"
import -window root "$work/screen$depth.png"
SH
chmod +x "$work/session.sh"

for depth in 24 16; do
  timeout 60 xvfb-run -a -s "-screen 0 1000x700x$depth" "$work/session.sh" "$work" "$depth"
done

# Dialog units of the dialog font (7 x 13 pixels a character) to pixels;
# the client area begins below the menu bar (the dialog is 203 units high).
px() { echo $(($1 * 7 / 4)); }
py() { echo $(($1 * 13 / 8)); }
eval "$(cat "$work/geometry24")"
menu=$((HEIGHT - $(py 203)))
crop() {  # x y width height in dialog units
  echo "$(px "$3")x$(py "$4")+$((X + $(px "$1")))+$((Y + menu + $(py "$2")))"
}
# White or nearly white, everything else black.
mask() { convert "$1" -crop "$2" +repage -colorspace gray -threshold 96% "$3"; }

failed=0
check() {  # name x y width height
  local name=$1 area
  area=$(crop "$2" "$3" "$4" "$5")
  mask "$work/screen24.png" "$area" "$work/$name-24.png"
  mask "$work/screen16.png" "$area" "$work/$name-16.png"
  local differ
  differ=$(compare -metric AE "$work/$name-24.png" "$work/$name-16.png" null: 2>&1 || true)
  if [ "$differ" != "0" ]; then
    echo "FAIL: $name differs in $differ pixels between 24 and 16 bits"
    failed=1
  fi
}
check heading-file 8 12 64 19
check heading-recent 8 78 74 16
check heading-cut 8 124 70 20
check heading-zone 112 148 36 20
check heading-clip 8 172 68 21
check preview 164 8 76 84
check zone-text 152 148 126 20

# The crops do hold a caption: white dots inside the first heading.
white=$(convert "$work/heading-file-24.png" -format "%[fx:int(mean*w*h+0.5)]" info:)
if [ "$white" -lt 20 ]; then
  echo "FAIL: no caption found in the first heading ($white white dots)"
  failed=1
fi
[ "$failed" = 0 ] && echo "ok: captions match at 16 and 24 bits"
exit "$failed"
