// The curve of a picture.
#include "PlotCurve.h"

#include "ColumnSamples.h"

#include <algorithm>

namespace pellitor::plot {

CurveShape shapeCurve(const Curves& curves, const Span& xs, const std::optional<Span>& ys, const Size& size,
                      std::stop_token stop)
{
    const std::vector<std::optional<Point>> samples = columnSamples(curves, xs, size.width, stop);
    CurveShape shape{ys ? ys : automaticRange(samples), {}};
    if (shape.ys)
        shape.pieces = perColumn(pieces(curves, samples, *shape.ys, size.height, stop), xs, size.width);
    return shape;
}

bool drawsALine(const CurveShape& shape)
{
    return std::any_of(shape.pieces.begin(), shape.pieces.end(), [](const auto& piece) { return piece.size() > 1; });
}

std::u16string pictureTitle(std::u16string_view expression, bool degrees)
{
    std::u16string title = u"y=";
    title += expression;
    if (degrees)
        title += u"   (x in degrees)";
    return title;
}

} // namespace pellitor::plot
