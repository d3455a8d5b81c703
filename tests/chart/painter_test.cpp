#include "chart/chart_grid.h"
#include "chart/chart_painter.h"
#include "chart/chart_picture.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

namespace {

const QColor WindowColour(212, 208, 200);

TChartLook Look()
{
    return {WindowColour, ChartLabelFont()};
}

TRgb Rgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

struct TPainted {
    TAdvanceChart Chart;
    QImage Picture{DesignWidth, DesignHeight, QImage::Format_RGB32};

    TRgb At(int x, int y) const { return Rgb(Picture.pixelColor(x, y)); }
};

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

// Curve points up to 15000 rpm: the engine-speed axis ends at 17500, so no
// grid line falls on the plot's right edge and every second one is unlabelled.
// The limiter lies between two grid lines.
TParamImage FullCurve()
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = CurvePoints;
    image[ImageByte::Limiter] = 95;
    return image;
}

// A row between the two highest advance grid lines, clear of the curve.
int FreeRow(const TAdvanceChart& chart)
{
    const int top = AdvanceGridCount(chart);
    return (AdvanceGridY(chart, top) + AdvanceGridY(chart, top - 1)) / 2;
}

TEST(ChartPainter, AreasHaveTheirColours)
{
    const TPainted painted = Paint(FullCurve());
    const TAdvanceChart& chart = painted.Chart;
    const int row = FreeRow(chart);
    const int right = chart.OriginX + chart.PlotWidth;
    const int limiter = ChartX(chart, LimiterRpm(FullCurve()));
    ASSERT_LT(limiter, RpmGridX(chart, 10));

    EXPECT_EQ(painted.At(0, 0), Rgb(WindowColour));
    EXPECT_EQ(painted.At(DesignWidth - 1, DesignHeight - 1), Rgb(WindowColour));
    EXPECT_EQ(painted.At((RpmGridX(chart, 1) + RpmGridX(chart, 2)) / 2, row), ChartColour::Plot);
    EXPECT_EQ(painted.At((RpmGridX(chart, 10) + RpmGridX(chart, 11)) / 2, row),
              ChartColour::LimiterZone);
    EXPECT_EQ(painted.At(limiter, row), ChartColour::LimiterZone);
    EXPECT_EQ(painted.At(limiter - 1, row), ChartColour::Plot);
    // The plot leaves out its far corner's column.
    EXPECT_EQ(painted.At(right - 1, row), ChartColour::LimiterZone);
    EXPECT_EQ(painted.At(right, row), Rgb(WindowColour));
}

TEST(ChartPainter, GridLinesAndTheirTickMarks)
{
    const TPainted painted = Paint(FullCurve());
    const TAdvanceChart& chart = painted.Chart;
    const int yo = chart.OriginY;
    const int x = RpmGridX(chart, 3); // unlabelled, so its tick marks show
    EXPECT_EQ(painted.At(x, FreeRow(chart)), ChartColour::Grid);
    EXPECT_EQ(painted.At(x + 1, FreeRow(chart)), ChartColour::Plot);
    EXPECT_EQ(painted.At(x, yo + TickLength), ChartColour::Grid);
    EXPECT_EQ(painted.At(x, yo + TickLength + 1), Rgb(WindowColour));

    const int y = AdvanceGridY(chart, 2);
    EXPECT_EQ(painted.At(chart.OriginX - TickLength, y), ChartColour::Grid);
    EXPECT_EQ(painted.At(chart.OriginX - TickLength - 1, y), Rgb(WindowColour));
    EXPECT_EQ(painted.At(chart.OriginX + chart.PlotWidth - 1, y), ChartColour::Grid);
    EXPECT_EQ(painted.At(chart.OriginX + chart.PlotWidth, y), Rgb(WindowColour));
}

