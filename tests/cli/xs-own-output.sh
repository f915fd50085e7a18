#!/usr/bin/env bash
# --xs reading the file its rows go to: refused with one line and status 64 before any row, as cat
# refuses it, however the file is named or opened (it used to read its own rows back without end).
# The same device on both ends, or an empty file, is no such loop and makes a table.
# Usage: xs-own-output.sh PROGRAM
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
export LC_ALL=C
failed=0
fail() { echo "$1"; failed=1; }

# A runaway table stops at 1 MiB or after 20 s instead of filling the disk.
calc() { (ulimit -f 1024 && timeout 20 "$program" "$@"); }

printf '1\n2\n' >xs
ln xs hard
cp xs expected
# HOW | THE MESSAGE'S START
for case in "--xs xs >>xs|xs" "--xs - <xs >>xs|standard input" "--xs xs 1<>xs|xs" "--xs hard >>xs|hard"; do
    how=${case%|*} name=${case#*|}
    cp expected xs
    eval "calc $how x" 2>err
    status=$?
    [ "$status" = 64 ] || fail "$how: status $status"
    [ "$(cat err)" = "pellitor-calc: $name is the output file too: the table would read its own rows" ] ||
        fail "$how: stderr $(cat err)"
    cmp -s xs expected || fail "$how: the file changed to $(head -c 100 xs)"
done

calc --xs xs x >rows 2>err || fail "into another file: status $?, $(cat err)"
[ "$(cat rows)" = "$(printf 'x\ty\n1\t1.0000\n2\t2.0000')" ] || fail "into another file: $(cat rows)"
calc --xs - x </dev/null >/dev/null 2>err || fail "/dev/null on both ends: status $?, $(cat err)"
calc --xs xs x >xs 2>err || fail "an emptied file: status $?, $(cat err)"
[ "$(cat xs)" = "$(printf 'x\ty')" ] || fail "an emptied file: $(cat xs)"
exit "$failed"
