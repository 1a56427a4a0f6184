#!/usr/bin/env bash
# The real tessmark program: reproducible output, Ctrl+C ending an endless run with the picture
# written, and refused command lines that leave nothing behind.
set -euo pipefail
tessmark=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$tessmark" --seed 11 --size 128x96 -o "$work/a.png" circle:count=200 vector:count=20
"$tessmark" --seed 11 --size 128x96 -o "$work/b.png" circle:count=200 vector:count=20
cmp -s "$work/a.png" "$work/b.png" || fail "the same command gave different bytes"

"$tessmark" --seed 3 -o "$work/endless.bmp" rect:count=0 &
pid=$!
sleep 0.5
kill -INT "$pid"
wait "$pid" || fail "Ctrl+C ended the run with status $?"
[ "$(head -c 2 "$work/endless.bmp")" = BM ] || fail "no picture after Ctrl+C"

status=0
"$tessmark" -o "$work/never.png" spiral 2>"$work/err" || status=$?
[ "$status" = 2 ] || fail "an unknown operation gave status $status"
[ "$(wc -l <"$work/err")" = 1 ] || fail "the message is not one line"
[ ! -e "$work/never.png" ] || fail "a refused command line wrote a file"

status=0
"$tessmark" --size 100000x100000 -o "$work/huge.png" circle 2>"$work/err" || status=$?
[ "$status" = 1 ] || fail "a picture beyond memory gave status $status"
grep -q "too large" "$work/err" && [ "$(wc -l <"$work/err")" = 1 ] || fail "no one-line error for a picture beyond memory"
[ ! -e "$work/huge.png" ] || fail "a picture beyond memory wrote a file"

[ "$(ls "$work" | sort | tr '\n' ' ')" = "a.png b.png endless.bmp err " ] || fail "files left behind: $(ls "$work")"
echo "tessmark end-to-end: ok"
