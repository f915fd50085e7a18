// Zeros, extrema and breaks found along a curve, against values computed here from the C library
// at the 32-bit x found and at its neighbours.
#include "CurveReading.h"
#include "CompiledPostfix.h"
#include "Der.h"
#include "Evaluation.h"
#include "RecordingMessageBox.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

using namespace pellitor;
using graph::Feature;
using graph::FeatureSearch;

namespace {

// The expression as the report's evaluator reads it.
struct Reader {
    explicit Reader(const std::u16string& expression)
    {
        pellitor::testing::RecordingMessageBox boxes;
        translation = translate(expression, boxes).value();
        compiled = std::make_unique<CompiledPostfix>(translation.postfix, false);
    }
    graph::ValueAt value()
    {
        return [this](float x) { return valueAt(*compiled, x); };
    }
    Translation translation;
    std::unique_ptr<CompiledPostfix> compiled;
};

std::optional<Feature> search(const std::u16string& expression, FeatureSearch::Looking looking, float start,
                              int direction = 1, bool atFeature = false)
{
    Reader reader(expression);
    FeatureSearch search(reader.value(), looking, start, direction, {-10.0, 10.0}, {-5.0, 5.0}, 800, 500, atFeature);
    while (search.step(1000) == FeatureSearch::State::Searching) {
    }
    return search.found();
}

std::string show(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

} // namespace

// A zero is a 32-bit x where y is 0, or the one of two neighbours with the smaller |y| across
// which y changes sign.
TEST(CurveReading, ZerosAreExactTo32BitNeighbours)
{
    const struct {
        std::u16string expression;
        float start;
        int direction;
        double expected;
        std::function<double(double)> y;
    } cases[] = {
        {u"2cos(x^2)/x", 0.5f, 1, std::sqrt(std::numbers::pi / 2), [](double x) { return 2 * std::cos(x * x) / x; }},
        {u"2cos(x^2)/x", 0.5f, -1, -std::sqrt(std::numbers::pi / 2), [](double x) { return 2 * std::cos(x * x) / x; }},
        {u"x^2-2", 0.0f, 1, std::sqrt(2.0), [](double x) { return x * x - 2; }},
        {u"x^2-2", 0.0f, -1, -std::sqrt(2.0), [](double x) { return x * x - 2; }},
        {u"sin(x)", 1.0f, 1, std::numbers::pi, [](double x) { return std::sin(x); }},
        {u"sin(x)", -1.0f, 1, 0.0, [](double x) { return std::sin(x); }},
        {u"x^3-x", 0.5f, 1, 1.0, [](double x) { return x * x * x - x; }},
        {u"log(x)", 0.5f, 1, 1.0, [](double x) { return std::log(x); }},
        {u"exp(x)-3", 0.0f, 1, std::log(3.0), [](double x) { return std::exp(x) - 3; }},
        {u"atan(x)-1", 0.0f, 1, std::tan(1.0), [](double x) { return std::atan(x) - 1; }},
        {u"cos(x)", 0.0f, -1, -std::numbers::pi / 2, [](double x) { return std::cos(x); }},
        {u"1/x-2", 0.1f, 1, 0.5, [](double x) { return 1 / x - 2; }},
        // beyond the view: found all the same, within 100 view widths
        {u"x-150", 0.0f, 1, 150.0, [](double x) { return x - 150; }},
        // y is 0 from -2.8E-45 to 2.8E-45: the zero is at 0, never at a subnormal beside it
        {u"x/4", -1.0f, 1, 0.0, [](double x) { return x / 4; }},
        {u"x/4", 1.0f, -1, 0.0, [](double x) { return x / 4; }},
    };
    for (const auto& c : cases) {
        const std::optional<Feature> zero = search(c.expression, FeatureSearch::Looking::Zero, c.start, c.direction);
        ASSERT_TRUE(zero) << show(c.expression);
        EXPECT_EQ(zero->kind, Feature::Kind::Zero);
        EXPECT_NEAR(zero->x, c.expected, 1e-6 * std::max(1.0, std::fabs(c.expected))) << show(c.expression);
        if (c.expected == 0.0) {
            EXPECT_EQ(zero->x, 0.0f) << show(c.expression) << ": " << zero->x;
        }
        const double here = c.y(zero->x);
        if (here == 0.0)
            continue;
        // The sign changes towards one neighbour, whose |y| is not the smaller.
        const double below = c.y(std::nextafter(zero->x, -INFINITY));
        const double above = c.y(std::nextafter(zero->x, INFINITY));
        const double other = (here < 0) != (below < 0) ? below : above;
        EXPECT_NE(here < 0, other < 0) << show(c.expression);
        EXPECT_LE(std::fabs(here), std::fabs(other)) << show(c.expression);
    }
}

// Where y is 0 over a run of x that reaches 0 (x/4 from -2.8E-45 to 2.8E-45), the zero is 0,
// whichever of them the halving meets first.
TEST(CurveReading, AZeroRunThroughZeroIsAtZero)
{
    Reader reader(u"x/4");
    const graph::ValueAt value = reader.value();
    for (const float a : {-1.0f, -1e-44f, -3e-45f}) {
        for (const float b : {1.0f, 1e-44f, 3e-45f, 7e-45f, 1.5e-44f}) {
            const std::optional<Feature> zero = graph::zeroBetween(value, a, b, 1.0);
            ASSERT_TRUE(zero) << a << " " << b;
            EXPECT_EQ(zero->x, 0.0f) << a << " " << b << ": " << zero->x;
        }
    }
}

TEST(CurveReading, ExtremaAreNotBelowTheirNeighbours)
{
    const struct {
        std::u16string expression;
        float start;
        Feature::Kind kind;
        double expected;
        std::function<double(double)> y;
    } cases[] = {
        {u"(x-1)^2", -1.0f, Feature::Kind::Minimum, 1.0, [](double x) { return (x - 1) * (x - 1); }},
        {u"sin(x)", 0.0f, Feature::Kind::Maximum, std::numbers::pi / 2, [](double x) { return std::sin(x); }},
        {u"sin(x)", 2.0f, Feature::Kind::Minimum, 3 * std::numbers::pi / 2, [](double x) { return std::sin(x); }},
        {u"-(x-3)^2+1", 0.0f, Feature::Kind::Maximum, 3.0, [](double x) { return -(x - 3) * (x - 3) + 1; }},
        {u"x^3-3x", -3.0f, Feature::Kind::Maximum, -1.0, [](double x) { return x * x * x - 3 * x; }},
        {u"x*exp(-x)", 0.0f, Feature::Kind::Maximum, 1.0, [](double x) { return x * std::exp(-x); }},
        {u"2cos(x^2)/x", 0.5f, Feature::Kind::Minimum, 1.7, [](double x) { return 2 * std::cos(x * x) / x; }},
    };
    for (const auto& c : cases) {
        const std::optional<Feature> turn = search(c.expression, FeatureSearch::Looking::Extremum, c.start);
        ASSERT_TRUE(turn) << show(c.expression);
        EXPECT_EQ(turn->kind, c.kind) << show(c.expression);
        EXPECT_NEAR(turn->x, c.expected, 0.1) << show(c.expression);
        // y as the report has it at the x found and at its neighbours.
        Reader reader(c.expression);
        const graph::ValueAt value = reader.value();
        const float here = value(turn->x).value();
        for (const int direction : {-1, 1}) {
            const float neighbour = value(graph::nextSingle(turn->x, direction)).value();
            if (c.kind == Feature::Kind::Maximum)
                EXPECT_GE(here, neighbour) << show(c.expression);
            else
                EXPECT_LE(here, neighbour) << show(c.expression);
        }
        EXPECT_EQ(turn->y, here);
        // At the middle of the run of neighbouring x that share its y, which ends where y does.
        EXPECT_LE(turn->runFrom, turn->x);
        EXPECT_GE(turn->runTo, turn->x);
        EXPECT_EQ(value(turn->runFrom), here);
        EXPECT_EQ(value(turn->runTo), here);
        EXPECT_NE(value(graph::nextSingle(turn->runFrom, -1)), here);
        EXPECT_NE(value(graph::nextSingle(turn->runTo, 1)), here);
    }
}

// 2cos(x^2)/x is the same value for 244 neighbouring x around its minimum: reported in the middle
// of them, where the true minimum lies, and mirrored for the mirrored curve.
TEST(CurveReading, AnExtremumIsTheMiddleOfItsRun)
{
    const std::optional<Feature> right = search(u"2cos(x^2)/x", FeatureSearch::Looking::Extremum, 0.5f, 1);
    const std::optional<Feature> left = search(u"2cos(x^2)/x", FeatureSearch::Looking::Extremum, -0.5f, -1);
    ASSERT_TRUE(right && left);
    EXPECT_EQ(left->x, -right->x);
    EXPECT_EQ(left->runFrom, -right->runTo);
    constexpr double TrueMinimum = 1.7248438543;
    EXPECT_LT(right->runFrom, TrueMinimum);
    EXPECT_GT(right->runTo, TrueMinimum);
    EXPECT_NEAR(right->x, TrueMinimum, 1e-6);
}

TEST(CurveReading, BreaksArePolesGapsAndJumps)
{
    const struct {
        std::u16string expression;
        float start;
        int direction;
        bool atFeature; // the start is what an earlier search found
        std::optional<Feature::Kind> kind;
        double expected;
    } cases[] = {
        {u"1/(x-2)", 0.0f, 1, false, Feature::Kind::Pole, 2.0},
        {u"tan(x)", 0.0f, 1, false, Feature::Kind::Pole, std::numbers::pi / 2},
        {u"tan(x)", 0.0f, -1, false, Feature::Kind::Pole, -std::numbers::pi / 2},
        // from a pole to the next, one after the other
        {u"tan(x)", float(std::numbers::pi / 2), 1, true, Feature::Kind::Pole, 3 * std::numbers::pi / 2},
        {u"tan(x)", float(3 * std::numbers::pi / 2), 1, true, Feature::Kind::Pole, 5 * std::numbers::pi / 2},
        // no value at 0 itself, huge beside it: the pole is at 0, never at a subnormal beside it
        {u"1/x^2", 1.0f, -1, false, Feature::Kind::Pole, 0.0},
        {u"2cos(x^2)/x", -1.0f, 1, false, Feature::Kind::Pole, 0.0},
        // a trace standing in the pole finds it; once it was found there, the next one is sought
        {u"2cos(x^2)/x", 0.0f, 1, false, Feature::Kind::Pole, 0.0},
        {u"2cos(x^2)/x", 0.0f, 1, true, std::nullopt, 0.0},
        {u"2cos(x^2)/x", 0.0f, -1, true, std::nullopt, 0.0},
        {u"sqr(x)", -1.0f, 1, false, Feature::Kind::Gap, 0.0},
        {u"sqr(x-3)", 5.0f, -1, false, Feature::Kind::Gap, 3.0},
        {u"int(x)", 0.5f, 1, false, Feature::Kind::Jump, 1.0},
        {u"log(x)", 1.0f, -1, false, Feature::Kind::Gap, 0.0},
    };
    for (const auto& c : cases) {
        const std::optional<Feature> found = search(c.expression, FeatureSearch::Looking::Break, c.start, c.direction,
                                                    c.atFeature);
        ASSERT_EQ(found.has_value(), c.kind.has_value()) << show(c.expression) << " from " << c.start;
        if (!found)
            continue;
        EXPECT_EQ(found->kind, *c.kind) << show(c.expression);
        EXPECT_NEAR(found->x, c.expected, 1e-5) << show(c.expression);
        if (found->kind == Feature::Kind::Pole && c.expected == 0.0) {
            EXPECT_EQ(found->x, 0.0f) << show(c.expression) << ": " << found->x;
        }
    }
}

TEST(CurveReading, ASearchStopsAfterAHundredViewWidths)
{
    Reader reader(u"x^2+1");
    FeatureSearch zero(reader.value(), FeatureSearch::Looking::Zero, 0.0f, 1, {-10.0, 10.0}, {-5.0, 5.0}, 800, 500);
    int slices = 0;
    while (zero.step(1000) == FeatureSearch::State::Searching)
        ++slices;
    EXPECT_EQ(zero.state(), FeatureSearch::State::NotFound);
    EXPECT_DOUBLE_EQ(zero.limit(), 2000.0);
    EXPECT_GE(slices, 79); // 80,000 columns, 1,000 a slice
}

TEST(CurveReading, TheMiddleOfTwo32BitNumbersIsInTheirOrder)
{
    EXPECT_EQ(graph::middleSingle(1.0f, std::nextafter(1.0f, 2.0f)), 1.0f);
    EXPECT_EQ(graph::middleSingle(-1.0f, 1.0f), 0.0f);
    const float middle = graph::middleSingle(1.0f, 4.0f);
    EXPECT_EQ(middle, 2.0f); // half of the 32-bit numbers from 1 to 4 lie below 2
    EXPECT_LT(graph::middleSingle(-FLT_MAX, FLT_MAX), 1e-30f);
}
