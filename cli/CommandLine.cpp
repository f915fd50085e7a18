// The usage of pellitor-calc and the reading of its arguments.
#include "CommandLine.h"

#include "PlotStyle.h"

#include <algorithm>

namespace pellitor::cli {

namespace {
constexpr std::string_view ExclusiveModes =
    "--postfix, --evaluate, --table, --xs, --plot, --solve, --slope and --area exclude each other";
}

const std::string_view Usage =
    "Usage: pellitor-calc [--arc | --angle] [-x VALUE] EXPRESSION\n"
    "       pellitor-calc --postfix EXPRESSION\n"
    "       pellitor-calc --evaluate POSTFIX [--arc | --angle] [-x VALUE]\n"
    "       pellitor-calc [--arc | --angle] --table FROM:TO:STEP [--csv] EXPRESSION\n"
    "       pellitor-calc [--arc | --angle] --xs FILE [--csv] EXPRESSION\n"
    "       pellitor-calc [--arc | --angle] --plot FROM:TO [--size WIDTHxHEIGHT] [--scale S]\n"
    "                     [--y FROM:TO] [--format png|svg] -o FILE EXPRESSION...\n"
    "       pellitor-calc [--arc | --angle] --solve C --in FROM:TO EXPRESSION\n"
    "       pellitor-calc [--arc | --angle] --slope [-x VALUE] EXPRESSION\n"
    "       pellitor-calc [--arc | --angle] --area FROM:TO EXPRESSION\n"
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
    "  --table FROM:TO:STEP\n"
    "               print a table of y at x = FROM, FROM+STEP, ... up to TO (at most 10^8 rows)\n"
    "  --xs FILE    print a table of y at the x values of FILE, one a line (- is stdin)\n"
    "  --csv        write the table comma-separated, not tab-separated\n"
    "  --plot FROM:TO\n"
    "               draw y over x from FROM to TO into the picture -o FILE (.png or .svg): a\n"
    "               curve for each EXPRESSION (at most 8), named y1, y2, ... in a legend\n"
    "  --size WIDTHxHEIGHT\n"
    "               the picture's size in pixels (default 800x500)\n"
    "  --scale S    draw the picture S times as large, lines and text alike (S from 1 to 4)\n"
    "  --y FROM:TO  the y range of the picture (default: chosen from the values)\n"
    "  --format png|svg\n"
    "               the picture's format (default: from the name of FILE)\n"
    "  -o FILE      the picture's file, written only when the picture is complete (- is stdout)\n"
    "  --solve C    print every x from FROM to TO where y reaches C, one a line (9 digits)\n"
    "  --in FROM:TO the range of x that --solve searches\n"
    "  --slope      print dy/dx at x = VALUE, with the digits its error estimate allows\n"
    "  --area FROM:TO\n"
    "               print the integral of y from FROM to TO and its error estimate\n"
    "  --version    print the program's name and version\n"
    "  --           end of the options, so that an operand may begin with '-'\n"
    "  -            as EXPRESSION or POSTFIX: read the text from standard input (at most 256 MiB)\n"
    "\n"
    "A table's rows hold x and y as the report writes them; a row where y cannot be calculated says\n"
    "so in its y column, and the table goes on.\n"
    "\n"
    "Exit status: 0 a value (a table or a picture written), 1 the expression cannot be calculated\n"
    "at x (a picture: at any x of the range; --solve: y reaches C nowhere; --slope: no slope;\n"
    "--area: the integral diverges or is undefined), 2 no value,\n"
    "3 a message was shown, 4 an engine error (--evaluate), 64 a usage error,\n"
    "65 standard input is longer than 256 MiB or a line of --xs longer than 1 MiB,\n"
    "74 reading or writing failed.\n"
    "Under LC_ALL=C the numbers are plain: no grouping, '.' as the decimal point.\n";

namespace {

// Why the options and operands read cannot go together, if they cannot.
std::optional<std::string> combinationFault(const CommandLine& line)
{
    if (line.help || line.version)
        return std::nullopt;
    if (line.mode == Mode::Postfix && (line.angleGiven || line.value))
        return "--postfix takes no --arc, --angle or -x";
    if ((line.mode == Mode::Table || line.mode == Mode::Plot) && line.value)
        return "a table or a picture takes no -x: the range gives x";
    if ((line.mode == Mode::Solve || line.mode == Mode::Area) && line.value)
        return "--solve and --area take no -x: the range gives x";
    if (line.mode == Mode::Solve && !line.within)
        return "--solve needs --in FROM:TO";
    if (line.within && line.mode != Mode::Solve)
        return "--in is for --solve";
    if (line.csv && line.mode != Mode::Table)
        return "--csv is for --table and --xs";
    if ((line.size || line.scale || line.yRange || line.output || line.format) && line.mode != Mode::Plot)
        return "--size, --scale, --y, --format and -o are for --plot";
    if (line.mode == Mode::Plot && !line.output)
        return "--plot needs -o FILE";
    if (line.operands.empty())
        return line.mode == Mode::Evaluate ? "missing POSTFIX" : "missing EXPRESSION";
    if (line.operands.size() > 1 && line.mode != Mode::Plot)
        return "more than one operand: '" + line.operands[1] + "'";
    if (line.operands.size() > plot::MostCurves)
        return "--plot draws at most " + std::to_string(plot::MostCurves) + " curves, not "
               + std::to_string(line.operands.size());
    if (std::count(line.operands.begin(), line.operands.end(), "-") > 1)
        return "standard input can give only one EXPRESSION";
    if (line.xsFile == "-" && line.operands.front() == "-")
        return "the expression and --xs cannot both come from standard input";
    return std::nullopt;
}

} // namespace

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
                return std::string(ExclusiveModes);
            line.mode = mode;
            modeGiven = true;
        } else if (arg == "--table" || arg == "--xs" || arg == "--plot") {
            if (modeGiven)
                return std::string(ExclusiveModes);
            if (++i == argc)
                return std::string(arg) + (arg == "--xs" ? " needs a FILE" : " needs a range");
            line.mode = arg == "--plot" ? Mode::Plot : Mode::Table;
            (arg == "--xs" ? line.xsFile : line.range) = argv[i];
            modeGiven = true;
        } else if (arg == "--solve" || arg == "--area" || arg == "--slope") {
            if (modeGiven)
                return std::string(ExclusiveModes);
            if (arg != "--slope" && ++i == argc)
                return std::string(arg) + (arg == "--solve" ? " needs C" : " needs FROM:TO");
            line.mode = arg == "--solve" ? Mode::Solve : arg == "--area" ? Mode::Area : Mode::Slope;
            if (arg != "--slope")
                (arg == "--solve" ? line.level : line.range) = argv[i];
            modeGiven = true;
        } else if (arg == "--in") {
            if (++i == argc)
                return "--in needs FROM:TO";
            line.within = argv[i];
        } else if (arg == "--csv") {
            line.csv = true;
        } else if (arg == "--size" || arg == "--scale" || arg == "--y" || arg == "-o" || arg == "--format") {
            if (++i == argc)
                return std::string(arg)
                       + (arg == "-o"        ? " needs a FILE"
                          : arg == "--y"     ? " needs FROM:TO"
                          : arg == "--size"  ? " needs WIDTHxHEIGHT"
                          : arg == "--scale" ? " needs S"
                                             : " needs png or svg");
            (arg == "--size"    ? line.size
             : arg == "--scale" ? line.scale
             : arg == "--y"     ? line.yRange
             : arg == "-o"      ? line.output
                                : line.format) = argv[i];
        } else {
            return "unknown option '" + std::string(arg) + "'";
        }
    }
    return combinationFault(line);
}

} // namespace pellitor::cli
