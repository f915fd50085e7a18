#!/usr/bin/env bash
# A picture module that is missing, empty, cut short, from another build or no file at all (a
# FIFO, a folder): one line that says so, status 3, never a crash (a module cut short used to end
# in SIGBUS) nor a wait (a FIFO used to be waited on for ever). The numbers module too.
# Usage: broken-module.sh PROGRAM (the modules lie beside it)
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$program" "$(dirname "$program")/pellitor-plot.so" "$(dirname "$program")/pellitor-numbers.so" "$work/"
module="$work/pellitor-plot.so"
cp "$module" "$work/good.so"
export LC_ALL=C
failed=0

# run NAME REASON [ARGUMENT...]: pellitor-calc (--plot unless the arguments say otherwise) with
# the modules as they are now must fail at once with one line naming REASON
run() {
    local name=$1 reason=$2
    shift 2
    [ $# -gt 0 ] || set -- --plot 0:1 --format png -o /dev/null x
    timeout 20 "$work/pellitor-calc" "$@" 2>"$work/err" >/dev/null
    local status=$?
    if [ "$status" != 3 ] || [ "$(wc -l <"$work/err")" != 1 ] || ! grep -q "$reason" "$work/err"; then
        echo "$name: status $status, stderr:"
        cat "$work/err"
        failed=1
    fi
}

"$work/pellitor-calc" --plot 0:1 --format png -o /dev/null x || { echo "the module as built: status $?"; exit 1; }
size=$(stat -c %s "$module")
for cut in $((size / 2)) $((size / 4)) 4096 64; do
    head -c "$cut" "$work/good.so" >"$module"
    run "cut to $cut bytes" "cannot load the picture module: .*pellitor-plot.so: it is cut short"
done
: >"$module"
run "empty" "it is empty"
echo "not a module" >"$module"
run "text" "it is not a shared object"
# The module's build text (version and interface digest) changed by one character.
build=$(grep -a -o -E '[0-9]+(\.[0-9]+)+ [0-9a-f]{16}' "$work/good.so" | head -n 1)
other="${build%?}$([ "${build: -1}" = 0 ] && echo 1 || echo 0)"
LC_ALL=C sed "s/$build/$other/" "$work/good.so" >"$module"
run "another build" "it is from another build of pellitor"
rm "$module"
mkfifo "$module"
run "a FIFO" "pellitor-plot.so: it is not a regular file"
rm "$module"
mkdir "$module"
run "a folder" "pellitor-plot.so: it is not a regular file"
rmdir "$module"
run "missing" "no pellitor-plot.so beside the program"

rm "$work/pellitor-numbers.so"
mkfifo "$work/pellitor-numbers.so"
LC_ALL=de_DE.UTF-8 run "numbers module a FIFO" "numbers module: .*pellitor-numbers.so: it is not a regular file" x
rm "$work/pellitor-numbers.so"
LC_ALL=de_DE.UTF-8 run "numbers module missing" "cannot load the numbers module: no pellitor-numbers.so" x
LC_ALL=C "$work/pellitor-calc" x -x 1 >/dev/null || { echo "the C locale needs no numbers module: status $?"; failed=1; }
exit "$failed"
