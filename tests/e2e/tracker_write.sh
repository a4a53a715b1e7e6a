#!/usr/bin/env bash
# The viewer's cut-out tracker as a user works with it, on a private X
# server: open a picture whose dots tell their own coordinates, show the
# zone, write it and the whole viewer window as PNG and BMP through the save
# dialog, and read the four files back. Every wait has a deadline.
# usage: tracker_write.sh <program directory of the build>
set -euo pipefail
bin=$1
support=$(cd "$(dirname "$0")" && pwd)/support/x_session.sh
source "$support"
require_tools xvfb-run xdotool python3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/veldrio" "$work/veldrio"

# Pictures: make a 400 x 400 BMP whose dot (x, y) is red x, green y, blue
# 16 * (x / 256) + y / 256 (mod 256 each); check a written file.
cat >"$work/pictures.py" <<'PY'
import struct, sys, zlib

def dot(x, y):
    return (x & 255, y & 255, ((x >> 8) << 4) | (y >> 8))

def coords(rgb):
    r, g, b = rgb
    return ((b >> 4) << 8 | r, (b & 15) << 8 | g)

def make_bmp(path, size=400):
    row = size * 3
    data = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b = dot(x, y)
            data += bytes((b, g, r))
    head = b'BM' + struct.pack('<IHHI', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, size, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    open(path, 'wb').write(head + info + bytes(data))

def read_bmp(data):
    width, height = struct.unpack_from('<ii', data, 18)
    offset = struct.unpack_from('<I', data, 10)[0]
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        line = height - 1 - y if height > 0 else y
        base = offset + line * stride
        rows.append([(data[base + 3 * x + 2], data[base + 3 * x + 1], data[base + 3 * x])
                     for x in range(width)])
    return width, abs(height), rows

def read_png(data):
    assert data[:8] == b'\x89PNG\r\n\x1a\n'
    pos, idat = 8, b''
    while pos < len(data):
        length, kind = struct.unpack_from('>I4s', data, pos)
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            width, height, depth, colour = struct.unpack_from('>IIBB', body)
            assert depth == 8 and colour == 2, 'not 8-bit RGB'
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    raw, stride, prev, rows = zlib.decompress(idat), width * 3, bytearray(width * 3), []
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 3] if i >= 3 else 0
            b, c = prev[i], prev[i - 3] if i >= 3 else 0
            if kind == 1: line[i] = (line[i] + a) & 255
            elif kind == 2: line[i] = (line[i] + b) & 255
            elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[3 * x:3 * x + 3]) for x in range(width)])
        prev = line
    return width, height, rows

def check(path, width, height, first):
    """The file is width x height; from dot (0, 0), which shows picture dot
    first, the dots follow the picture wherever they show it."""
    data = open(path, 'rb').read()
    w, h, rows = read_png(data) if data[:4] == b'\x89PNG' else read_bmp(data)
    if (w, h) != (width, height):
        sys.exit(f'{path}: {w} x {h}, wanted {width} x {height}')
    if first is not None and coords(rows[0][0]) != first:
        sys.exit(f'{path}: first dot shows {coords(rows[0][0])}, wanted {first}')
    # The offset of the picture in the file: the one most dots agree on.
    votes = {}
    for y in range(0, h, 7):
        for x in range(0, w, 7):
            cx, cy = coords(rows[y][x])
            votes[(cx - x, cy - y)] = votes.get((cx - x, cy - y), 0) + 1
    ox, oy = max(votes, key=votes.get)
    checked = 0
    for y in range(h):
        for x in range(w):
            px, py = x + ox, y + oy
            # The zone's frame lies at 16..323; the picture at 0..399.
            inside = 0 <= px < 400 and 0 <= py < 400
            on_frame = 10 <= px <= 330 and 10 <= py <= 330 and not (21 <= px < 319 and 21 <= py < 319)
            if inside and not on_frame:
                if rows[y][x] != dot(px, py):
                    sys.exit(f'{path}: dot ({x}, {y}) is {rows[y][x]}, wanted {dot(px, py)}')
                checked += 1
    if checked < 298 * 298:
        sys.exit(f'{path}: only {checked} dots of the picture')

if sys.argv[1] == 'make':
    make_bmp(sys.argv[2])
else:
    path, width, height = sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    check(path, width, height, (int(sys.argv[5]), int(sys.argv[6])) if len(sys.argv) > 5 else None)
PY
python3 "$work/pictures.py" make "$work/dots.bmp"

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

xvfb-run -a -s "-screen 0 1280x1024x24" "$work/session.sh" "$work" "$support" >"$work/session.log" 2>&1 || true

fail() { echo "FAIL: $*"; cat "$work/session.log"; exit 1; }
[ -f "$work/geometry.txt" ] || fail "the viewer did not open"
read -r _ width height <"$work/geometry.txt"
for f in zone.png zone.bmp window.png window.bmp; do [ -f "$work/$f" ] || fail "no $f was written"; done
python3 "$work/pictures.py" check "$work/zone.png" 298 298 21 21 || fail "zone PNG"
python3 "$work/pictures.py" check "$work/zone.bmp" 298 298 21 21 || fail "zone BMP"
python3 "$work/pictures.py" check "$work/window.png" "$width" "$height" || fail "window PNG"
python3 "$work/pictures.py" check "$work/window.bmp" "$width" "$height" || fail "window BMP"
echo "tracker: zone and window written as PNG and BMP, sizes and dots right"
