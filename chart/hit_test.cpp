#include "chart/hit_test.h"

#include <cmath>
#include <cstdlib>

namespace {
constexpr int FarAway = 1000;

bool Within(int value, int centre)
{
    return std::abs(value - centre) <= HitReach;
}
} // namespace

TChartHit ChartHitTest(const TAdvanceChart& chart, const TParamImage& image, int x, int y)
{
    TChartHit best;
    int nearest = FarAway;
    // Distances are cut to whole pixels; a tie keeps the lower index.
    for (int i = BasePoint; i < ChartPointCount(image); ++i) {
        const TChartPixel at = ChartMap(chart, PointValue(chart, image, i));
        if (!Within(x, at.X) || !Within(y, at.Y))
            continue;
        const double dx = x - at.X;
        const double dy = y - at.Y;
        const int distance = static_cast<int>(std::sqrt(dx * dx + dy * dy));
        if (distance < nearest) {
            nearest = distance;
            best = {i, at};
        }
    }
    if (best.Point == NoPoint) {
        const int limiterX = ChartX(chart, LimiterRpm(image));
        if (Within(x, limiterX))
            best = {LimiterLine, {limiterX, y}};
    }
    return best;
}
