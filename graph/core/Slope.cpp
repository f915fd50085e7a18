// Slopes by Richardson's extrapolation of difference quotients.
#include "Slope.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <iterator>
#include <limits>
#include <span>
#include <vector>

namespace pellitor::graph {

namespace {

// h0 down to h0 / 2^18, some eight 32-bit steps of x at the scale: a break that close to x is one
// that every step straddles.
constexpr int Steps = 19;
constexpr int Depth = 6;      // extrapolations of one quotient at most: the first steps may be wide of x
constexpr int LeastSteps = 6; // steps with a value on both sides that a slope needs

// A difference quotient's limit as the step goes to 0, and the estimate of its error.
struct Limit {
    double value = 0.0;
    double error = std::numeric_limits<double>::infinity();

    // Whether the quotients settled: the error is small beside the value, or beside the scale of
    // the slopes (small), as far as rounding lets them show it.
    bool settled(double small) const { return error <= 1e-3 * std::fabs(value) + small; }
};

// Neville's tableau of quotients q[k] at steps halving from one to the next, whose error runs in
// powers of the step from `order` on, `increment` apart (central quotients: h^2, h^4, ...;
// one-sided: h, h^2, ...). Each entry's error is the larger change from the entry before it and
// the one above, and no less than the rows' noise (noise[k]) as its weights carry it; the entry
// with the least error wins, a tie going to the smaller step. Wide steps may agree by chance on a
// wrong value (sin(50x) at x = 8): an entry counts only where it lies as near the last quotient
// as the last two quotients lie to each other, the trend that the finest steps show.
Limit extrapolated(std::span<const double> q, std::span<const double> noise, int order, int increment)
{
    const std::size_t last = q.size() - 1;
    const double trusted = 2.0 * std::fabs(q[last] - q[last - 1]) + 4.0 * noise[last];
    Limit best;
    std::array<double, Depth + 1> above{};
    std::array<double, Depth + 1> row{};
    for (std::size_t k = 0; k < q.size(); ++k) {
        row[0] = q[k];
        double amplified = noise[k]; // each extrapolation adds its weights' share of the rows' noise
        for (std::size_t j = 1; j <= std::min<std::size_t>(k, Depth); ++j) {
            const double factor = std::ldexp(1.0, order + static_cast<int>(j - 1) * increment);
            row[j] = row[j - 1] + (row[j - 1] - above[j - 1]) / (factor - 1.0);
            amplified *= 1.0 + 2.0 / (factor - 1.0);
            const double error = std::max(
                {std::fabs(row[j] - row[j - 1]), std::fabs(row[j] - above[j - 1]), amplified});
            if (error <= best.error && std::fabs(row[j] - q[last]) <= trusted)
                best = {row[j], error};
        }
        above = row;
    }
    return best;
}

// How much y jitters near x: its scatter about the straight line through y at eight irregularly
// placed x within 2^-33 of the scale, where the curve's own bend is far too small to show. An
// expression that rounds its argument before a steep function (cos(x^2) at x = 9) jitters by far
// more than a unit in the last place of y. Evenly spaced x would not show it: there x^2 and the
// like may round by amounts that grow evenly too, which a straight line takes up.
double jitterAt(const ValueAtDouble& value, double x, double scale)
{
    static constexpr double Offsets[] = {-0.92, -0.61, -0.37, -0.13, 0.08, 0.29, 0.53, 0.86};
    const double reach = scale * 0x1p-33;
    double sumY = 0.0, sumOffsetY = 0.0, sumOffset2 = 0.0, sumOffset = 0.0;
    double ys[std::size(Offsets)];
    for (std::size_t i = 0; i < std::size(Offsets); ++i) {
        const std::optional<double> y = value(x + Offsets[i] * reach);
        if (!y)
            return 0.0;
        ys[i] = *y;
        sumY += *y;
        sumOffset += Offsets[i];
        sumOffsetY += Offsets[i] * *y;
        sumOffset2 += Offsets[i] * Offsets[i];
    }
    const double n = static_cast<double>(std::size(Offsets));
    const double slope = (n * sumOffsetY - sumOffset * sumY) / (n * sumOffset2 - sumOffset * sumOffset);
    const double intercept = (sumY - slope * sumOffset) / n;
    double jitter = 0.0;
    for (std::size_t i = 0; i < std::size(Offsets); ++i)
        jitter = std::max(jitter, std::fabs(ys[i] - intercept - slope * Offsets[i]));
    return jitter;
}

// The three limits at one scale of steps, from h0 = scale / 8 down.
struct Quotients {
    Limit central;
    Limit left;
    Limit right;
    bool enough = false; // steps with a value on both sides, LeastSteps at least
    double ys = 0.0;     // the scale of y: |y| at x and at the widest step with values
};

Quotients quotientsAt(const ValueAtDouble& value, double x, double y, double scale)
{
    const double jitter = jitterAt(value, x, scale);
    Quotients quotients;
    std::vector<double> central, left, right, noise;
    for (int k = 0; k < Steps; ++k) {
        const double h = std::ldexp(scale, -3 - k);
        const std::optional<double> before = value(x - h);
        const std::optional<double> after = value(x + h);
        if (!before || !after) {
            // A gap at this step: only the steps nearer x than it count.
            central.clear(), left.clear(), right.clear(), noise.clear();
            continue;
        }
        if (central.empty())
            quotients.ys = std::max({std::fabs(y), std::fabs(*before), std::fabs(*after)});
        central.push_back((*after - *before) / (2.0 * h));
        left.push_back((y - *before) / h);
        right.push_back((*after - y) / h);
        // Each y is rounded once at least, a few units of its last place with libm's functions, and
        // jitters as much as it does at x.
        const double rounding = 8.0 * DBL_EPSILON * (std::fabs(*before) + std::fabs(y) + std::fabs(*after));
        noise.push_back(std::max(rounding, 2.0 * jitter) / h);
    }
    if (central.size() < LeastSteps)
        return quotients;
    quotients.enough = true;
    quotients.central = extrapolated(central, noise, 2, 2);
    quotients.left = extrapolated(left, noise, 1, 1);
    quotients.right = extrapolated(right, noise, 1, 1);
    return quotients;
}

// The slope the limits at one scale give, or the break or the corner they show.
Slope judged(const Quotients& q, double scale)
{
    // A slope this much below the curve's own (y over x at this scale) shows only as a change that
    // rounding could make: a limit that small counts as settled.
    const double small = 1e-6 * q.ys / scale;
    Slope slope;
    if (!q.enough || !q.central.settled(small) || !q.left.settled(small) || !q.right.settled(small))
        return slope; // a break: a gap beside x, or quotients that grow as the step shrinks
    const double parting = std::fabs(q.left.value - q.right.value);
    if (parting > 4.0 * (q.left.error + q.right.error)
                      + 1e-6 * std::max(std::fabs(q.left.value), std::fabs(q.right.value)) + small) {
        slope.outcome = Slope::Outcome::Corner;
        slope.left = q.left.value;
        slope.right = q.right.value;
        return slope;
    }
    slope.outcome = Slope::Outcome::Value;
    slope.value = q.central.value;
    slope.error = q.central.error;
    return slope;
}

} // namespace

Slope slopeAt(const ValueAtDouble& value, double x)
{
    const std::optional<double> y = value(x);
    if (!y)
        return {};
    const double scale = std::max(std::fabs(x), 1.0);
    Slope slope = judged(quotientsAt(value, x, *y, scale), scale);
    if (slope.outcome != Slope::Outcome::Value && x != 0.0 && std::fabs(x) < 1.0)
        slope = judged(quotientsAt(value, x, *y, std::fabs(x)), std::fabs(x));
    return slope;
}

} // namespace pellitor::graph
