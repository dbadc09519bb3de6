# Sourced by the test and run scripts: one Xvfb display and one running wineserver per prefix
# for the whole session, both stopped on exit.
#   start_display           sets DISPLAY to a fresh Xvfb unless QUELLAR_USE_DISPLAY=1
#   start_wine PREFIX       prepares the prefix (first time: 10-20 s) and keeps its server up
#   stop_session            ends what was started
#   runs_32bit_programs     true when this machine can start 32-bit programs (and so 32-bit Wine)
#   program_preset          win32, or win64 where 32-bit programs cannot start
#   await_program_end PID WHAT   waits 10 s for a program started in the background to end;
#                           ends it and fails, naming WHAT, when it is still running
_quellar_xvfb_pid=""
_quellar_prefixes=()

start_display() {
    if [ "${QUELLAR_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
        return 0
    fi
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X${n}-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        _quellar_xvfb_pid=$!
        local i
        for i in $(seq 1 50); do
            if [ -e "/tmp/.X11-unix/X$n" ]; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.1
        done
        kill "$_quellar_xvfb_pid" 2>/dev/null || true
    done
    echo "could not start Xvfb" >&2
    return 1
}

start_wine() {
    local prefix=$1
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$prefix"
    if [ ! -f "$prefix/system.reg" ]; then
        WINEPREFIX=$prefix wineboot -i >/dev/null 2>&1 || true
    fi
    WINEPREFIX=$prefix wineserver -p >/dev/null 2>&1 || true
    # Without a window manager Wine waits two seconds for every window it hides or destroys
    # unless its windows are unmanaged.
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    # The first program of a session starts the prefix's services, which inherit its output
    # and keep it open, so CTest would wait on that test until its timeout: start them here.
    WINEPREFIX=$prefix wine cmd /c exit >/dev/null 2>&1 || true
    _quellar_prefixes+=("$prefix")
}

stop_session() {
    local p
    for p in "${_quellar_prefixes[@]}"; do
        WINEPREFIX=$p wineserver -k >/dev/null 2>&1 || true
    done
    _quellar_prefixes=()
    if [ -n "$_quellar_xvfb_pid" ]; then
        kill "$_quellar_xvfb_pid" 2>/dev/null || true
        wait "$_quellar_xvfb_pid" 2>/dev/null || true
        _quellar_xvfb_pid=""
    fi
}

# Some virtual machines have no 32-bit system-call entry: the kernel refuses every 32-bit
# program ("Exec format error"), 32-bit Wine with it. Wine's 32-bit loader is such a program.
runs_32bit_programs() {
    # The 32-bit loader comes with 32-bit Wine; without it (or where the kernel refuses 32-bit
    # programs) no 32-bit program can start.
    local loader=/usr/lib/wine/wine
    [ -e "$loader" ] && "$loader" --version >/dev/null 2>&1
}

program_preset() {
    if runs_32bit_programs; then echo win32; else echo win64; fi
}

# Debian's `wine` (and `wine-stable`, which wineboot calls) always starts the 32-bit loader when
# it is installed, and that loader starts the 64-bit one for 64-bit programs. Where 32-bit
# programs cannot start, commands of these names that go straight to the 64-bit loader come
# first on PATH, so 64-bit programs and Wine's own tools still run.
use_64bit_wine_where_needed() {
    runs_32bit_programs && return 0
    [ -x /usr/lib/wine/wine64 ] || return 0
    local shim=${TMPDIR:-/tmp}/quellar-wine64-shim
    if [ ! -x "$shim/wine-stable" ]; then
        mkdir -p "$shim"
        local name
        for name in wine wine-stable; do
            # Written aside and renamed, so processes starting together never see half a file.
            printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexport WINEDEBUG="${WINEDEBUG:-fixme-all}"\nexec /usr/lib/wine/wine64 "$@"\n' >"$shim/$name.$$"
            chmod +x "$shim/$name.$$"
            mv -f "$shim/$name.$$" "$shim/$name"
        done
    fi
    case ":$PATH:" in
        *":$shim:"*) ;;
        *) export PATH="$shim:$PATH" ;;
    esac
}
use_64bit_wine_where_needed

await_program_end() {
    local pid=$1 what=$2 i
    for i in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    local rc=0
    if kill -0 "$pid" 2>/dev/null; then
        echo "FAILED: the program was still running 10 s after $what" >&2
        rc=1
        kill "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
    return $rc
}
