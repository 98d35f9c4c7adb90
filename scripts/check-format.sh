#!/usr/bin/env bash
# Checks that every C and C++ file of the repository is formatted as
# .clang-format says; with --fix, formats them in place.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mode=(--dry-run --Werror)
[ "${1:-}" = "--fix" ] && mode=(-i)
git ls-files -z -- '*.c' '*.cpp' '*.h' '*.hpp' | xargs -0 -r -P "$(nproc)" -n 50 clang-format "${mode[@]}"
