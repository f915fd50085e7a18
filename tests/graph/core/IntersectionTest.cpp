// Intersections of two curves and the x where a curve reaches a level, against closed forms from
// the C library, and the neighbour rule of a zero checked with the report's own y.
#include "Intersection.h"
#include "CurveOf.h"
#include "LevelCrossing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace pellitor;
using graph::Intersection;
using graph::IntersectionSearch;
using pellitor::testing::CurveOf;
using pellitor::testing::shown;

namespace {

constexpr plot::Span Xs{-10.0, 10.0};
constexpr plot::Span Ys{-5.0, 5.0};
constexpr double Pi = std::numbers::pi;

std::optional<Intersection> run(IntersectionSearch search)
{
    while (search.step(100) == IntersectionSearch::State::Searching) {
    }
    return search.found();
}

// f - g is 0 at x, or changes sign towards a neighbour whose |f - g| is not the smaller.
void expectNeighbourRule(const graph::ValueAt& f, const graph::ValueAt& g, float x)
{
    const auto difference = [&](float at) { return double(f(at).value()) - double(g(at).value()); };
    const double here = difference(x);
    if (here == 0.0)
        return;
    const double below = difference(graph::nextSingle(x, -1));
    const double other = (here < 0) != (below < 0) ? below : difference(graph::nextSingle(x, 1));
    EXPECT_NE(here < 0, other < 0) << x;
    EXPECT_LE(std::fabs(here), std::fabs(other)) << x;
}

} // namespace

TEST(Intersection, NextFromXToEitherSide)
{
    const struct {
        std::u16string f, g;
        float start;
        int direction;
        std::optional<double> expected; // nothing: no intersection within 100 view widths
    } cases[] = {
        {u"sin(x)", u"cos(x)", 0.0f, 1, Pi / 4},
        {u"sin(x)", u"cos(x)", 1.0f, 1, 5 * Pi / 4},
        {u"sin(x)", u"cos(x)", 0.0f, -1, -3 * Pi / 4},
        {u"x^2", u"x+2", 0.0f, 1, 2.0},
        {u"x^2", u"x+2", 0.0f, -1, -1.0},
        {u"x^2", u"x+2", 2.0f, 1, std::nullopt},       // the one it stands at is passed
        {u"tan(x)", u"x", 1.0f, 1, 4.493409457909064}, // not across the pole at pi/2
        {u"1/x", u"-x", 1.0f, -1, std::nullopt},       // 1/x + x changes sign at its pole only
        {u"int(x)", u"0.5", 0.2f, 1, std::nullopt},    // nor in a jump
        {u"sqr(x)", u"-0.5", 1.0f, -1, std::nullopt},
        {u"x", u"x-150", 0.0f, 1, std::nullopt}, // parallel
        {u"x/150", u"1", 0.0f, 1, 150.0},        // beyond the view
    };
    for (const auto& c : cases) {
        const CurveOf f(c.f), g(c.g);
        const std::optional<Intersection> found = run(
            IntersectionSearch(f.single(), g.single(), c.start, c.direction, Xs, Ys, 640, 480));
        ASSERT_EQ(found.has_value(), c.expected.has_value()) << shown(c.f) << " from " << c.start;
        if (!found)
            continue;
        EXPECT_NEAR(found->x, *c.expected, 1e-6 * std::max(1.0, std::fabs(*c.expected))) << shown(c.f);
        EXPECT_EQ(found->y, f.single()(found->x));
        EXPECT_EQ(found->otherY, g.single()(found->x));
        expectNeighbourRule(f.single(), g.single(), found->x);
    }
    // From the intersection found, the next one: the search passes the one it stands at, where
    // x^2 - 2 is not 0.
    const CurveOf square(u"x^2"), two(u"2");
    const float root = run(IntersectionSearch(square.single(), two.single(), 0.0f, 1, Xs, Ys, 640, 480))->x;
    ASSERT_NE(square.single()(root), 2.0f);
    EXPECT_EQ(run(IntersectionSearch(square.single(), two.single(), root, -1, Xs, Ys, 640, 480))->x, -root);
    EXPECT_FALSE(run(IntersectionSearch(square.single(), two.single(), root, 1, Xs, Ys, 640, 480)));
}

TEST(Intersection, LevelsReachedFromXAndWithinAView)
{
    const struct {
        std::u16string expression;
        float level;
        float start;
        int direction;
        double expected;
    } next[] = {
        {u"exp(x)", 3.0f, 0.0f, 1, std::log(3.0)},
        {u"sin(x)", 0.5f, 0.0f, 1, Pi / 6},
        {u"sin(x)", 0.5f, 1.0f, 1, 5 * Pi / 6},
        {u"x^3", -8.0f, 0.0f, -1, -2.0},
    };
    for (const auto& c : next) {
        const CurveOf curve(c.expression);
        const std::optional<Intersection> found = run(
            graph::levelSearch(curve.single(), c.level, c.start, c.direction, Xs, Ys, 640, 480));
        ASSERT_TRUE(found) << shown(c.expression);
        EXPECT_NEAR(found->x, c.expected, 1e-6) << shown(c.expression);
        EXPECT_EQ(found->otherY, c.level);
        expectNeighbourRule(curve.single(), graph::levelLine(c.level), found->x);
    }
    // y = 0 is the zero that the curve reading finds.
    const CurveOf wave(u"2cos(x^2)/x");
    EXPECT_EQ(run(graph::levelSearch(wave.single(), 0.0f, 0.5f, 1, Xs, Ys, 800, 500))->x,
              graph::zeroBetween(wave.single(), 1.25f, 1.26f, 0.04)->x);

    // sin(x) = 0.5 at pi/6 + 2k pi and 5pi/6 + 2k pi; tan(x) = 0 at k pi, never at its poles.
    const CurveOf sine(u"sin(x)");
    const std::vector<Intersection> marks = graph::levelCrossingsIn(sine.single(), 0.5f, Xs, Ys, 640, 480);
    const double expected[] = {-3 * Pi - Pi / 6, -2 * Pi + Pi / 6, -Pi - Pi / 6,   Pi / 6,
                               Pi - Pi / 6,      2 * Pi + Pi / 6,  3 * Pi - Pi / 6};
    ASSERT_EQ(marks.size(), std::size(expected));
    EXPECT_EQ(graph::levelCrossingsIn(sine.single(), 0.0f, {0.0, 10.0}, Ys, 640, 480).size(), 4u); // 0 at the edge
    for (std::size_t i = 0; i < marks.size(); ++i)
        EXPECT_NEAR(marks[i].x, expected[i], 1e-6);
    const CurveOf tangent(u"tan(x)");
    const std::vector<Intersection> zeros = graph::levelCrossingsIn(tangent.single(), 0.0f, {-5.0, 5.0}, Ys, 640, 480);
    ASSERT_EQ(zeros.size(), 3u);
    EXPECT_NEAR(zeros[0].x, -Pi, 1e-6);
    EXPECT_NEAR(zeros[1].x, 0.0, 1e-6);
    EXPECT_NEAR(zeros[2].x, Pi, 1e-6);
}
