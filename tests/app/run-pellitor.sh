#!/usr/bin/env bash
# Runs pellitor once in a clean environment and checks its exit status, its stdout (empty unless
# --stdout says otherwise) and that stderr matches.
# Usage: run-pellitor.sh [--stdout :TEXT|!full] PROGRAM EXIT STDERR [NAME=VALUE...] [-- ARGUMENT...]
# STDERR and TEXT are ":TEXT" (exact, with printf's backslash escapes: \n, \073 for ';') or
# "~REGEX" (bash regex on the whole text); "!full" runs it with stdout on /dev/full. A VALUE of
# @empty-dir@ becomes a fresh empty folder. Only HOME, PATH and the sanitizers' options pass
# through from the caller's environment.
set -u
expected_out=:
if [ "$1" = --stdout ]; then
    expected_out=$2
    shift 2
fi
program=$1 expected_status=$2 expected_err=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/empty"

environment=(HOME="$HOME" PATH="$PATH")
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [ -n "${!name:-}" ] && environment+=("$name=${!name}")
done
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    environment+=("${1//@empty-dir@/$work/empty}")
    shift
done
[ $# -gt 0 ] && shift

# An abort must show as its status, not leave a core file behind.
ulimit -c 0
out=$work/out
[ "$expected_out" = '!full' ] && out=/dev/full
env -i "${environment[@]}" "$program" "$@" >"$out" 2>"$work/err" </dev/null
status=$?

failed=0
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    failed=1
fi
source "$(dirname "${BASH_SOURCE[0]}")/../support/compare-output.sh"
[ "$out" = /dev/full ] || compare stdout "$work/out" "$expected_out"
compare stderr "$work/err" "$expected_err"
exit "$failed"
