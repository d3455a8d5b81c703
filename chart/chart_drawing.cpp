#include "chart/chart_drawing.h"

#include "chart/chart_geometry.h"
#include "chart/chart_grid.h"

namespace {

constexpr int PointHalfSize = 3;
constexpr int InnerFrame = 4;
constexpr int OuterFrame = 5;

class TSketch {
public:
    std::vector<TChartPrimitive> Items;
    TChartLayer Layer = TChartLayer::Background;

    void Rect(int x1, int y1, int x2, int y2, TRgb pen, TRgb brush,
              TPrimitiveKind kind = TPrimitiveKind::Rect)
    {
        Items.push_back({kind, Layer, x1, y1, x2, y2, pen, brush, {}});
    }
    void Line(int x1, int y1, int x2, int y2, TRgb pen)
    {
        Items.push_back({TPrimitiveKind::Line, Layer, x1, y1, x2, y2, pen, pen, {}});
    }
    void Text(int x, int y, const std::string& text, TRgb background)
    {
        Items.push_back(
            {TPrimitiveKind::Text, Layer, x, y, x, y, ChartColour::Text, background, text});
    }
};

// The plot's corners and the limiter's column, shared by every step.
struct TFrame {
    int Xo;
    int Yo;
    int Right;
    int Top;
    int Limiter;
};

void AddGrid(TSketch& sketch, const TAdvanceChart& chart, const TFrame& f, TRgb background)
{
    sketch.Layer = TChartLayer::RpmGrid;
    for (int i = 1; i <= RpmGridCount(chart); ++i) {
        const int x = RpmGridX(chart, i);
        sketch.Line(x, f.Yo + TickLength, x, f.Top, ChartColour::Grid);
    }
    sketch.Layer = TChartLayer::AdvanceGrid;
    for (int i = 1; i <= AdvanceGridCount(chart); ++i) {
        const int y = AdvanceGridY(chart, i);
        sketch.Line(f.Xo - TickLength, y, f.Right, y, ChartColour::Grid);
    }
    sketch.Layer = TChartLayer::RpmLabels;
    for (const TChartLabel& label : RpmLabels(chart))
        sketch.Text(label.X, label.Y, label.Text, background);
    sketch.Layer = TChartLayer::AdvanceLabels;
    for (const TChartLabel& label : AdvanceLabels(chart))
        sketch.Text(label.X, label.Y, label.Text, background);
}

// Both axes two pixels thick; the vertical one reaches one pixel above the plot.
void AddAxes(TSketch& sketch, const TFrame& f)
{
    sketch.Layer = TChartLayer::Axes;
    sketch.Line(f.Xo, f.Yo, f.Xo, f.Top - 1, ChartColour::Axis);
    sketch.Line(f.Xo - 1, f.Yo, f.Xo - 1, f.Top - 1, ChartColour::Axis);
    sketch.Line(f.Xo, f.Yo, f.Right, f.Yo, ChartColour::Axis);
    sketch.Line(f.Xo, f.Yo + 1, f.Right, f.Yo + 1, ChartColour::Axis);
}

// From the base point through the curve points on to the right end of the
// plot, each segment drawn several times over for a thicker line.
void AddCurve(TSketch& sketch, const TAdvanceChart& chart, const TParamImage& image)
{
    sketch.Layer = TChartLayer::Curve;
    const TRgb pen = ChartColour::Curve;
    TChartPixel p = ChartMap(chart, PointValue(chart, image, BasePoint));
    for (int i = 0; i <= ChartPointCount(image); ++i) {
        const TChartPixel q = ChartMap(chart, PointValue(chart, image, i));
        if (i == 0) {
            // Up to the first point's speed the curve holds the base advance.
            sketch.Line(p.X, p.Y, q.X, p.Y, pen);
            sketch.Line(p.X, p.Y - 1, q.X, p.Y - 1, pen);
            sketch.Line(q.X, p.Y, q.X, q.Y, pen);
            sketch.Line(q.X - 1, p.Y, q.X - 1, q.Y, pen);
        } else {
            sketch.Line(p.X, p.Y, q.X, q.Y, pen);
            sketch.Line(p.X, p.Y - 1, q.X, q.Y - 1, pen);
            sketch.Line(p.X - 1, p.Y - 1, q.X - 1, q.Y - 1, pen);
            sketch.Line(p.X + 1, p.Y - 1, q.X + 1, q.Y - 1, pen);
        }
        p = q;
    }
}

void AddSquare(TSketch& sketch, TChartPixel at, int half, TRgb pen)
{
    const int left = at.X - half;
    const int right = at.X + half;
    const int top = at.Y - half;
    const int bottom = at.Y + half;
    sketch.Line(left, top, left, bottom, pen);
    sketch.Line(left, bottom, right, bottom, pen);
    sketch.Line(right, bottom, right, top, pen);
    sketch.Line(right, top, left, top, pen);
}

void AddPoints(TSketch& sketch, const TAdvanceChart& chart, const TParamImage& image)
{
    sketch.Layer = TChartLayer::Points;
    for (int i = BasePoint; i < ChartPointCount(image); ++i) {
        const TChartPixel at = ChartMap(chart, PointValue(chart, image, i));
        sketch.Rect(at.X - PointHalfSize, at.Y - PointHalfSize, at.X + PointHalfSize,
                    at.Y + PointHalfSize, ChartColour::Curve, ChartColour::PointFill,
                    TPrimitiveKind::RoundRect);
        if (i != chart.SelectedPoint && i != chart.HoverPoint)
            continue;
        const TRgb pen = i == chart.SelectedPoint ? ChartColour::Held : ChartColour::Curve;
        AddSquare(sketch, at, InnerFrame, pen);
        AddSquare(sketch, at, OuterFrame, pen);
    }
}

void AddLimiterLine(TSketch& sketch, const TAdvanceChart& chart, const TFrame& f)
{
    sketch.Layer = TChartLayer::LimiterLine;
    const auto lines = [&](TRgb pen) {
        sketch.Line(f.Limiter, f.Yo, f.Limiter, f.Top, pen);
        sketch.Line(f.Limiter + 1, f.Yo, f.Limiter + 1, f.Top, pen);
    };
    if (chart.SelectedPoint == LimiterLine)
        lines(ChartColour::Held);
    if (chart.HoverPoint == LimiterLine)
        lines(ChartColour::Curve);
}

} // namespace

