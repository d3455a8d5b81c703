#include "chart/chart_drawing.h"
#include "chart/chart_grid.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr TRgb WindowColour{240, 240, 240};

std::vector<TChartPrimitive> Drawing(const TAdvanceChart& chart, const TParamImage& image,
                                     int engineSpeed = 0)
{
    return ChartPrimitives(chart, image, engineSpeed, WindowColour);
}

std::vector<TChartPrimitive> InLayer(const std::vector<TChartPrimitive>& all, TChartLayer layer)
{
    std::vector<TChartPrimitive> items;
    std::copy_if(all.begin(), all.end(), std::back_inserter(items),
                 [&](const TChartPrimitive& item) { return item.Layer == layer; });
    return items;
}

TEST(Drawing, LayersComeInPaintingOrderOverTheWholeArea)
{
    std::mt19937 random(13);
    for (int round = 0; round < 50; ++round) {
        const TParamImage image = RandomImage(random);
        TAdvanceChart chart = ChartFor(image);
        chart.HoverPoint = static_cast<int>(random() % 17) - 2;
        const auto all = Drawing(chart, image, 4000);
        ASSERT_TRUE(std::is_sorted(all.begin(), all.end(),
                                   [](const auto& a, const auto& b) { return a.Layer < b.Layer; }));
        const TChartPrimitive& first = all.front();
        EXPECT_EQ(first.Kind, TPrimitiveKind::Rect);
        EXPECT_EQ(first.Brush, WindowColour);
        EXPECT_EQ(first.X2 - first.X1, DesignWidth);
        EXPECT_EQ(first.Y2 - first.Y1, DesignHeight);
    }
}

TEST(Drawing, EveryDrawnPointIsARoundedSquareCentredOnItsPixel)
{
    std::mt19937 random(17);
    for (int round = 0; round < 50; ++round) {
        const TParamImage image = RandomImage(random);
        const TAdvanceChart chart = ChartFor(image);
        std::vector<TChartPrimitive> squares;
        for (const TChartPrimitive& item : InLayer(Drawing(chart, image), TChartLayer::Points))
            if (item.Kind == TPrimitiveKind::RoundRect)
                squares.push_back(item);
        const std::vector<int> points = DrawnPoints(image);
        ASSERT_EQ(squares.size(), points.size());
        for (std::size_t k = 0; k < points.size(); ++k) {
            const TChartPixel at = ChartMap(chart, PointValue(chart, image, points[k]));
            EXPECT_EQ((TChartPixel{(squares[k].X1 + squares[k].X2) / 2,
                                   (squares[k].Y1 + squares[k].Y2) / 2}),
                      at);
            EXPECT_EQ(squares[k].Pen, ChartColour::Curve);
            EXPECT_EQ(squares[k].Brush, ChartColour::PointFill);
        }
    }
}

TEST(Drawing, CurvePassesEveryPointAndRunsFlatToThePlotEnd)
{
    std::mt19937 random(19);
    for (int round = 0; round < 50; ++round) {
        const TParamImage image = RandomImage(random);
        const TAdvanceChart chart = ChartFor(image);
        const auto curve = InLayer(Drawing(chart, image), TChartLayer::Curve);
        for (int point = 0; point < ChartPointCount(image); ++point) {
            const TChartPixel at = ChartMap(chart, PointValue(chart, image, point));
            EXPECT_TRUE(std::any_of(curve.begin(), curve.end(), [&](const TChartPrimitive& line) {
                return line.X2 == at.X && line.Y2 == at.Y;
            }));
        }
        const TChartPrimitive& end = curve[curve.size() - 4];
        EXPECT_EQ(end.X2, ChartX(chart, chart.AxisMaxRpm));
        EXPECT_EQ(end.Y2, end.Y1);
    }
}

TEST(Drawing, SingleCurvePointIsAFlatStep)
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = 1;
    const TAdvanceChart chart = ChartFor(image);
    const TChartPixel base = ChartMap(chart, PointValue(chart, image, BasePoint));
    const TChartPixel point = ChartMap(chart, PointValue(chart, image, 0));
    for (const TChartPrimitive& line : InLayer(Drawing(chart, image), TChartLayer::Curve)) {
        ASSERT_TRUE(line.X1 == line.X2 || line.Y1 == line.Y2);
        // At the base advance up to the point, at the point's advance after it.
        if (line.Y1 == line.Y2 && line.X1 < point.X - 1) {
            EXPECT_LE(base.Y - line.Y1, 1);
        }
        if (line.X1 > point.X + 1) {
            EXPECT_LE(point.Y - line.Y1, 1);
        }
    }
}

