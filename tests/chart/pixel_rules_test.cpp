#include "chart/pixel_rules.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

TEST(PixelRules, SpanRunsFromTheFirstCoordinateAndStopsBeforeTheSecond)
{
    for (int from = -3; from <= 3; ++from) {
        for (int to = -3; to <= 3; ++to) {
            const TSpan span = CoveredSpan(from, to);
            EXPECT_EQ(span.Length(), std::abs(to - from));
            if (from == to)
                continue;
            EXPECT_TRUE(from == span.First || from == span.Last);
            EXPECT_TRUE(to < span.First || to > span.Last);
        }
    }
}

TEST(PixelRules, LineIsAConnectedRunFromItsStartThatLeavesOutItsEnd)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coordinate(-40, 40);
    for (int round = 0; round < 2000; ++round) {
        const int x1 = coordinate(random), y1 = coordinate(random);
        const int x2 = coordinate(random), y2 = coordinate(random);
        const std::vector<TChartPixel> pixels = LinePixels(x1, y1, x2, y2);
        ASSERT_EQ(static_cast<int>(pixels.size()), std::max(std::abs(x2 - x1), std::abs(y2 - y1)));
        if (pixels.empty())
            continue;
        EXPECT_EQ(pixels.front(), (TChartPixel{x1, y1}));
        // One step short of the end, which the next line drawn from there covers.
        const TChartPixel last = pixels.back();
        EXPECT_LE(std::abs(x2 - last.X), 1);
        EXPECT_LE(std::abs(y2 - last.Y), 1);
        for (std::size_t k = 1; k < pixels.size(); ++k) {
            ASSERT_LE(std::abs(pixels[k].X - pixels[k - 1].X), 1);
            ASSERT_LE(std::abs(pixels[k].Y - pixels[k - 1].Y), 1);
            ASSERT_FALSE(pixels[k] == pixels[k - 1]);
        }
        // Each pixel within half a pixel of the ideal line.
        const double steps = static_cast<double>(pixels.size());
        for (std::size_t k = 0; k < pixels.size(); ++k) {
            const double part = static_cast<double>(k) / steps;
            ASSERT_LE(std::abs(pixels[k].X - (x1 + part * (x2 - x1))), 0.5 + 1e-9);
            ASSERT_LE(std::abs(pixels[k].Y - (y1 + part * (y2 - y1))), 0.5 + 1e-9);
        }
    }
}

TEST(PixelRules, StraightLinesAreTheirSpan)
{
    const std::vector<TChartPixel> down = LinePixels(5, 2, 5, 9);
    const TSpan rows = CoveredSpan(2, 9);
    ASSERT_EQ(static_cast<int>(down.size()), rows.Length());
    for (const TChartPixel& pixel : down) {
        EXPECT_EQ(pixel.X, 5);
        EXPECT_GE(pixel.Y, rows.First);
        EXPECT_LE(pixel.Y, rows.Last);
    }
}

} // namespace
