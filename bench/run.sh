#!/usr/bin/env bash
# Times `corvel --format` (parse and write back) on generated scripts of
# growing size, to show that the front end is linear in the text's size.
set -euo pipefail
build=${1:-build/release}
corvel="$build/apps/corvel/corvel"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(dirname "$0")
printf '%10s %10s %12s\n' bytes seconds MB/s
for size in 262144 1048576 4194304; do
    python3 "$here/gen_script.py" $size >"$work/script.js"
    bytes=$(stat -c %s "$work/script.js")
    start=$(date +%s.%N)
    "$corvel" --format "$work/script.js" >"$work/out.js"
    end=$(date +%s.%N)
    awk -v b="$bytes" -v s="$start" -v e="$end" 'BEGIN { t = e - s; printf "%10d %10.3f %12.1f\n", b, t, b / t / 1048576 }'
done
