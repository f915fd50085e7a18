// Where neighbouring x fall on one 32-bit number: a table's rows or a picture's samples that would
// repeat one x. pellitor-calc refuses such a range, and the graph will not move to one.
#pragma once

#include "PlotSpan.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace pellitor::plot {

// The first of two neighbouring x among at(0) .. at(count - 1), spaced step apart, that round to
// the same 32-bit float, or nothing. Only where the floats lie at least step apart can two
// round alike; the search starts there, at the ends of largest magnitude.
std::optional<double> repeatedSingle(const std::function<double(std::int64_t)>& at, std::int64_t count, double step);

// The first sample of a picture columns wide over xs that shares its 32-bit x with its
// neighbour, or nothing when every sample has an x of its own.
std::optional<double> repeatedSample(const Span& xs, int columns);

inline bool samplesApart(const Span& xs, int columns)
{
    return !repeatedSample(xs, columns);
}

} // namespace pellitor::plot
