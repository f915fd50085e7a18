#!/usr/bin/env bash
# Runs pellitor-calc once and compares its exit status, stdout and stderr with the expected ones.
# Usage: run-case.sh LOCALE PROGRAM EXIT STDOUT STDERR STDIN [ARGUMENT...]
# LOCALE is the program's LC_ALL (set for the program only, so this shell needs no such locale).
# STDOUT and STDERR are ":TEXT" (exact, with \n escapes), "+TEXT" (the output ends with TEXT, for
# outputs too long to spell out) or "~REGEX" (bash regex on the whole text). STDIN is "none" (/dev/null), ":TEXT" (with \n and \r escapes) or "!COMMAND" (its output).
set -u
locale=$1 program=$2 expected_status=$3 expected_out=$4 expected_err=$5 stdin=$6
shift 6
run() { LC_ALL=$locale "$program" "$@"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case $stdin in
none) run "$@" </dev/null >"$work/out" 2>"$work/err" ;;
:*) printf '%b' "${stdin#:}" | run "$@" >"$work/out" 2>"$work/err" ;;
!*) eval "${stdin#!}" | run "$@" >"$work/out" 2>"$work/err" ;;
*) echo "run-case: bad STDIN form: $stdin" >&2; exit 2 ;;
esac
status=$?

failed=0
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    failed=1
fi

# compare NAME FILE EXPECTED
compare() {
    local name=$1 file=$2 expected=$3
    case $expected in
    :*)
        printf '%b' "${expected#:}" >"$file.expected"
        if ! cmp -s "$file" "$file.expected"; then
            echo "$name differs from the expected text (-expected +actual):"
            diff -u "$file.expected" "$file" | tail -n +3 | cat -A
            failed=1
        fi
        ;;
    +*)
        printf '%b' "${expected#+}" >"$file.expected"
        if ! tail -c "$(wc -c <"$file.expected")" "$file" | cmp -s - "$file.expected"; then
            echo "$name does not end with the expected text (-expected +actual, last 200 bytes):"
            diff -u "$file.expected" <(tail -c 200 "$file") | tail -n +3 | cat -A
            failed=1
        fi
        ;;
    ~*)
        local text
        text=$(cat "$file"; printf x)
        if ! [[ ${text%x} =~ ${expected#\~} ]]; then
            echo "$name does not match /${expected#\~}/:"
            cat -A "$file"
            failed=1
        fi
        ;;
    *) echo "run-case: bad expected form: $expected"; failed=1 ;;
    esac
}
compare stdout "$work/out" "$expected_out"
compare stderr "$work/err" "$expected_err"
exit "$failed"
