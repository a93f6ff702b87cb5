#!/usr/bin/env bash
# Formats every C++ file git tracks with clang-format 14 and the repository's
# .clang-format. With --check, changes nothing and fails on the first file
# that is not formatted (the test command runs this first).
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
case "${1:-}" in
  --check) check=1 ;;
  "") ;;
  *)
    echo "usage: $0 [--check]" >&2
    exit 2
    ;;
esac

# Another clang-format version lays some code out differently, so only 14 will do.
format=""
for candidate in clang-format-14 clang-format; do
  if command -v "$candidate" >/dev/null 2>&1 &&
    "$candidate" --version | grep -q 'version 14\.'; then
    format="$candidate"
    break
  fi
done
if [ -z "$format" ]; then
  echo "format: clang-format 14 is missing; run ./scripts/setup.sh" >&2
  exit 1
fi

files=()
while IFS= read -r -d '' f; do
  files+=("$f")
done < <(git ls-files -z -- '*.cpp' '*.h' '*.cc' '*.hpp' '*.cxx' '*.hh')
if [ ${#files[@]} -eq 0 ]; then
  echo "format: no C++ files found (is this a git checkout?)" >&2
  exit 1
fi

if [ "$check" -eq 1 ]; then
  if ! "$format" --dry-run --Werror "${files[@]}"; then
    echo "format: run ./scripts/format.sh to format the files above" >&2
    exit 1
  fi
  echo "format: ${#files[@]} files are formatted"
else
  "$format" -i "${files[@]}"
  echo "format: formatted ${#files[@]} files"
fi
