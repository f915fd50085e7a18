// The samples of a curve over the pixel columns of a picture, Qt-free: enough of them in each
// column to find the least and the greatest y over its 32-bit x, and the reduction of a curve's
// pieces to what each column shows of them. A column is drawn as the range of y over its x, as
// waveform views draw sound, so that a curve that swings faster than a column is a band and never
// an alias of its samples.
#pragma once

#include "PlotSamples.h"
#include "PlotSpan.h"

#include <stop_token>
#include <vector>

namespace pellitor::plot {

// The samples that each column starts with: its left edge and, in each further eighth of it, one
// x at a place of its own (a fixed scatter, the same for every picture), so that no curve whose
// period is a divisor of the spacing hides between them. A column with no more 32-bit x than that
// takes every one of them.
inline constexpr int SamplesPerColumn = 8;
// The most evaluations that the search for one column's extremum between two samples may take.
inline constexpr int LongestSearch = 32;

// y over xs, columns pixel columns wide, in order of x: each column's samples, then the least and
// the greatest y that a column's samples show inside it pinned down, each to a 32-bit x where y
// is not exceeded by its neighbours (or the best that LongestSearch evaluations reach); last, y
// at xs.to. Every evaluation is one of a block taken with curves. A stop requested through stop
// ends it between two blocks, with the samples taken so far.
std::vector<std::optional<Point>> columnSamples(const Curves& curves, const Span& xs, int columns,
                                                std::stop_token stop = {});

// The pieces reduced to what each column shows: in each column that a piece crosses, the point
// where it enters the column, the least and the greatest y in it, and the point where it leaves
// it, in order of x. Lines between them cover the column's range of y and join it to the next.
Pieces perColumn(const Pieces& pieces, const Span& xs, int columns);

} // namespace pellitor::plot
