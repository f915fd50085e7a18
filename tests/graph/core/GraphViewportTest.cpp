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
