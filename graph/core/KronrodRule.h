// The 21-point Gauss-Kronrod rule on one piece of a curve: the integral over it in 64 bits, the
// estimate of its error and the integral of |y|, as adaptive quadrature takes them. Qt-free.
#pragma once

#include "CurveReading.h"

#include <variant>

namespace pellitor::graph {

struct KronrodPiece {
    double from;
    double to;
    double value;
    double error;
    double absolute; // the integral of |y|
};

// The 21-point Kronrod rule on [from, to], its error from the 10-point Gauss rule on the same
// nodes, scaled as QUADPACK's QAG scales it, no less than rounding allows, and grown by what y at
// the piece's ends shows the rule cannot see; or the first node at which y has no value.
std::variant<KronrodPiece, double> kronrodRule(const ValueAtDouble& value, double from, double to);

} // namespace pellitor::graph
