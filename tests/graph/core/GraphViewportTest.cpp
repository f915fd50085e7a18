// The graph's view: moves about a point, and the views that pellitor-calc would refuse.
#include "GraphViewport.h"
#include "RepeatedSingles.h"

#include <gtest/gtest.h>

#include <cfloat>

using namespace pellitor;
using graph::GraphViewport;

TEST(GraphViewport, ZoomsAboutTheGivenPointAndStopsFollowingTheCurve)
{
    const struct {
        double factor, across, up;
        plot::Span xs, ys;
    } cases[] = {
        {2.0, 0.5, 0.5, {-5.0, 5.0}, {-1.0, 1.0}},
        {2.0, 0.0, 1.0, {-10.0, 0.0}, {0.0, 2.0}},     // the corner stays where it was
        {0.5, 0.75, 0.25, {-25.0, 15.0}, {-3.0, 5.0}}, // out, about a quarter from the right, up
    };
    for (const auto& c : cases) {
        GraphViewport view;
        view.takeCurveRange({-2.0, 2.0});
        ASSERT_TRUE(view.followsCurve());
        EXPECT_EQ(view.zoom(c.factor, c.across, c.up, 800), GraphViewport::Move::Done);
        EXPECT_DOUBLE_EQ(view.xs().from, c.xs.from);
        EXPECT_DOUBLE_EQ(view.xs().to, c.xs.to);
        EXPECT_DOUBLE_EQ(view.ys().from, c.ys.from);
        EXPECT_DOUBLE_EQ(view.ys().to, c.ys.to);
        EXPECT_FALSE(view.followsCurve());
        view.takeCurveRange({-100.0, 100.0}); // a moved view keeps its y
        EXPECT_DOUBLE_EQ(view.ys().to, c.ys.to);
    }
}

TEST(GraphViewport, RefusesWhatPellitorCalcWouldRefuse)
{
    GraphViewport view;
    int zoomsIn = 0;
    while (view.zoom(2.0, 0.7, 0.5, 800) == GraphViewport::Move::Done
           && view.xs().to - view.xs().from < 20.0 / (1 << zoomsIn))
        ++zoomsIn;
    // 2^20 narrower than 20 around 4 is as far as 1,601 distinct 32-bit samples go there.
    EXPECT_GT(zoomsIn, 10);
    EXPECT_LT(zoomsIn, 30);
    const plot::Span finest = view.xs();
    while (view.zoom(2.0, 0.7, 0.5, 800) == GraphViewport::Move::Done) {
    }
    EXPECT_EQ(view.xs().from, finest.from); // a refused x leaves the view's x as it was
    EXPECT_EQ(view.xs().to, finest.to);

    GraphViewport wide;
    while (wide.zoom(0.5, 0.5, 0.5, 800) == GraphViewport::Move::Done) {
    }
    EXPECT_EQ(wide.zoom(0.5, 0.5, 0.5, 800), GraphViewport::Move::Widest);
    EXPECT_LE(wide.xs().to, FLT_MAX);

    // Panning far out coarsens the 32-bit numbers under a narrow view until two samples meet.
    GraphViewport narrow;
    narrow.zoom(1000.0, 0.5, 0.5, 800);
    GraphViewport::Move move = GraphViewport::Move::Done;
    for (int i = 0; i < 200 && move == GraphViewport::Move::Done; ++i)
        move = narrow.pan(1e4, 0.0, 800);
    EXPECT_EQ(move, GraphViewport::Move::Finest);
}

TEST(GraphViewport, HomeAndFitFollowTheCurveAgain)
{
    GraphViewport view;
    view.pan(0.1, 0.1, 800);
    ASSERT_FALSE(view.followsCurve());
    view.fitY();
    EXPECT_TRUE(view.followsCurve());
    view.takeCurveRange({-3.0, 4.0});
    EXPECT_EQ(view.ys().from, -3.0);
    view.pan(0.5, 0.0, 800);
    view.reset();
    EXPECT_EQ(view.xs().from, GraphViewport::FirstXs.from);
    EXPECT_EQ(view.xs().to, GraphViewport::FirstXs.to);
    EXPECT_TRUE(view.followsCurve());
}

// A trace far out takes the view with it, widened to the narrowest width whose pixels still take
// x of their own there; half that width would not do.
TEST(GraphViewport, FollowsATraceFarOutWithTheNarrowestWidthThere)
{
    constexpr int Columns = 640;
    for (const double x : {300000.0, 1e8, 1e30, -1e30, double(FLT_MAX), -double(FLT_MAX), 12.5}) {
        GraphViewport view;
        ASSERT_EQ(view.follow(x, Columns), GraphViewport::Move::Done) << x;
        const plot::Span xs = view.xs();
        EXPECT_LE(xs.from, x) << x;
        EXPECT_GE(xs.to, x) << x;
        EXPECT_GE(xs.from, -double(FLT_MAX)) << x;
        EXPECT_LE(xs.to, double(FLT_MAX)) << x;
        EXPECT_TRUE(plot::samplesApart(xs, Columns)) << x;
        const double width = xs.to - xs.from;
        if (width > 20.0) {
            const double middle = (xs.from + xs.to) / 2.0;
            EXPECT_FALSE(plot::samplesApart({middle - width / 4.0, middle + width / 4.0}, Columns)) << x;
        } else {
            EXPECT_DOUBLE_EQ(width, 20.0); // near, the width stays, the trace a tenth inside
            EXPECT_DOUBLE_EQ(xs.to, x + 2.0);
        }
    }
}

