#include "chart/pixel_rules.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

TEST(PixelRules, SpansAndLinesRunFromTheirStartAndLeaveOutTheirEnd)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coordinate(-40, 40);
    for (int round = 0; round < 2000; ++round) {
        const int x1 = coordinate(random), y1 = coordinate(random);
        const int x2 = coordinate(random), y2 = coordinate(random);
        const TSpan span = CoveredSpan(x1, x2);
        ASSERT_EQ(span.Length(), std::abs(x2 - x1));
        ASSERT_TRUE(x1 == x2 ||
                    ((x1 == span.First || x1 == span.Last) && (x2 < span.First || x2 > span.Last)));

        const std::vector<TChartPixel> line = LinePixels(x1, y1, x2, y2);
        const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        ASSERT_EQ(static_cast<int>(line.size()), steps);
        for (int k = 0; k < steps; ++k) {
            // Within half a pixel of the ideal line, one step at a time.
            ASSERT_LE(std::abs(line[k].X - x1 - k * (x2 - x1) / double(steps)), 0.5 + 1e-9);
            ASSERT_LE(std::abs(line[k].Y - y1 - k * (y2 - y1) / double(steps)), 0.5 + 1e-9);
            const TChartPixel next = k + 1 < steps ? line[k + 1] : TChartPixel{x2, y2};
            ASSERT_EQ(std::max(std::abs(next.X - line[k].X), std::abs(next.Y - line[k].Y)), 1);
        }
    }
}

} // namespace