TEST(ChartPainter, AxesAreTwoPixelsThick)
{
    const TPainted painted = Paint(FullCurve());
    const TAdvanceChart& chart = painted.Chart;
    const int xo = chart.OriginX;
    const int yo = chart.OriginY;
    const int row = FreeRow(chart);
    const int column = (RpmGridX(chart, 1) + RpmGridX(chart, 2)) / 2;
    EXPECT_EQ(painted.At(xo, row), ChartColour::Axis);
    EXPECT_EQ(painted.At(xo - 1, row), ChartColour::Axis);
    EXPECT_NE(painted.At(xo - 2, row), ChartColour::Axis);
    EXPECT_NE(painted.At(xo + 1, row), ChartColour::Axis);
    EXPECT_EQ(painted.At(column, yo), ChartColour::Axis);
    EXPECT_EQ(painted.At(column, yo + 1), ChartColour::Axis);
    EXPECT_NE(painted.At(column, yo - 1), ChartColour::Axis);
    EXPECT_NE(painted.At(column, yo + 2), ChartColour::Axis);
    // The vertical axis reaches one row above the plot.
    EXPECT_EQ(painted.At(xo, yo - chart.PlotHeight), ChartColour::Axis);
    EXPECT_NE(painted.At(xo, yo - chart.PlotHeight - 1), ChartColour::Axis);
}

TEST(ChartPainter, PointsAreYellowOnRedAndTheCurveJoinsThem)
{
    const TParamImage image = SpacedImage(CurvePoints);
    const TPainted painted = Paint(image);
    TChartPixel previous{};
    for (int point : DrawnPoints(image)) {
        const TChartPixel at = ChartMap(painted.Chart, PointValue(painted.Chart, image, point));
        EXPECT_EQ(painted.At(at.X, at.Y), ChartColour::PointFill) << point;
        // A six-pixel square: its far corner's row and column are left out.
        EXPECT_EQ(painted.At(at.X - 3, at.Y), ChartColour::Curve) << point;
        EXPECT_EQ(painted.At(at.X + 2, at.Y), ChartColour::Curve) << point;
        EXPECT_EQ(painted.At(at.X, at.Y - 3), ChartColour::Curve) << point;
        EXPECT_EQ(painted.At(at.X, at.Y + 2), ChartColour::Curve) << point;
        EXPECT_EQ(painted.At(at.X + 1, at.Y + 1), ChartColour::PointFill) << point;
        EXPECT_EQ(painted.At(at.X - 2, at.Y - 2), ChartColour::PointFill) << point;
        EXPECT_NE(painted.At(at.X + 3, at.Y), ChartColour::PointFill) << point;
        if (point > 0) {
            const TChartPixel middle{(previous.X + at.X) / 2, (previous.Y + at.Y) / 2};
            EXPECT_EQ(painted.At(middle.X, middle.Y), ChartColour::Curve) << point;
        }
        previous = at;
    }
}

// What a hover or a held point adds to the picture: its colour only, and
// only where the frame or the limiter line is.
void ExpectAddedOnly(const QImage& plain, const TPainted& marked, TRgb colour,
                     const std::function<bool(int, int)>& allowed)
{
    int added = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (Rgb(plain.pixelColor(x, y)) == marked.At(x, y))
                continue;
            ++added;
            ASSERT_EQ(marked.At(x, y), colour) << x << "," << y;
            ASSERT_TRUE(allowed(x, y)) << x << "," << y;
        }
    }
    EXPECT_GT(added, 20);
}

TEST(ChartPainter, FramesAndLimiterLineInTheirColours)
{
    const TParamImage image = SpacedImage(6);
    const QImage plain = Paint(image).Picture;
    for (int point : DrawnPoints(image)) {
        for (bool held : {false, true}) {
            const TPainted marked =
                held ? Paint(image, 0, NoPoint, point) : Paint(image, 0, point, NoPoint);
            const TChartPixel at = ChartMap(marked.Chart, PointValue(marked.Chart, image, point));
            ExpectAddedOnly(plain, marked, held ? ChartColour::Held : ChartColour::Curve,
                            [&](int x, int y) {
                                const int reach = std::max(std::abs(x - at.X), std::abs(y - at.Y));
                                return reach == 4 || reach == 5;
                            });
        }
    }
    for (bool held : {false, true}) {
        const TPainted marked =
            held ? Paint(image, 0, NoPoint, LimiterLine) : Paint(image, 0, LimiterLine, NoPoint);
        const int x = ChartX(marked.Chart, LimiterRpm(image));
        ExpectAddedOnly(plain, marked, held ? ChartColour::Held : ChartColour::Curve,
                        [&](int column, int) { return column == x || column == x + 1; });
    }
}

