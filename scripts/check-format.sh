#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it; lists those files.
# Format them with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
while IFS= read -r file; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file" >&2
    status=1
  fi
done < <(git ls-files '*.cpp' '*.h')
exit "$status"
