#!/usr/bin/env bash
# The objects of the instruction-set levels, each compiled for a wider unit
# than the program's: none may define a weak, unique or indirect symbol (an
# inline function or template from a shared header, a guard variable). The
# linker keeps one copy of such a symbol for the whole program, and it could
# be a copy built for a wider unit than the processor that runs it.
#
#   isa_objects.sh OBJECT...
set -euo pipefail
status=0
for object in "$@"; do
  shared=$(nm --defined-only "$object" | awk '$2 ~ /^[WVuiv]$/ { print $3 }' || true)
  if [ -n "$shared" ]; then
    echo "$object defines symbols the linker may share with other files:" >&2
    echo "$shared" | c++filt | sed 's/^/  /' >&2
    status=1
  fi
done
exit $status
