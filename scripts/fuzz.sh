#!/usr/bin/env bash
# Builds the libFuzzer targets with the fuzz preset (clang, address and undefined behaviour
# sanitizers) and runs each for a bounded time on a corpus seeded from our own skins. Exits
# non-zero when a target finds a crash, a leak, a timeout or an out-of-memory input.
# FUZZ_SECONDS sets the time per target (default 20). A run fails on an input that takes more
# than 20 s or more than 1 GB, so a load that hangs or blows up is caught, not waited out.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build/fuzz
seconds=${FUZZ_SECONDS:-20}
jobs=$(nproc)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs" --target fuzz_skin_package fuzz_skin_model fuzz_skin_bitmap fuzz_skin_paint quellar_skins >/dev/null

# Seeds: the skin files, their bitmaps, and their decompressed packages for the model target.
corpus=$build/corpus
rm -rf "$corpus"
mkdir -p "$corpus/package" "$corpus/bitmap" "$corpus/model" "$corpus/paint"
cp "$build"/run/skin*.skn "$corpus/package/"
for dir in "$build"/assets/skins/skin*/; do
    name=$(basename "$dir")
    for bmp in "$dir"*.bmp; do
        cp "$bmp" "$corpus/bitmap/${name}_$(basename "$bmp")"
    done
    # The painting target takes picture sides, then a description (fuzz/fuzz_skin_paint.cpp):
    # eight pairs of sides from 2 to 43 pixels, then this skin's description.
    printf '\x07\x01\x1f\x08\x14\x0f\x0f\x20\x05\x03\x0c\x2a\x0d\x10\x10\x07\x09' |
        cat - "$dir/skin.ini" >"$corpus/paint/$name"
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

# Recipes for the model target (fuzz/ExpandRecipe.h): a few bytes each that stand for a package
# of 20 million names, one of a 4096 x 4096 bitmap named by every picture key, and one of
# 300,000 sections before a usable description (a search through every section for each new one
# would take minutes there).
python3 - "$corpus/model" <<'PY'
import struct, sys, pathlib
out = pathlib.Path(sys.argv[1])
def recipe(head, unit, repeat, tail=b""):
    return bytes([0xE5]) + struct.pack("<IHH", repeat, len(head), len(unit)) + head + unit + tail
def package(names, sizes, data):
    text = "".join(n + "\r\n" for n in names).encode()
    return struct.pack("<ii8x", 20000, len(text)) + text + b"".join(struct.pack("<i", s) for s in sizes) + data
def bmp_header(w, h, bits, palette):
    stride = (w * bits + 31) // 32 * 4
    at = 14 + 40 + len(palette)
    return (b"BM" + struct.pack("<IiI", at + stride * h, 0, at) +
            struct.pack("<iiiHHIIiiII", 40, w, h, 1, bits, 0, 0, 0, 0, 0, 0) + palette), stride
keys = ["[Personality]", "Left=big.bmp", "Right=big.bmp", "Top=big.bmp", "Bottom=big.bmp", "TextBack=big.bmp",
        "menuBar=big.bmp", "[Buttons]", "Bitmap=big.bmp", "CheckButton=big.bmp", "[ComboButton]", "Image=big.bmp",
        "[MDICONTROLS]", "Image=big.bmp", "[Scrollbar]", "Image=big.bmp", "[Button1]", "ButtonImage=big.bmp"]
ini = "".join(k + "\r\n" for k in keys).encode()
header, stride = bmp_header(4096, 4096, 1, b"\xff\x00\xff\x00\x00\x00\x00\x00")
(out / "recipe-names").write_bytes(recipe(struct.pack("<ii8x", 20000, 20000000), b"\n", 20000000))
big = package(["skin.ini", "big.bmp"], [len(ini), len(header) + stride * 4096], ini + header)
(out / "recipe-bitmap").write_bytes(recipe(big, bytes(stride), 4096))
edge, edge_stride = bmp_header(4, 4, 24, b"")
edge += bytes(edge_stride * 4)
head = package(["edge.bmp", "skin.ini"], [len(edge), 0x7FFFFFFF], edge)
(out / "recipe-sections").write_bytes(recipe(head, b"[S\x01]\r\n", 300000, b"[Personality]\r\nLeft=edge.bmp\r\n"))
PY

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
declare -A max_len=([package]=8192 [model]=131072 [bitmap]=131072 [paint]=16384)

status=0
for target in package model bitmap paint; do
    work=$(mktemp -d)
    cp "$corpus/$target"/* "$work/"
    printf 'fuzz_skin_%s: %s s on %s seeds\n' "$target" "$seconds" "$(ls "$work" | wc -l)"
    if ! (cd "$work" && "$build/bin/fuzz_skin_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=1024 \
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
