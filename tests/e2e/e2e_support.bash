# Helpers of the end-to-end scripts, sourced by them and by the sessions they
# run on the private X server.

# Ends the script with a line saying so when one of the tools is missing.
e2e_require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 0; }
  done
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
