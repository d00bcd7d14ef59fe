#!/usr/bin/env bash
# Runs `corvel --MODE SCRIPT` and compares standard output, standard error and
# the exit status with SCRIPT's expectation files beside it:
#   NAME.MODE.out, NAME.MODE.err, NAME.MODE.status (absent: empty, empty, 0).
# Mode "run" runs the script itself (`corvel SCRIPT`), with the options
# listed in NAME.args if there is one, the environment settings (NAME=value
# words, e.g. TZ=EST5EDT,M3.2.0,M11.1.0) in NAME.env if there is one, and
# standard input empty.
# Mode "highlight-html" runs `corvel --highlight=html SCRIPT`.
# The dump banner carries the time of day, so its time is masked.
# With UPDATE=1 the expectation files are written instead of compared.
set -u
# corvel may be given relative to here: the commands run in the script's folder.
corvel=$(realpath "$1") mode=$2 script=$3
dir=$(dirname "$script") name=$(basename "$script" .js)
base="$dir/$name.$mode"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The source name is the path as given, so run from the script's folder.
if [ "$mode" = run ]; then
    options=()
    settings=()
    if [ -f "$dir/$name.args" ]; then read -r -a options <"$dir/$name.args"; fi
    if [ -f "$dir/$name.env" ]; then read -r -a settings <"$dir/$name.env"; fi
    (cd "$dir" && env ${settings[@]+"${settings[@]}"} "$corvel" ${options[@]+"${options[@]}"} "$name.js" >"$work/out" 2>"$work/err" </dev/null)
else
    option="--$mode"
    if [ "$mode" = highlight-html ]; then option="--highlight=html"; fi
    (cd "$dir" && "$corvel" "$option" "$name.js" >"$work/out" 2>"$work/err")
fi
echo $? >"$work/status"
sed -i -E '1s/^(Parz5 Script Parse Debug Output : Started:- ).*/\1TIME/' "$work/out"

if [ "${UPDATE:-0}" = 1 ]; then
    for part in out err; do
        if [ -s "$work/$part" ]; then cp "$work/$part" "$base.$part"; else rm -f "$base.$part"; fi
    done
    if [ "$(cat "$work/status")" = 0 ]; then rm -f "$base.status"; else cp "$work/status" "$base.status"; fi
    exit 0
fi

failed=0
for part in out err status; do
    expected="$base.$part"
    if [ ! -f "$expected" ]; then
        expected="$work/expected.$part"
        if [ "$part" = status ]; then echo 0 >"$expected"; else : >"$expected"; fi
    fi
    if ! cmp -s "$expected" "$work/$part"; then
        echo "== $name --$mode: $part differs (expected, then actual):"
        diff "$expected" "$work/$part" | head -40
        failed=1
    fi
done
exit $failed
