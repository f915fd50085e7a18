#!/usr/bin/env bash
# Where --plot writes its picture: standard output ("-", /dev/stdout, a link to it, in the middle
# of a script's other output), an existing file overwritten in place with its owner, mode and
# links, a file that a refused expression leaves as it was, a new file with the mode new files
# get, a symbolic link that leads nowhere (the file appears where it leads, as the shell's ">"
# writes), and a device that cannot take it.
# Usage: picture-output.sh PROGRAM
set -u
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
export LC_ALL=C
failed=0
fail() { echo "$1"; failed=1; }
isPng() { [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]; }

"$program" --plot 0:1 --format png -o - x >stdout.png 2>err || fail "-o -: status $?"
isPng stdout.png || fail "-o -: no PNG on standard output"
"$program" --plot 0:1 --format svg -o /dev/stdout x >stdout.svg 2>err || fail "-o /dev/stdout: status $?"
grep -q '<svg' stdout.svg || fail "-o /dev/stdout: no SVG on standard output"
"$program" --plot 0:1 -o - x >/dev/null 2>err
status=$?
[ "$status" = 64 ] && grep -q -- '--format must give the format' err || fail "-o - without --format: status $status"

# A link to /dev/stdout inside a script whose output goes to one file: the lines around stay.
ln -s /dev/stdout out.png
{ echo a; "$program" --plot 0:1 -o out.png x; echo b; } >combined 2>err || fail "out.png -> /dev/stdout: status $?"
[ "$(head -c 2 combined)" = "a" ] || fail "combined: the line before the picture is gone"
[ "$(tail -c 2 combined | od -An -c | tr -d ' ')" = 'b\n' ] || fail "combined: the line after the picture is gone"
tail -c +3 combined | head -c 8 >combined.head
isPng combined.head || fail "combined: no PNG after the first line"

# An existing file: the same inode, mode and links, the new picture in it.
echo old >kept.png
chmod 640 kept.png
ln kept.png link.png
before=$(stat -c '%i %a %h %U' kept.png)
"$program" --plot 0:1 -o kept.png x 2>err || fail "over an existing file: status $?"
after=$(stat -c '%i %a %h %U' kept.png)
[ "$before" = "$after" ] || fail "over an existing file: inode, mode, links, owner were '$before', now '$after'"
isPng link.png || fail "over an existing file: its other link holds no PNG"

# A refused expression and an expression without values leave the file as it was.
echo old >refused.png
"$program" --plot 0:1 -o refused.png 2+y 2>err
[ "$(cat refused.png)" = old ] || fail "a refused expression changed the file"
"$program" --plot -2:-1 -o refused.png "sqr(x)" 2>err
[ "$(cat refused.png)" = old ] || fail "an expression without values changed the file"

# A new file has the mode of a new file, and nothing else is left in the folder.
(umask 027 && "$program" --plot 0:1 -o new.png x 2>err) || fail "a new file: status $?"
[ "$(stat -c %a new.png)" = 640 ] || fail "a new file under umask 027 has mode $(stat -c %a new.png)"
[ -z "$(find . -name '.*.png.*')" ] || fail "a temporary file was left: $(find . -name '.*.png.*')"

# Links that lead nowhere stay links: the picture appears where the chain ends, a relative link
# read from its own folder, as the shell's ">" would write it; a loop and a missing folder fail.
mkdir -p far sub
ln -s far/drawn.png dangling.png
ln -s dangling.png chain.png
ln -s ../far/up.png sub/relative.png
ln -s loop.png loop.png
# LINK | WHERE THE PICTURE MUST APPEAR
for case in "dangling.png|far/drawn.png" "chain.png|far/drawn.png" "sub/relative.png|far/up.png"; do
    link=${case%|*} drawn=${case#*|}
    rm -f "$drawn"
    (umask 027 && "$program" --plot 0:1 -o "$link" x 2>err) || fail "-o $link: status $?, $(cat err)"
    [ -L "$link" ] || fail "-o $link: the link was replaced"
    isPng "$drawn" || fail "-o $link: no PNG in $drawn"
    [ "$(stat -c %a "$drawn")" = 640 ] || fail "-o $link: $drawn has mode $(stat -c %a "$drawn")"
done
"$program" --plot 0:1 -o loop.png x 2>err
status=$?
[ "$status" = 74 ] && [ -L loop.png ] && grep -q 'Too many levels of symbolic links' err ||
    fail "a loop of links: status $status, $(cat err)"
ln -s nowhere/gone.png lost.png
"$program" --plot 0:1 -o lost.png x 2>err
status=$?
[ "$status" = 74 ] && [ -L lost.png ] && grep -q 'No such file or directory' err ||
    fail "a link into a missing folder: status $status, $(cat err)"
[ -z "$(find . -name '.*.png.*')" ] || fail "a temporary file was left: $(find . -name '.*.png.*')"

# A device that cannot take the picture.
"$program" --plot 0:1 -o /dev/full --format png x 2>err
status=$?
[ "$status" = 74 ] && grep -q 'No space left on device' err || fail "/dev/full: status $status, $(cat err)"
exit "$failed"
