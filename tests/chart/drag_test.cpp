#include "chart/hit_test.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Where a press at a random spot of the point's box picks that point up.
TChartPixel GrabSpot(const TChartDriver& driver, int point, std::mt19937& random)
{
    std::uniform_int_distribution<int> offset(-HitReach, HitReach);
    const TChartPixel at = driver.PixelOf(point);
    for (;;) {
        const TChartPixel spot{at.X + offset(random), at.Y + offset(random)};
        if (ChartHitTest(driver.Chart, driver.Image, spot.X, spot.Y).Point == point)
            return spot;
    }
}

std::vector<int> DraggablePoints(const TParamImage& image)
{
    std::vector<int> points = DrawnPoints(image);
    points.push_back(LimiterLine);
    return points;
}

// A point moved along one axis keeps its value on the other, on every axis
// scale: picking a point up where it is drawn reads back its own value.
TEST(Drag, MovingAlongOneAxisKeepsTheOtherValue)
{
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        const TParamImage image = RandomImage(random);
        for (int point : DraggablePoints(image)) {
            TChartDriver still(image);
            const TChartPixel spot = GrabSpot(still, point, random);
            if (still.Press(spot.X, spot.Y).CaptureMouse == false)
                continue; // the limiter line hidden under a point
            still.Move(spot.X, spot.Y);
            ASSERT_EQ(still.Image.Bytes, image.Bytes) << "round " << round << " point " << point;

            const int step = std::uniform_int_distribution<int>(-40, 40)(random);
            TChartDriver up(image);
            up.Press(spot.X, spot.Y);
            up.DragTo(spot.X, spot.Y + step);
            TChartDriver across(image);
            across.Press(spot.X, spot.Y);
            across.DragTo(spot.X + step, spot.Y);
            if (point >= 0) {
                ASSERT_EQ(up.Image.Speed(point), image.Speed(point));
                ASSERT_EQ(across.Image.Advance(point), image.Advance(point));
            } else if (point == BasePoint) {
                ASSERT_EQ(across.Image.Bytes, image.Bytes);
            } else {
                ASSERT_EQ(up.Image.Bytes, image.Bytes);
            }
        }
    }
}

// Dropped where the pointer is, within half a step and the truncation's
// pixel, also when the axes rescaled under it and the pointer was moved back.
TEST(Drag, DroppedPointLiesUnderThePointer)
{
    std::mt19937 random(9);
    int checked = 0;
    for (int round = 0; round < 300; ++round) {
        const TParamImage image = RandomImage(random);
        TChartDriver driver(image);
        const std::vector<int> points = DraggablePoints(image);
        const int point = points[random() % points.size()];
        const TChartPixel spot = GrabSpot(driver, point, random);
        if (!driver.Press(spot.X, spot.Y).CaptureMouse)
            continue;
        const TAdvanceChart& chart = driver.Chart;
        const int x = chart.OriginX + static_cast<int>(random() % chart.PlotWidth);
        const int y = chart.OriginY - static_cast<int>(random() % chart.PlotHeight);
        const TChartPixel pointer = driver.DragTo(x, y);
        driver.Release(pointer.X, pointer.Y);

        const TParamImage& now = driver.Image;
        const TChartPixel at = driver.PixelOf(point);
        const bool speedFree =
            point < 0 || (now.Speed(point) > point + 6 && now.Speed(point) < point + 185);
        const int advance = point == BasePoint ? now[ImageByte::BaseAdvance]
                            : point >= 0       ? now.Advance(point)
                                               : 1;
        if (point != BasePoint && speedFree && now[ImageByte::Limiter] > 10) {
            EXPECT_LE(std::abs(at.X + chart.DragOffsetX - pointer.X), 50 * chart.ScaleX + 1);
        }
        if (point != LimiterLine && advance > 0 && advance < 40) {
            EXPECT_LE(std::abs(at.Y + chart.DragOffsetY - pointer.Y), chart.ScaleY / 2 + 1);
        }
        ++checked;
    }
    EXPECT_GT(checked, 200);
}

