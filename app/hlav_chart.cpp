// The advance chart in the window: the tick draws it into its picture, the
// mouse drags its points. The geometry and the drag rules are the chart
// library's; this passes events in and carries out what it asks for.
#include "app/hlav.h"

#include "chart/chart_painter.h"
#include "chart/chart_picture.h"
#include "chart/redraw_check.h"

#include <QCursor>
#include <QLabel>
#include <QPalette>

void TFormHlav::ChartTick()
{
    const int speed = m_link.State().EngineSpeed;
    // Most ticks draw nothing; the look is worth working out only for a drawing.
    if (!ChartNeedsDrawing(m_chart, ChartRedraw, speed))
        return;
    const TChartLook look{centralWidget()->palette().color(QPalette::Window), ChartLabelFont(),
                          m_shownStale};
    ChartDraw(m_chart, ChartRedraw, m_image, speed, look, m_chartPicture);
    m_ui.GrafAdv->update();
}

void TFormHlav::GrafAdvMouseDown(Qt::MouseButton, int x, int y)
{
    ApplyChartAction(ChartMouse(m_chart, m_image, TChartMouseKind::Press, x, y));
}

void TFormHlav::GrafAdvMouseMove(int x, int y)
{
    ApplyChartAction(ChartMouse(m_chart, m_image, TChartMouseKind::Move, x, y));
}

void TFormHlav::GrafAdvMouseUp(Qt::MouseButton, int x, int y)
{
    ApplyChartAction(ChartMouse(m_chart, m_image, TChartMouseKind::Release, x, y));
}

void TFormHlav::GrafAdvMouseLeave()
{
    ApplyChartAction(ChartMouseLeave(m_chart));
}

// Capture needs nothing here: Qt keeps sending a pressed button's moves and
// release to the picture until the release.
void TFormHlav::ApplyChartAction(const TChartAction& action)
{
    if (action.ShowImage)
        ShowImage();
    if (action.PlacePointer) {
        const QPoint target = m_ui.GrafAdv->mapToGlobal(QPoint(action.PointerX, action.PointerY));
        QCursor::setPos(target);
        // Some platforms (Wayland sessions) do not let a program move the
        // pointer; no echo move comes then, and waiting for one would swallow
        // the user's next real move.
        if (QCursor::pos() != target)
            m_chart.CursorMoved = 0;
    }
    if (action.HistoryPush)
        HistoryPush();
    ChartRedraw |= action.Redraw;
}
