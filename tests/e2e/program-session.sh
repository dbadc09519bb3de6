# The session of a program test, sourced with `root` set to the checkout: one display and a Wine
# prefix of the test's own under WORK (`open_program_session WORK` sets `prefix`, WINEPREFIX and
# `began`). On the way out, whatever happened, the program started last (`program_pid`) is ended
# and the session stopped.
source "$root/scripts/wine-session.sh"
program_pid=""
close_program_session() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null
        wait "$program_pid" 2>/dev/null
    fi
    stop_session
}
trap close_program_session EXIT

open_program_session() {
    began=$(date +%s%N)
    mkdir -p "$1"
    start_display || exit 1
    prefix=$1/wineprefix
    start_wine "$prefix"
    export WINEPREFIX=$prefix
}
