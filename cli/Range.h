// The ranges of the table and the picture on the command line: FROM:TO:STEP, FROM:TO and
// WIDTHxHEIGHT. A text that does not read is a usage error, with its reason.
#pragma once

#include "PlotSpan.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace pellitor::cli {

// x = from + i*step for i = 0 .. rows-1, computed in 64 bits.
struct Steps {
    double from = 0.0;
    double step = 1.0;
    std::int64_t rows = 1;

    double at(std::int64_t i) const { return from + static_cast<double>(i) * step; }
};

inline constexpr std::int64_t MaxRows = 100'000'000;

// FROM:TO:STEP. Each number is read as the parameter box reads x (blanks dropped, a comma is the
// point), but must be a whole number text; FROM and TO must lie in the 32-bit range. A last step
// that ends within a billionth of STEP beyond TO still counts, so that 0:0.3:0.1 has four rows
// although 3*0.1 is a little more than 0.3 in binary. A STEP so small that two rows would take
// the same 32-bit x is refused.
std::variant<Steps, std::string> readSteps(std::string_view text);

// FROM:TO with FROM below TO; what names the range in messages ("--plot", "--y").
std::variant<plot::Span, std::string> readSpan(std::string_view text, std::string_view what);

// Why the samples of a picture columns wide over xs cannot be drawn, when two neighbours would
// take the same 32-bit x (the rule of a table's STEP); nothing when all differ.
std::optional<std::string> sampleStepsTooSmall(const plot::Span& xs, int columns);

// WIDTHxHEIGHT in pixels, each from plot::MinSide to plot::MaxSide.
std::variant<plot::Size, std::string> readSize(std::string_view text);

} // namespace pellitor::cli
