#pragma once

#include "chart/chart_geometry.h"
#include "chart/chart_mouse.h"
#include "params/param_image.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

// The size of the window's chart picture.
constexpr int DesignWidth = 333;
constexpr int DesignHeight = 103;

inline TParamImage DefaultImage(int points = 12)
{
    TParamImage image;
    image.SetDefaults();
    image[ImageByte::PointCount] = static_cast<std::uint8_t>(points);
    return image;
}

inline TAdvanceChart ChartFor(const TParamImage& image, int width = DesignWidth,
                              int height = DesignHeight)
{
    TAdvanceChart chart;
    ChartRecalcGeometry(chart, image, width, height);
    return chart;
}

// Left alone by either normalisation: distinct speeds within every point's
// bounds; any advances, base advance and limiter.
inline TParamImage RandomImage(std::mt19937& random)
{
    std::vector<int> speeds(194);
    std::iota(speeds.begin(), speeds.end(), 6);
    std::shuffle(speeds.begin(), speeds.end(), random);
    std::sort(speeds.begin(), speeds.begin() + CurvePoints);
    const auto pick = [&](int low, int high) {
        return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(low, high)(random));
    };
    TParamImage image = DefaultImage(pick(1, CurvePoints));
    image[ImageByte::BaseAdvance] = pick(0, 40);
    image[ImageByte::Limiter] = pick(10, 250);
    image[ImageByte::StartLimiter] = pick(9, image[ImageByte::Limiter]);
    for (int i = 0; i < CurvePoints; ++i) {
        image.Speed(i) = static_cast<std::uint8_t>(speeds[i]);
        image.Advance(i) = pick(0, 60);
    }
    return image;
}

// Points so far apart that no frame or box touches another point.
inline TParamImage SpacedImage(int points)
{
    TParamImage image = DefaultImage(points);
    image[ImageByte::BaseAdvance] = 5;
    image[ImageByte::Limiter] = 120;
    for (int i = 0; i < CurvePoints; ++i) {
        image.Speed(i) = static_cast<std::uint8_t>(10 + 12 * i);
        image.Advance(i) = static_cast<std::uint8_t>(i % 2 ? 35 : 20);
    }
    return image;
}

// The base point, then the curve points in use.
inline std::vector<int> DrawnPoints(const TParamImage& image)
{
    std::vector<int> points(ChartPointCount(image) + 1);
    std::iota(points.begin(), points.end(), BasePoint);
    return points;
}

// The window's side of the mouse.
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
    // A placement of the pointer brings one more move, at the new place.
    TChartPixel DragTo(int x, int y)
    {
        const TChartAction action = Move(x, y);
        if (action.PlacePointer)
            Move(action.PointerX, action.PointerY);
        return action.PlacePointer ? TChartPixel{action.PointerX, action.PointerY}
                                   : TChartPixel{x, y};
    }
    // The limiter line below the axis, where no point can cover it.
    TChartPixel PixelOf(int point) const
    {
        if (point == LimiterLine)
            return {ChartX(Chart, LimiterRpm(Image)), Chart.OriginY + 8};
        return ChartMap(Chart, PointValue(Chart, Image, point));
    }
};
