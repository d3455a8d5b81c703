#pragma once

#include "chart/advance_chart.h"
#include "params/param_image.h"

#include <QColor>
#include <QFont>
#include <QImage>

// Drawing the chart into the picture that the window shows. Only the tick
// draws; a paint event merely shows the picture.

struct TChartLook {
    QColor Background; // the window's background colour
    QFont Font = QFont();
    bool SpeedStale = false; // the unit went silent: its last speed, greyed
};

// Recomputes the geometry for the picture's size when chartRedraw asks,
// clears chartRedraw, and repaints the whole picture.
void ChartDraw(TAdvanceChart& chart, int& chartRedraw, const TParamImage& image, int engineSpeed,
               const TChartLook& look, QImage& picture);

// The tick's step: draws when the chart was marked or the engine speed
// changed. True when the picture was redrawn and must be shown again.
bool ChartTick(TAdvanceChart& chart, int& chartRedraw, const TParamImage& image, int engineSpeed,
               const TChartLook& look, QImage& picture);
