# The report's numbers per locale. Under C, POSIX, an empty or an unknown locale they are plain,
# so that they read back as numbers; elsewhere y keeps the locale's grouping, decimal separator
# and minus sign and x its decimal separator, both written with the digits 0-9 and without the
# invisible direction marks (U+061C, U+200E, U+200F) that some locales put before a minus.

# LOCALE | x | y, for x*1000 at x = -1236.067 (y is -1236067 to 32 bits). Swedish groups with
# U+00A0, French with U+202F, Swiss German with U+2019. The Swedish, Finnish, Norwegian,
# Lithuanian, Estonian, Basque, Slovene and Persian y write U+2212 as minus; x keeps "-".
set(number_cases
    "C|-1236.067|-1236067.0000"
    "POSIX|-1236.067|-1236067.0000"
    "C.UTF-8|-1236.067|-1236067.0000"
    "@empty|-1236.067|-1236067.0000"
    "xx_XX.UTF-8|-1236.067|-1236067.0000"
    "LANG=de_DE.UTF-8+LC_NUMERIC=C|-1236.067|-1236067.0000"
    "LANG=C+LC_NUMERIC=de_DE.UTF-8|-1236,067|-1.236.067,0000"
    "en_US.UTF-8|-1236.067|-1,236,067.0000"
    "ar_EG.UTF-8|-1236٫067|-1٬236٬067٫0000"
    "fa_IR.UTF-8|-1236٫067|−1٬236٬067٫0000"
    "he_IL.UTF-8|-1236.067|-1,236,067.0000"
    "hi_IN.UTF-8|-1236.067|-12,36,067.0000"
    "sv_SE.UTF-8|-1236,067|−1 236 067,0000"
    "fi_FI.UTF-8|-1236,067|−1 236 067,0000"
    "nb_NO.UTF-8|-1236,067|−1 236 067,0000"
    "lt_LT.UTF-8|-1236,067|−1 236 067,0000"
    "et_EE.UTF-8|-1236,067|−1236 067,0000"
    "eu_ES.UTF-8|-1236,067|−1.236.067,0000"
    "sl_SI.UTF-8|-1236,067|−1.236.067,0000"
    "fr_FR.UTF-8|-1236,067|-1 236 067,0000"
    "de_CH.UTF-8|-1236.067|-1’236’067.0000"
)
foreach(case IN LISTS number_cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 locale)
    list(GET case 1 x)
    list(GET case 2 y)
    string(MAKE_C_IDENTIFIER "${locale}" id)
    cli_case(numbers.${id} LOCALE ${locale} EXIT 0 ARGS "x*1000" -x -1236.067
        STDOUT ":Function y=x*1000\\n  x=${x}\\n  y=${y}\\n" STDERR ":")
endforeach()

# A positive y under C, the issue's own example, and the same y read back as -x.
cli_case(numbers.c_reads_back LOCALE C EXIT 0 ARGS x -x 1234500.0000
    STDOUT ":Function y=x\\n  x=1234500\\n  y=1234500.0000\\n" STDERR ":")
cli_case(numbers.c_positive LOCALE C EXIT 0 ARGS "x*1000" -x 1234.5
    STDOUT ":Function y=x*1000\\n  x=1234.5\\n  y=1234500.0000\\n" STDERR ":")
