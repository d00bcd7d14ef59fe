#!/usr/bin/env bash
# Runs vorpane-demo with the arguments in NAME.args (one argument a line)
# and compares its standard output and exit status with NAME.out and
# NAME.status (absent: 0). Standard error carries Qt's own chatter and is
# not compared. The dialog runs offscreen, and the history of entered texts
# goes to a directory of the run's own. With UPDATE=1 the expectations are
# written instead of compared.
set -u
demo=$(realpath "$1") args=$2
dir=$(dirname "$args") name=$(basename "$args" .args)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mapfile -t options <"$args"
(cd "$work" && XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
    "$demo" ${options[@]+"${options[@]}"} >"$work/out" 2>"$work/err" </dev/null)
status=$?

if [ "${UPDATE:-0}" = 1 ]; then
    cp "$work/out" "$dir/$name.out"
    if [ "$status" = 0 ]; then rm -f "$dir/$name.status"; else echo "$status" >"$dir/$name.status"; fi
    exit 0
fi
expected=0
if [ -f "$dir/$name.status" ]; then expected=$(cat "$dir/$name.status"); fi
failed=0
if ! diff -u "$dir/$name.out" "$work/out"; then failed=1; fi
if [ "$status" != "$expected" ]; then
    echo "exit status $status, expected $expected"
    cat "$work/err"
    failed=1
fi
exit $failed
