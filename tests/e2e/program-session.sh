# What the program tests share. Sourced first, as `source "$(dirname "$0")/program-session.sh"`,
# it sets `here` (the test's folder) and `root` (the checkout) and gives:
#   expect_arguments "NAME ..." "$@"   exits 2 with the usage unless there is one argument per NAME
#   open_program_session WORK          one display and a Wine prefix of the test's own under WORK;
#                                      sets `prefix`, WINEPREFIX and `began`
#   make_skin_files MAKER FAMILY DIR [BASE]   the maker's FAMILY skin (made from BASE if given) as
#                                      every skin0.skn .. skin10.skn in DIR, its output in
#                                      $work/FAMILY.maker.log; says so and fails when it could not
#   write_settings_file                a complete settings file in the prefix, with values of its
#                                      own: no first-start box, the sound device only
#   end_program                        ends the program started last (`program_pid`), if any
# On the way out, whatever happened, the program started last is ended and the session stopped
# (a test with more to stop sets its own EXIT trap and calls end_program and stop_session there).
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/wine-session.sh"
program_pid=""

expect_arguments() {
    local names=$1
    shift
    if [ $# -ne "$(wc -w <<<"$names")" ]; then
        echo "usage: $0 $names" >&2
        exit 2
    fi
}

end_program() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null
        wait "$program_pid" 2>/dev/null
    fi
}

close_program_session() {
    end_program
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

make_skin_files() {
    local maker=$1 family=$2 dir=$3 i
    shift 3
    if ! wine "$maker" "$family" "$dir/skin0.skn" "$@" >"$work/$family.maker.log" 2>&1; then
        echo "FAILED: $family: the skin file could not be made" >&2
        return 1
    fi
    for i in $(seq 1 10); do cp "$dir/skin0.skn" "$dir/skin$i.skn"; done
}

write_settings_file() {
    printf '[KOR Quellar]\r\nItem=Data\r\nPEST=1\r\nPC_SPK=N\r\nSOUND_DEV=Y\r\nSAMPLE_RATE=3\r\nTIME_CH=1234\r\nVAL_CH=7\r\nMAST_VOL=77\r\nWAVE_FRM=0\r\nDURATION=567\r\nAUTO=N\r\nFREQ=16500\r\n' \
        >"$prefix/drive_c/quellar.ini"
}
