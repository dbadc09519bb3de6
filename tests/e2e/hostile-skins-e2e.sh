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
source "$(dirname "$0")/program-session.sh"
expect_arguments "RUN_DIR DRIVER MAKER WORK_DIR" "$@"
run_dir=$1 driver=$2 maker=$3 work=$4
open_program_session "$work"

status=0
for family in names bitmap sections; do
    dir=$work/$family
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$run_dir/quellar.exe" "$run_dir/mos00.jpg" "$run_dir/mos01.jpg" "$dir/"
    make_skin_files "$maker" "$family" "$dir" || { status=1; continue; }
    write_settings_file # its values of its own show in the controls when it is read through
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
