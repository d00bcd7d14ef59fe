#!/bin/sh
# Runs fuzz targets one after another, each for a given number of seconds,
# in one process on one core. Usage: run.sh BUILD SECONDS TARGET...
# Each target keeps its growing corpus in BUILD/corpus/TARGET, starts also
# from its seeds and regression inputs, and leaves failing inputs in
# BUILD/artifacts/TARGET. The last status line of each run (coverage,
# features, executions per second) is collected in BUILD/fuzz-summary.txt.
set -u
build=$1; seconds=$2; shift 2
here=$(cd "$(dirname "$0")" && pwd)
scripts="$here/../scripts"
summary="$build/fuzz-summary.txt"
: > "$summary"
status=0
for target in "$@"; do
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    seeds="$here/regressions/$target"
    options="-timeout=20"
    case $target in
        parse) seeds="$seeds $scripts/golden $scripts/run"; options="$options -dict=$here/corvel.dict" ;;
        # A script may spend its whole budget, and then free a million objects,
        # slowly in an instrumented build: a seed that grows a list until the
        # budget ends took over 120 s on a loaded machine.
        run) seeds="$seeds $scripts/golden $scripts/run"; options="-timeout=300 -dict=$here/corvel.dict" ;;
    esac
    log="$build/fuzz-$target.log"
    echo "fuzz $target for $seconds s (log $log)"
    # Scripts that grow without bound are stopped by the memory limits.
    "$build/tests/fuzz/fuzz_$target" $options -max_total_time="$seconds" -rss_limit_mb=2048 \
        -malloc_limit_mb=1024 -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" $seeds \
        < /dev/null > "$log" 2>&1 || status=1
    line=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
    rate=$(grep -E 'stat::average_exec_per_sec' "$log" | awk '{print $2}')
    echo "$target: ${seconds}s, ${rate:-?} exec/s; $line" | tee -a "$summary"
    if grep -qE 'ERROR: |==ERROR|deadly signal|runtime error' "$log"; then
        echo "$target: failure, see $log and $artifacts" | tee -a "$summary"
        status=1
    fi
done
exit $status