std::vector<TChartPrimitive> ChartPrimitives(const TAdvanceChart& chart, const TParamImage& image,
                                             int engineSpeed, TRgb background, bool speedStale)
{
    const TFrame f{chart.OriginX, chart.OriginY, chart.OriginX + chart.PlotWidth,
                   chart.OriginY - chart.PlotHeight, ChartX(chart, LimiterRpm(image))};
    TSketch sketch;
    sketch.Rect(chart.AreaLeft, chart.AreaTop, chart.AreaWidth, chart.AreaHeight, background,
                background);
    sketch.Layer = TChartLayer::Plot;
    sketch.Rect(f.Xo, f.Yo, f.Right, f.Top, ChartColour::Plot, ChartColour::Plot);
    // Everything right of the limiter is grey.
    sketch.Layer = TChartLayer::LimiterZone;
    sketch.Rect(f.Limiter, f.Yo, f.Right, f.Top, ChartColour::LimiterZone,
                ChartColour::LimiterZone);
    AddGrid(sketch, chart, f, background);
    AddAxes(sketch, f);
    AddCurve(sketch, chart, image);
    AddPoints(sketch, chart, image);
    AddLimiterLine(sketch, chart, f);
    // Unclipped: a speed beyond the axis shows right of the plot, or nowhere.
    if (engineSpeed != 0) {
        sketch.Layer = TChartLayer::EngineSpeed;
        const int x = ChartX(chart, engineSpeed);
        sketch.Line(x, f.Yo, x, f.Top,
                    speedStale ? ChartColour::StaleEngineSpeed : ChartColour::EngineSpeed);
    }
    return sketch.Items;
}
