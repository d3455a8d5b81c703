#pragma once

#include "chart/advance_chart.h"
#include "chart/chart_geometry.h"
#include "params/param_image.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

// The size of the window's chart picture.
constexpr int DesignWidth = 333;
constexpr int DesignHeight = 103;

inline TParamImage DefaultImage()
{
    TParamImage image;
    image.SetDefaults();
    image.Normalise();
    return image;
}

inline TAdvanceChart ChartFor(const TParamImage& image, int width = DesignWidth,
                              int height = DesignHeight)
{
    TAdvanceChart chart;
    ChartRecalcGeometry(chart, image, width, height);
    return chart;
}

// A valid image that either normalisation leaves alone: 15 distinct speeds
// within every point's bounds, any advances, base advance and limiter.
inline TParamImage RandomImage(std::mt19937& random)
{
    std::vector<int> speeds(194);
    std::iota(speeds.begin(), speeds.end(), 6);
    std::shuffle(speeds.begin(), speeds.end(), random);
    speeds.resize(CurvePoints);
    std::sort(speeds.begin(), speeds.end());

    const auto pick = [&](int low, int high) {
        return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(low, high)(random));
    };
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = pick(1, CurvePoints);
    image[ImageByte::BaseAdvance] = pick(0, 40);
    image[ImageByte::Limiter] = pick(10, 250);
    image[ImageByte::StartLimiter] = pick(9, image[ImageByte::Limiter]);
    for (int i = 0; i < CurvePoints; ++i) {
        image.Speed(i) = static_cast<std::uint8_t>(speeds[i]);
        image.Advance(i) = pick(0, 60);
    }
    return image;
}

// Points far enough apart that none overlaps another's frame.
inline TParamImage SpacedImage(int count)
{
    TParamImage image = DefaultImage();
    image[ImageByte::PointCount] = static_cast<std::uint8_t>(count);
    image[ImageByte::BaseAdvance] = 5;
    image[ImageByte::Limiter] = 120;
    for (int i = 0; i < CurvePoints; ++i) {
        image.Speed(i) = static_cast<std::uint8_t>(10 + 12 * i);
        image.Advance(i) = static_cast<std::uint8_t>(i % 2 == 0 ? 20 : 35);
    }
    return image;
}

// The chart points that are drawn and can be picked up, base point first.
inline std::vector<int> DrawnPoints(const TParamImage& image)
{
    std::vector<int> points;
    for (int i = BasePoint; i < ChartPointCount(image); ++i)
        points.push_back(i);
    return points;
}

#include "chart/chart_mouse.h"

// The window's side of the mouse: events in, the chart's answers out.
struct TChartDriver {
    TParamImage Image;
    TAdvanceChart Chart;

    explicit TChartDriver(const TParamImage& image) : Image(image), Chart(ChartFor(image)) {}

    TChartAction Move(int x, int y) { return Event(TChartMouseKind::Move, x, y); }
    TChartAction Press(int x, int y) { return Event(TChartMouseKind::Press, x, y); }
    TChartAction Release(int x, int y) { return Event(TChartMouseKind::Release, x, y); }
    TChartAction Event(TChartMouseKind kind, int x, int y)
    {
        return ChartMouse(Chart, Image, kind, x, y);
    }

    // A move as the platform delivers it: a pointer placement brings one
    // more move event, at the new place. Returns the pointer's final place.
    TChartPixel DragTo(int x, int y)
    {
        const TChartAction action = Move(x, y);
        if (!action.PlacePointer)
            return {x, y};
        Move(action.PointerX, action.PointerY);
        return {action.PointerX, action.PointerY};
    }

    TChartPixel PixelOf(int point) const
    {
        if (point == LimiterLine)
            return {ChartX(Chart, LimiterRpm(Image)), Chart.OriginY - Chart.PlotHeight / 2};
        return ChartMap(Chart, PointValue(Chart, Image, point));
    }
};
