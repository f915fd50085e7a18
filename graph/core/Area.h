// The area under a curve: the integral from a to b in 64 bits with an estimate of its error, or
// where it diverges (a pole) or is undefined (a gap). Qt-free.
#pragma once

#include "CurveReading.h"

#include <stop_token>

namespace pellitor::graph {

struct Area {
    enum class Outcome { Value, Diverges, Undefined };
    Outcome outcome = Outcome::Value;
    double value = 0.0; // Value: the integral from a to b, negative where b < a and y > 0
    double error = 0.0; // Value: the estimate of its error (infinite when a stop cut it short)
    // Diverges: the pole at from (= to), which lies within `within` of it. Undefined: the gap from
    // the last x with a value before it (or a) to the first after it (or b), in order of x, each
    // exact to neighbouring doubles and meant to be shown as exactly as `within` (2^-40 of |b - a|).
    double from = 0.0;
    double to = 0.0;
    double within = 0.0;
};

// The integral of y from a to b by adaptive Gauss-Kronrod quadrature: the 21-point Kronrod rule on
// each piece, the difference from the 10-point Gauss rule inside it for its error (scaled as
// QUADPACK's QAG does), and the piece with the largest error halved until the errors add up to
// 10^-13 of the integral (or 5 10^-14 of the integral of |y|, where the integral is near 0), or
// 2,000 pieces. Pieces end where y jumps (as the picture breaks the curve), and each answers to
// the piece it was halved from. A point where y has no value but beside which it has (sin(x)/x at 0) is left out;
// y that grows at least as 1/|x - p| towards a point p (1/x at 0, tan(x) at pi/2) makes the
// integral diverge there, and a stretch of x without a value (sqr(x) left of 0) makes it
// undefined. A stop requested through stop ends it with the estimate so far.
Area areaOf(const ValueAtDouble& value, double a, double b, std::stop_token stop = {});

} // namespace pellitor::graph
