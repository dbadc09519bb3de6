#!/usr/bin/env bash
# The shipped program under Wine with hostile skin files as every skin0.skn .. skin10.skn, one
# family at a time: a package of 32 million names, one whose every picture key names a
# 4096 x 4096 bitmap, one of a million sections. Each start must show the main window with no
# box, read the settings file through and end on Exit (quellar-driver hostile-skins checks it).
#
#   hostile-skins-e2e.sh RUN_DIR DRIVER MAKER WORK_DIR
# MAKER is make_hostile_skins.exe, which writes the files. The program runs in a Wine prefix of
# this test's own (its settings file c:\quellar.ini is written here).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
if [ $# -ne 4 ]; then
    echo "usage: $0 RUN_DIR DRIVER MAKER WORK_DIR" >&2
    exit 2
fi
run_dir=$1 driver=$2 maker=$3 work=$4

source "$here/program-session.sh"
open_program_session "$work"

status=0
for family in names bitmap sections; do
    dir=$work/$family
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$run_dir/quellar.exe" "$run_dir/mos00.jpg" "$run_dir/mos01.jpg" "$dir/"
    if ! wine "$maker" "$family" "$dir/skin0.skn" >"$work/$family.maker.log" 2>&1; then
        echo "FAILED: $family: the skin file could not be made" >&2
        status=1
        continue
    fi
    for i in $(seq 1 10); do cp "$dir/skin0.skn" "$dir/skin$i.skn"; done
    # A complete settings file with values of its own, so reading it through shows in the controls.
    printf '[KOR Quellar]\r\nItem=Data\r\nPEST=1\r\nPC_SPK=N\r\nSOUND_DEV=Y\r\nSAMPLE_RATE=3\r\nTIME_CH=1234\r\nVAL_CH=7\r\nMAST_VOL=77\r\nWAVE_FRM=0\r\nDURATION=567\r\nAUTO=N\r\nFREQ=16500\r\n' \
        >"$prefix/drive_c/quellar.ini"
    (cd "$dir" && exec wine quellar.exe) >"$work/$family.program.log" 2>&1 &
    program_pid=$!
    if (cd "$work" && timeout 60 wine "$driver" hostile-skins "$family.timeline"); then
        echo "$family ($(stat -c %s "$dir/skin0.skn") bytes): main window, no box, settings read"
    else
        echo "FAILED: $family" >&2
        status=1
    fi
    await_program_end "$program_pid" "Exit ($family)" || status=1
    program_pid=""
done
elapsed_ms=$(( ($(date +%s%N) - began) / 1000000 ))
echo "hostile skins end to end: $([ $status -eq 0 ] && echo passed || echo FAILED) in $((elapsed_ms / 1000)) s"
exit $status
