#!/usr/bin/env bash
# The shipped program and the skin viewer under Wine on skins made from skin0 with one kind of
# hostile number each (make_hostile_skins FAMILY OUT BASE), as every skin0.skn .. skin10.skn:
# the main window shows and keeps answering through repaints, START and STOP; STOP's box and its
# OK button lie on the screen; the process stays within a few hundred MB. Then the viewer on the
# same file: it shows, repaints and closes, within the same memory. skin0 itself runs first, so
# the figures printed for each family have a baseline measured in the same run.
#
#   skin-numbers-e2e.sh RUN_DIR DRIVER MAKER VIEWER WORK_DIR
set -uo pipefail
source "$(dirname "$0")/program-session.sh"
expect_arguments "RUN_DIR DRIVER MAKER VIEWER WORK_DIR" "$@"
run_dir=$(realpath "$1") driver=$(realpath "$2") maker=$(realpath "$3") viewer=$(realpath "$4") work=$(realpath -m "$5")
families=${QUELLAR_SKIN_FAMILIES:-"skin0 border textshift txtback chunk check menuitem tilemenu"}
open_program_session "$work"

# Starts "$@" in $dir in the background, runs the driver in MODE and waits for the end.
drive() {
    local what=$1 mode=$2
    shift 2
    (cd "$dir" && exec wine "$@") >"$work/$family.$mode.log" 2>&1 &
    program_pid=$!
    local ok=0
    if (cd "$work" && timeout 60 wine "$driver" "$mode" "$family.$mode.timeline") >"$work/$family.$mode.driver" 2>&1; then
        echo "$family: $what: $(grep -o 'driver: .* MB.*' "$work/$family.$mode.driver")"
    else
        echo "FAILED: $family: $what: $(tail -1 "$work/$family.$mode.driver")" >&2
        ok=1
    fi
    await_program_end "$program_pid" "the end ($family, $what)" || ok=1
    program_pid=""
    return $ok
}

status=0
for family in $families; do
    dir=$work/$family
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$run_dir/quellar.exe" "$run_dir/mos00.jpg" "$run_dir/mos01.jpg" "$viewer" "$dir/"
    make_skin_files "$maker" "$family" "$dir" "$run_dir/skin0.skn" || { status=1; continue; }
    write_settings_file # no first-start box, and no speaker waits
    drive program skin-numbers quellar.exe || status=1
    drive viewer skin-viewer "$(basename "$viewer")" skin0.skn || status=1
done
elapsed_ms=$(( ($(date +%s%N) - began) / 1000000 ))
echo "skin numbers end to end: $([ $status -eq 0 ] && echo passed || echo FAILED) in $((elapsed_ms / 1000)) s"
exit $status
