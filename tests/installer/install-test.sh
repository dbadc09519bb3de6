#!/usr/bin/env bash
# Install test of the release under Wine, in a fresh prefix of its own: the setup program runs
# silently (/S) and must leave the release's files in the program files folder of its kind
# (32-bit for the shipped x86 setup program, 64-bit for the amd64 one), a Start
# menu shortcut that starts the program in that folder, and an entry in the list of installed
# programs; the program started from the shortcut shows its main window; the programs carry the
# release's version; the portable zip unpacks to the same files and runs too. The silent uninstall
# must then take away every installed file, the folder, the shortcut and the entry, and keep the
# user's settings file.
#
#   install-test.sh MAKENSIS ARCH SETUP_EXE RELEASE_FOLDER ZIP CHECKER VERSION WORK_DIR
# Exits 77 (skipped) only when makensis is not installed, so no setup program could be built.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
if [ $# -ne 8 ]; then
    echo "usage: $0 MAKENSIS ARCH SETUP_EXE RELEASE_FOLDER ZIP CHECKER VERSION WORK_DIR" >&2
    exit 2
fi
makensis=$1 arch=$2 setup_exe=$3 release=$4 zip=$5 checker=$6 version=$7 work=$8
case "$makensis" in
    '' | *NOTFOUND)
        echo "SKIPPED: makensis is not installed (scripts/setup.sh installs nsis)"
        exit 77
        ;;
esac

began=$(date +%s%N)
status=0
fail() {
    echo "FAILED: $*" >&2
    status=1
}

source "$root/scripts/wine-session.sh"
trap stop_session EXIT
rm -rf "$work"
mkdir -p "$work"
prefix=$work/wineprefix
start_display || exit 1
start_wine "$prefix"
if [ ! -d "$prefix/drive_c/windows" ]; then
    echo "FAILED: Wine could not make the prefix $prefix (does \`wine cmd /c exit\` run here?)" >&2
    exit 1
fi
export WINEPREFIX=$prefix
# No desktop menu entries on the build machine for the shortcuts the setup program makes, and
# no sound driver: nothing here listens, and ALSA would only report the missing sound card.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1

program_files="$prefix/drive_c/Program Files"
view=64
if [ "$arch" = x86 ]; then
    view=32
    [ -d "$program_files (x86)" ] && program_files="$program_files (x86)"
fi
install_dir="$program_files/KOR Quellar"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KOR Quellar.lnk"
settings="$prefix/drive_c/quellar.ini"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KORQuellar'
win() { winepath -w "$1" 2>/dev/null; }

# The entry's value NAME as "TYPE VALUE", read through the registry view (32- or 64-bit) the
# setup program writes to.
entry_value() {
    wine reg query "$key" /v "$1" /reg:$view 2>/dev/null | tr -d '\r' |
        sed -nE "s/^ +$1 +(REG_[A-Z_]+) +(.*)$/\1 \2/p"
}
entry_exists() { wine reg query "$key" /reg:$view >/dev/null 2>&1; }

# Each file the same as in the release folder, and nothing else but the uninstaller.
check_files() {
    local dir=$1 extra=$2 f name
    for f in "$release"/*; do
        name=$(basename "$f")
        cmp -s "$f" "$dir/$name" || fail "$name is missing or differs in $dir"
    done
    for f in "$dir"/*; do
        name=$(basename "$f")
        [ -f "$release/$name" ] || [ "$name" = "$extra" ] || fail "$dir holds $name, which is not released"
    done
}

check_entry() {
    local name expected total
    for name in DisplayName Publisher DisplayIcon UninstallString; do
        [ -n "$(entry_value $name)" ] || fail "the uninstall entry has no $name"
    done
    expected="REG_SZ $version"
    [ "$(entry_value DisplayVersion)" = "$expected" ] ||
        fail "DisplayVersion is \"$(entry_value DisplayVersion)\", expected \"$expected\""
    case "$(entry_value QuietUninstallString)" in
        *uninstall.exe*' /S') ;;
        *) fail "QuietUninstallString is \"$(entry_value QuietUninstallString)\"" ;;
    esac
    # In KiB, the installed files' total.
    total=$(cat "$install_dir"/* | wc -c)
    expected=$(printf 'REG_DWORD 0x%x' $((total / 1024)))
    [ "$(entry_value EstimatedSize)" = "$expected" ] ||
        fail "EstimatedSize is \"$(entry_value EstimatedSize)\", expected \"$expected\""
}

echo "install: $(basename "$setup_exe") /S"
[ -f "$setup_exe" ] || { fail "$setup_exe was not built"; exit 1; }
timeout 120 wine "$setup_exe" /S || fail "the setup program exited with $?"
check_files "$install_dir" uninstall.exe
[ -f "$shortcut" ] || fail "no Start menu shortcut $shortcut"
check_entry
programs=("$(win "$setup_exe")")
for name in quellar.exe quellar-tone.exe quellar-skin.exe uninstall.exe; do
    programs+=("$(win "$install_dir/$name")")
done
timeout 60 wine "$checker" version "${programs[@]}" || fail "version resources"
timeout 60 wine "$checker" shortcut "$(win "$shortcut")" "$(win "$install_dir")" ||
    fail "the installed program"

echo "portable: $(basename "$zip")"
mkdir -p "$work/portable"
(cd "$work/portable" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
unpacked="$work/portable/$(basename "$release")"
check_files "$unpacked" ""
timeout 60 wine "$checker" run "$(win "$unpacked")" || fail "the program from the zip"

# The first start wrote the settings file; the uninstaller must not touch it.
[ -f "$settings" ] || printf '[KOR Quellar]\r\nPEST=0\r\n' >"$settings"
settings_sum=$(md5sum <"$settings")

echo "uninstall: uninstall.exe /S"
# The uninstaller runs from a copy in the temporary folder and returns at once: wait for its work.
timeout 60 wine "$install_dir/uninstall.exe" /S || fail "the uninstaller exited with $?"
for _ in $(seq 1 300); do
    [ ! -e "$install_dir" ] && [ ! -e "$shortcut" ] && ! entry_exists && break
    sleep 0.1
done
if [ -e "$install_dir" ]; then
    fail "the install folder is still there, holding: $(ls "$install_dir" | tr '\n' ' ')"
fi
[ ! -e "$shortcut" ] || fail "the Start menu shortcut is still there"
! entry_exists || fail "the uninstall entry is still there"
[ -f "$settings" ] && [ "$(md5sum <"$settings")" = "$settings_sum" ] ||
    fail "the settings file was changed or removed"

elapsed_ms=$((($(date +%s%N) - began) / 1000000))
verdict=passed
[ $status -eq 0 ] || verdict=FAILED
echo "install test: $verdict in $((elapsed_ms / 1000)).$(((elapsed_ms % 1000) / 100)) s"
exit $status
