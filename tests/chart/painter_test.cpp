#include "chart/chart_drawing.h"
#include "chart/chart_grid.h"
#include "chart/chart_painter.h"
#include "chart/chart_picture.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QColor WindowColour(212, 208, 200);

TRgb Rgb(const QColor& c)
{
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}
const TRgb Window = Rgb(WindowColour);

struct TPainted {
    TAdvanceChart Chart;
    QImage Picture{DesignWidth, DesignHeight, QImage::Format_RGB32};
    TRgb At(int x, int y) const { return Rgb(Picture.pixelColor(x, y)); }
};

TChartLook Look()
{
    return {WindowColour, ChartLabelFont()};
}

TPainted Paint(const TParamImage& image, int engineSpeed = 0, int hover = NoPoint,
               int held = NoPoint)
{
    TPainted painted;
    painted.Chart.HoverPoint = hover;
    painted.Chart.SelectedPoint = held;
    int redraw = ChartRecompute;
    ChartDraw(painted.Chart, redraw, image, engineSpeed, Look(), painted.Picture);
    return painted;
}

// Axis to 17500 rpm: no grid line on the plot's right edge and every second
// one unlabelled, so its tick marks show; the limiter between grid lines.
TParamImage FullCurve()
{
    TParamImage image = DefaultImage(CurvePoints);
    image[ImageByte::Limiter] = 95;
    return image;
}

TEST(ChartPainter, AreasGridAndAxesInTheirColoursAndPixels)
{
    const TPainted p = Paint(FullCurve());
    const TAdvanceChart& c = p.Chart;
    const int xo = c.OriginX, yo = c.OriginY, right = xo + c.PlotWidth;
    const int top = AdvanceGridCount(c);
    const int row = (AdvanceGridY(c, top) + AdvanceGridY(c, top - 1)) / 2; // clear of the curve
    const int column = (RpmGridX(c, 1) + RpmGridX(c, 2)) / 2;
    const int limiter = ChartX(c, LimiterRpm(FullCurve()));
    EXPECT_EQ(p.At(0, 0), Window);
    EXPECT_EQ(p.At(DesignWidth - 1, DesignHeight - 1), Window);
    EXPECT_EQ(p.At(column, row), ChartColour::Plot);
    EXPECT_EQ(p.At(limiter - 1, row), ChartColour::Plot);
    EXPECT_EQ(p.At(limiter, row), ChartColour::LimiterZone);
    EXPECT_EQ(p.At(right - 1, row), ChartColour::LimiterZone);
    EXPECT_EQ(p.At(right, row), Window); // the far corner's column is left out

    const int grid = RpmGridX(c, 3);
    EXPECT_EQ(p.At(grid, row), ChartColour::Grid);
    EXPECT_EQ(p.At(grid, yo + TickLength), ChartColour::Grid);
    EXPECT_EQ(p.At(grid, yo + TickLength + 1), Window);
    const int y = AdvanceGridY(c, 2);
    EXPECT_EQ(p.At(xo - TickLength, y), ChartColour::Grid);
    EXPECT_EQ(p.At(xo - TickLength - 1, y), Window);
    EXPECT_EQ(p.At(right - 1, y), ChartColour::Grid);
    EXPECT_EQ(p.At(right, y), Window);

    for (int x : {xo - 2, xo - 1, xo, xo + 1})
        EXPECT_EQ(p.At(x, row) == ChartColour::Axis, x == xo || x == xo - 1) << x;
    for (int y2 : {yo - 1, yo, yo + 1, yo + 2})
        EXPECT_EQ(p.At(column, y2) == ChartColour::Axis, y2 == yo || y2 == yo + 1) << y2;
    EXPECT_EQ(p.At(xo, yo - c.PlotHeight), ChartColour::Axis);
    EXPECT_NE(p.At(xo, yo - c.PlotHeight - 1), ChartColour::Axis);
}

TEST(ChartPainter, PointsSitOnTheCurve)
{
    const TParamImage image = SpacedImage(CurvePoints);
    const TPainted p = Paint(image);
    TChartPixel last{};
    for (int point : DrawnPoints(image)) {
        const TChartPixel at = ChartMap(p.Chart, PointValue(p.Chart, image, point));
        // Six pixels square: the second corner's row and column are left out.
        EXPECT_EQ(p.At(at.X, at.Y), ChartColour::PointFill);
        EXPECT_EQ(p.At(at.X - 2, at.Y - 2), ChartColour::PointFill);
        EXPECT_EQ(p.At(at.X - 3, at.Y), ChartColour::Curve);
        EXPECT_EQ(p.At(at.X + 2, at.Y + 1), ChartColour::Curve);
        EXPECT_NE(p.At(at.X + 3, at.Y), ChartColour::PointFill);
        if (point > 0) {
            EXPECT_EQ(p.At((last.X + at.X) / 2, (last.Y + at.Y) / 2), ChartColour::Curve);
        }
        last = at;
    }
    // One point: flat at the base advance, a step, flat to the plot's end.
    const TParamImage one = DefaultImage(1);
    const TPainted single = Paint(one);
    const TChartPixel base = ChartMap(single.Chart, PointValue(single.Chart, one, BasePoint));
    const TChartPixel first = ChartMap(single.Chart, PointValue(single.Chart, one, 0));
    for (int x = base.X + 4; x < first.X - 3; ++x)
        EXPECT_EQ(single.At(x, base.Y), ChartColour::Curve) << x;
    for (int x = first.X + 4; x < ChartX(single.Chart, single.Chart.AxisMaxRpm); ++x)
        EXPECT_EQ(single.At(x, first.Y), ChartColour::Curve) << x;
}

