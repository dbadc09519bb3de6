# Sourced by tests that listen to what the program plays. The machine has no sound card: a private
# PulseAudio server with a null sink paces playback in real time, Wine is told to use it, and
# parec records the sink's monitor into a WAV file.
#   start_pulse DIR           starts the server with its runtime files under DIR
#   use_pulse PREFIX          makes the Wine prefix play through PulseAudio
#   start_recording FILE      records 96 kHz stereo 16-bit into FILE
#   stop_recording            stops and flushes the recording
#   stop_pulse                ends the server
_quellar_parec_pid=""

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

start_recording() {
    parec --device=cap.monitor --rate=96000 --channels=2 --format=s16le --file-format=wav \
        --latency-msec=20 "$1" &
    _quellar_parec_pid=$!
    sleep 0.3
}

stop_recording() {
    if [ -n "$_quellar_parec_pid" ]; then
        kill -INT "$_quellar_parec_pid" 2>/dev/null || true
        wait "$_quellar_parec_pid" 2>/dev/null || true
        _quellar_parec_pid=""
    fi
}

stop_pulse() {
    stop_recording
    pulseaudio --kill >/dev/null 2>&1 || true
}
