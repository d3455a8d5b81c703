#include "chart/hit_test.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A random spot of the point's box where a press picks that point up.
TChartPixel GrabSpot(const TChartDriver& driver, int point, std::mt19937& random)
{
    std::uniform_int_distribution<int> offset(-HitReach, HitReach);
    const TChartPixel at = driver.PixelOf(point);
    TChartPixel spot;
    do
        spot = {at.X + offset(random), at.Y + offset(random)};
    while (ChartHitTest(driver.Chart, driver.Image, spot.X, spot.Y).Point != point);
    return spot;
}

// Picked up anywhere on its box and moved along one axis, a point keeps its
// value on the other, on every scale; a move on the spot changes nothing.
TEST(Drag, MovingAlongOneAxisKeepsTheOtherValue)
{
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        const TParamImage image = RandomImage(random);
        std::vector<int> points = DrawnPoints(image);
        points.push_back(LimiterLine);
        for (int point : points) {
            const int step = std::uniform_int_distribution<int>(-40, 40)(random);
            const TChartPixel spot = GrabSpot(TChartDriver(image), point, random);
            for (const TChartPixel to : {TChartPixel{0, 0}, {0, step}, {step, 0}}) {
                TChartDriver driver(image);
                driver.Press(spot.X, spot.Y);
                driver.DragTo(spot.X + to.X, spot.Y + to.Y);
                const TParamImage& now = driver.Image;
                if (to.X == to.Y || (point < 0 && (to.X == 0) == (point == LimiterLine))) {
                    ASSERT_EQ(now.Bytes, image.Bytes) << round << " " << point;
                } else if (point >= 0) {
                    ASSERT_EQ(to.X == 0 ? now.Speed(point) : now.Advance(point),
                              to.X == 0 ? image.Speed(point) : image.Advance(point));
                }
            }
        }
    }
}

// Dropped under the pointer within half a step plus the truncation's pixel,
// also when the axes rescaled and the pointer was put back on the point.
TEST(Drag, DroppedPointLiesUnderThePointer)
{
    std::mt19937 random(9);
    for (int round = 0; round < 300; ++round) {
        TChartDriver driver(RandomImage(random));
        const int point = static_cast<int>(random() % (ChartPointCount(driver.Image) + 2)) - 2;
        const TChartPixel spot = GrabSpot(driver, point, random);
        driver.Press(spot.X, spot.Y);
        const TAdvanceChart& chart = driver.Chart;
        const TChartPixel pointer =
            driver.DragTo(chart.OriginX + static_cast<int>(random() % chart.PlotWidth),
                          chart.OriginY - static_cast<int>(random() % chart.PlotHeight));
        driver.Release(pointer.X, pointer.Y);

        const TParamImage& now = driver.Image;
        const TChartPixel at = driver.PixelOf(point);
        const int speed = point >= 0 ? now.Speed(point) - point : 100;
        const int advance = point >= 0 ? now.Advance(point) : now[ImageByte::BaseAdvance];
        if (point != BasePoint && speed > 6 && speed < 185 && now[ImageByte::Limiter] > 10) {
            EXPECT_LE(std::abs(at.X + chart.DragOffsetX - pointer.X), 50 * chart.ScaleX + 1);
        }
        if (point != LimiterLine && advance > 0 && advance < 40) {
            EXPECT_LE(std::abs(at.Y + chart.DragOffsetY - pointer.Y), chart.ScaleY / 2 + 1);
        }
    }
}

TEST(Drag, ValuesStopAtTheirLimitsAndPushedNeighboursReturn)
{
    const TParamImage image = DefaultImage();
    TChartDriver driver(image);
    const TChartPixel at = driver.PixelOf(4);
    driver.Press(at.X, at.Y);
    driver.DragTo(-500, 1000);
    EXPECT_EQ(driver.Image.Advance(4), 0);
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(driver.Image.Speed(i), i + 6); // the lowest speeds, pushed down
    driver.DragTo(at.X, at.Y);
    EXPECT_EQ(driver.Image.Bytes, image.Bytes);
    EXPECT_EQ(driver.Image.ChangedPoint, SeveralPoints);
    driver.DragTo(at.X, -1000);
    EXPECT_EQ(driver.Image.Advance(4), 60);
    driver.Release(at.X, at.Y);
    const TParamImage curve = driver.Image;

    // The base advance and the limiter stay within their controls' ranges and
    // move along one axis only.
    const TChartPixel base = driver.PixelOf(BasePoint);
    driver.Press(base.X, base.Y);
    driver.DragTo(base.X + 300, -1000);
    EXPECT_EQ(driver.Image[ImageByte::BaseAdvance], 40);
    driver.Release(0, 0);
    const TChartPixel limiter = driver.PixelOf(LimiterLine);
    driver.Press(limiter.X, limiter.Y);
    driver.DragTo(1000, -1000);
    EXPECT_EQ(driver.Image[ImageByte::Limiter], 250);
    driver.DragTo(-1000, 1000);
    EXPECT_EQ(driver.Image[ImageByte::Limiter], 10);
    EXPECT_EQ(driver.Image[ImageByte::StartLimiter], 10);
    for (int byte = ImageByte::CurveSpeed; byte < ImageSize; ++byte)
        ASSERT_EQ(driver.Image[byte], curve[byte]);
}

// The axes widen under the held point: one placement puts the pointer back on
// it in both directions, and the move that placement causes does not drag.
TEST(Drag, PointerFollowsThePointWhenTheAxesRescale)
{
    TChartDriver driver(DefaultImage(CurvePoints));
    const int last = CurvePoints - 1;
    const TChartPixel at = driver.PixelOf(last);
    driver.Press(at.X + 2, at.Y + 1);
    const TAdvanceChart before = driver.Chart;
    const TChartAction wider = driver.Move(at.X + 40, at.Y - 60);
    ASSERT_GT(driver.Chart.AxisMaxRpm, before.AxisMaxRpm);
    ASSERT_GT(driver.Chart.AxisMaxAdvance, before.AxisMaxAdvance);
    ASSERT_TRUE(wider.PlacePointer && wider.ShowImage);
    EXPECT_EQ(wider.PointerX, driver.PixelOf(last).X + 2);
    EXPECT_EQ(wider.PointerY, driver.PixelOf(last).Y + 1);

    const TParamImage dragged = driver.Image;
    EXPECT_FALSE(driver.Move(0, 0).ShowImage); // the echo
    driver.Move(wider.PointerX, wider.PointerY);
    EXPECT_EQ(driver.Image.Bytes, dragged.Bytes);
}

} // namespace
