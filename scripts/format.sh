#!/usr/bin/env bash
# clang-format over our own C++ sources: `format.sh` rewrites them in place,
# `format.sh --check` lists the files that drift and fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  exec clang-format --dry-run --Werror "${files[@]}"
fi
exec clang-format -i "${files[@]}"
