#!/usr/bin/env bash
# pellitor-calc starts without Qt: a table, a calculation, a table of x read from standard input,
# a postfix text and the readings of a curve under LC_ALL=C load no Qt library, as the loader
# lists what it starts (LD_DEBUG=libs). --plot loads the picture module and Qt with it, which shows that the check
# sees Qt where it is.
# Usage: no-qt.sh PROGRAM
set -u
program=$1
export LC_ALL=C
failed=0

# qtOf ARGS...: the Qt libraries that the loader starts for pellitor-calc ARGS (stdin: "1")
qtOf() {
    echo 1 | LD_DEBUG=libs "$program" "$@" 2>&1 >/dev/null | grep -o 'calling init: .*libQt6[A-Za-z]*' \
        | sed 's|.*/||' | sort -u | tr '\n' ' '
}

for arguments in "--table 0:10:1 2cos(x^2)/x" "2cos(x^2)/x -x 1" "--xs x" "--postfix 2cos(x^2)/x" \
    "--solve 0 --in 0:10 2cos(x^2)/x" "--slope -x 1 2cos(x^2)/x" "--area 0.5:10 2cos(x^2)/x"; do
    # shellcheck disable=SC2086 # the words of a case are its arguments
    loaded=$(qtOf $arguments)
    [ -z "$loaded" ] || { echo "pellitor-calc $arguments loads $loaded"; failed=1; }
done
loaded=$(qtOf --plot 0:1 --format png -o /dev/null x)
case "$loaded" in
*libQt6Gui*) ;;
*) echo "pellitor-calc --plot loads no libQt6Gui (the check sees no Qt): '$loaded'"; failed=1 ;;
esac
exit "$failed"
