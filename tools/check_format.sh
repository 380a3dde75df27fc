#!/usr/bin/env bash
# Fails, naming the places, when a C++ file of the tree is not formatted as
# .clang-format says. `tools/check_format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "clang-format is not installed (tools/setup.sh installs it)" >&2
  exit 1
fi
mapfile -t files < <(find core numtext stats system platform input results app tools tests bench \
  -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
