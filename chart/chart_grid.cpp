#include "chart/chart_grid.h"

#include <cmath>

namespace {
constexpr int RpmGridStep = 1000;
constexpr int AdvanceGridStep = 5;
// From these maxima on, labels would crowd: only every second one is drawn.
constexpr int SparseRpmLabels = 15000;
constexpr int SparseAdvanceLabels = 40;
// Label offsets from their grid line, for a small font.
constexpr int RpmLabelLeft = 7;
constexpr int RpmLabelBelow = 2;
constexpr int AdvanceLabelLeft = 20;
constexpr int AdvanceLabelUp = 4;

int Nearest(double pixels)
{
    return static_cast<int>(std::floor(pixels + 0.5));
}
} // namespace

int RpmGridCount(const TAdvanceChart& chart)
{
    return chart.AxisMaxRpm / RpmGridStep;
}

int AdvanceGridCount(const TAdvanceChart& chart)
{
    return chart.AxisMaxAdvance / AdvanceGridStep;
}

int RpmGridX(const TAdvanceChart& chart, int thousands)
{
    return chart.OriginX + Nearest(thousands * static_cast<double>(chart.ScaleX) * RpmGridStep);
}

int AdvanceGridY(const TAdvanceChart& chart, int fives)
{
    return chart.OriginY - Nearest(fives * static_cast<double>(chart.ScaleY) * AdvanceGridStep);
}

std::vector<TChartLabel> RpmLabels(const TAdvanceChart& chart)
{
    const bool sparse = chart.AxisMaxRpm >= SparseRpmLabels;
    std::vector<TChartLabel> labels;
    for (int i = 0; i <= RpmGridCount(chart); ++i)
        if (!sparse || i % 2 == 0)
            labels.push_back({RpmGridX(chart, i) - RpmLabelLeft, chart.OriginY + RpmLabelBelow,
                              std::to_string(i) + "k"});
    return labels;
}

std::vector<TChartLabel> AdvanceLabels(const TAdvanceChart& chart)
{
    const bool sparse = chart.AxisMaxAdvance >= SparseAdvanceLabels;
    std::vector<TChartLabel> labels;
    for (int i = 0; i <= AdvanceGridCount(chart); ++i)
        if (!sparse || i % 2 == 0)
            labels.push_back({chart.OriginX - AdvanceLabelLeft,
                              AdvanceGridY(chart, i) - AdvanceLabelUp,
                              std::to_string(i * AdvanceGridStep)});
    return labels;
}
