#pragma once

#include "chart/advance_chart.h"

// The tick's check: a new engine speed asks for a repaint, added to the
// window's ChartRedraw bits so that a pending recomputation is kept. True
// when the chart must be drawn now.
bool ChartNeedsDrawing(TAdvanceChart& chart, int& chartRedraw, int engineSpeed);
