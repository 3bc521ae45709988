#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format (Debian's, version 14)
# makes of it. Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
    mapfile -t files < <(find src cli tests bench -name '*.cpp' -o -name '*.h')
fi
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted"
