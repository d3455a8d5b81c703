#include "chart/hit_test.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TChartPixel PixelOf(const TAdvanceChart& chart, const TParamImage& image, int point)
{
    return ChartMap(chart, PointValue(chart, image, point));
}

TEST(HitTest, EveryPointIsHitAnywhereInItsBoxAndNowhereOutside)
{
    const TParamImage image = SpacedImage(CurvePoints);
    const TAdvanceChart chart = ChartFor(image);
    const int limiter = ChartX(chart, LimiterRpm(image));
    for (int point : DrawnPoints(image)) {
        const TChartPixel at = PixelOf(chart, image, point);
        for (int dx = -7; dx <= 7; ++dx) {
            for (int dy = -7; dy <= 7; ++dy) {
                const TChartHit hit = ChartHitTest(chart, image, at.X + dx, at.Y + dy);
                if (std::abs(dx) <= HitReach && std::abs(dy) <= HitReach) {
                    ASSERT_EQ(hit.Point, point) << dx << "," << dy;
                    ASSERT_EQ(hit.At, at);
                } else if (std::abs(at.X + dx - limiter) > HitReach) {
                    ASSERT_EQ(hit.Point, NoPoint) << point << " " << dx << "," << dy;
                }
            }
        }
    }
}

TEST(HitTest, NearerPointInWholePixelsWinsAndTiesGoToTheLowerIndex)
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = 3;
    image.Speed(0) = 30;
    image.Speed(1) = 31;
    image.Speed(2) = 32;
    image.Advance(0) = 20;
    image.Advance(1) = 20;
    const TAdvanceChart chart = ChartFor(image);
    const TChartPixel first = PixelOf(chart, image, 0);
    const TChartPixel second = PixelOf(chart, image, 1);
    ASSERT_EQ(second.Y, first.Y);
    ASSERT_EQ(second.X - first.X, 3);
    const auto hit = [&](int x, int y) { return ChartHitTest(chart, image, x, y).Point; };
    EXPECT_EQ(hit(first.X + 1, first.Y), 0);
    EXPECT_EQ(hit(second.X - 1, first.Y), 1);
    // Both 2 pixels away once cut to whole pixels, though point 1 is nearer.
    EXPECT_EQ(hit(second.X - 1, first.Y + 2), 0);
}

TEST(HitTest, BasePointWinsOverACurvePointOnTheSamePixel)
{
    TParamImage image = DefaultImage();
    image[ImageByte::BaseAdvance] = image.Advance(0);
    image.Speed(0) = 0; // only for the test: the image would never hold it
    const TAdvanceChart chart = ChartFor(image);
    const TChartPixel at = PixelOf(chart, image, 0);
    ASSERT_EQ(PixelOf(chart, image, BasePoint), at);
    EXPECT_EQ(ChartHitTest(chart, image, at.X, at.Y).Point, BasePoint);
}

TEST(HitTest, LimiterLineIsHitAtAnyHeightWhenNoPointIsNear)
{
    const TParamImage image = SpacedImage(3);
    const TAdvanceChart chart = ChartFor(image);
    const int limiter = ChartX(chart, LimiterRpm(image));
    for (int y : {-50, 0, chart.OriginY, 500}) {
        for (int dx = -HitReach; dx <= HitReach; ++dx) {
            const TChartHit hit = ChartHitTest(chart, image, limiter + dx, y);
            ASSERT_EQ(hit.Point, LimiterLine);
            ASSERT_EQ(hit.At.X, limiter);
        }
        EXPECT_EQ(ChartHitTest(chart, image, limiter + HitReach + 1, y).Point, NoPoint);
        EXPECT_EQ(ChartHitTest(chart, image, limiter - HitReach - 1, y).Point, NoPoint);
    }
}

TEST(HitTest, PointOnTheLimiterLineWinsOverTheLine)
{
    TParamImage image = SpacedImage(3);
    image[ImageByte::Limiter] = image.Speed(2);
    const TAdvanceChart chart = ChartFor(image);
    const TChartPixel at = PixelOf(chart, image, 2);
    EXPECT_EQ(ChartHitTest(chart, image, at.X + 2, at.Y - 5).Point, 2);
    EXPECT_EQ(ChartHitTest(chart, image, at.X + 2, at.Y - 6).Point, LimiterLine);
}

} // namespace
