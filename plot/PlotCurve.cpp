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

std::vector<CurveShape> shapeCurves(const std::vector<Curves>& curves, const Span& xs, const std::optional<Span>& ys,
                                    const Size& size, std::stop_token stop)
{
    std::vector<std::vector<std::optional<Point>>> samples;
    std::vector<std::optional<Point>> all;
    for (const Curves& curve : curves) {
        samples.push_back(columnSamples(curve, xs, size.width, stop));
        all.insert(all.end(), samples.back().begin(), samples.back().end());
    }
    const std::optional<Span> range = ys ? ys : automaticRange(all);
    std::vector<CurveShape> shapes;
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const bool valued = std::any_of(samples[i].begin(), samples[i].end(),
                                        [](const auto& p) { return p.has_value(); });
        CurveShape& shape = shapes.emplace_back(CurveShape{valued ? range : std::nullopt, {}});
        if (range)
            shape.pieces = perColumn(pieces(curves[i], samples[i], *range, size.height, stop), xs, size.width);
    }
    return shapes;
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
