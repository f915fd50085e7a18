// The usage of pellitor-calc and the reading of its arguments.
#include "CommandLine.h"

namespace pellitor::cli {

const std::string_view Usage =
    "Usage: pellitor-calc [--arc | --angle] [-x VALUE] EXPRESSION\n"
    "       pellitor-calc --postfix EXPRESSION\n"
    "       pellitor-calc --evaluate POSTFIX [--arc | --angle] [-x VALUE]\n"
    "       pellitor-calc --help | --version\n"
    "\n"
    "Checks EXPRESSION in the variable x, calculates it at x = VALUE (default 0) and prints the\n"
    "report: the function, x and y. Messages go to stderr as TITLE: TEXT.\n"
    "\n"
    "  --arc        trigonometric arguments are radians (the default)\n"
    "  --angle      trigonometric arguments are degrees\n"
    "  -x VALUE     the value of x, as typed into the parameter box\n"
    "  --postfix    print the postfix text of EXPRESSION, taken as given (no check, no rewriting)\n"
    "  --evaluate   evaluate the postfix text POSTFIX and print the 32-bit result (%.9g)\n"
    "  --version    print the program's name and version\n"
    "  --           end of the options, so that an operand may begin with '-'\n"
    "  -            as EXPRESSION or POSTFIX: read the text from standard input (at most 256 MiB)\n"
    "\n"
    "Exit status: 0 a value, 1 the expression cannot be calculated at x, 2 no value,\n"
    "3 a message was shown, 4 an engine error (--evaluate), 64 a usage error,\n"
    "65 standard input is longer than 256 MiB, 74 reading or writing failed.\n"
    "Under LC_ALL=C the numbers are plain: no grouping, '.' as the decimal point.\n";

std::optional<std::string> parse(int argc, char** argv, CommandLine& line)
{
    bool optionsEnded = false;
    bool modeGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
            line.operands.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--arc" || arg == "--angle") {
            line.degree = arg == "--angle";
            line.angleGiven = true;
        } else if (arg == "-x") {
            if (++i == argc)
                return "-x needs a VALUE";
            line.value = argv[i];
        } else if (arg == "--postfix" || arg == "--evaluate") {
            const Mode mode = arg == "--postfix" ? Mode::Postfix : Mode::Evaluate;
            if (modeGiven && mode != line.mode)
                return "--postfix and --evaluate exclude each other";
            line.mode = mode;
            modeGiven = true;
        } else {
            return "unknown option '" + std::string(arg) + "'";
        }
    }
    if (line.help || line.version)
        return std::nullopt;
    if (line.mode == Mode::Postfix && (line.angleGiven || line.value))
        return "--postfix takes no --arc, --angle or -x";
    if (line.operands.empty())
        return line.mode == Mode::Evaluate ? "missing POSTFIX" : "missing EXPRESSION";
    if (line.operands.size() > 1)
        return "more than one operand: '" + line.operands[1] + "'";
    return std::nullopt;
}

} // namespace pellitor::cli
