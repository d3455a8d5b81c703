#include "chart/chart_grid.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(Geometry, AxesEndOnRoundValuesWithRoomAboveTheCurveAndLimiter)
{
    TParamImage image = DefaultImage(2);
    image.Advance(2) = 60; // not in use
    for (int last = 6; last <= 199; ++last) {
        for (int limiter = 10; limiter <= 250; ++limiter) {
            image.Speed(1) = static_cast<std::uint8_t>(last);
            image[ImageByte::Limiter] = static_cast<std::uint8_t>(limiter);
            const int room = AxisMaxRpmFor(image) - std::max(last, limiter) * 100;
            ASSERT_TRUE(AxisMaxRpmFor(image) % 2500 == 0 && room >= 900 && room < 3400);
        }
    }
    for (int advance = 0; advance <= 60; ++advance) {
        image.Advance(1) = static_cast<std::uint8_t>(advance);
        for (int base : {0, advance}) {
            image[ImageByte::BaseAdvance] = static_cast<std::uint8_t>(base);
            const int room = AxisMaxAdvanceFor(image) - std::max<int>(advance, image.Advance(0));
            ASSERT_TRUE(AxisMaxAdvanceFor(image) % 5 == 0 && room >= 2 && room < 7) << advance;
        }
    }
    EXPECT_EQ(ChartPointCount(DefaultImage(0)), 1);
    EXPECT_EQ(ChartPointCount(DefaultImage(200)), CurvePoints);
}

TEST(Geometry, PointsMapInsideThePlotAndAHundredRpmIsAlwaysVisible)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const TParamImage image = RandomImage(random);
        const TAdvanceChart chart = ChartFor(image);
        ASSERT_EQ(chart.OriginX + chart.PlotWidth + chart.MarginRight, DesignWidth);
        ASSERT_EQ(chart.OriginY - chart.PlotHeight - chart.MarginTop, 0);
        for (int point : DrawnPoints(image)) {
            const TChartPixel at = ChartMap(chart, PointValue(chart, image, point));
            ASSERT_TRUE(at.X >= chart.OriginX && at.X < chart.OriginX + chart.PlotWidth);
            ASSERT_TRUE(at.Y <= chart.OriginY && at.Y > chart.OriginY - chart.PlotHeight);
        }
        for (int rpm = 0; rpm < chart.AxisMaxRpm; rpm += 100)
            ASSERT_LT(ChartX(chart, rpm), ChartX(chart, rpm + 100));
    }
}

// The stored single-precision scales put some axis ends a pixel inside the
// plot; grid lines round where points truncate.
TEST(Geometry, SinglePrecisionScalesDecideTheLastPixel)
{
    TParamImage image = DefaultImage(12);
    image.Speed(11) = 120;
    image.Advance(4) = 38;
    const TAdvanceChart wide = ChartFor(image);
    ASSERT_TRUE(wide.AxisMaxRpm == 15000 && wide.AxisMaxAdvance == 40);
    EXPECT_EQ(ChartX(wide, wide.AxisMaxRpm), wide.OriginX + wide.PlotWidth - 1);
    EXPECT_EQ(ChartY(wide, wide.AxisMaxAdvance), wide.OriginY - wide.PlotHeight - 1);
    EXPECT_EQ(RpmGridX(wide, 10), 224);
    EXPECT_EQ(ChartX(wide, 10000), 223);
    const TAdvanceChart full = ChartFor(DefaultImage(CurvePoints));
    ASSERT_EQ(full.AxisMaxRpm, 17500);
    EXPECT_EQ(ChartX(full, full.AxisMaxRpm), full.OriginX + full.PlotWidth);
}

TEST(Geometry, LabelsEveryStepOnShortAxesAndEverySecondOnLongOnes)
{
    TParamImage image = DefaultImage(1);
    for (int value = 10; value <= 250; value += 4) {
        image[ImageByte::Limiter] = static_cast<std::uint8_t>(value);
        image.Advance(0) = static_cast<std::uint8_t>(value / 4);
        const TAdvanceChart chart = ChartFor(image);
        const auto rpm = RpmLabels(chart);
        const int every = chart.AxisMaxRpm >= 15000 ? 2 : 1;
        ASSERT_EQ(static_cast<int>(rpm.size()), RpmGridCount(chart) / every + 1);
        for (int k = 0; k < static_cast<int>(rpm.size()); ++k) {
            const int line = RpmGridX(chart, k * every);
            EXPECT_EQ(rpm[k].Text, std::to_string(k * every) + "k");
            EXPECT_TRUE(rpm[k].X < line && rpm[k].X > line - 10 && rpm[k].Y > chart.OriginY);
        }
        const auto advance = AdvanceLabels(chart);
        const int step = chart.AxisMaxAdvance >= 40 ? 10 : 5;
        const int count = chart.AxisMaxAdvance / step + 1;
        ASSERT_EQ(static_cast<int>(advance.size()), count);
        EXPECT_EQ(advance.back().Text, std::to_string((count - 1) * step));
        EXPECT_LT(advance.back().X + 12, chart.OriginX - TickLength);
    }
}

} // namespace
