#!/usr/bin/env bash
# The viewer's cut-out tracker as a user works with it, on a private X
# server: open a picture whose dots tell their own coordinates, show the
# zone, write it and the whole viewer window as PNG and BMP through the save
# dialog, and read the four files back. Every wait has a deadline.
# usage: tracker_write.sh <program directory of the build>
set -euo pipefail
bin=$1
support=$(cd "$(dirname "$0")" && pwd)/e2e_support.bash
source "$support"
e2e_require xvfb-run xdotool python3 convert

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/veldrio" "$work/veldrio"

# The picture's dot (x, y) is red x, green y, blue 16 * (x / 256) + y / 256
# (mod 256 each). The check reads raw RGB: the file is width x height and,
# where it shows the picture, dot for dot the picture (its frame aside).
cat >"$work/dots.py" <<'PY'
import sys

def dot(x, y):
    return bytes((x & 255, y & 255, ((x >> 8) << 4) | (y >> 8)))

def coords(rgb):
    return ((rgb[2] >> 4) << 8 | rgb[0], (rgb[2] & 15) << 8 | rgb[1])

if sys.argv[1] == 'make':
    sys.stdout.buffer.write(b''.join(dot(x, y) for y in range(400) for x in range(400)))
    sys.exit()
name, w, h = sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
raw = sys.stdin.buffer.read()
if len(raw) != w * h * 3:
    sys.exit(f'{name}: {len(raw) // 3} dots, wanted {w} x {h}')
at = lambda x, y: raw[3 * (y * w + x):3 * (y * w + x) + 3]
if len(sys.argv) > 5 and coords(at(0, 0)) != (int(sys.argv[5]), int(sys.argv[6])):
    sys.exit(f'{name}: first dot shows {coords(at(0, 0))}')
# Where the picture lies in the file: the offset most dots agree on.
votes = {}
for y in range(0, h, 7):
    for x in range(0, w, 7):
        cx, cy = coords(at(x, y))
        votes[(cx - x, cy - y)] = votes.get((cx - x, cy - y), 0) + 1
ox, oy = max(votes, key=votes.get)
checked = 0
for y in range(h):
    for x in range(w):
        px, py = x + ox, y + oy
        frame = 10 <= px <= 330 and 10 <= py <= 330 and not (21 <= px < 319 and 21 <= py < 319)
        if 0 <= px < 400 and 0 <= py < 400 and not frame:
            if at(x, y) != dot(px, py):
                sys.exit(f'{name}: dot ({x}, {y}) is {tuple(at(x, y))}, wanted {tuple(dot(px, py))}')
            checked += 1
if checked < 298 * 298:
    sys.exit(f'{name}: only {checked} dots of the picture')
PY
python3 "$work/dots.py" make | convert -size 400x400 -depth 8 rgb:- -type TrueColor "BMP3:$work/dots.bmp"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1
source "$2"
start_program "$work"
open_picture "$main" "$work/dots.bmp"
viewer=$(find_window "画像View" 20) || exit 1
sleep 1
eval "$(xdotool getwindowgeometry --shell "$viewer")"
echo "window $WIDTH $HEIGHT" >"$work/geometry.txt"
# Out of the way of the pictures: the pointer, and the keyboard to the viewer.
xdotool mousemove 1270 1010
xdotool windowfocus "$viewer"; sleep 0.5

# The cut-out menu is the fifth: open the first, step right, take an item.
cut_item() { xdotool key alt+f; sleep 0.4; xdotool key Right Right Right Right; sleep 0.4; xdotool key "$1"; }
cut_item z; sleep 0.5                 # the zone
write() {
  cut_item "$1"
  sleep 1.5
  xdotool key ctrl+a; keys "$2"; xdotool key Return
  local box
  box=$(find_window "モニタしてみますか" 10) || return 1
  sleep 0.3
  xdotool key Escape                  # No: no picture viewer
  window_gone "モニタしてみますか" 5
  xdotool windowfocus "$viewer"; sleep 0.3
}
write p "$work/zone.png"
write b "$work/zone.bmp"
write d "$work/window.png"
write c "$work/window.bmp"
SH
chmod +x "$work/session.sh"

e2e_xvfb 180 1280x1024x24 "$work/session.sh" "$work" "$support" >"$work/session.log" 2>&1 || true

fail() { echo "FAIL: $*"; cat "$work/session.log"; exit 1; }
[ -f "$work/geometry.txt" ] || fail "the viewer did not open"
read -r _ width height <"$work/geometry.txt"
for f in zone.png zone.bmp window.png window.bmp; do [ -f "$work/$f" ] || fail "no $f was written"; done
check() { convert "$work/$1" -depth 8 rgb:- | python3 "$work/dots.py" check "$@" || fail "$1"; }
check zone.png 298 298 21 21
check zone.bmp 298 298 21 21
check window.png "$width" "$height"
check window.bmp "$width" "$height"
echo "tracker: zone and window written as PNG and BMP, sizes and dots right"
