#!/usr/bin/env bash
# Builds the libFuzzer targets with the fuzz preset (clang, address and undefined behaviour
# sanitizers) and runs each for a bounded time on a corpus seeded from our own skins. Exits
# non-zero when a target finds a crash, a leak, a timeout or an out-of-memory input.
# FUZZ_SECONDS sets the time per target (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build/fuzz
seconds=${FUZZ_SECONDS:-20}
jobs=$(nproc)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs" --target fuzz_skin_package fuzz_skin_model fuzz_skin_bitmap quellar_skins >/dev/null

# Seeds: the skin files, their bitmaps, and their decompressed packages for the model target.
corpus=$build/corpus
rm -rf "$corpus"
mkdir -p "$corpus/package" "$corpus/bitmap" "$corpus/model"
cp "$build"/run/skin*.skn "$corpus/package/"
for dir in "$build"/assets/skins/skin*/; do
    name=$(basename "$dir")
    for bmp in "$dir"*.bmp; do
        cp "$bmp" "$corpus/bitmap/${name}_$(basename "$bmp")"
    done
    # The model target takes a decompressed package: the description first, then the bitmaps.
    python3 - "$dir" "$corpus/model/$name" <<'PY'
import struct, sys, pathlib
d = pathlib.Path(sys.argv[1])
members = [d / "skin.ini"] + sorted(p for p in d.iterdir() if p.suffix == ".bmp")
names = "".join(p.name + "\r\n" for p in members).encode()
data = [p.read_bytes() for p in members]
package = struct.pack("<ii8x", 20000, len(names)) + names
package += b"".join(struct.pack("<i", len(b)) for b in data) + b"".join(data)
pathlib.Path(sys.argv[2]).write_bytes(package)
PY
done

# Two small packages too, so the decoder target also runs many short inputs.
small=$(mktemp -d)
printf '[Personality]\r\nLeft=check.bmp\r\n[Colours]\r\nMenu=1 2 3\r\n' >"$small/skin.ini"
cp "$build/assets/skins/skin0/check.bmp" "$small/"
"$build/bin/quellar-skin" pack "$small" "$corpus/package/small1.skn"
rm "$small/check.bmp"
"$build/bin/quellar-skin" pack "$small" "$corpus/package/small2.skn"
rm -rf "$small"

# The package target decodes up to 48 output bytes per input byte under the sanitizers; shorter
# inputs keep it at many runs per second.
declare -A max_len=([package]=8192 [model]=131072 [bitmap]=131072)

status=0
for target in package model bitmap; do
    work=$(mktemp -d)
    cp "$corpus/$target"/* "$work/"
    printf 'fuzz_skin_%s: %s s on %s seeds\n' "$target" "$seconds" "$(ls "$work" | wc -l)"
    if ! (cd "$work" && "$build/bin/fuzz_skin_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -max_len="${max_len[$target]}" -artifact_prefix="$build/fuzz_skin_$target-" -print_final_stats=1 "$work" >"$build/fuzz_skin_$target.log" 2>&1); then
        echo "fuzz_skin_$target FAILED; see $build/fuzz_skin_$target.log"
        grep -E 'ERROR|SUMMARY|Test unit written' "$build/fuzz_skin_$target.log" | head -n 5 || true
        status=1
    else
        grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$build/fuzz_skin_$target.log" | tr '\n' ' '
        echo
    fi
    rm -rf "$work"
done
exit $status
