// The x where a curve reaches a height.
#include "LevelCrossing.h"

namespace pellitor::graph {

ValueAt levelLine(float c)
{
    return [c](float) -> std::optional<float> { return c; };
}

IntersectionSearch levelSearch(ValueAt value, float c, float start, int direction, const plot::Span& xs,
                               const plot::Span& ys, int columns, int rows, double limitWidths)
{
    return IntersectionSearch(std::move(value), levelLine(c), start, direction, xs, ys, columns, rows, limitWidths);
}

std::vector<Intersection> levelCrossingsIn(const ValueAt& value, float c, const plot::Span& xs, const plot::Span& ys,
                                           int columns, int rows, std::stop_token stop)
{
    return intersectionsIn(value, levelLine(c), xs, ys, columns, rows, std::move(stop));
}

} // namespace pellitor::graph
