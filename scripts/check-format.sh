#!/usr/bin/env bash
# Fails when clang-format would change any C++ file of the tree; --fix rewrites them instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/tolvane-format.$$; then
    grep -m 20 "error:" /tmp/tolvane-format.$$ || true
    rm -f /tmp/tolvane-format.$$
    echo "clang-format would change the files above: run scripts/check-format.sh --fix" >&2
    exit 1
fi
rm -f /tmp/tolvane-format.$$
echo "format: clean"
