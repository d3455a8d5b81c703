#pragma once

#include "chart/chart_geometry.h"

#include <vector>

// The pixels that the chart's primitives cover, so that any raster surface
// draws them alike.

// The columns (or rows) of a rectangle from its first corner's coordinate up
// to, not including, the second's; First > Last when it covers none.
struct TSpan {
    int First = 0;
    int Last = -1;
    bool Empty() const { return Last < First; }
    int Length() const { return Empty() ? 0 : Last - First + 1; }
};

TSpan CoveredSpan(int from, int to);

// A one-pixel line from its start up to, not including, its end: one pixel
// per step along the longer direction, the other coordinate rounded.
std::vector<TChartPixel> LinePixels(int x1, int y1, int x2, int y2);
