#!/usr/bin/env bash
# pellitor-calc --xs - as a co-process: a script writes one x and reads its row back before it
# writes the next, so each row must come out before the program waits for more input.
# Usage: xs-coprocess.sh PROGRAM
set -u
program=$1
coproc CALC { LC_ALL=C exec "$program" --xs - "2*x"; }
pid=$CALC_PID
failed=0
expected=("x	y" "1	2.0000" "2.5	5.0000" "-3	-6.0000")
got=()
for x in 1 2.5 -3; do
    echo "$x" >&"${CALC[1]}"
    rows=1
    [ "$x" = 1 ] && rows=2 # the header comes with the first row
    for ((i = 0; i < rows; ++i)); do
        if ! read -t 20 -r row <&"${CALC[0]}"; then
            echo "no row within 20 s after x=$x was written"
            failed=1
            break 2
        fi
        got+=("$row")
    done
done
exec {CALC[1]}>&-
wait "$pid"
if [ "$failed" = 0 ] && [ "${got[*]}" != "${expected[*]}" ]; then
    printf 'rows: %s\nexpected: %s\n' "${got[*]}" "${expected[*]}"
    failed=1
fi
exit "$failed"
