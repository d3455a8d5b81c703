#include "chart/pixel_rules.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Rounds numerator / denominator to the nearest integer, halves away from
// zero, for a positive denominator.
int RoundedQuotient(long long numerator, long long denominator)
{
    const long long half = denominator / 2;
    const long long q =
        numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
    return static_cast<int>(q);
}
} // namespace

TSpan CoveredSpan(int from, int to)
{
    if (from <= to)
        return {from, to - 1};
    return {to + 1, from};
}

std::vector<TChartPixel> LinePixels(int x1, int y1, int x2, int y2)
{
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    std::vector<TChartPixel> pixels;
    pixels.reserve(static_cast<std::size_t>(steps));
    for (long long k = 0; k < steps; ++k)
        pixels.push_back(
            {x1 + RoundedQuotient(k * dx, steps), y1 + RoundedQuotient(k * dy, steps)});
    return pixels;
}
