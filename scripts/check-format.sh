#!/usr/bin/env bash
# Fails when a C or C++ file of the repository differs from what clang-format
# (14, with the checked-in .clang-format) makes of it, and names the files.
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! clang-format --dry-run --Werror "${files[@]}" 2>"$report"; then
  grep -o '^[^: ]*:[0-9]*:' "$report" | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
  echo "check-format: run scripts/check-format.sh --fix" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files formatted"
