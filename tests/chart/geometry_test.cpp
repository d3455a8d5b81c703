#include "chart_fixture.h"

#include <gtest/gtest.h>

namespace {

// The worked example of a wide chart: last point 12000 rpm, highest advance 38.
TParamImage WideImage()
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = 12;
    image.Speed(11) = 120;
    image.Advance(4) = 38;
    return image;
}

TEST(AxisMaxima, RpmLeavesAtLeast900RpmAboveTheLastPointAndTheLimiter)
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = 1;
    for (int last = 6; last <= 199; ++last) {
        for (int limiter = 10; limiter <= 250; ++limiter) {
            image.Speed(0) = static_cast<std::uint8_t>(last);
            image[ImageByte::Limiter] = static_cast<std::uint8_t>(limiter);
            const int max = AxisMaxRpmFor(image);
            const int needed = std::max(last, limiter) * 100 + 900;
            ASSERT_EQ(max % 2500, 0);
            ASSERT_GE(max, needed);
            ASSERT_LT(max - 2500, needed);
        }
    }
    image.Speed(0) = 120;
    image[ImageByte::Limiter] = 150;
    EXPECT_EQ(AxisMaxRpmFor(image), 17500);
    image[ImageByte::Limiter] = 90;
    image.Speed(0) = 141;
    EXPECT_EQ(AxisMaxRpmFor(image), 15000);
    image.Speed(0) = 142;
    EXPECT_EQ(AxisMaxRpmFor(image), 17500);
}

TEST(AxisMaxima, AdvanceLeavesAtLeastTwoDegreesAboveDrawnPointsAndBase)
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = 3;
    for (int highest = 0; highest <= 60; ++highest) {
        for (int base : {0, highest}) {
            image[ImageByte::BaseAdvance] = static_cast<std::uint8_t>(base);
            for (int i = 0; i < CurvePoints; ++i)
                image.Advance(i) = static_cast<std::uint8_t>(i == 1 || base ? highest : 0);
            const int max = AxisMaxAdvanceFor(image);
            ASSERT_EQ(max % 5, 0);
            ASSERT_GE(max, highest + 2);
            ASSERT_LT(max - 5, highest + 2);
        }
    }
    // An undrawn point does not widen the axis.
    for (int i = 0; i < CurvePoints; ++i)
        image.Advance(i) = 0;
    image.Advance(5) = 60;
    image.Advance(1) = 8;
    image[ImageByte::BaseAdvance] = 3;
    EXPECT_EQ(AxisMaxAdvanceFor(image), 10);
}

TEST(AxisMaxima, PointCountOutsideItsRangeIsTakenAsTheNearestValid)
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = 0;
    EXPECT_EQ(ChartPointCount(image), 1);
    image[ImageByte::PointCount] = 200;
    EXPECT_EQ(ChartPointCount(image), CurvePoints);
    const TAdvanceChart chart = ChartFor(image);
    EXPECT_EQ(PointValue(chart, image, CurvePoints).Advance, image.Advance(CurvePoints - 1));
}

TEST(Geometry, PlotAndMarginsFillThePicture)
{
    for (int width : {35, 36, 333, 1000}) {
        for (int height : {20, 21, 103, 400}) {
            const TAdvanceChart chart = ChartFor(DefaultImage(), width, height);
            EXPECT_EQ(chart.OriginX - chart.MarginLeft, chart.AreaLeft);
            EXPECT_EQ(chart.OriginX + chart.PlotWidth + chart.MarginRight, width);
            EXPECT_EQ(chart.OriginY + chart.MarginBottom, height);
            EXPECT_EQ(chart.OriginY - chart.PlotHeight - chart.MarginTop, chart.AreaTop);
        }
    }
    const TAdvanceChart degenerate = ChartFor(DefaultImage(), 35, 20);
    EXPECT_EQ(degenerate.ScaleX, 0.0f);
    EXPECT_EQ(degenerate.ScaleY, 0.0f);
}

TEST(Geometry, EveryDrawnPointAndTheLimiterMapInsideThePlot)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const TParamImage image = RandomImage(random);
        const TAdvanceChart chart = ChartFor(image);
        for (int point : DrawnPoints(image)) {
            const TChartPixel at = ChartMap(chart, PointValue(chart, image, point));
            ASSERT_GE(at.X, chart.OriginX);
            ASSERT_LT(at.X, chart.OriginX + chart.PlotWidth);
            ASSERT_LE(at.Y, chart.OriginY);
            ASSERT_GT(at.Y, chart.OriginY - chart.PlotHeight);
        }
        const int limiter = ChartX(chart, LimiterRpm(image));
        ASSERT_LT(limiter, chart.OriginX + chart.PlotWidth);
    }
}

TEST(Geometry, PointsAHundredRpmApartNeverShareAColumn)
{
    for (int last = 6; last <= 199; last += 7) {
        TParamImage image = DefaultImage();
        image[ImageByte::PointCount] = 1;
        image.Speed(0) = static_cast<std::uint8_t>(last);
        const TAdvanceChart chart = ChartFor(image);
        for (int rpm = 0; rpm < chart.AxisMaxRpm; rpm += 100)
            ASSERT_LT(ChartX(chart, rpm), ChartX(chart, rpm + 100)) << chart.AxisMaxRpm;
    }
}

// The stored single-precision scales decide whether the axis maxima land on
// the plot's edge or a pixel inside it.
TEST(Geometry, SinglePrecisionScalesPutSomeAxisEndsOnePixelShort)
{
    const TParamImage wide = WideImage();
    const TAdvanceChart chart = ChartFor(wide);
    ASSERT_EQ(chart.AxisMaxRpm, 15000);
    ASSERT_EQ(chart.AxisMaxAdvance, 40);
    EXPECT_EQ(ChartX(chart, chart.AxisMaxRpm), chart.OriginX + chart.PlotWidth - 1);
    EXPECT_EQ(ChartY(chart, chart.AxisMaxAdvance), chart.OriginY - chart.PlotHeight - 1);
    EXPECT_EQ(ChartX(chart, 3000), 84);
    EXPECT_EQ(ChartX(chart, 10000), 223);

    TParamImage full = DefaultImage();
    full[ImageByte::PointCount] = CurvePoints;
    const TAdvanceChart standard = ChartFor(full);
    ASSERT_EQ(standard.AxisMaxRpm, 17500);
    EXPECT_EQ(ChartX(standard, standard.AxisMaxRpm), standard.OriginX + standard.PlotWidth);
}

TEST(Geometry, InitKeepsNothingOfTheLastChart)
{
    TAdvanceChart chart = ChartFor(DefaultImage());
    chart.SelectedPoint = 3;
    chart.CursorMoved = 1;
    ChartInit(chart);
    EXPECT_EQ(chart.ScaleX, 1.0f);
    EXPECT_EQ(chart.AreaWidth, 0);
    EXPECT_EQ(chart.SelectedPoint, NoPoint);
    EXPECT_EQ(chart.HoverPoint, NoPoint);
    EXPECT_EQ(chart.CursorMoved, 0);
}

} // namespace
