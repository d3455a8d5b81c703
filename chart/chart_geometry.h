#pragma once

#include "chart/advance_chart.h"
#include "params/param_image.h"

// A value pair of the chart: engine speed in rpm, advance in degrees.
struct TChartValue {
    int Rpm = 0;
    int Advance = 0;
};

struct TChartPixel {
    int X = 0;
    int Y = 0;
    bool operator==(const TChartPixel& other) const { return X == other.X && Y == other.Y; }
};

// The curve points drawn and hit: the image's count limited to 1..15, since a
// hand-edited parameter file can bring any byte.
int ChartPointCount(const TParamImage& image);

// Axis maxima: room of at least 900 rpm beyond the last point and the limiter,
// and of at least 2 degrees above the highest advance.
int AxisMaxRpmFor(const TParamImage& image);
int AxisMaxAdvanceFor(const TParamImage& image);

// Sets the area, origin, plot size, axis maxima and scales for a picture of
// that size.
void ChartRecalcGeometry(TAdvanceChart& chart, const TParamImage& image, int width, int height);

// Value to pixel: truncated, with the stored single-precision scale used in
// double arithmetic, so that every drawing and hit test agrees to the pixel.
int ChartX(const TAdvanceChart& chart, double rpm);
int ChartY(const TAdvanceChart& chart, double advance);
TChartPixel ChartMap(const TAdvanceChart& chart, TChartValue value);

// The value pair of a chart point: BasePoint (0 rpm, base advance), a curve
// point, or the point count itself for the curve's flat end at the axis
// maximum.
TChartValue PointValue(const TAdvanceChart& chart, const TParamImage& image, int point);

// The rev limiter's engine speed in rpm.
int LimiterRpm(const TParamImage& image);
