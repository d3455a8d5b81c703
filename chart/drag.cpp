#include "chart/drag.h"

#include "params/binding.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
constexpr int RpmStep = 100;
constexpr int MaxRpmSteps = 255;
constexpr int MaxAdvance = 60;

// NaN, which a zero scale could give, counts as the low end.
int ClampToInt(double value, int low, int high)
{
    if (!(value >= low))
        return low;
    if (value > high)
        return high;
    return static_cast<int>(value);
}

const TSpinBinding& ScalarBindingOf(int byte)
{
    for (const TSpinBinding& binding : ScalarBindings())
        if (binding.Byte == byte)
            return binding;
    throw std::logic_error("no control holds image byte " + std::to_string(byte));
}

// A dragged value is limited as a typed one would be, so the image never
// holds more than its control shows, or sends to the unit.
void Store(TParamImage& image, const TSpinBinding& binding, int value)
{
    image[binding.Byte] = StoredValue(binding, std::clamp(value, binding.Min, binding.Max));
}
} // namespace

TChartValue DraggedValue(const TAdvanceChart& chart, int x, int y)
{
    const double dx = x - chart.OriginX - chart.DragOffsetX + 0.5;
    const double dy = y - chart.OriginY - chart.DragOffsetY + 0.5;
    const double steps = std::floor(dx / static_cast<double>(chart.ScaleX) / RpmStep + 0.5);
    // Halves round toward the lower advance, that is downward on the screen.
    const double advance = -std::floor(dy / static_cast<double>(chart.ScaleY) + 0.5);
    return {ClampToInt(steps, 0, MaxRpmSteps) * RpmStep, ClampToInt(advance, 0, MaxAdvance)};
}

void StoreDraggedValue(TParamImage& image, int point, TChartValue value)
{
    if (point == BasePoint) {
        Store(image, ScalarBindingOf(ImageByte::BaseAdvance), value.Advance);
    } else if (point == LimiterLine) {
        Store(image, ScalarBindingOf(ImageByte::Limiter), value.Rpm);
    } else if (point >= 0 && point < CurvePoints) {
        Store(image, CurveSpeedBinding(point), value.Rpm);
        Store(image, CurveAdvanceBinding(point), value.Advance);
    }
}

void NormaliseDragged(TParamImage& image, int point)
{
    image.ChangedPoint = point;
    image.Normalise();
    image.ChangedPoint = SeveralPoints;
}
