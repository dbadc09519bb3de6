#!/usr/bin/env bash
# Takes the README's screenshot (docs/screenshot.png): builds the win32 preset, starts the
# program under Wine inside Xvfb in a prefix of its own whose settings file holds the values a
# first save writes (so the window opens without the first-start error box), waits for the main
# window and captures the Wine desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
# QUELLAR_BUILD_DIR builds elsewhere than the preset's folder (build/win32).
build=${QUELLAR_BUILD_DIR:-$root/build/win32}
if [ -n "${QUELLAR_BUILD_DIR:-}" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" >/dev/null
    cmake --build "$build" --target quellar -j"$(nproc)" >/dev/null
else
    cmake --preset win32 >/dev/null
    cmake --build --preset win32 -j"$(nproc)" >/dev/null
fi

prefix=$build/screenshot-prefix
source scripts/wine-session.sh
trap stop_session EXIT
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
