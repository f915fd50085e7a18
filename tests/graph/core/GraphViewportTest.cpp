// The graph's view: moves about a point, and the views that pellitor-calc would refuse.
#include "GraphViewport.h"

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
    while (view.zoom(2.0, 0.7, 0.5, 800) == GraphViewport::Move::Done)
        ++zoomsIn;
    // 2^20 narrower than 20 around 4 is as far as 1,601 distinct 32-bit samples go there.
    EXPECT_GT(zoomsIn, 10);
    EXPECT_LT(zoomsIn, 30);
    const plot::Span finest = view.xs();
    EXPECT_EQ(view.zoom(2.0, 0.7, 0.5, 800), GraphViewport::Move::Finest);
    EXPECT_EQ(view.xs().from, finest.from); // a refused move leaves the view as it was
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
