// The 21-point Gauss-Kronrod rule with its error estimate.
#include "KronrodRule.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

namespace pellitor::graph {

namespace {

// The 21-point Kronrod rule on [-1, 1]: its nodes from the outermost in (the odd ones are the
// 10-point Gauss rule's, the last is 0) and their weights, and the Gauss rule's weights for its
// nodes. Checked against the moments of x^0 ... x^30 (Kronrod) and x^0 ... x^18 (Gauss).
constexpr double KronrodNodes[11] = {0.995657163025808080735527280689003,
                                     0.973906528517171720077964012084452,
                                     0.930157491355708226001207180059508,
                                     0.865063366688984510732096688423493,
                                     0.780817726586416897063717578345042,
                                     0.679409568299024406234327365114874,
                                     0.562757134668604683339000099272694,
                                     0.433395394129247190799265943165784,
                                     0.294392862701460198131126603103866,
                                     0.148874338981631210884826001129720,
                                     0.0};
constexpr double KronrodWeights[11] = {0.011694638867371874278064396062192, 0.032558162307964727478818972459390,
                                       0.054755896574351996031381300244580, 0.075039674810919952767043140916190,
                                       0.093125454583697605535065465083366, 0.109387158802297641899210590325805,
                                       0.123491976262065851077958109831075, 0.134709217311473325928054001771707,
                                       0.142775938577060080797094273138717, 0.147739104901338491374841515972068,
                                       0.149445554002916905664936468389821};
constexpr double GaussWeights[5] = {0.066671344308688137593568809893332, 0.149451349150580593145776339657697,
                                    0.219086362515982043995534934228163, 0.269266719309996355091226921569469,
                                    0.295524224714752870173892994651338};

// What y at an end of a piece may hide from the rule: a jump or a corner between the end and the
// outermost node (two thousandths of the piece away) shows as y there far from the polynomial
// through the five outermost nodes, which a smooth curve follows to far below rounding. ys holds y
// at those nodes, from the outermost in; the piece's error grows by what the gap may hold.
double hiddenAtEnd(const double* ys, const std::optional<double>& atEnd, double width)
{
    // Lagrange's weights of the five nodes at the end, t = 1.
    static const std::array<double, 5> weights = [] {
        std::array<double, 5> w{};
        for (std::size_t i = 0; i < w.size(); ++i) {
            w[i] = 1.0;
            for (std::size_t j = 0; j < w.size(); ++j) {
                if (j != i)
                    w[i] *= (1.0 - KronrodNodes[j]) / (KronrodNodes[i] - KronrodNodes[j]);
            }
        }
        return w;
    }();
    if (!atEnd)
        return 0.0;
    double extrapolated = 0.0;
    for (std::size_t i = 0; i < weights.size(); ++i)
        extrapolated += weights[i] * ys[i];
    return std::fabs(*atEnd - extrapolated) * (1.0 - KronrodNodes[0]) * width;
}

} // namespace

std::variant<KronrodPiece, double> kronrodRule(const ValueAtDouble& value, double from, double to)
{
    const double centre = 0.5 * (from + to);
    const double half = 0.5 * (to - from);
    double ys[21];
    for (int i = 0; i < 21; ++i) {
        const double x = i < 10 ? centre - half * KronrodNodes[i]
                                : (i == 10 ? centre : centre + half * KronrodNodes[20 - i]);
        const std::optional<double> y = value(x);
        if (!y)
            return x;
        ys[i] = *y;
    }
    double kronrodSum = KronrodWeights[10] * ys[10];
    double gaussSum = 0.0;
    double absolute = KronrodWeights[10] * std::fabs(ys[10]);
    for (int j = 0; j < 10; ++j) {
        const double pair = ys[j] + ys[20 - j];
        kronrodSum += KronrodWeights[j] * pair;
        absolute += KronrodWeights[j] * (std::fabs(ys[j]) + std::fabs(ys[20 - j]));
        if (j % 2 == 1)
            gaussSum += GaussWeights[j / 2] * pair;
    }
    const double mean = 0.5 * kronrodSum;
    double spread = KronrodWeights[10] * std::fabs(ys[10] - mean);
    for (int j = 0; j < 10; ++j)
        spread += KronrodWeights[j] * (std::fabs(ys[j] - mean) + std::fabs(ys[20 - j] - mean));
    const double width = std::fabs(half);
    double error = std::fabs((kronrodSum - gaussSum) * half);
    spread *= width;
    absolute *= width;
    // QUADPACK's scaling: the Gauss rule's error overstates the Kronrod rule's by far where both
    // are good; and no piece is known better than rounding allows.
    if (spread != 0.0 && error != 0.0)
        error = spread * std::min(1.0, std::pow(200.0 * error / spread, 1.5));
    error = std::max(error, 50.0 * DBL_EPSILON * absolute);
    const double inward[5] = {ys[20], ys[19], ys[18], ys[17], ys[16]};
    // y one double inside each end: a piece that ends at a jump has its end on the jump's far side.
    error += hiddenAtEnd(ys, value(std::nextafter(from, to)), width)
             + hiddenAtEnd(inward, value(std::nextafter(to, from)), width);
    return KronrodPiece{from, to, kronrodSum * half, error, absolute};
}

} // namespace pellitor::graph
