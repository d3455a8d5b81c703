#include "chart/hit_test.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(HitTest, PointsOwnTheirBoxAndTheLimiterLineItsColumns)
{
    const TChartDriver driver(SpacedImage(CurvePoints));
    const int limiter = driver.PixelOf(LimiterLine).X;
    for (int point : DrawnPoints(driver.Image)) {
        const TChartPixel at = driver.PixelOf(point);
        for (int dx = -7; dx <= 7; ++dx) {
            for (int dy = -7; dy <= 7; ++dy) {
                const bool inBox = std::abs(dx) <= HitReach && std::abs(dy) <= HitReach;
                const bool onLine = std::abs(at.X + dx - limiter) <= HitReach;
                ASSERT_EQ(ChartHitTest(driver.Chart, driver.Image, at.X + dx, at.Y + dy).Point,
                          inBox    ? point
                          : onLine ? LimiterLine
                                   : NoPoint);
            }
        }
    }
}

TEST(HitTest, NearerInWholePixelsWinsAndTiesGoToTheLowerIndex)
{
    TParamImage image = DefaultImage(3);
    image.Speed(0) = 30;
    image.Speed(1) = 31;
    image.Speed(2) = 32;
    image.Advance(1) = image.Advance(0);
    const TChartDriver driver(image);
    const TChartPixel a = driver.PixelOf(0);
    ASSERT_EQ(driver.PixelOf(1).X - a.X, 3);
    const auto hit = [&](int x, int y) { return ChartHitTest(driver.Chart, image, x, y).Point; };
    EXPECT_EQ(hit(a.X + 1, a.Y), 0);
    EXPECT_EQ(hit(a.X + 2, a.Y), 1);
    EXPECT_EQ(hit(a.X + 2, a.Y + 2), 0); // 2.8 and 2.2 pixels, both cut to 2
    image.Speed(0) = 0;                  // on the base point
    image[ImageByte::BaseAdvance] = image.Advance(0);
    EXPECT_EQ(hit(driver.Chart.OriginX, a.Y), BasePoint);
}

TEST(ChartMouse, HoverFollowsThePointerAndLeavingDropsIt)
{
    TChartDriver driver(SpacedImage(CurvePoints));
    for (int point : DrawnPoints(driver.Image)) {
        const TChartPixel at = driver.PixelOf(point);
        EXPECT_EQ(driver.Move(at.X, at.Y).Redraw, ChartRepaint);
        EXPECT_EQ(driver.Move(at.X + 4, at.Y - 4).Redraw, 0);
        EXPECT_EQ(driver.Chart.HoverPoint, point);
        EXPECT_EQ(driver.Move(at.X, -1).Redraw, ChartRepaint); // outside the picture
        driver.Move(at.X, at.Y);
        EXPECT_EQ(ChartMouseLeave(driver.Chart).Redraw, ChartRepaint);
        EXPECT_EQ(ChartMouseLeave(driver.Chart).Redraw, 0);
        EXPECT_EQ(driver.Chart.HoverPoint, NoPoint);
    }
}

TEST(ChartMouse, PressPicksUpAndReleaseDropsWithItsUndoStep)
{
    TChartDriver driver(SpacedImage(6));
    const TChartPixel at = driver.PixelOf(3);
    const TChartAction press = driver.Press(at.X + 5, at.Y);
    EXPECT_TRUE(press.CaptureMouse && press.Redraw == ChartRepaint && !press.ShowImage);
    EXPECT_EQ(driver.Chart.HoverPoint, NoPoint);
    ChartMouseLeave(driver.Chart);
    EXPECT_EQ(driver.Chart.SelectedPoint, 3);
    // Dropped unmoved: the image is unchanged and the point hovered again.
    const TChartAction release = driver.Release(at.X + 5, at.Y);
    EXPECT_TRUE(release.ReleaseMouse && release.HistoryPush && release.Redraw == ChartRepaint);
    EXPECT_EQ(driver.Chart.SelectedPoint, NoPoint);
    EXPECT_EQ(driver.Chart.HoverPoint, 3);
    EXPECT_EQ(driver.Image.Bytes, SpacedImage(6).Bytes);

    const TChartPixel empty{driver.Chart.OriginX + 3, 7};
    driver.Move(empty.X, empty.Y);
    for (TChartMouseKind kind : {TChartMouseKind::Press, TChartMouseKind::Release}) {
        const TChartAction action = driver.Event(kind, empty.X, empty.Y);
        EXPECT_FALSE(action.Redraw || action.CaptureMouse || action.HistoryPush);
    }
    EXPECT_FALSE(driver.Press(DesignWidth + 1, at.Y).CaptureMouse);
    // Another button pressed mid-drag keeps the point, so the drag still ends
    // with its undo step.
    driver.Press(at.X, at.Y);
    driver.DragTo(at.X, at.Y - 10);
    EXPECT_FALSE(driver.Press(empty.X, empty.Y).CaptureMouse);
    EXPECT_TRUE(driver.Release(empty.X, empty.Y).HistoryPush);
}

TEST(ChartMouse, PictureSmallerThanItsMarginsIgnoresTheMouse)
{
    for (const auto& [width, height] : {std::pair{35, DesignHeight}, std::pair{DesignWidth, 20}}) {
        TChartDriver driver(DefaultImage());
        driver.Chart = ChartFor(driver.Image, width, height);
        const TChartPixel at = driver.PixelOf(BasePoint);
        EXPECT_FALSE(driver.Press(at.X, at.Y).CaptureMouse);
        driver.Chart.SelectedPoint = 0;
        EXPECT_FALSE(driver.Move(at.X + 7, at.Y - 9).ShowImage);
    }
}

} // namespace
