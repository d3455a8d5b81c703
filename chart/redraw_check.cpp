#include "chart/redraw_check.h"

bool ChartNeedsDrawing(TAdvanceChart& chart, int& chartRedraw, int engineSpeed)
{
    if (engineSpeed != chart.DrawnEngineSpeed) {
        chart.DrawnEngineSpeed = engineSpeed;
        chartRedraw |= ChartRepaint;
    }
    return chartRedraw != 0;
}
