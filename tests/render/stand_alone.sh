#!/usr/bin/env bash
# The rendering engine's files include only the standard library, the
# compiler's vector intrinsics and each other: no Qt, nothing of the rest of
# the program.
#
#   stand_alone.sh RENDER_DIR
set -euo pipefail
dir=$1
bad=$(grep -HnE '^\s*#\s*include' "$dir"/*.h "$dir"/*.cpp |
  grep -vE '#\s*include\s+"render/[a-z0-9_]+\.h"' |
  grep -vE '#\s*include\s+<(immintrin\.h|[a-z_]+)>' || true)
if [ -n "$bad" ]; then
  echo "Includes from outside the rendering engine:" >&2
  echo "$bad" >&2
  exit 1
fi