TEST(Drag, ValuesStopAtTheirLimits)
{
    TChartDriver driver(DefaultImage());
    const TChartPixel at = driver.PixelOf(4);
    driver.Press(at.X, at.Y);
    driver.DragTo(-500, 1000);
    EXPECT_EQ(driver.Image.Advance(4), 0);
    // Left of the axis the point stops at its lowest speed, pushing the lower ones.
    EXPECT_EQ(driver.Image.Speed(4), 4 + 6);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(driver.Image.Speed(i), i + 6);
    driver.DragTo(at.X, -1000);
    EXPECT_EQ(driver.Image.Advance(4), 60);
    driver.Release(at.X, -1000);

    // The base advance and the limiter stay within their controls' ranges.
    const TChartPixel base = driver.PixelOf(BasePoint);
    driver.Press(base.X, base.Y);
    driver.DragTo(base.X, -1000);
    EXPECT_EQ(driver.Image[ImageByte::BaseAdvance], 40);
    driver.Release(base.X, -1000);

    const TChartPixel limiter = driver.PixelOf(LimiterLine);
    driver.Press(limiter.X, limiter.Y);
    for (int step = 0; step < 60; ++step)
        driver.DragTo(driver.Chart.AreaWidth + 300, limiter.Y);
    EXPECT_EQ(driver.Image[ImageByte::Limiter], 250);
    driver.DragTo(-1000, limiter.Y);
    EXPECT_EQ(driver.Image[ImageByte::Limiter], 10);
    EXPECT_EQ(driver.Image[ImageByte::StartLimiter], 10);
}

TEST(Drag, BasePointMovesOnlyUpAndDownAndTheLimiterOnlySideways)
{
    const TParamImage image = SpacedImage(5);
    TChartDriver driver(image);
    const TChartPixel base = driver.PixelOf(BasePoint);
    driver.Press(base.X, base.Y);
    driver.DragTo(base.X + 40, base.Y - 20);
    driver.Release(base.X + 40, base.Y - 20);
    EXPECT_GT(driver.Image[ImageByte::BaseAdvance], image[ImageByte::BaseAdvance]);
    EXPECT_EQ(driver.PixelOf(BasePoint).X, driver.Chart.OriginX);

    const TChartPixel limiter = driver.PixelOf(LimiterLine);
    driver.Press(limiter.X, limiter.Y);
    driver.DragTo(limiter.X - 30, limiter.Y + 20);
    driver.Release(limiter.X - 30, limiter.Y + 20);
    EXPECT_LT(driver.Image[ImageByte::Limiter], image[ImageByte::Limiter]);
    for (int byte = 0; byte < ImageSize; ++byte) {
        if (byte != ImageByte::BaseAdvance && byte != ImageByte::Limiter) {
            ASSERT_EQ(driver.Image[byte], image[byte]) << byte;
        }
    }
}

TEST(Drag, PushedNeighboursReturnWhenThePointMovesBack)
{
    const TParamImage image = DefaultImage();
    TChartDriver driver(image);
    const TChartPixel at = driver.PixelOf(2);
    driver.Press(at.X, at.Y);
    const TChartPixel beyond = driver.PixelOf(6);
    driver.DragTo(beyond.X + 4, at.Y);
    EXPECT_GT(driver.Image.Speed(2), image.Speed(6));
    for (int i = 3; i <= 6; ++i)
        EXPECT_EQ(driver.Image.Speed(i), driver.Image.Speed(i - 1) + 1);
    driver.DragTo(at.X, at.Y);
    const TChartAction release = driver.Release(at.X, at.Y);
    EXPECT_EQ(driver.Image.Bytes, image.Bytes);
    EXPECT_TRUE(release.HistoryPush);
    EXPECT_EQ(driver.Image.ChangedPoint, SeveralPoints);
}

// The axes widen under the held point; the pointer is put back on it, and the
// move that the placement causes does not drag.
TEST(Drag, PointerFollowsThePointWhenTheAxesRescale)
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = CurvePoints;
    TChartDriver driver(image);
    const int last = CurvePoints - 1;
    const TChartPixel at = driver.PixelOf(last);
    driver.Press(at.X + 2, at.Y + 1);
    const int axisRpm = driver.Chart.AxisMaxRpm;
    const int axisAdvance = driver.Chart.AxisMaxAdvance;

    const TChartAction wider = driver.Move(at.X + 40, at.Y - 60);
    ASSERT_GT(driver.Chart.AxisMaxRpm, axisRpm);
    ASSERT_GT(driver.Chart.AxisMaxAdvance, axisAdvance);
    ASSERT_TRUE(wider.PlacePointer);
    EXPECT_EQ(driver.Chart.CursorMoved, 1);
    // Both coordinates are corrected at once.
    const TChartPixel now = driver.PixelOf(last);
    EXPECT_EQ(wider.PointerX, now.X + 2);
    EXPECT_EQ(wider.PointerY, now.Y + 1);

    const TParamImage dragged = driver.Image;
    const TChartAction echo = driver.Move(at.X + 40, at.Y - 60);
    EXPECT_FALSE(echo.ShowImage);
    EXPECT_EQ(driver.Chart.CursorMoved, 0);
    driver.Move(wider.PointerX, wider.PointerY);
    EXPECT_EQ(driver.Image.Bytes, dragged.Bytes);
}

} // namespace