// A hover or a held point adds only its colour, and only on its frame or on
// the limiter line's two columns.
TEST(ChartPainter, FramesAndLimiterLineAddOnlyTheirColour)
{
    const TParamImage image = SpacedImage(6);
    const TPainted plain = Paint(image);
    const auto expectAdded = [&](const TPainted& p, TRgb colour,
                                 const std::function<bool(int, int)>& allowed) {
        int added = 0;
        for (int y = 0; y < DesignHeight; ++y)
            for (int x = 0; x < DesignWidth; ++x)
                if (p.At(x, y) != plain.At(x, y)) {
                    ++added;
                    ASSERT_TRUE(p.At(x, y) == colour && allowed(x, y)) << x << "," << y;
                }
        EXPECT_GT(added, 20);
    };
    std::vector<int> points = DrawnPoints(image);
    points.push_back(LimiterLine);
    for (int point : points) {
        const TChartPixel at = ChartMap(plain.Chart, PointValue(plain.Chart, image, point));
        const int limiter = ChartX(plain.Chart, LimiterRpm(image));
        const auto allowed = [&](int x, int y) {
            if (point == LimiterLine)
                return x == limiter || x == limiter + 1;
            const int reach = std::max(std::abs(x - at.X), std::abs(y - at.Y));
            return reach == 4 || reach == 5;
        };
        expectAdded(Paint(image, 0, point, NoPoint), ChartColour::Curve, allowed);
        expectAdded(Paint(image, 0, NoPoint, point), ChartColour::Held, allowed);
    }
}

TEST(ChartPainter, EngineSpeedLineIsGreenWhereverItFalls)
{
    TParamImage image = DefaultImage(12);
    image.Speed(11) = 120; // axis to 15000 rpm
    const auto green = [&](int speed) {
        const TPainted p = Paint(image, speed);
        std::vector<int> columns;
        for (int x = 0; x < DesignWidth; ++x)
            if (p.At(x, p.Chart.OriginY - 1) == ChartColour::EngineSpeed)
                columns.push_back(x);
        return columns;
    };
    EXPECT_TRUE(green(0).empty());
    EXPECT_EQ(green(3000), std::vector<int>{84});
    EXPECT_EQ(green(15300),
              std::vector<int>{ChartX(Paint(image).Chart, 15300)}); // right of the plot
    EXPECT_TRUE(green(60000).empty());
}

TEST(ChartTick, DrawsOnlyWhenMarkedOrTheEngineSpeedChanged)
{
    TParamImage image = DefaultImage();
    TAdvanceChart chart;
    QImage picture(DesignWidth, DesignHeight, QImage::Format_RGB32);
    int redraw = ChartRecompute;
    ASSERT_TRUE(ChartTick(chart, redraw, image, 0, Look(), picture));
    EXPECT_EQ(redraw, 0);
    const QImage drawn = picture.copy();
    EXPECT_FALSE(ChartTick(chart, redraw, image, 0, Look(), picture));
    EXPECT_EQ(picture, drawn);

    // A new engine speed or a hover repaints on the old axes.
    image[ImageByte::Limiter] = 250;
    EXPECT_TRUE(ChartTick(chart, redraw, image, 3000, Look(), picture));
    redraw |= ChartRepaint;
    EXPECT_TRUE(ChartTick(chart, redraw, image, 3000, Look(), picture));
    EXPECT_FALSE(ChartTick(chart, redraw, image, 3000, Look(), picture));
    EXPECT_NE(chart.AxisMaxRpm, AxisMaxRpmFor(image));
    // A recomputation marked in the same tick as a new engine speed is kept.
    redraw |= ChartRecompute;
    EXPECT_TRUE(ChartTick(chart, redraw, image, 3100, Look(), picture));
    EXPECT_EQ(chart.AxisMaxRpm, AxisMaxRpmFor(image));

    const auto all = ChartPrimitives(chart, image, 3100, Window);
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(),
                               [](const auto& a, const auto& b) { return a.Layer < b.Layer; }));
    for (const QSize& size : {QSize(30, 12), QSize(1, 1)}) {
        QImage tiny(size, QImage::Format_RGB32);
        redraw = ChartRecompute;
        EXPECT_TRUE(ChartTick(chart, redraw, image, 2500, Look(), tiny));
    }
}

} // namespace
