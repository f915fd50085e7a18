# Hostile use of pellitor-calc's tables and pictures through the real binary: co-processes, where
# a picture goes, broken modules, huge pictures, ranges a 32-bit x cannot follow, too little
# memory for a second thread, and standard input beyond its limit.

# cli_script(NAME SCRIPT [TIMEOUT s]): a test script run on the real pellitor-calc
function(cli_script name script)
    cmake_parse_arguments(PARSE_ARGV 2 S "" "TIMEOUT" "")
    add_test(NAME cli.${name} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${script} $<TARGET_FILE:pellitor-calc>)
    set_tests_properties(cli.${name} PROPERTIES LABELS cli TIMEOUT ${S_TIMEOUT})
endfunction()

cli_script(xs.coprocess xs-coprocess.sh TIMEOUT 90)
cli_script(xs.own_output xs-own-output.sh TIMEOUT 120)
cli_script(plot.output picture-output.sh TIMEOUT 120)
cli_script(plot.broken_module broken-module.sh TIMEOUT 120)
cli_script(table.no_qt no-qt.sh TIMEOUT 60)
# Address-space limits do not work under the sanitizers, which reserve terabytes of it.
if(NOT PELLITOR_SANITIZE)
    cli_script(table.memory_limit memory-limit.sh TIMEOUT 120)
    cli_script(limit.while_reading stdin-limit.sh TIMEOUT 120)
endif()

# The largest picture: a curve that zigzags over the whole height (it took 332 s as a PNG). The
# timeout is far above what it takes (seconds) and far below what it took.
cli_case(plot.largest_png TIMEOUT 120 EXIT 0 ARGS --plot -1000:1000 --size 8000x8000 --format png -o /dev/null
    "sin(x*x)" STDOUT ":" STDERR ":")
cli_case(plot.largest_svg TIMEOUT 120 EXIT 0 ARGS --plot -1000:1000 --size 8000x8000 --format svg -o /dev/null
    "sin(x*x)" STDOUT ":" STDERR ":")

# Nothing to draw is no picture: no value at all, or at one x only (sqr(x) over -1 to 0).
cli_case(plot.one_value LOCALE C EXIT 1 ARGS --plot -1:0 --format png -o /dev/null "sqr(x)"
    STDOUT ":" STDERR ":pellitor-calc: the expression has no value at two neighbouring x of -1:0: no picture\\n")
# Samples that a 32-bit x cannot follow are refused as a table's rows are.
cli_case(plot.range_too_narrow LOCALE C EXIT 64 ARGS --plot 1:1.0000001 --format png -o /dev/null x STDOUT ":"
    STDERR ":pellitor-calc: --plot: a picture 800 pixels wide samples x in steps of 6.25e-11, which cannot change a 32-bit x near 1: two samples would be the same\\n")
# Ends that are not apart as 32-bit numbers (1.00000001 is 1 there) are refused as they are read.
# NAME | ARGUMENTS | OPTION
foreach(case "plot_one_number|--plot;1:1.00000001|--plot" "plot_reversed|--plot;2:1|--plot"
             "y_one_number|--plot;0:1;--y;1:1.00000001|--y")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 id)
    list(GET case -1 option)
    list(REMOVE_AT case 0 -1)
    cli_case(plot.ends_not_apart.${id} LOCALE C EXIT 64 ARGS ${case} --format png -o /dev/null x STDOUT ":"
        STDERR ":pellitor-calc: ${option}: FROM must be below TO, and apart from it as 32-bit numbers\\n")
endforeach()
cli_case(plot.format_unknown LOCALE C EXIT 64 ARGS --plot 0:1 --format gif -o /dev/null x STDOUT ":"
    STDERR ":pellitor-calc: --format must be png or svg, not 'gif'\\n")

# Several curves: at most eight, standard input for one of them at most, and one EXPRESSION in
# every other mode.
# NAME | ARGUMENTS | MESSAGE
foreach(case "nine_curves|--plot;0:1;-o;/dev/null;x;x;x;x;x;x;x;x;x|--plot draws at most 8 curves, not 9"
             "two_from_stdin|--plot;0:1;-o;/dev/null;x;-;-|standard input can give only one EXPRESSION"
             "two_for_slope|--slope;x;2x|more than one operand: '2x'"
             "scale_without_s|--plot;0:1;-o;/dev/null;x;--scale|--scale needs S")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 id)
    list(GET case -1 message)
    list(REMOVE_AT case 0 -1)
    cli_case(plot.usage.${id} EXIT 64 ARGS ${case} STDOUT ":" STDERR "~^pellitor-calc: ${message}\nUsage: ")
endforeach()
# --scale from 1 to 4, and a picture that stays within 8000 pixels a side at it.
foreach(scale 0.5 4.01 abc)
    string(MAKE_C_IDENTIFIER "scale_${scale}" id)
    cli_case(plot.usage.${id} LOCALE C EXIT 64 ARGS --plot 0:1 --scale ${scale} --format png -o /dev/null x STDOUT ":"
        STDERR ":pellitor-calc: --scale must be a number from 1 to 4, not '${scale}'\\n")
endforeach()
cli_case(plot.usage.scaled_too_large LOCALE C EXIT 64
    ARGS --plot 0:1 --size 2001x500 --scale 4 --format png -o /dev/null x STDOUT ":"
    STDERR ":pellitor-calc: --size 2001x500 at --scale 4 is 8004x2000 pixels: each side must be from 100 to 8000 pixels\\n")
# A refused operand among several is named after its message; one without two neighbouring values
# among curves that draw stays in the legend, with a word; none that draws is no picture.
cli_case(plot.refused_second LOCALE C EXIT 3 ARGS --plot 0:1 --format png -o /dev/null x 2+y STDOUT ":"
    STDERR ":Syntax Error: Character 2:  Undefined symbol : 'y'\\npellitor-calc: EXPRESSION 2 of 2 is refused: no picture\\n")
cli_case(plot.legend_only LOCALE C EXIT 0 ARGS --plot -1:1 --format png -o /dev/null x "sqr(x-5)" STDOUT ":"
    STDERR ":pellitor-calc: EXPRESSION 2 of 2 has no value at two neighbouring x of -1:1: it is in the legend only\\n")
cli_case(plot.none_draws LOCALE C EXIT 1 ARGS --plot -2:-1 --format png -o /dev/null "sqr(x)" "log(x)" STDOUT ":"
    STDERR ":pellitor-calc: no EXPRESSION has a value at any x of -2:-1: no picture\\n")
