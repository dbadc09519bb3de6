#!/usr/bin/env bash
# `make run`: installs what is missing, builds the shipped Windows build (preset win32; win64 on a
# machine that cannot start 32-bit programs) and
# starts build/<preset>/run/quellar.exe under Wine with the run folder as its working directory.
# Without a display it runs inside Xvfb, takes a screenshot after a few seconds, says where it
# is and stops the program. The program's settings file c:\quellar.ini is
# build/<preset>/wineprefix/drive_c/quellar.ini.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
source scripts/wine-session.sh
trap stop_session EXIT
# The shipped 32-bit build, or the 64-bit one on a machine that cannot start 32-bit programs.
preset=$(program_preset)
[ "$preset" = win32 ] || echo "run: this machine cannot start 32-bit programs; running the win64 build"
# QUELLAR_BUILD_DIR builds elsewhere than the preset's folder (build/<preset>).
build=${QUELLAR_BUILD_DIR:-$root/build/$preset}
if [ -n "${QUELLAR_BUILD_DIR:-}" ]; then
    toolchain=i686-w64-mingw32
    [ "$preset" = win32 ] || toolchain=x86_64-w64-mingw32
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$toolchain.cmake" >/dev/null
    cmake --build "$build" --target quellar -j"$(nproc)"
else
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
fi

run_dir=$build/run
prefix=$build/wineprefix

headless=0
if [ -n "${DISPLAY:-}" ]; then
    export QUELLAR_USE_DISPLAY=1
else
    headless=1
fi
start_display
start_wine "$prefix"
echo "run: settings file: $prefix/drive_c/quellar.ini"
# Until "Save Para" has written the keys, every start reports the empty first value.
unsaved=0
grep -qi '^PEST=' "$prefix/drive_c/quellar.ini" 2>/dev/null || unsaved=1
if [ ! -f "$prefix/drive_c/quellar.ini" ]; then
    echo "run: first start: the program creates the settings file and reports its empty first value;"
    echo "run: after OK the window opens, and \"Save Para\" fills the file for the next start"
fi
cd "$run_dir"
if [ "$headless" = 0 ]; then
    WINEPREFIX=$prefix wine quellar.exe
    exit 0
fi

# No display: a Wine desktop inside Xvfb, so the window is drawn with its frame.
WINEPREFIX=$prefix wine explorer /desktop=quellar,800x600 quellar.exe &
pid=$!
for _ in $(seq 1 60); do
    xdotool search --name "KOR Quellar" >/dev/null 2>&1 && break
    sleep 0.5
done
sleep "${QUELLAR_SHOT_DELAY:-3}"
shot=$build/screenshot.png
import -window root -crop 800x600+0+0 +repage "$shot"
echo "run: no display here, so the program ran inside Xvfb; screenshot: $shot"
if [ "$unsaved" = 1 ]; then
    # Answer the settings message as a user would and show the window behind it as well.
    xdotool key Return >/dev/null 2>&1 || true
    sleep 2
    window_shot=$build/screenshot-window.png
    import -window root -crop 800x600+0+0 +repage "$window_shot"
    echo "run: the settings message answered with OK; the window: $window_shot"
fi
kill "$pid" 2>/dev/null || true
