#pragma once

// The advance chart's geometry and mouse state. Coordinates are pixels of the
// chart's picture, x to the right, y downward.

// Chart point indexes besides the curve points 0..14.
constexpr int NoPoint = -100;
constexpr int LimiterLine = -2;
constexpr int BasePoint = -1;

// Bits of the window's ChartRedraw.
constexpr int ChartRepaint = 1;
constexpr int ChartRecompute = 2;

struct TAdvanceChart {
    // Pixels per rpm and per degree; single precision, as the mapping and the
    // drag arithmetic depend on the stored value, not on the exact quotient.
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;

    int MarginLeft = 25; // room for the advance labels
    int MarginRight = 10;
    int MarginTop = 5;
    int MarginBottom = 15; // room for the engine-speed labels

    int AreaLeft = 0;
    int AreaTop = 0;
    int AreaWidth = 0;
    int AreaHeight = 0;

    // The pixel of 0 rpm and 0 degrees: the plot's lower-left corner.
    int OriginX = 0;
    int OriginY = 0;
    int PlotWidth = 0;
    int PlotHeight = 0;

    int AxisMaxRpm = 0;     // a multiple of 2500
    int AxisMaxAdvance = 0; // a multiple of 5

    int SelectedPoint = NoPoint; // held by the mouse
    int HoverPoint = NoPoint;    // under the pointer
    // Where the pointer grabbed the held point, relative to its pixel.
    int DragOffsetX = 0;
    int DragOffsetY = 0;
    // Set when the program placed the pointer: the move event that echoes
    // the placement must not drag.
    int CursorMoved = 0;

    int DrawnEngineSpeed = 0; // what the tick's last check saw
};

// Back to the initial values.
inline void ChartInit(TAdvanceChart& chart)
{
    chart = TAdvanceChart{};
}
