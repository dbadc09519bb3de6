#!/usr/bin/env bash
# Measures the processor time the running program takes under Wine: quellar.exe from the win32
# build, Sound device on, 1000 ms "Time Change", 1000 ms tone at "44,100" (rendered at 96,000/s,
# stereo), PC SPK off, playing through a private PulseAudio null sink. quellar-driver saves these
# settings, leaves the program idle for a while, clicks START, holds it running, then Exit.
# The processor time (user + system, all threads, from /proc/PID/stat) of quellar.exe, of the
# prefix's wineserver and of the sound server is reported as a share of each window's wall time.
#
#   scripts/cpu-share.sh [RUN_SECONDS [IDLE_SECONDS]]     defaults 60 and 10
# QUELLAR_BUILD_DIR picks the build (default build/win32; it must hold quellar.exe and the driver:
# cmake --build <dir> --target quellar quellar_skins quellar-driver). The Wine prefix is
# <build>/cpu-wineprefix, switched to PulseAudio and used by nothing else.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
run_seconds=${1:-60}
idle_seconds=${2:-10}
build=${QUELLAR_BUILD_DIR:-$root/build/win32}
driver=$build/bin/quellar-driver.exe
for f in "$build/run/quellar.exe" "$driver"; do
    if [ ! -f "$f" ]; then
        echo "cpu-share: $f is missing; build the targets quellar, quellar_skins and quellar-driver" >&2
        exit 1
    fi
done
for tool in pulseaudio pactl; do
    command -v "$tool" >/dev/null 2>&1 || { echo "cpu-share: $tool is not installed" >&2; exit 1; }
done

source scripts/wine-session.sh
source scripts/audio-capture.sh
work=$(mktemp -d /tmp/quellar-cpu.XXXXXX)
program_pid=""
driver_pid=""
finish() {
    local p
    for p in $driver_pid $program_pid; do
        kill "$p" 2>/dev/null
        wait "$p" 2>/dev/null
    done
    stop_pulse
    stop_session
    rm -rf "$work"
}
trap finish EXIT

start_pulse "$work/pulse" || { echo "cpu-share: the PulseAudio server did not start" >&2; exit 1; }
start_display || exit 1
prefix=$build/cpu-wineprefix
start_wine "$prefix"
export WINEPREFIX=$prefix
use_pulse "$prefix"

# A complete settings file, so start-up reads it through (no first-start message).
printf '[KOR Quellar]\r\nItem=Data\r\nPEST=1\r\nPC_SPK=N\r\nSOUND_DEV=Y\r\nSAMPLE_RATE=3\r\nTIME_CH=1000\r\nVAL_CH=0\r\nMAST_VOL=100\r\nWAVE_FRM=0\r\nDURATION=1000\r\nAUTO=N\r\nFREQ=17000\r\n' \
    >"$prefix/drive_c/quellar.ini"

clock_ticks=$(getconf CLK_TCK)
# User plus system time of a process, all its threads, in clock ticks (fields 14 and 15).
cpu_ticks() {
    local ticks
    ticks=$(sed 's/^.*) //' "/proc/${1:-0}/stat" 2>/dev/null | awk '{ print $12 + $13 }')
    echo "${ticks:-0}"
}
now_ns() { date +%s%N; }
# The prefix's wineserver: the server whose working folder is the prefix's server folder,
# .../server-<device>-<inode> of the prefix in hexadecimal.
wineserver_pid() {
    local suffix p
    suffix=/server-$(printf '%x' "$(stat -c %d "$prefix")")-$(printf '%x' "$(stat -c %i "$prefix")")
    for p in /proc/[0-9]*; do
        case "$(readlink "$p/cwd" 2>/dev/null)" in
        *"$suffix")
            if grep -q '^wineserver' "$p/comm" 2>/dev/null; then
                echo "${p#/proc/}"
                return 0
            fi
            ;;
        esac
    done
    echo 0
}
# The program's process: Wine names it after the executable; ours runs in our prefix.
program_process() {
    local p
    for p in /proc/[0-9]*; do
        if grep -qx 'quellar.exe' "$p/comm" 2>/dev/null &&
            tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
            echo "${p#/proc/}"
            return 0
        fi
    done
    echo 0
}
wait_for_event() {
    local i
    for i in $(seq 1 600); do
        grep -q "^$1 " "$work/timeline" 2>/dev/null && return 0
        kill -0 "$driver_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

(cd "$build/run" && exec wine quellar.exe) >"$work/program.log" 2>&1 &
program_pid=$!
# The driver holds the program running a little longer than the measured window.
(cd "$work" && exec wine "$driver" hold timeline "$idle_seconds" "$((run_seconds + 3))") &
driver_pid=$!

declare -A names=([program]=quellar.exe [server]=wineserver [sound]=pulseaudio)
declare -A pids
sample() { # label: prints "label program server sound wall_ns"
    printf '%s %s %s %s %s\n' "$1" "$(cpu_ticks "${pids[program]}")" "$(cpu_ticks "${pids[server]}")" \
        "$(cpu_ticks "${pids[sound]}")" "$(now_ns)"
}
if ! wait_for_event idle; then
    echo "cpu-share: the driver did not get the program going" >&2
    exit 1
fi
pids[program]=$(program_process)
pids[server]=$(wineserver_pid)
pids[sound]=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null || echo 0)
idle=$(sample idle)
wait_for_event start || { echo "cpu-share: no START" >&2; exit 1; }
start=$(sample start)
sleep "$run_seconds"
end=$(sample end)
wait "$driver_pid" || { echo "cpu-share: the driver failed" >&2; driver_pid=""; exit 1; }
driver_pid=""
wait "$program_pid"
program_pid=""

report() { # title from to
    local from=($2) to=($3) i=1 key
    local wall_ns=$((to[4] - from[4]))
    printf '%s (%.1f s):\n' "$1" "$(awk -v n="$wall_ns" 'BEGIN { print n / 1e9 }')"
    for key in program server sound; do
        awk -v name="${names[$key]}" -v a="${from[$i]:-0}" -v b="${to[$i]:-0}" -v hz="$clock_ticks" -v n="$wall_ns" \
            'BEGIN { s = (b - a) / hz; printf "  %-12s %7.2f s processor time = %6.2f%% of the time\n", name, s, 100 * s / (n / 1e9) }'
        i=$((i + 1))
    done
}
echo "processor time of the program under Wine (Sound device on, 1000 ms interval, 1000 ms tone, 96,000/s stereo):"
report "idle, before START" "$idle" "$start"
report "running, after START" "$start" "$end"
