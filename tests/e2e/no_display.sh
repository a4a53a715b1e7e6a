#!/usr/bin/env bash
# In a Wayland session whose X server does not answer, the program does not
# abort on X: it tries the compositor too, and when neither answers it says
# so on stderr and ends with status 1.
# usage: no_display.sh <program directory of the build>
set -euo pipefail
source "$(dirname "$0")/e2e_support.bash"
e2e_require timeout
unset QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"

status=0
# An X display number no server holds, and a Wayland socket that is not there.
DISPLAY=":$((5000 + RANDOM % 1000))" WAYLAND_DISPLAY="veldrio-absent" XDG_SESSION_TYPE=wayland \
  XDG_RUNTIME_DIR="$work" HOME="$work" timeout -k 5 60 "$1/veldrio" 2>"$work/stderr" || status=$?
# Qt's own lines name the Wayland platform it tried after X.
[ "$status" = 1 ] &&
  grep -q '^veldrio: no display could be opened (Qt platform xcb;wayland, DISPLAY=:' "$work/stderr" &&
  grep -qi 'wayland' <(grep -v '^veldrio:' "$work/stderr") ||
  { echo "FAIL: exit status $status, stderr:"; cat "$work/stderr"; exit 1; }
echo "ok: no display, a plain message and status 1"
