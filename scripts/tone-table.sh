#!/usr/bin/env bash
# Prints the Markdown table of README's "What the sound does and does not do": for each waveform
# at both sample rates and four frequencies of the band, the strongest component below
# 15,000 Hz that `quellar-tone --report` finds in a 1000 ms tone without envelope.
#
#   scripts/tone-table.sh [TOOL]    TOOL defaults to build/native/bin/quellar-tone
# (build it with: cmake --preset native && cmake --build --preset native --target quellar-tone)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${1:-build/native/bin/quellar-tone}
frequencies=(15000 16500 18000 20000)

# 12345 -> 12,345
with_commas() { echo "$1" | sed -E ':a;s/([0-9])([0-9]{3})($|[^0-9])/\1,\2\3/;ta'; }

cell() {
    local line
    line=$("$tool" --report --no-envelope --duration 1000 --waveform "$1" --quality "$2" --frequency "$3" |
        grep '^below 15000 Hz, where adults hear: ')
    line=${line#below 15000 Hz, where adults hear: }
    case $line in
    none*) echo "none above −60 dB" ;;
    "broadband noise"*) echo "broadband noise" ;;
    *)
        local hz db
        hz=$(echo "$line" | sed -E 's/^([0-9]+) Hz at .*/\1/')
        db=$(echo "$line" | sed -E 's/^[0-9]+ Hz at (-?[0-9.]+) dB.*/\1/')
        echo "$(with_commas "$hz") Hz at ${db/-/−} dB"
        ;;
    esac
}

header="| waveform | samples per second |"
rule="| --- | --- |"
for f in "${frequencies[@]}"; do
    header+=" $(with_commas "$f") Hz |"
    rule+=" --- |"
done
echo "$header"
echo "$rule"
for wave in sine square triangle sawtooth noise; do
    for quality in lo hi; do
        rate=$([ "$quality" = hi ] && echo 96,000 || echo 44,100)
        row="| $wave | $rate |"
        for f in "${frequencies[@]}"; do
            row+=" $(cell "$wave" "$quality" "$f") |"
        done
        echo "$row"
    done
done
