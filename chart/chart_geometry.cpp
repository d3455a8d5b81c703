#include "chart/chart_geometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int RpmPerByte = 100;
constexpr int RpmRoom = 900;
constexpr int RpmStep = 2500;
constexpr int AdvanceRoom = 2;
constexpr int AdvanceStep = 5;

// The smallest multiple of step that is at least value (value >= 0).
int RoundUpTo(int value, int step)
{
    return (value + step - 1) / step * step;
}
} // namespace

int ChartPointCount(const TParamImage& image)
{
    return std::clamp<int>(image[ImageByte::PointCount], 1, CurvePoints);
}

int LimiterRpm(const TParamImage& image)
{
    return image[ImageByte::Limiter] * RpmPerByte;
}

int AxisMaxRpmFor(const TParamImage& image)
{
    const int last = image.Speed(ChartPointCount(image) - 1) * RpmPerByte;
    return RoundUpTo(std::max(last, LimiterRpm(image)) + RpmRoom, RpmStep);
}

int AxisMaxAdvanceFor(const TParamImage& image)
{
    int highest = image[ImageByte::BaseAdvance];
    for (int i = 0; i < ChartPointCount(image); ++i)
        highest = std::max<int>(highest, image.Advance(i));
    return RoundUpTo(highest + AdvanceRoom, AdvanceStep);
}

void ChartRecalcGeometry(TAdvanceChart& chart, const TParamImage& image, int width, int height)
{
    chart.AreaLeft = 0;
    chart.AreaTop = 0;
    chart.AreaWidth = width;
    chart.AreaHeight = height;
    chart.AxisMaxRpm = AxisMaxRpmFor(image);
    chart.AxisMaxAdvance = AxisMaxAdvanceFor(image);
    chart.OriginX = chart.AreaLeft + chart.MarginLeft;
    chart.OriginY = chart.AreaHeight - chart.MarginBottom;
    chart.PlotWidth = chart.AreaWidth - chart.AreaLeft - chart.MarginLeft - chart.MarginRight;
    chart.PlotHeight = chart.AreaHeight - chart.AreaTop - chart.MarginTop - chart.MarginBottom;
    chart.ScaleX = static_cast<float>(static_cast<double>(chart.PlotWidth) / chart.AxisMaxRpm);
    chart.ScaleY = static_cast<float>(static_cast<double>(chart.PlotHeight) / chart.AxisMaxAdvance);
}

int ChartX(const TAdvanceChart& chart, double rpm)
{
    return static_cast<int>(std::trunc(chart.OriginX + rpm * static_cast<double>(chart.ScaleX)));
}

int ChartY(const TAdvanceChart& chart, double advance)
{
    return static_cast<int>(
        std::trunc(chart.OriginY - advance * static_cast<double>(chart.ScaleY)));
}

TChartPixel ChartMap(const TAdvanceChart& chart, TChartValue value)
{
    return {ChartX(chart, value.Rpm), ChartY(chart, value.Advance)};
}

TChartValue PointValue(const TAdvanceChart& chart, const TParamImage& image, int point)
{
    if (point == BasePoint)
        return {0, image[ImageByte::BaseAdvance]};
    const int count = ChartPointCount(image);
    if (point >= count)
        return {chart.AxisMaxRpm, image.Advance(count - 1)};
    return {image.Speed(point) * RpmPerByte, image.Advance(point)};
}
