// The ranges of the table and the picture on the command line: FROM:TO:STEP, FROM:TO,
// WIDTHxHEIGHT and the picture's scale. A text that does not read is a usage error, with its reason.
#pragma once

#include "PlotSpan.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace pellitor::cli {

// The rows' 32-bit x: from + i*step for i = 0 .. rows-1, computed in 64 bits and rounded once.
// The first row is FROM and a last row that lands on TO is TO, each as the parameter box reads
// its text: rounding FROM's decimal to 64 bits first could move it to another 32-bit number.
struct Steps {
    double from = 0.0;
    double step = 1.0;
    std::int64_t rows = 1;
    float first = 0.0f;
    std::optional<float> last;

    float at(std::int64_t i) const
    {
        if (i == 0)
            return first;
        if (last && i == rows - 1)
            return *last;
        return static_cast<float>(from + static_cast<double>(i) * step);
    }
};

inline constexpr std::int64_t MaxRows = 100'000'000;

// FROM:TO:STEP. Each number is read as the parameter box reads x (blanks dropped, a comma is the
// point), but must be a whole number text; FROM and TO must lie in the 32-bit range (the box's
// rounding decides, so a text just beyond the largest float that rounds to it is that float). A last step
// that ends within a billionth of STEP beyond TO still counts, so that 0:0.3:0.1 has four rows
// although 3*0.1 is a little more than 0.3 in binary. A STEP so small that two rows would take
// the same 32-bit x is refused.
std::variant<Steps, std::string> readSteps(std::string_view text);

// FROM:TO with FROM below TO, where each end rounds to the 32-bit number that the parameter box
// reads from its text; what names the range in messages ("--plot", "--y").
std::variant<plot::Span, std::string> readSpan(std::string_view text, std::string_view what);

// FROM:TO read as readSpan reads it, but in either order and with FROM equal to TO allowed: the
// limits of an integral.
std::variant<std::pair<double, double>, std::string> readLimits(std::string_view text, std::string_view what);

// A level, such as --solve's C: one number read as FROM is, the 32-bit number that the parameter
// box reads from its text; what names it in messages.
std::variant<float, std::string> readLevel(std::string_view text, std::string_view what);

// Why the samples of a picture columns wide over xs cannot be drawn, when two neighbours would
// take the same 32-bit x (the rule of a table's STEP); nothing when all differ.
std::optional<std::string> sampleStepsTooSmall(const plot::Span& xs, int columns);

// WIDTHxHEIGHT in pixels, each from plot::MinSide to plot::MaxSide.
std::variant<plot::Size, std::string> readSize(std::string_view text);

// --scale S: a number from MinScale to MaxScale, read as FROM is.
inline constexpr double MinScale = 1.0;
inline constexpr double MaxScale = 4.0;
std::variant<double, std::string> readScale(std::string_view text);

// size at scale in device pixels, each side rounded as a graph window at that device pixel ratio
// rounds its own, and refused beyond plot::MaxSide.
std::variant<plot::Size, std::string> scaledSize(const plot::Size& size, double scale);

} // namespace pellitor::cli
