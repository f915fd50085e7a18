#!/usr/bin/env bash
# The graph's core links no Qt library: its test program, built from the core alone, needs none
# (the dynamic section's NEEDED entries), while pellitor-calc's picture module, which paints with
# Qt, shows that the check sees Qt where it is.
# Usage: no-qt.sh CORE_PROGRAM QT_MODULE
set -u
qtOf() { readelf --dynamic "$1" | grep -o 'Shared library: \[libQt6[A-Za-z]*' | sed 's/.*\[//' | sort -u | tr '\n' ' '; }
failed=0
loaded=$(qtOf "$1")
[ -z "$loaded" ] || { echo "$(basename "$1") needs $loaded"; failed=1; }
case "$(qtOf "$2")" in
*libQt6Gui*) ;;
*) echo "$(basename "$2") needs no libQt6Gui (the check sees no Qt)"; failed=1 ;;
esac
exit "$failed"
