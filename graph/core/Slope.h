// The slope dy/dx of a curve at an x, in 64 bits with an estimate of its error, or why there is
// none: a break (a gap, a pole or a jump at or near x) or a corner. Qt-free.
#pragma once

#include "CurveReading.h"

namespace pellitor::graph {

struct Slope {
    enum class Outcome { Value, Break, Corner };
    Outcome outcome = Outcome::Break;
    double value = 0.0; // Value: dy/dx, per unit of the expression's own x (a degree with "Angle")
    double error = 0.0; // Value: the estimate of its error
    double left = 0.0;  // Corner: the slope from the left
    double right = 0.0; // Corner: the slope from the right
};

// dy/dx at x from central differences at steps h0, h0/2, ... h0/2^18 (h0 an eighth of the larger
// of |x| and 1; the last step some eight 32-bit steps of x), carried to step 0 by Richardson's
// extrapolation; the error estimate is the change between the best extrapolation and its
// neighbours in the tableau (Ridders' rule), and no less than the noise of y: its rounding, and
// its scatter from one x to the next nearby (cos(x^2) rounds x^2 first). The slopes from the left
// and from the right, extrapolated from one-sided differences alike, must agree: where they part
// beyond their errors, x is a corner (abs(x) at 0); where one of them or the central one does not
// settle as the step shrinks, or y has no value at x or beside it, x lies at a break (int(x) at
// 1, 1/x at 0). Beside 0 the steps start again at an eighth of |x| before a break nearer 0 than
// 1 counts (1/x at 10^-6).
Slope slopeAt(const ValueAtDouble& value, double x);

} // namespace pellitor::graph
