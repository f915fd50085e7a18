#!/usr/bin/env bash
# pellitor-calc with too little memory for its input. From the smallest address-space limit under
# which the program starts, up in steps of 1 MiB until the calculation fits, every run ends either
# with the report or with "Error: Out of memory." and status 3, never with an abort: the steps
# meet an allocation failing at each stage (reading, checking, rewriting, translating,
# evaluating, writing). Then the issue's own case: 10^7 characters under ulimit -v 102400.
# Usage: out-of-memory.sh PROGRAM
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ulimit -c 0

# sum N: x+x+...+x with N terms into $work/in
sum() {
    yes 'x+' | head -n $(($1 - 1)) | tr -d '\n' >"$work/in"
    printf 'x' >>"$work/in"
}

# run LIMIT: pellitor-calc -x 1 - on $work/in under ulimit -v LIMIT (KiB); sets status
run() {
    (ulimit -v "$1"; exec "$program" -x 1 - <"$work/in" >"$work/out" 2>"$work/err")
    status=$?
}

failed=0
# check LIMIT EXPECTED_Y: the run ended in the report or in the message, and which
check() {
    if [ "$status" = 0 ] && [ "$(tail -n 1 "$work/out")" = "  y=$2" ] && [ ! -s "$work/err" ]; then
        outcome=report
    elif [ "$status" = 3 ] && [ "$(cat "$work/err")" = "Error: Out of memory." ]; then
        outcome=out_of_memory
    else
        outcome=other
        echo "ulimit -v $1: status $status, stderr:"
        head -c 500 "$work/err"
        failed=1
    fi
}

echo x >"$work/in"
start=20000
while run "$start"; [ "$status" != 0 ]; do
    start=$((start + 1024))
    [ "$start" -gt 400000 ] && { echo "pellitor-calc does not start under any limit"; exit 1; }
done

sum 1000000
out_of_memory=0
limit=$start
for ((step = 0; step < 100; ++step)); do
    run "$limit"
    check "$limit" 1000000.0000
    [ "$outcome" = out_of_memory ] && out_of_memory=$((out_of_memory + 1))
    [ "$outcome" = report ] && break
    limit=$((limit + 1024))
done
echo "from ulimit -v $start: $out_of_memory times out of memory, then the report under $limit"
[ "$outcome" = report ] && [ "$out_of_memory" -gt 0 ] || { echo "expected both outcomes"; failed=1; }

sum 5000000
run 102400
check 102400 5000000.0000
[ "$outcome" = out_of_memory ] || { echo "ulimit -v 102400, 10^7 characters: expected the message"; failed=1; }
exit "$failed"
