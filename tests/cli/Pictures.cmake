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
