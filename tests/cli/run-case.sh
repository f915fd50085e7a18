#!/usr/bin/env bash
# Runs pellitor-calc once and compares its exit status, stdout and stderr with the expected ones.
# Usage: run-case.sh LOCALE PROGRAM EXIT STDOUT STDERR STDIN [ARGUMENT...]
# LOCALE is the program's LC_ALL (set for the program only, so this shell needs no such locale);
# "@empty" sets LC_ALL to the empty text, and "NAME=VALUE+NAME=VALUE..." sets those variables
# instead. The program sees no other LC_ALL, LC_NUMERIC or LANG.
# STDOUT and STDERR are ":TEXT" (exact, with \n escapes), "+TEXT" (the output ends with TEXT, for
# outputs too long to spell out) or "~REGEX" (bash regex on the whole text); STDOUT may also be
# "!full" (stdout is /dev/full) or "!closed" (stdout is closed), and is then not compared.
# STDIN is "none" (/dev/null), ":TEXT" (with \n and \r escapes), "!COMMAND" (its output),
# "<FILE" (FILE itself; "<@dir" is an empty folder) or "closed".
set -u
locale=$1 program=$2 expected_status=$3 expected_out=$4 expected_err=$5 stdin=$6
shift 6
case $locale in
@empty) assignments=(LC_ALL=) ;;
*=*) IFS=+ read -ra assignments <<<"$locale" ;;
*) assignments=(LC_ALL="$locale") ;;
esac
run() { env -u LC_ALL -u LC_NUMERIC -u LANG "${assignments[@]}" "$program" "$@"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs the program on the stdin it is given, with stdout and stderr as the case wants them.
launch() {
    case $expected_out in
    '!full') exec >/dev/full ;;
    '!closed') exec >&- ;;
    *) exec >"$work/out" ;;
    esac
    exec 2>"$work/err"
    run "$@"
}

case $stdin in
none) (launch "$@") </dev/null ;;
:*) printf '%b' "${stdin#:}" | (launch "$@") ;;
!*) eval "${stdin#!}" | (launch "$@") ;;
'<@dir') mkdir "$work/dir" && (launch "$@") <"$work/dir" ;;
'<'*) (launch "$@") <"${stdin#<}" ;;
closed) (launch "$@") <&- ;;
*) echo "run-case: bad STDIN form: $stdin" >&2; exit 2 ;;
esac
status=$?

failed=0
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    failed=1
fi

source "$(dirname "${BASH_SOURCE[0]}")/../support/compare-output.sh"
case $expected_out in
'!full' | '!closed') ;;
*) compare stdout "$work/out" "$expected_out" ;;
esac
compare stderr "$work/err" "$expected_err"
exit "$failed"
