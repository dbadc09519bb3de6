# Sourced by tests that listen to what the program plays. The machine has no sound card: a private
# PulseAudio server with a null sink paces playback in real time, Wine is told to use it, and
# parec records the sink's monitor into a WAV file.
#   start_pulse DIR           starts the server with its runtime files under DIR
#   use_pulse PREFIX          makes the Wine prefix play through PulseAudio
#   start_recording FILE      records 96 kHz stereo 16-bit into FILE, from at once and in real time
#   stop_recording            stops and flushes the recording
#   stop_pulse                ends the server
_quellar_parec_pid=""
_quellar_silence_pid=""

start_pulse() {
    export XDG_RUNTIME_DIR=$1
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    pulseaudio --kill >/dev/null 2>&1 || true
    pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
        --load="module-null-sink sink_name=cap rate=96000 channels=2" \
        --load=module-native-protocol-unix >/dev/null 2>&1 || return 1
    local i
    for i in $(seq 1 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl set-default-sink cap
}

use_pulse() {
    WINEPREFIX=$1 wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d pulse /f >/dev/null 2>&1
}

# A sink that has been idle starts again only at its next wake-up, up to about 2 s later, and the
# first sound after an idle stretch reaches the monitor cut or not at all. So a stream of silence
# keeps the sink running while recording, and recording counts as started once the file grows:
# from then on the capture follows the wall clock, silences included. Returns 1 if no data
# arrives within 5 s.
start_recording() {
    pacat --playback --device=cap --rate=96000 --channels=2 --format=s16le --raw --latency-msec=20 \
        </dev/zero &
    _quellar_silence_pid=$!
    rm -f "$1"
    parec --device=cap.monitor --rate=96000 --channels=2 --format=s16le --file-format=wav \
        --latency-msec=20 "$1" &
    _quellar_parec_pid=$!
    local i
    for i in $(seq 1 500); do
        [ "$(stat -c %s "$1" 2>/dev/null || echo 0)" -gt 4096 ] && return 0
        sleep 0.01
    done
    echo "start_recording: no audio data within 5 s" >&2
    return 1
}

stop_recording() {
    if [ -n "$_quellar_parec_pid" ]; then
        kill -INT "$_quellar_parec_pid" 2>/dev/null || true
        wait "$_quellar_parec_pid" 2>/dev/null || true
        _quellar_parec_pid=""
    fi
    if [ -n "$_quellar_silence_pid" ]; then
        kill "$_quellar_silence_pid" 2>/dev/null || true
        wait "$_quellar_silence_pid" 2>/dev/null || true
        _quellar_silence_pid=""
    fi
}

stop_pulse() {
    stop_recording
    pulseaudio --kill >/dev/null 2>&1 || true
}