TEST(ChartPainter, EngineSpeedLineIsGreenWhereverItFalls)
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = 12;
    image.Speed(11) = 120;
    const auto greenColumns = [](const TPainted& painted) {
        std::vector<int> columns;
        for (int x = 0; x < DesignWidth; ++x)
            if (painted.At(x, painted.Chart.OriginY - 1) == ChartColour::EngineSpeed)
                columns.push_back(x);
        return columns;
    };
    EXPECT_TRUE(greenColumns(Paint(image, 0)).empty());
    EXPECT_EQ(greenColumns(Paint(image, 3000)), std::vector<int>{84});
    const TPainted beyond = Paint(image, 15300);
    const int x = ChartX(beyond.Chart, 15300);
    ASSERT_GT(x, beyond.Chart.OriginX + beyond.Chart.PlotWidth);
    EXPECT_EQ(greenColumns(beyond), std::vector<int>{x});
    EXPECT_TRUE(greenColumns(Paint(image, 60000)).empty());
}

TEST(ChartPainter, LabelsAreDrawnOnTheWindowColour)
{
    const TPainted painted = Paint(FullCurve());
    const TChartLabel label = RpmLabels(painted.Chart)[1];
    int dark = 0;
    for (int y = label.Y; y < label.Y + 9; ++y)
        for (int x = label.X; x < label.X + 12; ++x)
            dark += painted.At(x, y) == ChartColour::Text;
    EXPECT_GT(dark, 5);
}

TEST(ChartTick, DrawsOnlyWhenMarkedOrTheEngineSpeedChanged)
{
    TParamImage image = DefaultImage();
    TAdvanceChart chart;
    QImage picture(DesignWidth, DesignHeight, QImage::Format_RGB32);
    int redraw = ChartRecompute;
    ASSERT_TRUE(ChartTick(chart, redraw, image, 0, Look(), picture));
    EXPECT_EQ(redraw, 0);
    EXPECT_EQ(chart.AxisMaxRpm, AxisMaxRpmFor(image));
    const QImage drawn = picture.copy();
    EXPECT_FALSE(ChartTick(chart, redraw, image, 0, Look(), picture));
    EXPECT_EQ(picture, drawn);

    // A new engine speed repaints on the old axes; only a mark recomputes them.
    image[ImageByte::Limiter] = 250;
    EXPECT_TRUE(ChartTick(chart, redraw, image, 3000, Look(), picture));
    EXPECT_NE(chart.AxisMaxRpm, AxisMaxRpmFor(image));
    EXPECT_EQ(chart.DrawnEngineSpeed, 3000);
    EXPECT_FALSE(ChartTick(chart, redraw, image, 3000, Look(), picture));
    redraw |= ChartRepaint;
    EXPECT_TRUE(ChartTick(chart, redraw, image, 3000, Look(), picture));
    EXPECT_NE(chart.AxisMaxRpm, AxisMaxRpmFor(image));

    // A mark to recompute survives an engine speed change in the same tick.
    redraw |= ChartRecompute;
    EXPECT_TRUE(ChartTick(chart, redraw, image, 3100, Look(), picture));
    EXPECT_EQ(chart.AxisMaxRpm, AxisMaxRpmFor(image));
    EXPECT_EQ(redraw, 0);
}

TEST(ChartTick, PictureSmallerThanTheMarginsIsDrawnWithoutHarm)
{
    for (const QSize& size : {QSize(30, 12), QSize(1, 1), QSize(36, 21)}) {
        TAdvanceChart chart;
        QImage picture(size, QImage::Format_RGB32);
        int redraw = ChartRecompute;
        EXPECT_TRUE(ChartTick(chart, redraw, DefaultImage(), 2500, Look(), picture));
    }
}

} // namespace
