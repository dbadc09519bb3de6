#!/usr/bin/env bash
# Takes the README's screenshot (docs/screenshot.png): builds the win32 preset (win64 where
# 32-bit programs cannot start), starts the
# program under Wine inside Xvfb in a prefix of its own whose settings file holds the values a
# first save writes (so the window opens without the first-start error box), waits for the main
# window and captures the Wine desktop (in skin0). Then the skin viewer: in skin0 with its View
# menu open (docs/skinview.png), and in each of the eleven skins, put together as a contact sheet
# (docs/skins.png).
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

mkdir -p "$root/docs"
# Starts the program from a copy of the run folder in which every skin file slot holds skin
# $1 (so the random choice can only pick that one), waits for the main window and captures
# the Wine desktop into $2.
shoot() {
    local run=$build/screenshot-run i
    rm -rf "$run"
    cp -r "$build/run" "$run"
    for i in $(seq 0 10); do cp "$build/run/skin$1.skn" "$run/skin$i.skn"; done
    (cd "$run" && WINEPREFIX=$prefix wine explorer /desktop=shot,560x440 quellar.exe) &
    local pid=$!
    for _ in $(seq 1 60); do
        xdotool search --name "KOR Quellar 3.00c" >/dev/null 2>&1 && break
        sleep 0.5
    done
    sleep 3
    import -window root -crop 560x440+0+0 +repage "$2"
    kill "$pid" 2>/dev/null || true
    # A fresh server for the next start, so no desktop or window of this one is left over.
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    start_wine "$prefix"
}

shoot 0 "$root/docs/screenshot.png"
echo "screenshot: $root/docs/screenshot.png"

# Starts the skin viewer on skin $1, optionally opens its View menu (Alt+V, $3 = menu), waits
# and captures the Wine desktop into $2.
shoot_viewer() {
    (cd "$build/run" && WINEPREFIX=$prefix wine explorer /desktop=view,760x560 quellar-skinview.exe "skin$1.skn") &
    local pid=$!
    for _ in $(seq 1 60); do
        xdotool search --name "skin viewer" >/dev/null 2>&1 && break
        sleep 0.5
    done
    sleep 3
    if [ "${3:-}" = menu ]; then
        # A click on View in the menu bar (the window sits in the middle of the desktop), then
        # down to Nested and into it.
        xdotool mousemove 102 81 click 1
        sleep 1
        xdotool key Down Down Down Right
        sleep 1
    fi
    import -window root -crop 760x560+0+0 +repage "$2"
    kill "$pid" 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    start_wine "$prefix"
}

shoot_viewer 0 "$root/docs/skinview.png" menu
echo "viewer screenshot: $root/docs/skinview.png"

# The contact sheet: the skin viewer in each of the eleven skins, with the skin's name.
sheet=$build/screenshot-sheet
rm -rf "$sheet" && mkdir -p "$sheet"
for i in $(seq 0 10); do
    shoot_viewer "$i" "$sheet/skin$i.png"
    name=$(sed -n 's/^name=//p' "$root/assets/skins/skin$i.style")
    convert "$sheet/skin$i.png" -trim +repage -resize 50% \
        -gravity south -background white -splice 0x16 -pointsize 12 -annotate +0+2 "skin$i: $name" \
        "$sheet/tile$i.png"
done
montage "$sheet"/tile{0,1,2,3,4,5,6,7,8,9,10}.png -tile 4x -geometry +4+4 -background white "$root/docs/skins.png"
echo "contact sheet: $root/docs/skins.png"
