#!/usr/bin/env bash
# Builds the 32-bit release program twice, in two fresh folders at different paths, and fails
# unless both executables are byte-identical. Prints the executable's SHA-256.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

work="$(mktemp -d "${TMPDIR:-/tmp}/qq-reproducible.XXXXXX")"
trap 'rm -rf "$work"' EXIT

for dir in "$work/first" "$work/second-at-another-path"; do
  cmake -S "$QQ_ROOT" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$QQ_ROOT/cmake/i686-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQQLINK_BUILD_TESTS=OFF -DQQLINK_BUILD_BENCH=OFF >/dev/null
  cmake --build "$dir" --target qqgrouplink >/dev/null
done

first="$work/first/bin/qqgrouplink.exe"
second="$work/second-at-another-path/bin/qqgrouplink.exe"
if ! cmp -s "$first" "$second"; then
  echo "reproducible: the two builds differ ($(cmp -l "$first" "$second" | wc -l) bytes), first differences:" >&2
  cmp -l "$first" "$second" | head -n 8 >&2
  exit 1
fi
echo "reproducible: two builds are identical, $(stat -c %s "$first") bytes, SHA-256 $(sha256sum "$first" | cut -d' ' -f1)"
