#include "chart/chart_grid.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Charts of every engine-speed axis the image can produce.
std::vector<TAdvanceChart> EveryRpmAxis()
{
    std::vector<TAdvanceChart> charts;
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = 1;
    image.Speed(0) = 6;
    for (int limiter = 10; limiter <= 250; limiter += 24) {
        image[ImageByte::Limiter] = static_cast<std::uint8_t>(limiter);
        charts.push_back(ChartFor(image));
    }
    return charts;
}

TEST(Grid, LinesStayWithinThePlotAndRiseStrictly)
{
    std::mt19937 random(3);
    for (int round = 0; round < 100; ++round) {
        const TAdvanceChart chart = ChartFor(RandomImage(random));
        int previous = chart.OriginX;
        for (int i = 1; i <= RpmGridCount(chart); ++i) {
            ASSERT_GT(RpmGridX(chart, i), previous);
            previous = RpmGridX(chart, i);
        }
        EXPECT_LE(previous, chart.OriginX + chart.PlotWidth);
        previous = chart.OriginY;
        for (int i = 1; i <= AdvanceGridCount(chart); ++i) {
            ASSERT_LT(AdvanceGridY(chart, i), previous);
            previous = AdvanceGridY(chart, i);
        }
        EXPECT_GE(previous, chart.OriginY - chart.PlotHeight);
    }
}

// Grid lines round to the nearest pixel, points truncate.
TEST(Grid, LineAtAValueLiesOnOrRightOfThePointAtThatValue)
{
    for (const TAdvanceChart& chart : EveryRpmAxis())
        for (int i = 1; i <= RpmGridCount(chart); ++i) {
            const int offset = RpmGridX(chart, i) - ChartX(chart, i * 1000);
            ASSERT_TRUE(offset == 0 || offset == 1) << chart.AxisMaxRpm << " " << i;
        }

    TParamImage image = DefaultImage();
    image.Speed(11) = 120;
    image.Advance(4) = 38;
    image[ImageByte::PointCount] = 12;
    const TAdvanceChart wide = ChartFor(image);
    EXPECT_EQ(RpmGridX(wide, 10), 224);
    EXPECT_EQ(ChartX(wide, 10000), 223);
}

TEST(Grid, EveryThousandIsLabelledBelowFifteenThousandAndEverySecondFromThere)
{
    for (const TAdvanceChart& chart : EveryRpmAxis()) {
        const std::vector<TChartLabel> labels = RpmLabels(chart);
        const int step = chart.AxisMaxRpm >= 15000 ? 2 : 1;
        ASSERT_EQ(static_cast<int>(labels.size()), RpmGridCount(chart) / step + 1);
        for (std::size_t k = 0; k < labels.size(); ++k) {
            const int thousands = static_cast<int>(k) * step;
            EXPECT_EQ(labels[k].Text, std::to_string(thousands) + "k");
            // Just left of its grid line, clear of the axis below the plot.
            const int line = thousands == 0 ? chart.OriginX : RpmGridX(chart, thousands);
            EXPECT_LT(labels[k].X, line);
            EXPECT_GT(labels[k].X, line - 10);
            EXPECT_GT(labels[k].Y, chart.OriginY + 1);
        }
    }
}

TEST(Grid, AdvanceLabelsEveryFiveDegreesOrEveryTenOnTallAxes)
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = 1;
    for (int advance = 0; advance <= 60; ++advance) {
        image.Advance(0) = static_cast<std::uint8_t>(advance);
        image[ImageByte::BaseAdvance] = 0;
        const TAdvanceChart chart = ChartFor(image);
        const std::vector<TChartLabel> labels = AdvanceLabels(chart);
        const int step = chart.AxisMaxAdvance >= 40 ? 10 : 5;
        ASSERT_EQ(static_cast<int>(labels.size()), chart.AxisMaxAdvance / step + 1);
        for (std::size_t k = 0; k < labels.size(); ++k) {
            const int degrees = static_cast<int>(k) * step;
            EXPECT_EQ(labels[k].Text, std::to_string(degrees));
            const int line = AdvanceGridY(chart, degrees / 5);
            // Left of the axis and its tick marks, about centred on its line.
            EXPECT_LT(labels[k].X + 12, chart.OriginX - TickLength);
            EXPECT_LT(labels[k].Y, line);
            EXPECT_GT(labels[k].Y, line - 8);
        }
    }
}

} // namespace
