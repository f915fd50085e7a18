#!/usr/bin/env bash
# Standard input beyond its limit of 256 MiB is refused while it is read, holding little more
# than the limit: 300 MB from a pipe under an address-space limit of 400 MB (reading into a
# doubling string needed 531 MB, and ran out), and a 300 MB file refused before any of it is read.
# Usage: stdin-limit.sh PROGRAM
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
message="pellitor-calc: standard input is longer than its limit of 256 MiB"

(ulimit -v 400000; head -c 300000000 /dev/zero | LC_ALL=C "$program" - >"$work/out" 2>"$work/err"; exit "${PIPESTATUS[1]}")
status=$?
[ "$status" = 65 ] && [ "$(cat "$work/err")" = "$message" ] || { echo "pipe: status $status, $(cat "$work/err")"; failed=1; }

truncate -s 300000000 "$work/long" # a sparse file: no disk is used
(ulimit -v 100000; LC_ALL=C exec "$program" - <"$work/long" >"$work/out" 2>"$work/err")
status=$?
[ "$status" = 65 ] && [ "$(cat "$work/err")" = "$message" ] || { echo "file: status $status, $(cat "$work/err")"; failed=1; }
exit "$failed"
