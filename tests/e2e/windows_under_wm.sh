#!/usr/bin/env bash
# The windows under a window manager (openbox), on a private X server of a
# small screen (1024 x 768): "veldrio FILE" opens the edit window with its
# client area at (100, 100) and the viewer level with it, and every frame
# stays on the screen. A message box minimised (openbox offers it whatever
# the window's flags say) comes back with its owner.
# usage: windows_under_wm.sh <program directory of the build>
set -euo pipefail
source "$(dirname "$0")/e2e_support.bash"
e2e_require xvfb-run xdotool xprop xwininfo openbox
e2e_folder "$1"
write_white_bmp "$work/square.bmp"

cat >"$work/session.sh" <<'SH'
#!/usr/bin/env bash
set -u
work=$1
source "$2"
start_under_openbox square.bmp
edit=$(find_window "サンプリングデータ編集" 30) || exit 1
viewer=$(find_window "DF=square.bmp" 30) || exit 1
sleep 2
# Client areas and the frames around them (left, right, top, bottom).
for name in edit viewer; do
  client_geometry "${!name}"
  printf "%s %s %s %s %s " "$name" "$X" "$Y" "$WIDTH" "$HEIGHT" >>"$work/windows.txt"
  xprop -id "${!name}" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d , >>"$work/windows.txt"
done
# The picture properties from the viewer's menu, minimised: the window
# manager minimises the viewer with the box; both come back.
xdotool windowactivate --sync "$viewer" 2>/dev/null || true
sleep 0.5
xdotool key alt+f; sleep 0.5; xdotool key Return
box=$(find_window "^画像プロパティ$" 15) || { echo "no properties box" >"$work/stuck.txt"; exit 1; }
sleep 1
xdotool windowminimize "$box"
sleep 1.5
for id in "$box" "$viewer"; do xwininfo -id "$id" | sed -n 's/.*Map State: //p'; done >"$work/mapped.txt"
xdotool key --window "$box" Return
SH
e2e_session 90 1024x768x24

[ -f "$work/windows.txt" ] || e2e_fail "the windows did not open"
read -r _ ex ey ew eh el er et eb < <(grep '^edit ' "$work/windows.txt")
read -r _ vx vy vw vh vl vr vt vb < <(grep '^viewer ' "$work/windows.txt")
[ -n "${vb:-}" ] && [ -n "${eb:-}" ] || e2e_fail "no frame extents"
[ "$ex $ey" = "100 100" ] || e2e_fail "edit window's client area at $ex, $ey"
[ "$vy" = "$ey" ] || e2e_fail "viewer's client top $vy, edit window's $ey"
for w in "edit $ex $ey $ew $eh $el $er $et $eb" "viewer $vx $vy $vw $vh $vl $vr $vt $vb"; do
  read -r name x y width height l r t b <<<"$w"
  [ $((x - l)) -ge 0 ] && [ $((y - t)) -ge 0 ] && [ $((x + width + r)) -le 1024 ] &&
    [ $((y + height + b)) -le 768 ] || e2e_fail "the $name's frame leaves the screen: $w"
done
[ "$(cat "$work/mapped.txt")" = $'IsViewable\nIsViewable' ] ||
  e2e_fail "after minimising the properties box (box, viewer): $(cat "$work/mapped.txt")"
echo "windows under openbox: client areas placed, tops level, every frame on the screen, a minimised box back"
