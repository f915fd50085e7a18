// pellitor-calc's arguments: the mode, the angle unit, the value of x, the table's, the picture's
// and the curve readings' options and the operands (one, or a picture's curves).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellitor::cli {

enum class Mode { Calculate, Postfix, Evaluate, Table, Plot, Solve, Slope, Area };

struct CommandLine {
    Mode mode = Mode::Calculate;
    bool degree = false;
    bool angleGiven = false;
    std::optional<std::string> value;
    std::optional<std::string> range;  // --table FROM:TO:STEP, --plot FROM:TO, --area FROM:TO
    std::optional<std::string> level;  // --solve C
    std::optional<std::string> within; // --in FROM:TO
    std::optional<std::string> xsFile; // --xs FILE ("-" is standard input)
    bool csv = false;
    std::optional<std::string> size;   // --size WIDTHxHEIGHT
    std::optional<std::string> scale;  // --scale S
    std::optional<std::string> yRange; // --y FROM:TO
    std::optional<std::string> output; // -o FILE
    std::optional<std::string> format; // --format png|svg
    std::vector<std::string> operands;
    bool help = false;
    bool version = false;
};

// Exit statuses beyond the outcomes of a calculation, as in sysexits.h.
inline constexpr int ExitUsage = 64;
inline constexpr int ExitDataError = 65;
inline constexpr int ExitIoError = 74;

extern const std::string_view Usage;

// Returns the reason when the arguments do not follow the usage. Options and operands may come in
// any order, as in pellitor-calc "2cos(x^2)/x" -x 1. --plot takes up to plot::MostCurves
// EXPRESSION operands, every other mode one.
std::optional<std::string> parse(int argc, char** argv, CommandLine& line);

} // namespace pellitor::cli
