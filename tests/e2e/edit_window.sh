#!/usr/bin/env bash
# The data edit window as a user works with it, on a private X server: open
# an image, type four corners into the grid, calculate, export the CSV
# through the save dialog and print the result report to a stand-in print
# program that writes down its command line. The program lives in a folder
# whose name holds blanks, quotes, a command separator, command
# substitutions and non-ASCII characters: the report's path must reach the
# print program as one argument, and no shell may run any part of it.
# usage: edit_window.sh <program directory of the build>
set -euo pipefail
bin=$1
# The real X server, whatever platform the caller's environment names.
unset QT_QPA_PLATFORM
support=$(cd "$(dirname "$0")" && pwd)/e2e_support.bash
source "$support"
e2e_require xvfb-run xdotool

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program writes its settings and reports beside itself.
prog="$work/prog a b 'c' \"d\"; \$(touch pwned) \`touch pwned\` 測定"
mkdir "$prog"
cp "$bin/veldrio" "$prog/veldrio"
cat >"$prog/lurm" <<'SH'
#!/bin/sh
printf '%s\n' "$@" >"$(dirname "$0")/print-args.txt"
SH
chmod +x "$prog/lurm"

write_white_bmp "$work/square.bmp"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1
source "$2"
start_program "$3"
open_picture "$main" "$work/square.bmp"
edit=$(find_window "サンプリングデータ編集" 30) || exit 1
sleep 2

# The first cell of the grid; type, X and Y of four corners.
eval "$(xdotool getwindowgeometry --shell "$edit")"
click_dlu "$edit" 333 34 153
sleep 0.5
for corner in "10 10" "60 10" "60 40" "10 40"; do
  set -- $corner
  keys 1; xdotool key Tab; keys "$1"; xdotool key Tab; keys "$2"; xdotool key Return
done
sleep 0.5
click_dlu "$edit" 333 144 11          # "計算実行"
sleep 1

# File > CSV export; the save dialog takes the path; the notice is closed.
xdotool key alt+f; sleep 0.5; xdotool key Return; sleep 2
keys "$work/out.csv"; xdotool key Return; sleep 1.5
xdotool key Return; sleep 0.5

# Print > result report, once the window has the keyboard again.
click_dlu "$edit" 333 34 190
sleep 0.5
xdotool key alt+p; sleep 0.5; xdotool key Return; sleep 2
SH
chmod +x "$work/session.sh"

e2e_xvfb 120 1280x1024x24 "$work/session.sh" "$work" "$support" "$prog" \
  >"$work/session.log" 2>&1 || true

fail() { echo "FAIL: $*"; cat "$work/session.log"; exit 1; }
[ -f "$work/out.csv" ] || fail "no CSV file was written"
csv=$(iconv -f CP932 -t UTF-8 "$work/out.csv")
grep -q $'^面積,   1500.00\r$' <<<"$csv" || fail "CSV area line: $csv"
grep -q $'^1,      60,      40\r$' <<<"$csv" || fail "CSV row: $csv"
[ -f "$prog/CalRslt.txt" ] || fail "no result report"
[ -f "$prog/print-args.txt" ] || fail "the print program did not start"
printf 'Lurm.exe\nF=%s/CalRslt.txt\nPF=CalRslt.txt\nCV=1\n' "$prog" | cmp -s - "$prog/print-args.txt" ||
  fail "print command line: $(cat "$prog/print-args.txt")"
for place in "$work" "$prog" "$PWD" /; do
  [ ! -e "$place/pwned" ] || fail "a shell ran part of the path in $place"
done
echo "edit window: grid, calculation, CSV export and printing work"
