#!/usr/bin/env bash
# Takes the README's screenshot (docs/screenshot.png): builds the win32 preset (win64 where
# 32-bit programs cannot start), starts the
# program under Wine inside Xvfb in a prefix of its own whose settings file holds the values a
# first save writes (so the window opens without the first-start error box), waits for the main
# window and captures the Wine desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
source scripts/wine-session.sh
trap stop_session EXIT
# The shipped 32-bit build, or the 64-bit one on a machine that cannot start 32-bit programs.
preset=$(program_preset)
toolchain=i686-w64-mingw32
[ "$preset" = win32 ] || toolchain=x86_64-w64-mingw32
# QUELLAR_BUILD_DIR builds elsewhere than the preset's folder (build/<preset>).
build=${QUELLAR_BUILD_DIR:-$root/build/$preset}
if [ -n "${QUELLAR_BUILD_DIR:-}" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$toolchain.cmake" >/dev/null
    cmake --build "$build" --target quellar -j"$(nproc)" >/dev/null
else
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)" >/dev/null
fi

prefix=$build/screenshot-prefix
start_display
start_wine "$prefix"
printf '%s\r\n' '[KOR Quellar]' 'Item=Data' 'PEST=1' 'PC_SPK=N' 'SOUND_DEV=Y' 'SAMPLE_RATE=2' 'TIME_CH=1000' \
    'VAL_CH=250' 'MAST_VOL=60' 'WAVE_FRM=0' 'DURATION=800' 'AUTO=Y' 'FREQ=17500' >"$prefix/drive_c/quellar.ini"

cd "$build/run"
WINEPREFIX=$prefix wine explorer /desktop=shot,560x440 quellar.exe &
pid=$!
for _ in $(seq 1 60); do
    xdotool search --name "KOR Quellar 3.00c" >/dev/null 2>&1 && break
    sleep 0.5
done
sleep 3
mkdir -p "$root/docs"
import -window root -crop 560x440+0+0 +repage "$root/docs/screenshot.png"
kill "$pid" 2>/dev/null || true
echo "screenshot: $root/docs/screenshot.png"
