#!/usr/bin/env bash
# The whole test run: set-up, formatting check, all builds, native tests (plain and under
# AddressSanitizer + UndefinedBehaviorSanitizer), the Windows tests under Wine inside Xvfb for
# both Windows builds, and the fuzz targets for a bounded time. Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/wine-session.sh
trap stop_session EXIT

bash scripts/setup.sh || exit 1
jobs=$(nproc)
failed_steps=()
total_passed=0
total_failed=0

step() { printf '\n=== %s ===\n' "$*"; }

run_ctest() {
    local preset=$1 out
    out=$(ctest --preset "$preset" -j"$jobs" 2>&1)
    local rc=$?
    printf '%s\n' "$out" | grep -Ev '^\s*$' | tail -n 40
    local line
    line=$(printf '%s\n' "$out" | grep -E 'tests passed, [0-9]+ tests failed out of' | tail -1)
    if [ -n "$line" ]; then
        local f n
        f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
        n=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/')
        total_passed=$((total_passed + n - f))
        total_failed=$((total_failed + f))
    fi
    [ $rc -eq 0 ] || failed_steps+=("tests $preset")
}

step "formatting"
if ! bash scripts/check-format.sh; then failed_steps+=("formatting"); fi

for preset in native native-asan win32 win64; do
    step "build $preset"
    if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j"$jobs" 2>&1 | grep -Ev '^\[ *[0-9]+%\]|^-- ' ; test "${PIPESTATUS[0]}" -eq 0; }; then
        failed_steps+=("build $preset")
    fi
done

step "native tests"
run_ctest native
step "native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest native-asan

start_display || failed_steps+=("Xvfb")
for preset in win32 win64; do
    step "Windows tests under Wine: $preset"
    if [ "$preset" = win32 ] && ! runs_32bit_programs; then
        echo "SKIPPED: this machine cannot start 32-bit programs (its kernel refuses them, or 32-bit"
        echo "Wine could not be installed), so 32-bit Wine cannot run here; the win32 build was built,"
        echo "and the win64 build runs the same tests."
        continue
    fi
    start_wine "$root/build/$preset/wineprefix"
    WINEPREFIX="$root/build/$preset/wineprefix" run_ctest "$preset"
done

if [ -x scripts/fuzz.sh ]; then
    step "fuzz targets"
    bash scripts/fuzz.sh || failed_steps+=("fuzz")
fi

echo
if [ ${#failed_steps[@]} -gt 0 ]; then
    echo "FAILED: ${failed_steps[*]}"
fi
echo "${total_passed} passed, ${total_failed} failed"
[ ${#failed_steps[@]} -eq 0 ] && [ "$total_failed" -eq 0 ]
