// The curve's pieces and y range: breaks only at failures and jumps, and a range that shows the
// curve, not its poles.
#include "PlotSamples.h"
#include "ColumnSamples.h"

#include <gtest/gtest.h>

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

TEST(PlotSamples, RangeShowsTheCurveNotItsPoles)
{
    const auto rangeOf = [](const std::function<double(double)>& f, Span xs) {
        const Curve curve = [&f](float x) -> std::optional<double> {
            return std::isfinite(f(x)) ? std::optional<double>(f(x)) : std::nullopt;
        };
        return automaticRange(columnSamples(eachOf(curve), xs, 400));
    };
    const std::optional<Span> line = rangeOf([](double x) { return x; }, {-1, 1});
    ASSERT_TRUE(line);
    EXPECT_LE(line->from, -1.0);
    EXPECT_GE(line->to, 1.0);
    EXPECT_LT(line->to - line->from, 2.5);

    const std::optional<Span> tan = rangeOf([](double x) { return std::tan(x); }, {-6.3, 6.3});
    ASSERT_TRUE(tan);
    EXPECT_LT(tan->to, 30.0);
    EXPECT_GT(tan->to, 3.0);
    EXPECT_GT(tan->from, -30.0);

    const std::optional<Span> flat = rangeOf([](double) { return 5.0; }, {0, 1});
    ASSERT_TRUE(flat);
    EXPECT_LT(flat->from, 5.0);
    EXPECT_GT(flat->to, 5.0);

    EXPECT_FALSE(rangeOf([](double) { return NAN; }, {0, 1}));
}
