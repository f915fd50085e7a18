# Hostile input through pellitor-calc: huge and deeply nested texts, every control character,
# characters outside the Basic Multilingual Plane, malformed UTF-8, parameters at and beyond the
# 32-bit range, and the errors an evaluation can raise. Every case must end with its message or
# report; the timeouts are far above what a linear pass needs (a second or two, under the
# sanitizers a few more) and far below what a quadratic one would take on these sizes.

# A text made of COUNT copies of PIECE on stdout, for the STDIN "!" form.
function(repeat_command out piece count)
    set(${out} "yes -- '${piece}' | head -n ${count} | tr -d '\\n'" PARENT_SCOPE)
endfunction()

repeat_command(sum "x+" 499999)
cli_case(hostile.million_character_sum TIMEOUT 120 EXIT 0 STDIN "!${sum}\; printf 'x\\n'" ARGS -x 1 -
    STDOUT "+x+x\\n  x=1\\n  y=500,000.0000\\n" STDERR ":")
repeat_command(opens "(" 1000000)
cli_case(hostile.million_open_parentheses TIMEOUT 120 EXIT 3 STDIN "!${opens}" ARGS -
    STDOUT "+((\\n\\n" STDERR ":Syntax Error: Character 1000000:  Closing parenthesis expected\\n")
repeat_command(name "x" 1000000)
cli_case(hostile.million_character_name TIMEOUT 120 EXIT 3 STDIN "!${name}" ARGS -
    STDOUT "+xx\\n\\n" STDERR "~^Syntax Error: Character 0:  Undefined symbol : 'x{200}")

repeat_command(opens "(" 100000)
repeat_command(closes ")" 100000)
cli_case(hostile.nested_parentheses TIMEOUT 120 EXIT 0 STDIN "!${opens}\; printf x\; ${closes}" ARGS -x 2 -
    STDOUT "+))\\n  x=2\\n  y=2.0000\\n" STDERR ":")
cli_case(hostile.nested_parentheses_postfix TIMEOUT 120 EXIT 0 STDIN "!${opens}\; printf x\; ${closes}"
    ARGS --postfix - STDOUT ":XX \\n" STDERR ":")
repeat_command(negations "-(" 100000)
cli_case(hostile.nested_negations TIMEOUT 120 EXIT 0 STDIN "!${negations}\; printf x\; ${closes}" ARGS -x 2 -
    STDOUT "+))\\n  x=2\\n  y=2.0000\\n" STDERR ":")
repeat_command(sines "sin(" 100000)
cli_case(hostile.nested_functions TIMEOUT 120 EXIT 0 STDIN "!${sines}\; printf x\; ${closes}" ARGS -x 0 -
    STDOUT "+))\\n  x=0\\n  y=0.0000\\n" STDERR ":")
repeat_command(opens "(" 100000)
cli_case(hostile.nested_unclosed TIMEOUT 120 EXIT 3 STDIN "!${opens}\; printf x" ARGS -
    STDOUT "+(x\\n\\n" STDERR ":Syntax Error: Character 100001:  Closing parenthesis expected\\n")

repeat_command(ones "1 " 250000)
repeat_command(pluses "+ " 249999)
cli_case(hostile.million_character_postfix TIMEOUT 120 EXIT 0 STDIN "!${ones}\; ${pluses}" ARGS --evaluate -
    STDOUT ":250000\\n" STDERR ":")

# Every control character inside an expression is refused by the check; the translator alone
# skips those up to the blank (and refuses DEL).
foreach(code 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e 1f 7f)
    cli_case(hostile.control_${code} EXIT 3 STDIN ":x\\x${code}1" ARGS -
        STDOUT ":\\n" STDERR ":Error: The expression is illegal.\\n")
endforeach()
cli_case(hostile.control_postfix EXIT 0 STDIN ":\\x01x\\x1f+\\x0b\\x001\\x1b" ARGS --postfix -
    STDOUT ":XX 1 + \\n" STDERR ":")
cli_case(hostile.delete_postfix EXIT 3 STDIN ":x+\\x7f1" ARGS --postfix -
    STDOUT ":XX \\n" STDERR ":Syntax Error: Character 2:  Unexpected character encountered\\n")

# Outside the Basic Multilingual Plane (a surrogate pair inside), lone surrogates written in
# UTF-8, and bytes that are no UTF-8 at all: refused or reported, and the messages stay UTF-8.
cli_case(hostile.astral_expression EXIT 3 ARGS "x+😀" STDOUT ":\\n" STDERR ":Error: The expression is illegal.\\n")
cli_case(hostile.astral_parameter EXIT 3 ARGS -x "1😀" x STDOUT ":\\n" STDERR ":Error: Illegal data exist.\\n")
cli_case(hostile.astral_postfix EXIT 3 ARGS --postfix "1+😀"
    STDOUT ":1 \\n" STDERR ":Syntax Error: Character 2:  Unexpected character encountered\\n")
