// The ranges and the size of a picture, and where its samples lie in x.
#pragma once

#include <cstdint>

namespace pellitor::plot {

// From FROM to TO, FROM below TO: the x or the y that a picture shows.
struct Span {
    double from = 0.0;
    double to = 1.0;
};

// The sides of a picture, in pixels.
inline constexpr int MinSide = 100;
inline constexpr int MaxSide = 8000;

// Width and height in pixels.
struct Size {
    int width = 800;
    int height = 500;
};

// The x of a picture's samples: two per pixel column and one more, evenly from FROM to TO. The
// last is TO itself, which the arithmetic could miss by a rounding error.
inline std::int64_t sampleCount(int columns)
{
    return 2 * std::int64_t{columns} + 1;
}
inline double sampleAt(const Span& xs, int columns, std::int64_t i)
{
    const std::int64_t last = sampleCount(columns) - 1;
    if (i == last)
        return xs.to;
    return xs.from + (xs.to - xs.from) * static_cast<double>(i) / static_cast<double>(last);
}

} // namespace pellitor::plot
