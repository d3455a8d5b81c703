#pragma once

#include "chart/advance_chart.h"

#include <string>
#include <vector>

// Grid lines sit every 1000 rpm and every 5 degrees. Unlike the points, they
// are rounded to the nearest pixel, so a point at a grid value may lie one
// pixel left of or below its grid line.
int RpmGridCount(const TAdvanceChart& chart);
int AdvanceGridCount(const TAdvanceChart& chart);
int RpmGridX(const TAdvanceChart& chart, int thousands);
int AdvanceGridY(const TAdvanceChart& chart, int fives);

// How far the grid lines reach beyond the axes, as tick marks.
constexpr int TickLength = 3;

// An axis label and the top-left corner of its text.
struct TChartLabel {
    int X = 0;
    int Y = 0;
    std::string Text;
};

// "0k", "1k", ... under the grid lines; every second one only on wide axes.
std::vector<TChartLabel> RpmLabels(const TAdvanceChart& chart);
// "0", "5", ... left of the grid lines; every second one only on tall axes.
std::vector<TChartLabel> AdvanceLabels(const TAdvanceChart& chart);
