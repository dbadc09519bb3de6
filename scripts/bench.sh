#!/usr/bin/env bash
# Runs every benchmark program of the native build, then the Windows ones under Wine when the
# Windows build that runs on this machine (win32, or win64 where 32-bit programs cannot start)
# has them.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
for b in build/native/bin/bench_*; do
    [ -x "$b" ] || continue
    echo "=== $(basename "$b") ==="
    "$b" || status=1
done

source scripts/wine-session.sh
preset=$(program_preset)
windows=(build/"$preset"/bin/bench_*.exe)
if [ -e "${windows[0]}" ]; then
    start_display
    start_wine "$PWD/build/$preset/wineprefix"
    trap stop_session EXIT
    for b in "${windows[@]}"; do
        echo "=== $(basename "$b" .exe) ($preset, under Wine) ==="
        wine "$b" || status=1
    done
fi
exit $status
