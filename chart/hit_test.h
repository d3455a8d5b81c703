#pragma once

#include "chart/chart_geometry.h"

// What lies under the pointer: the nearest point whose pixel is within the
// box of ±HitReach, else the limiter line when the pointer is within HitReach
// columns of it, at any height.
struct TChartHit {
    int Point = NoPoint;
    // The pixel of the hit point; for the limiter line only X counts.
    TChartPixel At;
};

constexpr int HitReach = 5;

TChartHit ChartHitTest(const TAdvanceChart& chart, const TParamImage& image, int x, int y);
