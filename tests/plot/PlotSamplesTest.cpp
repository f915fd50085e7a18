// The curve's pieces and y range: breaks only at failures and jumps, and a range that shows the
// curve, not its poles.
#include "PlotSamples.h"
#include "ColumnSamples.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>

using namespace pellitor::plot;

namespace {

std::vector<std::vector<Point>> piecesOf(const std::function<double(double)>& f, Span xs)
{
    const Curve curve = [&f](float x) -> std::optional<double> {
        const double y = f(x);
        if (!std::isfinite(y))
            return std::nullopt;
        return y;
    };
    const auto samples = columnSamples(eachOf(curve), xs, 400);
    return pieces(eachOf(curve), samples, *automaticRange(samples), 400);
}

} // namespace

TEST(PlotSamples, BreaksAtFailuresAndJumpsOnly)
{
    const struct {
        const char* name;
        std::function<double(double)> f;
        Span xs;
        std::size_t pieces;
    } cases[] = {
        {"x", [](double x) { return x; }, {0, 1}, 1},
        {"1/x", [](double x) { return x == 0 ? NAN : 1 / x; }, {-1, 1}, 2},
        {"1/x, 0 between samples", [](double x) { return x == 0 ? NAN : 1 / x; }, {-1, 1.3}, 2},
        {"tan", [](double x) { return std::tan(x); }, {-4, 4}, 3},
        {"steep atan", [](double x) { return std::atan(1000 * x); }, {-1, 1}, 1},
        {"floor", [](double x) { return std::floor(x); }, {0.5, 3.5}, 4},
        {"sqrt", [](double x) { return x < 0 ? NAN : std::sqrt(x); }, {-1, 1}, 1},
        {"fast wiggle", [](double x) { return std::sin(200 * x); }, {0, 1}, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(piecesOf(c.f, c.xs).size(), c.pieces) << c.name;
}

// The automatic range shows a bounded curve whole, with a twentieth of margin, and y = 0 where it
// lies within a fifth of the range's height; it cuts off only growth without bound (a pole).
TEST(PlotSamples, RangeShowsTheCurveNotItsPoles)
{
    const auto rangeOf = [](const std::function<double(double)>& f, Span xs) {
        const Curve curve = [&f](float x) -> std::optional<double> {
            return std::isfinite(f(x)) ? std::optional<double>(f(x)) : std::nullopt;
        };
        return automaticRange(columnSamples(eachOf(curve), xs, 400));
    };
    const struct {
        const char* name;
        std::function<double(double)> f;
        Span xs;
        double from; // the range must reach as far as these
        double to;
        double within; // and, beyond them, no further than this
    } cases[] = {
        {"x", [](double x) { return x; }, {-1, 1}, -1.1, 1.1, 1e-6},
        {"sqr(25-x^2), bounded", [](double x) { return std::sqrt(25 - x * x); }, {-10, 10}, -0.25, 5.25, 1e-6},
        {"exp(x), bounded in view: 0 shown", [](double x) { return std::exp(x); }, {-10, 10}, -1101.3, 23127.6, 1},
        {"1 + sin(x): 0 near, shown", [](double x) { return 1 + std::sin(x); }, {-10, 10}, -0.1, 2.1, 1e-3},
        {"5 + sin(x): 0 far, not shown", [](double x) { return 5 + std::sin(x); }, {-10, 10}, 3.9, 6.1, 1e-3},
        {"tan: its poles cut off", [](double x) { return std::tan(x); }, {-6.3, 6.3}, -3, 3, 27},
        {"a flat line: around it", [](double) { return 5.0; }, {0, 1}, 4.0, 6.0, 1e-9},
        // at the end of the 32-bit numbers: the margin stops there
        {"3.3E+38, flat", [](double) { return 3.3e38; }, {0, 1}, 3.0e38, 3.4e38, 1e37},
        {"x*3.3E+38", [](double x) { return x * 3.3e38; }, {-1, 1}, -3.3e38, 3.3e38, 1.1e37},
    };
    for (const auto& c : cases) {
        const std::optional<Span> range = rangeOf(c.f, c.xs);
        ASSERT_TRUE(range) << c.name;
        EXPECT_LE(range->from, c.from + 1e-9) << c.name;
        EXPECT_GE(range->to, c.to - 1e-9) << c.name;
        EXPECT_GE(range->from, c.from - c.within) << c.name;
        EXPECT_LE(range->to, c.to + c.within) << c.name;
        EXPECT_GE(range->from, -double(FLT_MAX)) << c.name;
        EXPECT_LE(range->to, double(FLT_MAX)) << c.name;
    }
    EXPECT_FALSE(rangeOf([](double) { return NAN; }, {0, 1}));
}