// A frame is two squares of lines around the point; holding one turns it blue.
TEST(Drawing, HoveredPointIsFramedRedAndHeldPointBlue)
{
    const TParamImage image = SpacedImage(6);
    TAdvanceChart chart = ChartFor(image);
    const auto frames = [&] {
        std::vector<TChartPrimitive> lines;
        for (const TChartPrimitive& item : InLayer(Drawing(chart, image), TChartLayer::Points))
            if (item.Kind == TPrimitiveKind::Line)
                lines.push_back(item);
        return lines;
    };
    EXPECT_TRUE(frames().empty());
    for (int point : DrawnPoints(image)) {
        const TChartPixel at = ChartMap(chart, PointValue(chart, image, point));
        for (int held = 0; held < 2; ++held) {
            chart.HoverPoint = held ? NoPoint : point;
            chart.SelectedPoint = held ? point : NoPoint;
            const auto lines = frames();
            ASSERT_EQ(lines.size(), 8u);
            for (const TChartPrimitive& line : lines) {
                EXPECT_EQ(line.Pen, held ? ChartColour::Held : ChartColour::Curve);
                const int reach = std::max(std::abs(line.X1 - at.X), std::abs(line.Y1 - at.Y));
                EXPECT_TRUE(reach == 4 || reach == 5);
            }
        }
    }
}

TEST(Drawing, LimiterLineShowsOnlyWhenHoveredOrHeld)
{
    const TParamImage image = SpacedImage(3);
    TAdvanceChart chart = ChartFor(image);
    EXPECT_TRUE(InLayer(Drawing(chart, image), TChartLayer::LimiterLine).empty());
    const int x = ChartX(chart, LimiterRpm(image));
    for (int point : {NoPoint, LimiterLine}) {
        chart.HoverPoint = point;
        chart.SelectedPoint = point == NoPoint ? LimiterLine : NoPoint;
        const auto lines = InLayer(Drawing(chart, image), TChartLayer::LimiterLine);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].X1, x);
        EXPECT_EQ(lines[1].X1, x + 1);
        EXPECT_EQ(lines[0].Pen, point == NoPoint ? ChartColour::Held : ChartColour::Curve);
    }
}

TEST(Drawing, EngineSpeedLineOnlyWhileTheEngineRunsAndUnclipped)
{
    const TParamImage image = DefaultImage();
    const TAdvanceChart chart = ChartFor(image);
    EXPECT_TRUE(InLayer(Drawing(chart, image, 0), TChartLayer::EngineSpeed).empty());
    for (int speed : {1, 3000, chart.AxisMaxRpm, 60000}) {
        const auto lines = InLayer(Drawing(chart, image, speed), TChartLayer::EngineSpeed);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].X1, ChartX(chart, speed));
        EXPECT_EQ(lines[0].Pen, ChartColour::EngineSpeed);
    }
}

TEST(Drawing, GridLinesReachPastTheAxesAsTickMarks)
{
    const TParamImage image = DefaultImage();
    const TAdvanceChart chart = ChartFor(image);
    const auto all = Drawing(chart, image);
    const auto rpm = InLayer(all, TChartLayer::RpmGrid);
    const auto advance = InLayer(all, TChartLayer::AdvanceGrid);
    ASSERT_EQ(static_cast<int>(rpm.size()), RpmGridCount(chart));
    ASSERT_EQ(static_cast<int>(advance.size()), AdvanceGridCount(chart));
    for (const TChartPrimitive& line : rpm)
        EXPECT_EQ(line.Y1 - chart.OriginY, TickLength);
    for (const TChartPrimitive& line : advance)
        EXPECT_EQ(chart.OriginX - line.X1, TickLength);
    EXPECT_EQ(InLayer(all, TChartLayer::RpmLabels).size(), RpmLabels(chart).size());
}

} // namespace
