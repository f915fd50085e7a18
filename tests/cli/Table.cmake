# --table and --xs through the real pellitor-calc: the rows, the words of a row that has no
# number, the refusals that print no row, and the separators and quoting per locale.

cli_case(table.rows LOCALE C EXIT 0 ARGS --table -1:1:0.5 "1/x"
    STDOUT ":x\\ty\\n-1\\t-1.0000\\n-0.5\\t-2.0000\\n0\\tCan not calculate\\n0.5\\t2.0000\\n1\\t1.0000\\n" STDERR ":")
# 3*0.1 is a little more than 0.3 in binary: the last row must still come
cli_case(table.decimal_step LOCALE C EXIT 0 ARGS --table 0:0.3:0.1 x
    STDOUT ":x\\ty\\n0\\t0.0000\\n0.1\\t0.1000\\n0.2\\t0.2000\\n0.3\\t0.3000\\n" STDERR ":")
# FROM and TO are the x that -x reads from the same text (2^24+2 here), not the 64-bit
# number 2^24+1 rounded once more (to 2^24).
cli_case(table.from_as_x LOCALE C EXIT 0 ARGS --table 16777217.0000000001:16777217.0000000001:1 "x-16777216"
    STDOUT ":x\\ty\\n1.677722E+07\\t2.0000\\n" STDERR ":")
cli_case(table.to_as_x LOCALE C EXIT 0 ARGS --table 0:16777217.0000000001:16777217.0000000001 "x-16777216"
    STDOUT ":x\\ty\\n0\\t-16777216.0000\\n1.677722E+07\\t2.0000\\n" STDERR ":")
cli_case(table.downwards LOCALE C EXIT 0 ARGS --angle --table 90:0:-45 "sin(x)"
    STDOUT ":x\\ty\\n90\\t1.0000\\n45\\t0.7071\\n0\\t0.0000\\n" STDERR ":")
cli_case(table.one_row LOCALE C EXIT 0 ARGS --table 2:2:1 "x^2"
    STDOUT ":x\\ty\\n2\\t4.0000\\n" STDERR ":")
# An error raised at one x is that row's y, and the rows after it still come.
cli_case(table.error_row LOCALE C EXIT 0 ARGS --table 0:1500:500 "1/(x-500)+exp(1000-x)*0"
    STDOUT ":x\\ty\\n0\\tError: Overflow\\n500\\tCan not calculate\\n1000\\t0.0020\\n1500\\t0.0010\\n" STDERR ":")
cli_case(table.csv_german LOCALE de_DE.UTF-8 EXIT 0 ARGS --csv --table -1,5:1:2,5 "x*1000"
    STDOUT ":x,y\\n\"-1,5\",\"-1.500,0000\"\\n1,\"1.000,0000\"\\n" STDERR ":")
cli_case(table.csv_plain LOCALE C EXIT 0 ARGS --csv --table 0:1:1 "1/x"
    STDOUT ":x,y\\n0,Can not calculate\\n1,1.0000\\n" STDERR ":")
cli_case(table.english_grouping EXIT 0 ARGS --table 1:1:1 "x*1234567"
    STDOUT ":x\\ty\\n1\\t1,234,567.0000\\n" STDERR ":")

# Refusals print no row at all: the expression's own messages (3), a range that does not read (64).
cli_case(table.refused LOCALE C EXIT 3 ARGS --table 0:1:1 "x=1"
    STDOUT ":" STDERR ":Error: The expression is illegal.\\n")
cli_case(table.syntax LOCALE C EXIT 3 ARGS --table 0:1:1 "2+y"
    STDOUT ":" STDERR ":Syntax Error: Character 2:  Undefined symbol : 'y'\\n")
# NAME | RANGE | MESSAGE
foreach(case "step_zero|0:1:0|STEP must not be 0"
             "wrong_sign|0:1:-0.5|STEP -0.5 goes away from TO"
             "from_text|a:1:1|FROM 'a' is not a number"
             "to_empty|0::1|TO '' is not a number"
             "exponent|0:1e3:1|TO '1e3' is not a number"
             "two_numbers|0:1-2:1|TO '1-2' is not a number"
             "missing_step|0:1|--table needs FROM:TO:STEP, not '0:1'"
             "too_many|0:100000000:1|the table would have more than 100000000 rows"
             "step_too_small|1:1.0000001:0.00000001|STEP 0.00000001 cannot change a 32-bit x near 1: two rows would be the same"
             "beyond_24_bits|16777200:16777300:1|STEP 1 cannot change a 32-bit x near 1.677722e+07: two rows would be the same"
             "beyond_single|0:400000000000000000000000000000000000000:1|FROM and TO must lie within the range of a 32-bit number")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 id)
    list(GET case 1 range)
    list(GET case 2 message)
    cli_case(table.range.${id} LOCALE C EXIT 64 ARGS --table "${range}" x STDOUT ":" STDERR ":pellitor-calc: ${message}\\n")
