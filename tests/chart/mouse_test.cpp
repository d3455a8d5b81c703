#include "chart/hit_test.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

namespace {

// A place on the plot far from every point and from the limiter line.
TChartPixel EmptyPlace(const TChartDriver& driver)
{
    return {driver.Chart.OriginX + 3, driver.Chart.OriginY - driver.Chart.PlotHeight + 2};
}

TEST(ChartMouse, HoverFollowsThePointerAndRepaintsOnlyOnChange)
{
    TChartDriver driver(SpacedImage(CurvePoints));
    const TChartPixel empty = EmptyPlace(driver);
    for (int point : DrawnPoints(driver.Image)) {
        const TChartPixel at = driver.PixelOf(point);
        EXPECT_EQ(driver.Move(at.X, at.Y).Redraw, ChartRepaint);
        EXPECT_EQ(driver.Chart.HoverPoint, point);
        EXPECT_EQ(driver.Move(at.X + 4, at.Y - 4).Redraw, 0);
        EXPECT_EQ(driver.Chart.HoverPoint, point);
        EXPECT_EQ(driver.Move(empty.X, empty.Y).Redraw, ChartRepaint);
        EXPECT_EQ(driver.Chart.HoverPoint, NoPoint);
    }
    const TChartPixel limiter = driver.PixelOf(LimiterLine);
    driver.Move(limiter.X - HitReach, 0);
    EXPECT_EQ(driver.Chart.HoverPoint, LimiterLine);
    // Nothing but hovering happens without a press.
    EXPECT_EQ(driver.Image.Bytes, SpacedImage(CurvePoints).Bytes);
    EXPECT_EQ(driver.Chart.SelectedPoint, NoPoint);
}

TEST(ChartMouse, LeavingThePictureDropsTheHoverButNotAHeldPoint)
{
    TChartDriver driver(SpacedImage(4));
    const TChartPixel at = driver.PixelOf(2);
    driver.Move(at.X, at.Y);
    EXPECT_EQ(ChartMouseLeave(driver.Chart).Redraw, ChartRepaint);
    EXPECT_EQ(driver.Chart.HoverPoint, NoPoint);
    EXPECT_EQ(ChartMouseLeave(driver.Chart).Redraw, 0);

    driver.Move(at.X, at.Y);
    EXPECT_EQ(driver.Move(-1, at.Y).Redraw, ChartRepaint);
    EXPECT_EQ(driver.Chart.HoverPoint, NoPoint);
    EXPECT_FALSE(driver.Press(driver.Chart.AreaWidth + 1, at.Y).CaptureMouse);

    driver.Press(at.X, at.Y);
    EXPECT_EQ(ChartMouseLeave(driver.Chart).Redraw, 0);
    EXPECT_EQ(driver.Chart.SelectedPoint, 2);
}

TEST(ChartMouse, PressPicksUpAndReleaseDropsAndRecordsTheStep)
{
    TChartDriver driver(SpacedImage(6));
    const TParamImage before = driver.Image;
    const TChartPixel at = driver.PixelOf(3);
    driver.Move(at.X + 5, at.Y);

    const TChartAction press = driver.Press(at.X + 5, at.Y);
    EXPECT_TRUE(press.CaptureMouse);
    EXPECT_EQ(press.Redraw, ChartRepaint);
    EXPECT_FALSE(press.ShowImage);
    EXPECT_EQ(driver.Chart.SelectedPoint, 3);
    EXPECT_EQ(driver.Chart.HoverPoint, NoPoint);
    EXPECT_EQ(driver.Chart.DragOffsetX, 5);
    EXPECT_EQ(driver.Chart.DragOffsetY, 0);

    const TChartAction release = driver.Release(at.X + 5, at.Y);
    EXPECT_TRUE(release.ReleaseMouse);
    EXPECT_TRUE(release.HistoryPush);
    EXPECT_EQ(release.Redraw, ChartRepaint);
    EXPECT_EQ(driver.Chart.SelectedPoint, NoPoint);
    EXPECT_EQ(driver.Chart.HoverPoint, 3);
    EXPECT_EQ(driver.Image.Bytes, before.Bytes);
}

TEST(ChartMouse, PressOnNothingAndReleaseWithNothingHeldDoNothing)
{
    TChartDriver driver(SpacedImage(6));
    const TChartPixel empty = EmptyPlace(driver);
    driver.Move(empty.X, empty.Y);
    for (TChartMouseKind kind : {TChartMouseKind::Press, TChartMouseKind::Release}) {
        const TChartAction action = driver.Event(kind, empty.X, empty.Y);
        EXPECT_EQ(action.Redraw, 0);
        EXPECT_FALSE(action.CaptureMouse || action.ReleaseMouse || action.HistoryPush);
        EXPECT_EQ(driver.Chart.SelectedPoint, NoPoint);
    }
    // Releasing over a point only frames it.
    const TChartPixel at = driver.PixelOf(1);
    const TChartAction release = driver.Release(at.X, at.Y);
    EXPECT_FALSE(release.HistoryPush);
    EXPECT_EQ(driver.Chart.HoverPoint, 1);
}

// Another button pressed during a drag must not drop the point without the
// release that records its undo step.
TEST(ChartMouse, SecondPressDuringADragKeepsThePointHeld)
{
    TChartDriver driver(SpacedImage(6));
    const TChartPixel at = driver.PixelOf(2);
    driver.Press(at.X, at.Y);
    driver.DragTo(at.X, at.Y - 10);
    const TChartPixel empty = EmptyPlace(driver);
    const TChartAction press = driver.Press(empty.X, empty.Y);
    EXPECT_FALSE(press.CaptureMouse);
    EXPECT_EQ(driver.Chart.SelectedPoint, 2);
    EXPECT_TRUE(driver.Release(empty.X, empty.Y).HistoryPush);
}

// A picture smaller than its margins has zero scales: the mouse is ignored,
// even with a point held.
TEST(ChartMouse, DegenerateChartIgnoresTheMouse)
{
    for (const auto& size : {std::pair{35, DesignHeight}, std::pair{DesignWidth, 20}}) {
        TChartDriver driver(DefaultImage());
        driver.Chart = ChartFor(driver.Image, size.first, size.second);
        const TChartPixel at = driver.PixelOf(BasePoint);
        driver.Move(at.X, at.Y);
        EXPECT_FALSE(driver.Press(at.X, at.Y).CaptureMouse);
        EXPECT_EQ(driver.Chart.HoverPoint, NoPoint);
        driver.Chart.SelectedPoint = 0;
        const TChartAction action = driver.Move(at.X + 7, at.Y - 9);
        EXPECT_FALSE(action.ShowImage);
        EXPECT_EQ(driver.Image.Bytes, DefaultImage().Bytes);
    }
}

} // namespace
