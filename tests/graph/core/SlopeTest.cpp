// Slopes against derivatives in closed form, each within its own error estimate, and the breaks
// and corners where there is no slope.
#include "Slope.h"
#include "CurveOf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace pellitor;
using graph::Slope;
using pellitor::testing::CurveOf;
using pellitor::testing::shown;

TEST(Slope, WithinItsErrorEstimate)
{
    constexpr double DegreePi = 3.1415926; // the evaluator's pi for degrees
    const auto wave = [](double x) { return -4 * std::sin(x * x) - 2 * std::cos(x * x) / (x * x); };
    const struct {
        std::u16string expression;
        bool degrees;
        double x;
        double expected;
    } cases[] = {
        {u"sin(x)", false, 1.0, std::cos(1.0)},
        {u"exp(x)", false, 1.0, std::exp(1.0)},
        {u"x^3", false, 2.0, 12.0},
        {u"x^3", false, 0.0, 0.0},
        {u"1/x", false, 0.5, -4.0},
        {u"1/x", false, 0.001, -1e6}, // the pole at 0 lies beyond the steps that count
        {u"1/x", false, 1e-6, -1e12}, // and here beyond those of a second start, from |x| / 8
        {u"sqr(x)", false, 4.0, 0.25},
        {u"log(x)", false, 0.01, 100.0},
        {u"cos(x)", false, 0.0, 0.0},
        {u"abs(x)", false, 0.01, 1.0},
        {u"2cos(x^2)/x", false, 1.0, wave(1.0)},
        {u"2cos(x^2)/x", false, 8.23928642f, wave(8.23928642f)}, // cos of a rounded x^2 jitters
        {u"sin(200x)", false, 0.3, 200 * std::cos(60.0)},
        {u"sin(50x)", false, 8.06317616f, 50 * std::cos(50 * double(8.06317616f))}, // wide steps agree on 0.07
        {u"exp(x)", false, 80.0, std::exp(80.0)},
        {u"sin(x)", true, 60.0, std::cos(60 * DegreePi / 180) * DegreePi / 180}, // per degree
    };
    for (const auto& c : cases) {
        const CurveOf curve(c.expression, c.degrees);
        const Slope slope = graph::slopeAt(curve.wide(), c.x);
        ASSERT_EQ(slope.outcome, Slope::Outcome::Value) << shown(c.expression) << " at " << c.x;
        EXPECT_LE(std::fabs(slope.value - c.expected), slope.error) << shown(c.expression) << " at " << c.x;
        EXPECT_LE(slope.error, 1e-8 * std::max(1.0, std::fabs(c.expected))) << shown(c.expression) << " at " << c.x;
    }
}

TEST(Slope, NoneAtABreakOrACorner)
{
    const struct {
        std::u16string expression;
        double x;
        Slope::Outcome outcome;
    } cases[] = {
        {u"abs(x)", 0.0, Slope::Outcome::Corner},
        {u"abs(x-1)+x", 1.0, Slope::Outcome::Corner},
        {u"int(x)", 1.0, Slope::Outcome::Break},
        {u"int(x)", 0.9999999, Slope::Outcome::Break},
        {u"1/x", 0.0, Slope::Outcome::Break},
        {u"sqr(x)", 0.0, Slope::Outcome::Break},
        {u"tan(x)", float(std::numbers::pi / 2), Slope::Outcome::Break},
    };
    for (const auto& c : cases) {
        const Slope slope = graph::slopeAt(CurveOf(c.expression).wide(), c.x);
        EXPECT_EQ(slope.outcome, c.outcome) << shown(c.expression) << " at " << c.x;
    }
    const Slope corner = graph::slopeAt(CurveOf(u"abs(x)").wide(), 0.0);
    EXPECT_EQ(corner.left, -1.0);
    EXPECT_EQ(corner.right, 1.0);
}
