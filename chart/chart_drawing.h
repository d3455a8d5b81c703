#pragma once

#include "chart/advance_chart.h"
#include "params/param_image.h"

#include <cstdint>
#include <string>
#include <vector>

// The chart as a list of drawing primitives in painting order, so that the
// picture can be checked without a display and the painter stays a loop.

struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    bool operator==(const TRgb& other) const
    {
        return R == other.R && G == other.G && B == other.B;
    }
    bool operator!=(const TRgb& other) const { return !(*this == other); }
};

namespace ChartColour {
constexpr TRgb Plot{255, 251, 240};
constexpr TRgb LimiterZone{192, 192, 192};
constexpr TRgb Grid{128, 128, 128};
constexpr TRgb Axis{0, 0, 0};
constexpr TRgb Text{0, 0, 0};
constexpr TRgb Curve{255, 0, 0}; // also the point outline and the hover frame
constexpr TRgb PointFill{255, 255, 0};
constexpr TRgb Held{0, 0, 255};
constexpr TRgb EngineSpeed{0, 255, 0};
constexpr TRgb StaleEngineSpeed{160, 160, 160}; // the last speed of a silent unit
} // namespace ChartColour

// What a primitive belongs to, in painting order.
enum class TChartLayer {
    Background,
    Plot,
    LimiterZone,
    RpmGrid,
    AdvanceGrid,
    RpmLabels,
    AdvanceLabels,
    Axes,
    Curve,
    Points,
    LimiterLine,
    EngineSpeed,
};

// Pixel rules, as the chart was first drawn:
// Rect, RoundRect: outlined with Pen and filled with Brush, from corner 1 up
//   to, not including, the row and column of corner 2; a RoundRect loses its
//   four corner pixels.
// Line: Pen, one pixel wide, from point 1 up to, not including, point 2.
// Text: Pen on an opaque Brush background, its top-left corner at point 1.
enum class TPrimitiveKind { Rect, RoundRect, Line, Text };

struct TChartPrimitive {
    TPrimitiveKind Kind = TPrimitiveKind::Line;
    TChartLayer Layer = TChartLayer::Background;
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
    TRgb Pen;
    TRgb Brush;
    std::string Text;
};

// The whole chart on the current geometry. engineSpeed 0 draws no speed line;
// a stale speed, the last one of a unit that went silent, is drawn grey.
std::vector<TChartPrimitive> ChartPrimitives(const TAdvanceChart& chart, const TParamImage& image,
                                             int engineSpeed, TRgb background,
                                             bool speedStale = false);
