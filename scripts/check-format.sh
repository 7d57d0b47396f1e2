#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted as .clang-format says (clang-format
# from Debian, installed by scripts/setup.sh). Lists the files that are not and exits
# with 1; `clang-format -i <file>` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "check-format: clang-format is not installed (scripts/setup.sh installs it)" >&2
  exit 2
fi

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
off=()
for file in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then off+=("$file"); fi
done

if [ ${#off[@]} -gt 0 ]; then
  echo "check-format: ${#off[@]} of ${#files[@]} C++ files are not formatted as .clang-format says:" >&2
  printf '  %s\n' "${off[@]}" >&2
  exit 1
fi
echo "check-format: all ${#files[@]} C++ files are formatted"
