#!/usr/bin/env bash
# An install into a fresh prefix holds the three programs, the launcher, its
# icons, the software-centre record and the manual pages; the validators
# (when installed) accept the launcher files, and each manual page says what
# its program's --help says.
# usage: install_tree.sh <build folder>
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for file in bin/veldrio bin/veldrio-calc bin/lurm \
    share/applications/org.veldrio.Veldrio.desktop share/metainfo/org.veldrio.Veldrio.metainfo.xml \
    share/icons/hicolor/scalable/apps/veldrio.svg \
    share/man/man1/veldrio-calc.1 share/man/man1/lurm.1; do
  [ -s "$prefix/$file" ] || fail "missing $file"
done
for size in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/veldrio.png
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "no PNG icon at $size"
  # The width in the header is the folder's size.
  [ "$(od -An -tu1 -j 18 -N 2 "$png" | awk '{print $1 * 256 + $2}')" = "$size" ] || fail "icon $size has another size"
done
[ "$(ls "$prefix/bin")" = "$(printf 'lurm\nveldrio\nveldrio-calc')" ] || fail "bin holds: $(ls "$prefix/bin")"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/org.veldrio.Veldrio.desktop" || fail "desktop file refused"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share/metainfo/org.veldrio.Veldrio.metainfo.xml" >/dev/null ||
    fail "metainfo refused: $(appstreamcli validate --no-net "$share/metainfo/org.veldrio.Veldrio.metainfo.xml")"
fi

# Every option line of --help ("  OPTION   what it does") is in the page.
if command -v man >/dev/null; then
  flat() { tr '[:upper:]' '[:lower:]' | tr -s ' \n\t' ' ' | sed 's/^ //; s/ $//'; }
  for program in veldrio-calc lurm; do
    page=$(MANWIDTH=250 man -l "$share/man/man1/$program.1" 2>/dev/null | flat)
    while IFS= read -r line; do
      what=$(sed -E 's/^  [^ ]+( [^ ]+)? {2,}//; s/\.$//' <<<"$line" | flat)
      grep -qF -- "$what" <<<"$page" || fail "$program.1 does not say: $line"
    done < <(QT_QPA_PLATFORM=offscreen "$prefix/bin/$program" --help | grep -E '^  [-A-Za-z]')
  done
fi
echo "install: programs, launcher, icons, metainfo and manual pages in place"