cli_case(hostile.lone_surrogate EXIT 3 STDIN ":x+\\xed\\xa0\\x80" ARGS -
    STDOUT ":\\n" STDERR ":Error: The expression is illegal.\\n")
cli_case(hostile.lone_surrogate_postfix EXIT 3 STDIN ":x+\\xed\\xb8\\x80" ARGS --postfix -
    STDOUT ":XX \\n" STDERR ":Syntax Error: Character 2:  Unexpected character encountered\\n")
cli_case(hostile.invalid_utf8 EXIT 3 STDIN ":2\\xff\\xc3(x" ARGS -
    STDOUT ":\\n" STDERR ":Error: The expression is illegal.\\n")
# A byte that is no UTF-8 reaches the evaluator as U+FFFD, and its message names it so.
cli_case(hostile.invalid_utf8_token EXIT 4 STDIN ":1 \\xc3 " ARGS --evaluate -
    STDOUT ":" STDERR ":Error -2147220502: Bad token in Evaluate: \\\\ufffd\\n")

# Parameters: beyond the range, no number at all, 400 digits.
string(REPEAT "9" 400 nines)
string(REPEAT "0" 397 zeros)
cli_case(hostile.parameter_exponent EXIT 3 ARGS -x 1e400 x+1 STDOUT ":\\n" STDERR ":Error: Illegal data exist.\\n")
cli_case(hostile.parameter_dashes EXIT 0 ARGS -x -- x+1 STDOUT ":Function y=x+1\\n  x=0\\n  y=1.0000\\n" STDERR ":")
cli_case(hostile.parameter_dash EXIT 0 ARGS -x - x+1 STDOUT ":Function y=x+1\\n  x=0\\n  y=1.0000\\n" STDERR ":")
cli_case(hostile.parameter_400_digits EXIT 3 ARGS -x ${nines} x+1
    STDOUT ":Function y=x+1\\n\\n" STDERR ":Error: The parameter is beyond the range of a 32-bit number.\\n")
cli_case(hostile.parameter_400_digits_tiny EXIT 0 ARGS -x 0.${zeros}1 x+1
    STDOUT ":Function y=x+1\\n  x=0\\n  y=1.0000\\n" STDERR ":")
cli_case(hostile.parameter_largest EXIT 0 ARGS -x 340282346638528859811704183484516925440 x
    STDOUT ":Function y=x\\n  x=3.402823E+38\\n  y=340,282,346,638,528,859,811,704,183,484,516,925,440.0000\\n"
    STDERR ":")
cli_case(hostile.evaluate_parameter_exponent EXIT 3 ARGS --evaluate "XX " -x 1e400
    STDOUT ":" STDERR ":Error: Illegal data exist.\\n")
cli_case(hostile.evaluate_parameter_400_digits EXIT 3 ARGS --evaluate "XX " -x ${nines}
    STDOUT ":" STDERR ":Error: The parameter is beyond the range of a 32-bit number.\\n")
cli_case(hostile.evaluate_parameter_dashes EXIT 0 ARGS --evaluate "XX 1 + " -x -- STDOUT ":1\\n" STDERR ":")

# Errors raised during the evaluation, through crafted postfix texts and through the command.
cli_case(hostile.evaluate_overflow EXIT 4 ARGS --evaluate "1e308 10 * " STDOUT ":" STDERR ":Error 6: Overflow\\n")
cli_case(hostile.evaluate_overflow_number EXIT 4 ARGS --evaluate "${nines} " STDOUT ":" STDERR ":Error 6: Overflow\\n")
cli_case(hostile.evaluate_overflow_single EXIT 4 ARGS --evaluate "1e39 " STDOUT ":" STDERR ":Error 6: Overflow\\n")
cli_case(hostile.evaluate_overflow_exp EXIT 4 ARGS --evaluate "XX EXP " -x 1000 STDOUT ":" STDERR ":Error 6: Overflow\\n")
cli_case(hostile.evaluate_zero_to_negative EXIT 4 ARGS --evaluate "0 1 (-) ^ "
    STDOUT ":" STDERR ":Error 11: Division by zero\\n")
cli_case(hostile.evaluate_bad_token EXIT 4 ARGS --evaluate "1 2 ? "
    STDOUT ":" STDERR ":Error -2147220502: Bad token in Evaluate: ?\\n")
foreach(text "+ " "1 + " "(-) " "SIN " "1 2 * * ")
    string(MAKE_C_IDENTIFIER "${text}" id)
    cli_case(hostile.evaluate_empty_pop_${id} EXIT 4 ARGS --evaluate "${text}"
        STDOUT ":" STDERR ":Error -2147220493: Pop method invoked on empty stack\\n")
endforeach()
cli_case(hostile.calculate_overflow EXIT 3 ARGS -x 100 x^x
    STDOUT ":Function y=x^x\\n\\n" STDERR ":Error: Overflow\\n")
cli_case(hostile.calculate_zero_to_negative EXIT 3 ARGS "0^(-1)"
    STDOUT ":Function y=0^(-1)\\n\\n" STDERR ":Error: Division by zero\\n")
