#pragma once

#include "chart/chart_geometry.h"

// The value the pointer at (x, y) asks for the held point: the pointer less
// the grab offset, to the nearest 100 rpm and the nearest degree, limited to
// 0..25500 rpm and 0..60 degrees. The pointer's pixel is read at its centre:
// points are mapped by truncation, so a point picked up where it is drawn
// reads back its own value and does not jump.
TChartValue DraggedValue(const TAdvanceChart& chart, int x, int y);

// Writes the value into the bytes of the held point, each limited to the
// range of its control: the base point takes only the advance, the limiter
// line only the engine speed.
void StoreDraggedValue(TParamImage& image, int point, TChartValue value);

// Normalises the image as an edit of that point: a curve point alone, with
// its neighbours pushed aside and returning; anything else as all points.
void NormaliseDragged(TParamImage& image, int point);
