#!/usr/bin/env bash
# Runs pellitor once in a clean environment and checks its exit status, that stdout stays empty
# and that stderr matches.
# Usage: run-pellitor.sh PROGRAM EXIT STDERR [NAME=VALUE...]
# STDERR is ":TEXT" (exact, with printf's backslash escapes: \n, \073 for ';') or "~REGEX" (bash
# regex on the whole text). A VALUE of @empty-dir@ becomes a fresh empty
# folder. Only HOME, PATH and the sanitizers' options pass through from the caller's environment.
set -u
program=$1 expected_status=$2 expected_err=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/empty"

environment=(HOME="$HOME" PATH="$PATH")
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [ -n "${!name:-}" ] && environment+=("$name=${!name}")
done
for assignment in "$@"; do
    environment+=("${assignment//@empty-dir@/$work/empty}")
done

# An abort must show as its status, not leave a core file behind.
ulimit -c 0
env -i "${environment[@]}" "$program" >"$work/out" 2>"$work/err" </dev/null
status=$?

failed=0
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    failed=1
fi
if [ -s "$work/out" ]; then
    echo "stdout is not empty:"
    cat -A "$work/out"
    failed=1
fi
case $expected_err in
:*)
    printf '%b' "${expected_err#:}" >"$work/err.expected"
    if ! cmp -s "$work/err" "$work/err.expected"; then
        echo "stderr differs from the expected text (-expected +actual):"
        diff -u "$work/err.expected" "$work/err" | tail -n +3 | cat -A
        failed=1
    fi
    ;;
~*)
    err=$(cat "$work/err"; printf x)
    if ! [[ ${err%x} =~ ${expected_err#\~} ]]; then
        echo "stderr does not match /${expected_err#\~}/:"
        cat -A "$work/err"
        failed=1
    fi
    ;;
*) echo "run-pellitor: bad expected form: $expected_err"; failed=1 ;;
esac
exit "$failed"