// Each axis stops at its own limit: y at the end of the 32-bit numbers lets x zoom out on.
TEST(GraphViewport, EachAxisStopsAtItsOwnLimit)
{
    GraphViewport view;
    view.takeCurveRange({-1.1e31, 1.1e31});
    for (int i = 0; i < 120; ++i)
        ASSERT_EQ(view.zoom(1 / 1.25, 0.5, 0.5, 640), GraphViewport::Move::Done) << i;
    EXPECT_GT(view.xs().to, 1e12);
    EXPECT_LE(view.ys().to, double(FLT_MAX));
    EXPECT_GT(view.ys().to, double(FLT_MAX) / 1.25);

    // In, about x = 4 and y = 0: x stops where the 32-bit x near 4 end, y goes on towards 0's.
    GraphViewport fine;
    GraphViewport::Move move = GraphViewport::Move::Done;
    for (int i = 0; i < 2000 && move == GraphViewport::Move::Done; ++i)
        move = fine.zoom(1.25, 0.7, 0.5, 640);
    EXPECT_EQ(move, GraphViewport::Move::Finest);
    EXPECT_GT(fine.xs().to - fine.xs().from, 1e-5);
    EXPECT_LT(fine.ys().to - fine.ys().from, 1e-30);
}

// One axis zooms alone, a box is shown as drawn or not at all, and equal scales hold a unit as
// long in y as in x through every move.
TEST(GraphViewport, OneAxisBoxesAndEqualScales)
{
    const struct {
        const char* name;
        double factorX, factorY;
        plot::Span xs, ys;
    } zooms[] = {
        {"x only", 2.0, 1.0, {-5.0, 5.0}, {-2.0, 2.0}},
        {"y only", 1.0, 2.0, {-10.0, 10.0}, {-1.0, 1.0}},
        {"both", 0.5, 0.5, {-20.0, 20.0}, {-4.0, 4.0}},
    };
    for (const auto& c : zooms) {
        GraphViewport view;
        view.takeCurveRange({-2.0, 2.0});
        ASSERT_EQ(view.zoom(c.factorX, c.factorY, 0.5, 0.5, 800), GraphViewport::Move::Done) << c.name;
        EXPECT_DOUBLE_EQ(view.xs().from, c.xs.from) << c.name;
        EXPECT_DOUBLE_EQ(view.xs().to, c.xs.to) << c.name;
        EXPECT_DOUBLE_EQ(view.ys().from, c.ys.from) << c.name;
        EXPECT_DOUBLE_EQ(view.ys().to, c.ys.to) << c.name;
    }

    GraphViewport boxed;
    ASSERT_EQ(boxed.show({1.0, 2.0}, {3.0, 5.0}, 800), GraphViewport::Move::Done);
    EXPECT_EQ(boxed.xs().to, 2.0);
    EXPECT_EQ(boxed.ys().from, 3.0);
    EXPECT_EQ(boxed.show({1.0, 1.0000001}, {0.0, 1.0}, 800), GraphViewport::Move::Finest);
    EXPECT_EQ(boxed.show({0.0, 1.0}, {0.0, 1e39}, 800), GraphViewport::Move::Widest);
    EXPECT_EQ(boxed.xs().from, 1.0); // refused: the view as it was, both axes
    EXPECT_EQ(boxed.ys().to, 5.0);

    GraphViewport equal;
    equal.setFrame(800.0, 400.0);
    equal.setEqualScales(true);
    const auto unitsPerPixel = [&equal] {
        return std::pair((equal.xs().to - equal.xs().from) / 800.0, (equal.ys().to - equal.ys().from) / 400.0);
    };
    const auto expectEqual = [&](const char* after) {
        const auto [x, y] = unitsPerPixel();
        EXPECT_NEAR(x, y, 1e-12 * x) << after;
    };
    expectEqual("turned on");
    equal.takeCurveRange({3.0, 5.0});
    expectEqual("a curve's range");
    EXPECT_DOUBLE_EQ(equal.ys().from + equal.ys().to, 8.0); // about the curve's middle
    equal.zoom(2.0, 1.0, 0.3, 0.6, 800);
    expectEqual("an x-only zoom");
    equal.pan(0.25, -0.5, 800);
    expectEqual("a pan");
    equal.setFrame(500.0, 500.0);
    EXPECT_NEAR(equal.xs().to - equal.xs().from, equal.ys().to - equal.ys().from, 1e-9) << "a square frame";
    equal.follow(1e6, 500);
    EXPECT_NEAR(equal.xs().to - equal.xs().from, equal.ys().to - equal.ys().from, 1e-6) << "a trace far out";
}

TEST(GraphViewport, HistoryStepsBackAndForthThroughTheViewsMade)
{
    const auto at = [](double x) { return graph::View{{x, x + 1.0}, {0.0, 1.0}, false}; };
    graph::ViewHistory history;
    EXPECT_FALSE(history.back(at(0.0)));
    history.record(at(1.0));
    history.record(at(2.0));
    history.record(at(2.0)); // the same view again is one step
    ASSERT_TRUE(history.canGoBack());
    EXPECT_EQ(history.back(at(3.0))->xs.from, 2.0);
    EXPECT_EQ(history.back(at(2.0))->xs.from, 1.0);
    EXPECT_FALSE(history.canGoBack());
    EXPECT_EQ(history.forward(at(1.0))->xs.from, 2.0);
    EXPECT_EQ(history.forward(at(2.0))->xs.from, 3.0);
    EXPECT_FALSE(history.forward(at(3.0)));
    history.back(at(3.0));
    history.record(at(2.0)); // a new move after Back forgets the views ahead
    EXPECT_FALSE(history.canGoForward());

    graph::ViewHistory longest;
    for (int i = 0; i < int(graph::ViewHistory::Longest) + 10; ++i)
        longest.record(at(i));
    int steps = 0;
    while (longest.back(at(-1.0)))
        ++steps;
    EXPECT_EQ(steps, int(graph::ViewHistory::Longest));
}
