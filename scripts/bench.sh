#!/usr/bin/env bash
# Runs every benchmark program of the native build.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
for b in build/native/bin/bench_*; do
    [ -x "$b" ] || continue
    echo "=== $(basename "$b") ==="
    "$b" || status=1
done
exit $status
