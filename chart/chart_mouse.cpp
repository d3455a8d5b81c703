#include "chart/chart_mouse.h"

#include "chart/drag.h"
#include "chart/hit_test.h"

namespace {

bool Outside(const TAdvanceChart& chart, int x, int y)
{
    // The far edges count as inside.
    return x < chart.AreaLeft || x > chart.AreaWidth || y < chart.AreaTop || y > chart.AreaHeight;
}

void Drag(TAdvanceChart& chart, TParamImage& image, int x, int y, TChartAction& action)
{
    const TChartValue value = DraggedValue(chart, x, y);
    StoreDraggedValue(image, chart.SelectedPoint, value);
    NormaliseDragged(image, chart.SelectedPoint);
    action.ShowImage = true;

    const float scaleX = chart.ScaleX;
    const float scaleY = chart.ScaleY;
    ChartRecalcGeometry(chart, image, chart.AreaWidth, chart.AreaHeight);
    // Keep the pointer on the value it asked for under the new scales. When
    // both axes rescale, one placement corrects both coordinates.
    const bool newX = chart.ScaleX != scaleX;
    const bool newY = chart.ScaleY != scaleY;
    if (newX || newY) {
        action.PlacePointer = true;
        action.PointerX = newX ? ChartX(chart, value.Rpm) + chart.DragOffsetX : x;
        action.PointerY = newY ? ChartY(chart, value.Advance) + chart.DragOffsetY : y;
        chart.CursorMoved = 1;
    }
    action.Redraw |= ChartRepaint;
}

void PickUp(TAdvanceChart& chart, const TChartHit& hit, int x, int y, TChartAction& action)
{
    chart.SelectedPoint = hit.Point;
    chart.DragOffsetX = x - hit.At.X;
    // The limiter line is grabbed at any height and moves only sideways.
    chart.DragOffsetY = hit.Point == LimiterLine ? 0 : y - hit.At.Y;
    action.CaptureMouse = true;
    action.Redraw |= ChartRepaint;
}

} // namespace

TChartAction ChartMouse(TAdvanceChart& chart, TParamImage& image, TChartMouseKind kind, int x,
                        int y)
{
    TChartAction action;
    const bool holding = chart.SelectedPoint != NoPoint;
    if (!holding && Outside(chart, x, y)) {
        if (chart.HoverPoint != NoPoint) {
            chart.HoverPoint = NoPoint;
            action.Redraw |= ChartRepaint;
        }
        return action;
    }
    // A picture smaller than its margins has no scale to drag with.
    if (!(chart.ScaleX > 0) || !(chart.ScaleY > 0))
        return action;

    const TChartHit hit = ChartHitTest(chart, image, x, y);
    if (!holding && chart.HoverPoint != hit.Point)
        action.Redraw |= ChartRepaint;
    chart.HoverPoint = holding ? NoPoint : hit.Point;

    switch (kind) {
    case TChartMouseKind::Move:
        if (chart.CursorMoved) {
            chart.CursorMoved = 0; // the echo of our own placement
        } else if (holding) {
            Drag(chart, image, x, y, action);
        }
        break;
    case TChartMouseKind::Press:
        // A second button pressed during a drag must not drop the point
        // without its undo step.
        if (holding)
            break;
        if (hit.Point == NoPoint)
            return action;
        PickUp(chart, hit, x, y, action);
        break;
    case TChartMouseKind::Release:
        if (holding) {
            chart.SelectedPoint = NoPoint;
            action.Redraw |= ChartRepaint;
            action.ReleaseMouse = true;
            action.HistoryPush = true;
        }
        break;
    }
    chart.HoverPoint = chart.SelectedPoint != NoPoint ? NoPoint : hit.Point;
    return action;
}

TChartAction ChartMouseLeave(TAdvanceChart& chart)
{
    TChartAction action;
    if (chart.HoverPoint != NoPoint) {
        chart.HoverPoint = NoPoint;
        action.Redraw |= ChartRepaint;
    }
    return action;
}
