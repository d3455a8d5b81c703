#include "params/param_image.h"

// Curve bounds: point i may lie between i + 6 and i + 186 (hundreds of rpm);
// a single edited point stops one short of that ceiling.
namespace {
constexpr int FloorOffset = 6;
constexpr int AllPointsCeilingOffset = 186;
constexpr int SinglePointCeilingOffset = 185;
constexpr int RestorePasses = 15;
constexpr std::uint8_t LowestLimiter = 10;
} // namespace

void TParamImage::Normalise()
{
    if (ChangedPoint != LastChangedPoint) {
        ClearPushMemory();
        LastChangedPoint = ChangedPoint;
    }

    if (ChangedPoint >= 0 && ChangedPoint < CurvePoints)
        NormaliseSinglePoint(ChangedPoint);
    else
        NormaliseAllPoints();

    if (Bytes[ImageByte::Limiter] < LowestLimiter)
        Bytes[ImageByte::Limiter] = LowestLimiter;
    if (Bytes[ImageByte::StartLimiter] > Bytes[ImageByte::Limiter])
        Bytes[ImageByte::StartLimiter] = Bytes[ImageByte::Limiter];

    if (Bytes[ImageByte::Variant] == CappedVariant) {
        const std::uint8_t base = Bytes[ImageByte::BaseAdvance];
        for (int i = 0; i < CurvePoints; ++i)
            if (Advance(i) > base)
                Advance(i) = base;
    }
}

void TParamImage::NormaliseSinglePoint(int k)
{
    if (Speed(k) < k + FloorOffset)
        Speed(k) = static_cast<std::uint8_t>(k + FloorOffset);
    // The ceiling comes before the downward push: a point lowered to its
    // ceiling after the push could land on its lower neighbour.
    if (Speed(k) > k + SinglePointCeilingOffset)
        Speed(k) = static_cast<std::uint8_t>(k + SinglePointCeilingOffset);

    // Push lower neighbours down, remembering where each one started.
    for (int j = k - 1; j >= 0 && Speed(j) >= Speed(j + 1); --j) {
        if (!PointPushed[j])
            PointHome[j] = Speed(j);
        PointPushed[j] = true;
        Speed(j) = static_cast<std::uint8_t>(Speed(j + 1) - 1);
    }

    for (int j = k + 1; j < CurvePoints && Speed(j) <= Speed(j - 1); ++j) {
        if (!PointPushed[j])
            PointHome[j] = Speed(j);
        PointPushed[j] = true;
        Speed(j) = static_cast<std::uint8_t>(Speed(j - 1) + 1);
    }

    RestorePushedPoints();
}

// Pushed neighbours follow the edited point back towards their home speeds.
void TParamImage::RestorePushedPoints()
{
    for (int pass = 0; pass < RestorePasses; ++pass) {
        for (int j = 0; j < CurvePoints; ++j) {
            if (!PointPushed[j])
                continue;
            const int home = PointHome[j];
            int speed = Speed(j);
            // Neighbour bounds wrap as the unit's byte arithmetic does.
            if (speed < home) {
                speed = home;
                if (j < CurvePoints - 1) {
                    const std::uint8_t below = static_cast<std::uint8_t>(Speed(j + 1) - 1);
                    if (speed > below)
                        speed = below;
                }
            }
            if (speed > home) {
                speed = home;
                if (j > 0) {
                    const std::uint8_t above = static_cast<std::uint8_t>(Speed(j - 1) + 1);
                    if (speed < above)
                        speed = above;
                }
            }
            Speed(j) = static_cast<std::uint8_t>(speed);
            if (Speed(j) == home)
                PointPushed[j] = false;
        }
    }
}

void TParamImage::NormaliseAllPoints()
{
    for (int i = 0; i < CurvePoints; ++i) {
        if (Speed(i) < i + FloorOffset)
            Speed(i) = static_cast<std::uint8_t>(i + FloorOffset);
        if (Speed(i) > i + AllPointsCeilingOffset)
            Speed(i) = static_cast<std::uint8_t>(i + AllPointsCeilingOffset);
    }
    for (int i = 1; i < CurvePoints; ++i)
        if (Speed(i) <= Speed(i - 1))
            Speed(i) = static_cast<std::uint8_t>(Speed(i - 1) + 1);
}
