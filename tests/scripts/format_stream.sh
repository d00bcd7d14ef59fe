#!/bin/sh
# corvel --format writes a long script back in full, however many pieces it
# sends to standard output, and a write that fails ends with status 1.
# Usage: format_stream.sh CORVEL
corvel=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
i=1
while [ $i -le 4000 ]; do
    echo "var a$i = $i + 1;"
    i=$((i + 1))
done >"$work/long.js"
"$corvel" --format "$work/long.js" >"$work/out.js" || { echo "format failed"; exit 1; }
lines=$(wc -l <"$work/out.js")
[ "$lines" -eq 4000 ] || { echo "expected 4000 lines, got $lines"; exit 1; }
[ "$(sed -n 2500p "$work/out.js")" = "var (a2500=(2500+1));" ] || { echo "line 2500 wrong"; exit 1; }
[ "$(tail -n 1 "$work/out.js")" = "var (a4000=(4000+1));" ] || { echo "last line wrong"; exit 1; }
if [ -w /dev/full ]; then
    "$corvel" --format "$work/long.js" >/dev/full 2>/dev/null
    status=$?
    [ $status -eq 1 ] || { echo "a failed write ended with status $status"; exit 1; }
fi
exit 0
