// A curve as a picture of it shows it: sampled over the picture's x, its y range (given, or the
// automatic one) and its pieces. pellitor-calc's picture and the graph window find it alike, so
// that a graph saved at a view and size is the picture pellitor-calc draws for them.
#pragma once

#include "PlotSamples.h"
#include "PlotSpan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellitor::plot {

struct CurveShape {
    std::optional<Span> ys; // as given, or the automatic range; nothing when no sample has a value
    Pieces pieces;
};

// Every evaluation is one of a block taken with curves. A stop requested through stop ends the
// work at its next check, with a shape that is not whole.
CurveShape shapeCurve(const Curves& curves, const Span& xs, const std::optional<Span>& ys, const Size& size,
                      std::stop_token stop = {});

// Several curves in one picture: their shapes in the order given, all with the range ys or else
// the automatic range of all their values together; a curve without a value in view has none.
std::vector<CurveShape> shapeCurves(const std::vector<Curves>& curves, const Span& xs, const std::optional<Span>& ys,
                                    const Size& size, std::stop_token stop = {});

// Whether a curve has a line to draw: a piece of one point is none.
bool drawsALine(const CurveShape& shape);

// A picture's title: "y=" and the expression, and a note when x is in degrees.
std::u16string pictureTitle(std::u16string_view expression, bool degrees);

} // namespace pellitor::plot
