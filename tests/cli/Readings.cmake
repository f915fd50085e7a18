# --solve, --slope and --area through the real pellitor-calc: the numbers with the digits that the
# error estimates allow (matched to the digits known right, the rest free), the words where there
# is no result, the user's decimal sign, and the refusals that print nothing.

cli_case(solve.sine LOCALE C EXIT 0 ARGS --solve 0.5 --in -10:10 "sin(x)" STDERR ":"
    STDOUT ":-9.94837666\\n-5.75958633\\n-3.66519141\\n0.52359879\\n2.61799383\\n6.80678415\\n8.90117931\\n")
cli_case(solve.german LOCALE de_DE.UTF-8 EXIT 0 ARGS --solve 0,5 --in 0:3 "sin(x)"
    STDOUT ":0,52359879\\n2,61799383\\n" STDERR ":")
# tan(x) changes sign at its poles too; those are no x where it reaches 0.
cli_case(solve.not_at_poles LOCALE C EXIT 0 ARGS --solve 0 --in -5:5 "tan(x)"
    STDOUT "~^-3\\.141592[0-9]*\n0\n3\\.141592[0-9]*\n$" STDERR ":")
cli_case(solve.none LOCALE C EXIT 1 ARGS --solve 2 --in -10:10 "sin(x)" STDOUT ":" STDERR ":")

cli_case(slope.sine LOCALE C EXIT 0 ARGS --slope -x 1 "sin(x)" STDOUT "~^0\\.5403023058[0-9]*\n$" STDERR ":")
cli_case(slope.degrees LOCALE C EXIT 0 ARGS --angle --slope -x 60 "sin(x)"
    STDOUT "~^0\\.00872664638[0-9]*\n$" STDERR ":")
cli_case(slope.corner LOCALE C EXIT 1 ARGS --slope "abs(x)"
    STDOUT ":no slope at x=0: a corner, from the left -1, from the right 1\\n" STDERR ":")
cli_case(slope.jump LOCALE C EXIT 1 ARGS --slope -x 1 "int(x)"
    STDOUT ":no slope at x=1: a gap, a pole or a jump at or near it\\n" STDERR ":")
cli_case(slope.refused_x LOCALE C EXIT 3 ARGS --slope -x 1e5 x STDOUT ":" STDERR ":Error: Illegal data exist.\\n")

cli_case(area.ln2 LOCALE C EXIT 0 ARGS --area 1:2 "1/x" STDOUT "~^0\\.6931471805599[0-9]*\t[1-9](\\.[0-9])?E-1[3-6]\n$"
    STDERR ":")
cli_case(area.german LOCALE de_DE.UTF-8 EXIT 0 ARGS --area 2:1 "1/x"
    STDOUT "~^-0,6931471805599[0-9]*\t[1-9](,[0-9])?E-1[3-6]\n$" STDERR ":")
cli_case(area.diverges LOCALE C EXIT 1 ARGS --area -1:1 "1/x" STDOUT ":diverges at x=0\\n" STDERR ":")
cli_case(area.undefined LOCALE C EXIT 1 ARGS --area -1:1 "sqr(x)"
    STDOUT ":undefined: no value from x=-1 to x=0\\n" STDERR ":")
cli_case(area.refused LOCALE C EXIT 3 ARGS --area 0:1 "2+y"
    STDOUT ":" STDERR ":Syntax Error: Character 2:  Undefined symbol : 'y'\\n")

# Refusals print nothing: NAME | ARGUMENTS | MESSAGE; the usage follows where the options do not
# go together, as for the other modes, not where a number does not read.
foreach(case "solve_without_in|--solve;1;x|--solve needs --in FROM:TO"
             "in_alone|--in;0:1;x|--in is for --solve"
             "solve_missing|x;--solve|--solve needs C"
             "area_x|--area;0:1;-x;1;x|--solve and --area take no -x: the range gives x"
             "two_readings|--slope;--area;0:1;x|--postfix, --evaluate, --table, --xs, --plot, --solve, --slope and --area exclude each other"
             "solve_level|--solve;abc;--in;0:1;x|C 'abc' is not a number"
             "solve_range|--solve;1;--in;1:0;x|--in: FROM must be below TO, and apart from it as 32-bit numbers"
             "area_range|--area;0:1:2;x|--area needs FROM:TO, not '0:1:2'"
             "area_beyond_single|--area;0:400000000000000000000000000000000000000;x|--area: FROM and TO must lie within the range of a 32-bit number")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 id)
    list(GET case -1 message)
    list(REMOVE_AT case 0 -1)
    if(id MATCHES "^(solve_level|solve_range|area_range|area_beyond_single)$")
        set(usage "\n$")
    else()
        set(usage "\nUsage: ")
    endif()
    cli_case(readings.refused.${id} LOCALE C EXIT 64 ARGS ${case} STDOUT ":" STDERR "~^pellitor-calc: ${message}${usage}")
endforeach()
