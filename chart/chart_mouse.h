#pragma once

#include "chart/advance_chart.h"
#include "params/param_image.h"

// The mouse on the chart. The handlers change the chart state and the image
// and report what the window must do afterwards, in this order: show the
// image in the controls, place the pointer, capture or release the mouse,
// record the undo step, and add Redraw to its ChartRedraw.

// The codes of the three kinds of ChartMouse.
enum class TChartMouseKind { Move = 4096, Press = 1, Release = 2 };

struct TChartAction {
    int Redraw = 0;         // ChartRepaint bits for the window's ChartRedraw
    bool ShowImage = false; // a drag changed the image
    // The axes rescaled under the held point: put the pointer back on it, at
    // this pixel of the picture. A placement that produces no move event must
    // clear the chart's CursorMoved.
    bool PlacePointer = false;
    int PointerX = 0;
    int PointerY = 0;
    bool CaptureMouse = false; // a point was picked up
    bool ReleaseMouse = false; // the held point was dropped
    bool HistoryPush = false;  // the drag ended: record it as one undo step
};

// A move, press (any button) or release (any button) at (x, y) of the picture.
TChartAction ChartMouse(TAdvanceChart& chart, TParamImage& image, TChartMouseKind kind, int x,
                        int y);

// The pointer left the picture; a held point stays held.
TChartAction ChartMouseLeave(TAdvanceChart& chart);
