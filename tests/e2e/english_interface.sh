#!/usr/bin/env bash
# The desktop's language chooses the interface's: with LANG=en_US.UTF-8 the main dialog's title and
# the question of the Settings menu's reset item are English, with LANG=C.UTF-8 Japanese.
# usage: english_interface.sh <program directory of the build>
set -euo pipefail
source "$(dirname "$0")/e2e_support.bash"
if [ "$1" = session ]; then  # session WORK TITLE KEY QUESTION LANG, on the private X server
  unset LANGUAGE LC_ALL LC_MESSAGES
  cd "$2"; LANG=$6 ./veldrio 2>program.err &
  trap "kill $! 2>/dev/null" EXIT
  main=$(find_window "^$3\$" 30) || { echo "no main dialog titled $3"; exit 1; }
  sleep 1; click_dlu "$main" 203 60 40  # a hint text: the keyboard to the dialog
  sleep 0.5; xdotool key alt+s; sleep 0.5; xdotool key "$4"
  find_window "^$5\$" 15 >/dev/null || { echo "no question titled $5"; exit 1; }
  xdotool key Escape; echo ok; exit 0
fi
unset QT_QPA_PLATFORM
e2e_require xvfb-run xdotool
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1/veldrio" "$work/veldrio"
for run in "Veldrio V2.10|r|Confirm|en_US.UTF-8" "ヴェルドリオ V2.10|i|確認|C.UTF-8"; do
  IFS='|' read -r title key question lang <<<"$run"
  out=$(e2e_xvfb 90 1280x1024x24 bash "$0" session "$work" "$title" "$key" "$question" "$lang" 2>&1) || true
  [ "$(tail -n1 <<<"$out")" = ok ] || { echo "FAIL ($lang): $out"; cat "$work/program.err"; exit 1; }
done
echo "ok: English with LANG=en_US.UTF-8, Japanese with LANG=C.UTF-8"
