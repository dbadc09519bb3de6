#!/usr/bin/env bash
# Fails when a tracked C++ source differs from what clang-format makes of it.
cd "$(dirname "$0")/.."
files=$( (git ls-files; git ls-files --others --exclude-standard) | grep -E '\.(c|cc|cpp|h|hpp)$' | sort -u)
[ -z "$files" ] && exit 0
bad=0
for f in $files; do
    [ -f "$f" ] || continue
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        echo "not formatted: $f (run: make format)"
        bad=1
    fi
done
exit $bad
