// Areas against integrals in closed form, each within its own error estimate, and the poles and
// gaps that leave none.
#include "Area.h"
#include "CurveOf.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <numbers>

using namespace pellitor;
using graph::Area;
using pellitor::testing::CurveOf;
using pellitor::testing::shown;

TEST(Area, WithinItsErrorEstimate)
{
    constexpr double DegreePi = 3.1415926; // the evaluator's pi for degrees
    const auto ofInt = [](double x) {
        return std::floor(x) * (std::floor(x) - 1) / 2 + std::floor(x) * (x - std::floor(x));
    };
    const auto ofAbs = [](double x) { return x * std::fabs(x) / 2; };
    const struct {
        std::u16string expression;
        bool degrees;
        double a, b;
        double expected;
    } cases[] = {
        {u"sin(x)", false, 0.0, std::numbers::pi, 2.0},
        {u"exp(x)", false, 0.0, 1.0, std::numbers::e - 1},
        {u"x^3", false, -1.0, 2.0, 3.75},
        {u"1/x", false, 1.0, 2.0, std::numbers::ln2},
        {u"1/x", false, 2.0, 1.0, -std::numbers::ln2}, // b below a
        {u"sqr(x)", false, 0.0, 1.0, 2.0 / 3},
        {u"log(x)", false, 0.0, 1.0, -1.0},                                // no value at 0, and a slope without bound
        {u"1/sqr(x)", false, 0.0, 1.0, 2.0},                               // without bound at 0, but integrable
        {u"sin(x)/x", false, -1.0, 1.0, 1.8921661407343660},               // 2 Si(1); no value at 0 alone
        {u"sin(x-1/3)/(x-1/3)", false, 0.0, 2.0 / 3, 0.66256513186037685}, // likewise, at a node of the rule
        {u"int(x)", false, 0.0, 3.5, 4.5},
        {u"int(x)", false, -100.0, 100.0, -100.0}, // 200 pieces that end at jumps
        // steps and corners that the 21 nodes of one piece can miss
        {u"int(x)", false, -4.94440031, 4.58837032, ofInt(4.58837032) - ofInt(-4.94440031)},
        {u"int(x)", false, 3.45173383, 7.44132662, ofInt(7.44132662) - ofInt(3.45173383)},
        {u"int(x)", false, -0.146813, 1.23315, ofInt(1.23315) - ofInt(-0.146813)},
        {u"abs(x)", false, -9.34703827f, 4.00758934f, ofAbs(4.00758934f) - ofAbs(-9.34703827f)},
        {u"abs(x)", false, -0.352503598f, 6.09273195f, ofAbs(6.09273195f) - ofAbs(-0.352503598f)},
        {u"sin(x)", false, -1.0, 1.0, 0.0},
        {u"2cos(x^2)/x", false, 0.5, 10.0, 0.81951423743833516}, // Ci(100) - Ci(0.25)
        {u"sin(x)", true, 0.0, 180.0, 180 / DegreePi * (1 - std::cos(DegreePi))},
        {u"x", false, 3.0, 3.0, 0.0},
    };
    for (const auto& c : cases) {
        const Area area = graph::areaOf(CurveOf(c.expression, c.degrees).wide(), c.a, c.b);
        ASSERT_EQ(area.outcome, Area::Outcome::Value) << shown(c.expression) << " from " << c.a;
        EXPECT_LE(std::fabs(area.value - c.expected), area.error) << shown(c.expression) << " from " << c.a;
        EXPECT_LE(area.error, 1e-9 * std::max(1.0, std::fabs(c.expected))) << shown(c.expression) << " from " << c.a;
    }
}

TEST(Area, DivergesAtAPoleUndefinedOverAGap)
{
    const struct {
        std::u16string expression;
        double a, b;
        Area::Outcome outcome;
        double from, to; // the pole (from = to), or the gap
    } cases[] = {
        {u"1/x", -1.0, 1.0, Area::Outcome::Diverges, 0.0, 0.0},
        {u"1/x", -1.0, 2.0, Area::Outcome::Diverges, 0.0, 0.0}, // 0 no node of the rule
        {u"1/x^2", 0.0, 1.0, Area::Outcome::Diverges, 0.0, 0.0},
        {u"tan(x)", 0.0, 2.0, Area::Outcome::Diverges, std::numbers::pi / 2, std::numbers::pi / 2},
        {u"2cos(x^2)/x", -10.0, 10.0, Area::Outcome::Diverges, 0.0, 0.0},
        {u"sqr(x)", -1.0, 1.0, Area::Outcome::Undefined, -1.0, 0.0},
        {u"sqr(1-x^2)", -2.0, 2.0, Area::Outcome::Undefined, -2.0, -1.0},
        {u"exp(x)", 0.0, 100.0, Area::Outcome::Undefined, std::log(FLT_MAX + 0x1p103), 100.0}, // y beyond 32 bits
    };
    for (const auto& c : cases) {
        const Area area = graph::areaOf(CurveOf(c.expression).wide(), c.a, c.b);
        ASSERT_EQ(area.outcome, c.outcome) << shown(c.expression) << " from " << c.a;
        EXPECT_NEAR(area.from, c.from, area.within + 1e-9) << shown(c.expression);
        EXPECT_NEAR(area.to, c.to, area.within + 1e-9) << shown(c.expression);
    }
}
