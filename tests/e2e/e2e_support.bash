# Helpers of the end-to-end scripts, sourced by them and by the sessions they
# run on the private X server.

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

# Dialog units of the dialog font (7 x 13 pixels a character) to pixels.
px() { echo $(($1 * 7 / 4)); }
py() { echo $(($1 * 13 / 8)); }

# Clicks the point (x, y) in dialog units of a window's client area, which
# begins below the menu bar: the window's height less the client's.
click_dlu() {
  local window=$1 client_height=$2 x=$3 y=$4 repeat=${5:-1}
  eval "$(xdotool getwindowgeometry --shell "$window")"
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