endforeach()

# --xs: one row per line, read as the parameter box reads it; a refused line is a row with no x.
cli_case(xs.lines LOCALE C EXIT 0 STDIN ":1\\n2,5\\n - 3 \\r\\n\\nabc\\n1e5\\n4" ARGS --xs - "1/x"
    STDOUT ":x\\ty\\n1\\t1.0000\\n2.5\\t0.4000\\n-3\\t-0.3333\\n0\\tCan not calculate\\n\\tError: Illegal data exist.\\n\\tError: Illegal data exist.\\n4\\t0.2500\\n"
    STDERR ":")
cli_case(xs.beyond_single LOCALE C EXIT 0 STDIN ":1${sevens}\\n" ARGS --xs - x
    STDOUT ":x\\ty\\n\\tError: The parameter is beyond the range of a 32-bit number.\\n" STDERR ":")
cli_case(xs.empty_file LOCALE C EXIT 0 STDIN ":" ARGS --xs - x STDOUT ":x\\ty\\n" STDERR ":")
cli_case(xs.missing_file LOCALE C EXIT 74 ARGS --xs /nonexistent/xs x
    STDOUT ":" STDERR ":pellitor-calc: cannot read /nonexistent/xs: No such file or directory\\n")
cli_case(xs.directory LOCALE C EXIT 74 STDIN "<@dir" ARGS --xs - x
    STDOUT ":" STDERR ":pellitor-calc: cannot read standard input: Is a directory\\n")
cli_case(xs.long_line LOCALE C EXIT 65 STDIN "!printf '1\\n'\; printf '%01100000d' 0" ARGS --xs - x
    STDOUT ":x\\ty\\n1\\t1.0000\\n" STDERR ":pellitor-calc: a line of standard input is longer than 1 MiB\\n")
# A line holds at most 1 MiB, the last one too, with its line feed or without.
# NAME | DIGITS | END
foreach(case "limit|1048576|" "limit_line_feed|1048576|\\n" "over|1048577|" "over_line_feed|1048577|\\n")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 id)
    list(GET case 1 digits)
    list(GET case 2 end)
    if(digits EQUAL 1048576)
        set(outcome EXIT 0 STDOUT ":x\\ty\\n0\\t0.0000\\n" STDERR ":")
    else()
        set(outcome EXIT 65 STDOUT ":" STDERR ":pellitor-calc: a line of standard input is longer than 1 MiB\\n")
    endif()
    cli_case(xs.line_limit.${id} LOCALE C ${outcome} STDIN "!printf '%0${digits}d${end}' 0" ARGS --xs - x)
endforeach()

# A table that cannot be written stops with 74, as the report does.
cli_case(table.full LOCALE C EXIT 74 ARGS --table 1:10000000:1 x STDOUT !full
    STDERR ":pellitor-calc: cannot write the result: No space left on device\\n")

# Options that belong to other modes, and two readers of standard input.
foreach(case "x_value|--table;0:1:1;-x;1;x|a table or a picture takes no -x: the range gives x"
             "csv_alone|--csv;x|--csv is for --table and --xs"
             "two_modes|--table;0:1:1;--xs;-;x|--postfix, --evaluate, --table, --xs, --plot, --solve, --slope and --area exclude each other"
             "both_stdin|--xs;-;-|the expression and --xs cannot both come from standard input"
             "plot_without_o|--plot;0:1;x|--plot needs -o FILE"
             "size_alone|--size;400x400;x|--size, --scale, --y, --format and -o are for --plot"
             "scale_alone|--table;0:1:1;--scale;2;x|--size, --scale, --y, --format and -o are for --plot")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 id)
    list(GET case -1 message)
    list(REMOVE_AT case 0 -1)
    cli_case(table.usage.${id} EXIT 64 ARGS ${case} STDOUT ":" STDERR "~^pellitor-calc: ${message}\nUsage: ")
endforeach()
