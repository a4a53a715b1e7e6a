#!/usr/bin/env bash
# The desktop's language chooses the interface's: with LANG=en_US.UTF-8 the
# main dialog's title is English and the Settings menu answers the English
# reset item's access key with a question titled in English; with
# LANG=C.UTF-8 the same in Japanese.
# usage: english_interface.sh <program directory of the build>
set -euo pipefail
bin=$1
unset QT_QPA_PLATFORM
support=$(cd "$(dirname "$0")" && pwd)/e2e_support.bash
source "$support"
e2e_require xvfb-run xdotool
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# session.sh WORK SUPPORT TITLE KEY QUESTION LANG: "ok" on stdout when all was seen.
cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
source "$2"
unset LANGUAGE LC_ALL LC_MESSAGES
cd "$1"; LANG=$6 ./veldrio 2>program.err &
trap "kill $! 2>/dev/null" EXIT
main=$(find_window "^$3\$" 30) || { echo "no main dialog titled $3"; exit 1; }
sleep 1
click_dlu "$main" 203 60 40    # a hint text: the keyboard to the dialog
sleep 0.5; xdotool key alt+s; sleep 0.5; xdotool key "$4"
find_window "^$5\$" 15 >/dev/null || { echo "no question titled $5"; exit 1; }
xdotool key Escape; echo ok
SH
chmod +x "$work/session.sh"; cp "$bin/veldrio" "$work/veldrio"
for run in "Veldrio V2.10|r|Confirm|en_US.UTF-8" "ヴェルドリオ V2.10|i|確認|C.UTF-8"; do
  IFS='|' read -r title key question lang <<<"$run"
  out=$(e2e_xvfb 90 1280x1024x24 "$work/session.sh" "$work" "$support" "$title" "$key" "$question" "$lang" 2>&1) || true
  [ "$(tail -n1 <<<"$out")" = ok ] || { echo "FAIL ($lang): $out"; cat "$work/program.err"; exit 1; }
done
echo "ok: English with LANG=en_US.UTF-8, Japanese with LANG=C.UTF-8"
