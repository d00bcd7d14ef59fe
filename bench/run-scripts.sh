#!/usr/bin/env bash
# Times `corvel` running each benchmark script in bench/scripts (one-shot
# mode, so no pacing between slices), best of three runs.
set -euo pipefail
build=${1:-build/release}
corvel="$build/apps/corvel/corvel"
here=$(dirname "$0")
printf '%-16s %10s\n' script seconds
for script in "$here"/scripts/*.js; do
    best=
    for run in 1 2 3; do
        start=$(date +%s.%N)
        "$corvel" --one-shot "$script" >/dev/null
        end=$(date +%s.%N)
        best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.3f", b }')
    done
    printf '%-16s %10s\n' "$(basename "$script" .js)" "$best"
done
