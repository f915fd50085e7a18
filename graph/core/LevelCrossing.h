// Where a curve reaches a height c (y = c): the next such x from an x in a direction, found down
// to neighbouring 32-bit x as a zero is, and every such x within a view. The curve meets the
// level line y = c as it would meet another curve. Qt-free.
#pragma once

#include "Intersection.h"

namespace pellitor::graph {

// The line y = c, with a value at every x.
ValueAt levelLine(float c);

// The search for the next x from start in direction where y - c is 0 or changes sign without a
// jump, as IntersectionSearch does it; found()'s otherY is c.
IntersectionSearch levelSearch(ValueAt value, float c, float start, int direction, const plot::Span& xs,
                               const plot::Span& ys, int columns, int rows, double limitWidths = 100.0);

// Every x within the view where the curve reaches c, for marking them, in order of x.
std::vector<Intersection> levelCrossingsIn(const ValueAt& value, float c, const plot::Span& xs, const plot::Span& ys,
                                           int columns, int rows, std::stop_token stop = {});

} // namespace pellitor::graph
