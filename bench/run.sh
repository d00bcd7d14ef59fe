#!/usr/bin/env bash
# Times `corvel --format` (parse and write back) on generated scripts of
# growing size, to show that the front end is linear in the text's size.
# Each size runs RUNS times (5 unless set) after a warm-up; the best and the
# median run are shown, as a shared machine slows single runs by up to half.
# The clock is the shell's own (bash 5), so no process of the timing's own
# is counted.
set -euo pipefail
build=${1:-build/release}
runs=${RUNS:-5}
corvel="$build/apps/corvel/corvel"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(dirname "$0")
printf '%10s %12s %12s %12s %12s\n' bytes 'best s' 'median s' 'best MB/s' 'median MB/s'
for size in 262144 1048576 4194304; do
    python3 "$here/gen_script.py" $size >"$work/script.js"
    bytes=$(stat -c %s "$work/script.js")
    "$corvel" --format "$work/script.js" >"$work/out.js"
    : >"$work/times"
    for ((run = 0; run < runs; run++)); do
        start=$EPOCHREALTIME
        "$corvel" --format "$work/script.js" >"$work/out.js"
        end=$EPOCHREALTIME
        echo "$start $end" >>"$work/times"
    done
    awk '{ printf "%.6f\n", $2 - $1 }' "$work/times" | sort -n |
        awk -v b="$bytes" '{ t[NR] = $1 }
            END {
                best = t[1]; median = t[int((NR + 1) / 2)]
                printf "%10d %12.3f %12.3f %12.1f %12.1f\n", b, best, median, b / best / 1048576, b / median / 1048576
            }'
done
