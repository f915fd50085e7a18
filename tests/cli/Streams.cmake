# What a script relies on besides the report: a failed write or read is an error (74), never an
# empty result; standard input has a bound (65 beyond it); no text runs the program out of
# memory into an abort.

# A write that fails on a full disk or a closed stdout, in every mode and for a report of 1 MB.
repeat_command(sum "x+" 499999)
foreach(target full closed)
    if(target STREQUAL "full")
        set(reason "No space left on device")
    else()
        set(reason "Bad file descriptor")
    endif()
    set(cannot_write "pellitor-calc: cannot write the result: ${reason}\\n")
    cli_case(write.${target}.calculate EXIT 74 ARGS "x+1" -x 2 STDOUT !${target} STDERR ":${cannot_write}")
    cli_case(write.${target}.syntax_error EXIT 74 ARGS "2+y" STDOUT !${target}
        STDERR ":Syntax Error: Character 2:  Undefined symbol : 'y'\\n${cannot_write}")
    cli_case(write.${target}.postfix EXIT 74 ARGS --postfix "x+1" STDOUT !${target} STDERR ":${cannot_write}")
    cli_case(write.${target}.evaluate EXIT 74 ARGS --evaluate "XX " -x 2 STDOUT !${target} STDERR ":${cannot_write}")
    cli_case(write.${target}.help EXIT 74 ARGS --help STDOUT !${target} STDERR ":${cannot_write}")
    cli_case(write.${target}.version EXIT 74 ARGS --version STDOUT !${target} STDERR ":${cannot_write}")
    cli_case(write.${target}.megabyte TIMEOUT 120 EXIT 74 STDIN "!${sum}\; printf 'x\\n'" ARGS -x 1 -
        STDOUT !${target} STDERR ":${cannot_write}")
endforeach()

# A read that fails calculates nothing and says why.
foreach(mode calculate postfix evaluate)
    if(mode STREQUAL "calculate")
        set(args -)
    else()
        set(args --${mode} -)
    endif()
    cli_case(read.directory.${mode} EXIT 74 STDIN "<@dir" ARGS ${args}
        STDOUT ":" STDERR ":pellitor-calc: cannot read standard input: Is a directory\\n")
    cli_case(read.closed.${mode} EXIT 74 STDIN closed ARGS ${args}
        STDOUT ":" STDERR ":pellitor-calc: cannot read standard input: Bad file descriptor\\n")
endforeach()

# 256 MiB of standard input are read and calculated (NUL bytes, which the check refuses at once);
# one byte more, or an endless stream, is refused without reading further.
set(too_long ":pellitor-calc: standard input is longer than its limit of 256 MiB\\n")
cli_case(limit.at_limit TIMEOUT 120 EXIT 3 STDIN "!head -c 268435456 /dev/zero" ARGS -
    STDOUT ":\\n" STDERR ":Error: The expression is illegal.\\n")
cli_case(limit.one_byte_over TIMEOUT 120 EXIT 65 STDIN "!head -c 268435457 /dev/zero" ARGS -
    STDOUT ":" STDERR "${too_long}")
cli_case(limit.endless TIMEOUT 120 EXIT 65 STDIN "</dev/zero" ARGS --evaluate -
    STDOUT ":" STDERR "${too_long}")

# Too little memory for a long expression: the "Out of memory." message, never an abort. The
# address-space limit does not work under the sanitizers, which reserve terabytes of it.
if(NOT PELLITOR_SANITIZE)
    add_test(NAME cli.out_of_memory
        COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/out-of-memory.sh $<TARGET_FILE:pellitor-calc>)
    set_tests_properties(cli.out_of_memory PROPERTIES LABELS cli TIMEOUT 300)
endif()
