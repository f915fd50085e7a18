#!/usr/bin/env bash
# --table under address-space limits from too small to start up to ample: a run that starts ends
# with the whole table or with "Error: Out of memory." and status 3, never with an abort.
# Usage: memory-limit.sh PROGRAM
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ulimit -c 0
failed=0
tables=0
# Fine steps where the program barely loads (its heap, then the runtime's room for raising
# bad_alloc, fail first there), coarse ones above.
limits=$(seq 4000 250 16000; seq 20000 4000 80000)
for limit in $limits; do
    # prlimit sets the limit and starts the program itself: a shell under the limit could run out
    # of memory before it got that far.
    LC_ALL=C prlimit --as=$((limit * 1024)) "$program" --table 1:100000:1 x >"$work/out" 2>"$work/err"
    status=$?
    if [ "$status" = 0 ] && [ "$(wc -l <"$work/out")" = 100001 ] && [ "$(tail -n 1 "$work/out")" = "100000	100000.0000" ]; then
        tables=$((tables + 1))
    elif [ "$status" = 3 ] && [ "$(cat "$work/err")" = "Error: Out of memory." ]; then
        :
    elif [ "$status" = 127 ] && grep -q -x -e '.*error while loading shared libraries.*' \
            -e '.*cannot allocate TLS data structures for initial thread.*' -e 'out of memory' "$work/err"; then
        : # too small for the loader to start the program at all (the bare line is ld.so's own)
    else
        echo "address space $limit KiB: status $status, $(wc -l <"$work/out") lines, stderr: $(head -c 300 "$work/err")"
        failed=1
    fi
done
[ "$tables" -gt 0 ] || { echo "no limit gave the table"; failed=1; }
exit "$failed"
