#include "chart/chart_picture.h"

#include "chart/chart_drawing.h"
#include "chart/chart_geometry.h"
#include "chart/chart_painter.h"
#include "chart/redraw_check.h"

void ChartDraw(TAdvanceChart& chart, int& chartRedraw, const TParamImage& image, int engineSpeed,
               const TChartLook& look, QImage& picture)
{
    if (chartRedraw & ChartRecompute)
        ChartRecalcGeometry(chart, image, picture.width(), picture.height());
    chartRedraw = 0;
    const QColor background = look.Background.toRgb();
    const TRgb rgb{static_cast<std::uint8_t>(background.red()),
                   static_cast<std::uint8_t>(background.green()),
                   static_cast<std::uint8_t>(background.blue())};
    PaintChart(picture, ChartPrimitives(chart, image, engineSpeed, rgb, look.SpeedStale), look.Font);
}

bool ChartTick(TAdvanceChart& chart, int& chartRedraw, const TParamImage& image, int engineSpeed,
               const TChartLook& look, QImage& picture)
{
    if (!ChartNeedsDrawing(chart, chartRedraw, engineSpeed))
        return false;
    ChartDraw(chart, chartRedraw, image, engineSpeed, look, picture);
    return true;
}
