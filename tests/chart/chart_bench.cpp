// Timings of the chart's hot paths: one repaint per tick, one drag step per
// mouse move. Figures only; nothing here is asserted.
#include "chart/chart_drawing.h"
#include "chart/chart_geometry.h"
#include "chart/chart_mouse.h"
#include "chart/chart_painter.h"
#include "chart/chart_picture.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

TParamImage FullCurve()
{
    TParamImage image;
    image.SetDefaults();
    image[ImageByte::PointCount] = CurvePoints;
    image.Normalise();
    return image;
}

void ListPrimitives(benchmark::State& state)
{
    const TParamImage image = FullCurve();
    TAdvanceChart chart;
    ChartRecalcGeometry(chart, image, 333, 103);
    for (auto _ : state)
        benchmark::DoNotOptimize(ChartPrimitives(chart, image, 4000, TRgb{212, 208, 200}));
}
BENCHMARK(ListPrimitives);

void RepaintWithRecompute(benchmark::State& state)
{
    const TParamImage image = FullCurve();
    const TChartLook look{QColor(212, 208, 200), ChartLabelFont()};
    TAdvanceChart chart;
    QImage picture(333, 103, QImage::Format_RGB32);
    for (auto _ : state) {
        int redraw = ChartRecompute;
        ChartDraw(chart, redraw, image, 4000, look, picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(RepaintWithRecompute);

// A held curve point dragged back and forth past its neighbours.
void DragStep(benchmark::State& state)
{
    TParamImage image = FullCurve();
    TAdvanceChart chart;
    ChartRecalcGeometry(chart, image, 333, 103);
    const int x = chart.OriginX + static_cast<int>(image.Speed(3) * 100 * chart.ScaleX);
    const int y = chart.OriginY - static_cast<int>(image.Advance(3) * chart.ScaleY);
    ChartMouse(chart, image, TChartMouseKind::Press, x, y);
    bool far = false;
    for (auto _ : state) {
        far = !far;
        benchmark::DoNotOptimize(
            ChartMouse(chart, image, TChartMouseKind::Move, far ? x + 120 : x, y));
        chart.CursorMoved = 0;
    }
}
BENCHMARK(DragStep);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
