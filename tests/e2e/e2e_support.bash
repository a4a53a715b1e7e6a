# Helpers of the end-to-end scripts, sourced by them and by the sessions they
# run on the private X server.

# The programs speak Japanese whatever the machine's language: the tests
# look for their Japanese titles and texts.
export LANGUAGE=ja LANG=C.UTF-8

# Ends the script with a line saying so when one of the tools is missing.
e2e_require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 0; }
  done
}

# Runs a session on a private virtual X server of the screen $2 ("WxHxD",
# then any server options), stopped after $1 seconds. The server number
# starts from a random one: xvfb-run -a alone starts every caller at the
# same number, and tests started at once then race for it.
e2e_xvfb() {
  local seconds=$1 screen=$2
  shift 2
  timeout -k 5 "$seconds" xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 $screen" "$@"
}

# The first window whose name matches, waiting at most $2 seconds.
find_window() {
  local name=$1 deadline=$((SECONDS + $2)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --name "$name" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

# The client area of window $1 as the shell variables X, Y, WIDTH and
# HEIGHT, from xwininfo (under a window manager xdotool counts a reparented
# window's offset in its frame twice).
client_geometry() {
  eval "$(xwininfo -id "$1" | awk '
    /Absolute upper-left X/ { print "X=" $NF } /Absolute upper-left Y/ { print "Y=" $NF }
    /Width:/ { print "WIDTH=" $NF } /Height:/ { print "HEIGHT=" $NF }')"
}

# Dialog units of the dialog font (7 x 13 pixels a character) to pixels.
px() { echo $(($1 * 7 / 4)); }
py() { echo $(($1 * 13 / 8)); }

# Clicks the point (x, y) in dialog units of a window's client area, which
# begins below the menu bar: the window's height less the client's.
click_dlu() {
  local window=$1 client_height=$2 x=$3 y=$4 repeat=${5:-1}
  client_geometry "$window"
  local menu=$((HEIGHT - $(py "$client_height")))
  xdotool mousemove $((X + $(px "$x"))) $((Y + menu + $(py "$y"))) click --repeat "$repeat" --delay 150 1
}

# Waits at most $2 seconds until no window's name matches $1.
window_gone() {
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -lt $deadline ]; do
    [ -z "$(xdotool search --name "$1" 2>/dev/null)" ] && return 0
    sleep 0.2
  done
  return 1
}

keys() { xdotool type --delay 40 "$1"; }

# Opens the picture file $2 from the main dialog $1: "DFサーチ", the path,
# then a double click on the preview opens the viewer and the edit window.
open_picture() {
  click_dlu "$1" 203 100 20
  sleep 2
  keys "$2"; xdotool key Return
  sleep 2
  click_dlu "$1" 203 202 50 2
}

# Starts the program copied to the folder $1, to be killed when the session
# ends, and waits for its main dialog, whose id it leaves in main.
start_program() {
  "$1/veldrio" &
  app=$!
  trap 'kill $app 2>/dev/null' EXIT
  main=$(find_window "ヴェルドリオ" 30) || exit 1
  sleep 1
}

# Waits until the window's name matches pattern, at most $3 seconds; with a
# point (x, y) the mouse keeps moving onto it meanwhile. When it never
# matches, the pattern goes into $work/stuck.txt and the session ends.
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

# Places a corner of the screen zone as a user does: the main dialog $1's
# corner button at ($2, 156) in dialog units ("始点" 24, "終点" 60), the
# mouse onto (x, y) until the title matches $3, a press (which repaints the
# dialog and so puts its caption back) and a release, with Ctrl when $6 is
# "ctrl".
zone_corner() {
  local main=$1 button=$2 pattern=$3 x=$4 y=$5 ctrl=${6:-}
  click_dlu "$main" 203 "$button" 156
  wait_name "$main" "$pattern" 30 "$x" "$y"
  xdotool mousedown 1
  wait_name "$main" "^ヴェルドリオ V2.10$" 30
  if [ "$ctrl" = ctrl ]; then
    xdotool keydown ctrl mouseup 1 keyup ctrl
  else
    xdotool mouseup 1
  fi
}

# The pixels of a rectangle (x, y, width, height) of an xwd dump of 32 bits
# a pixel, one line per row, each pixel as rrggbb.
xwd_rows() {
  local file=$1 x=$2 y=$3 w=$4 h=$5
  local -a header
  header=($(od -An -v -tu4 --endian=big -N 80 "$file"))
  [ "${header[11]}" = 32 ] || { echo "xwd pixels of ${header[11]} bits" >&2; return 1; }
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

# Width and height of an xwd dump.
xwd_size() { od -An -v -tu4 --endian=big -j 16 -N 8 "$1" | tr -s ' ' | sed 's/^ //'; }

# Where the first pixel of the tiled root pattern (ff8000 on 0040c0) shows
# in an xwd dump of a viewer: "row column", or nothing.
xwd_pattern_origin() {
  local file=$1 w h
  read -r w h <<<"$(xwd_size "$file")"
  xwd_rows "$file" 0 0 "$w" "$h" | awk '{
    for (i = 1; i <= NF; i++) if ($i == "ff8000" || $i == "0040c0") { print NR - 1, i - 1; exit } }'
}

# An 8 x 8 tile with no symmetry, for xsetroot -bitmap: the root window
# repeats it in two colours (xsetroot -fg '#ff8000' -bg '#0040c0').
write_tile_xbm() {
  cat >"$1" <<'XBM'
#define tile_width 8
#define tile_height 8
static unsigned char tile_bits[] = {
   0x01, 0x03, 0x07, 0x0f, 0x11, 0x21, 0x41, 0xc3 };
XBM
}

# The program's windows that are mapped and titled as the main dialog (its
# product caption or "DF処理待ち"), one id a line.
mapped_main_dialogs() {
  xdotool search --onlyvisible --name "ヴェルドリオ|DF処理待ち" 2>/dev/null
}

# A fresh folder work (removed at the end) with the program of the build
# folder $1 in it, for the session script that the caller writes to
# $work/session.sh.
e2e_folder() {
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$1/veldrio" "$work/veldrio"
}

# Runs $work/session.sh (given $work and this file) on a private X server of
# the screen $2 for $1 seconds at most; fails when the session got stuck.
e2e_session() {
  chmod +x "$work/session.sh"
  e2e_xvfb "$1" "$2" "$work/session.sh" "$work" "${BASH_SOURCE[0]}" >"$work/session.log" 2>&1 || true
  [ ! -f "$work/stuck.txt" ] || e2e_fail "$(cat "$work/stuck.txt")"
}

# In the session: openbox (waited for until it manages the screen, 15 s at
# most), then the program in $work with the arguments (its stderr in
# program.err) as process app, both ended with the session. A plain X
# session also when the test runs in a Wayland desktop, whose screenshot
# portal the capture would ask.
start_under_openbox() {
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE
  cd "$work"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm=$!
  local deadline=$((SECONDS + 15))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    [ $SECONDS -lt $deadline ] || { echo "openbox did not start" >"$work/stuck.txt"; exit 1; }
    sleep 0.2
  done
  ./veldrio "$@" 2>"$work/program.err" &
  app=$!
  trap 'kill $app $wm 2>/dev/null' EXIT
}

# Ends a test of a session: FAIL with the reason, then what was recorded.
e2e_fail() {
  echo "FAIL: $*"
  cat "$work"/*.log "$work"/*.txt "$work/program.err" 2>/dev/null
  exit 1
}

# The 32 bits of $1, little-endian, as bytes on standard output.
le32() { local v=$1; printf "\\x$(printf %02x $((v & 255)))\\x$(printf %02x $(((v >> 8) & 255)))\\x$(printf %02x $(((v >> 16) & 255)))\\x$(printf %02x $(((v >> 24) & 255)))"; }

# The headers of a 120 x 80 BMP of 24 bits per pixel (rows bottom-up, no
# padding), for the caller to follow with 28800 bytes of dots.
bmp_120x80_headers() {
  printf 'BM'; le32 28854; le32 0; le32 54
  le32 40; le32 120; le32 80; printf '\x01\x00\x18\x00'; le32 0; le32 28800; le32 2835; le32 2835; le32 0; le32 0
}

# Writes a white 120 x 80 picture of 24 bits per pixel to $1.
write_white_bmp() {
  { bmp_120x80_headers; head -c 28800 /dev/zero | tr '\0' '\377'; } >"$1"
}
