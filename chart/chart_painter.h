#pragma once

#include "chart/chart_drawing.h"

#include <QFont>
#include <QImage>

#include <vector>

// Paints the primitives in order onto the picture, pixel for pixel as their
// rules say: no antialiasing, lines without their end pixel, rectangles
// without the second corner's row and column.
void PaintChart(QImage& picture, const std::vector<TChartPrimitive>& primitives, const QFont& font);

// A small font for the axis labels, whose offsets suit about 9-pixel digits.
QFont ChartLabelFont();
