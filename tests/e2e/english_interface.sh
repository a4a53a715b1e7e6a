#!/usr/bin/env bash
# The desktop's language chooses the interface's: started with
# LANG=en_US.UTF-8 the main dialog's title is English and its Settings menu
# answers the English item's access key with the reset question, titled in
# English; with LANG=C.UTF-8 the same in Japanese.
# usage: english_interface.sh <program directory of the build>
set -euo pipefail
bin=$1
unset QT_QPA_PLATFORM
support=$(cd "$(dirname "$0")" && pwd)/e2e_support.bash
source "$support"
e2e_require xvfb-run xdotool

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/veldrio" "$work/veldrio"

# In the session, with LANG=$7 alone naming a language: $3 the main dialog's
# title, $4 the reset item's access key, $5 the question's title. Writes
# what it saw to $work/$6.txt.
cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1 title=$3 key=$4 question=$5 out=$work/$6.txt
source "$2"
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=$7
cd "$work"
./veldrio 2>"$work/program.err" &
app=$!
trap 'kill $app 2>/dev/null' EXIT
main=$(find_window "^$title\$" 30) || { echo "no main dialog titled $title" >"$out"; exit 1; }
sleep 1
click_dlu "$main" 203 60 40    # a hint text: the keyboard to the dialog
sleep 0.5
xdotool key alt+s; sleep 0.5; xdotool key "$key"
box=$(find_window "^$question\$" 15) || { echo "no question titled $question" >"$out"; exit 1; }
xdotool key Escape
echo "ok" >"$out"
SH
chmod +x "$work/session.sh"

run() {
  local lang=$1
  shift
  e2e_xvfb 90 1280x1024x24 "$work/session.sh" "$work" "$support" "$@" "$lang" >"$work/session.log" 2>&1 || true
  [ "$(cat "$work/$4.txt" 2>/dev/null)" = ok ] ||
    { echo "FAIL ($lang): $(cat "$work/$4.txt" 2>/dev/null)"; cat "$work/session.log" "$work/program.err"; exit 1; }
}

run en_US.UTF-8 "Veldrio V2.10" r Confirm english
run C.UTF-8 "ヴェルドリオ V2.10" i "確認" japanese
echo "ok: English with LANG=en_US.UTF-8, Japanese with LANG=C.UTF-8"
