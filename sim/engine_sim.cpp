#include "sim/engine_sim.h"

#include <algorithm>

namespace {

// The engine is integrated in fixed slices so that the run depends on the
// seed and the total time only, not on how the caller cuts its steps.
constexpr int SliceMs = 5;

constexpr int RevUpRpmPerSecond = 3500;
constexpr int RevDownRpmPerSecond = 4000;
constexpr int CutRpmPerSecond = 4000;
constexpr int RunDownRpmPerSecond = 3000;
constexpr int CatchRpmPerSecond = 2000;

constexpr int LimiterHoldMs = 1500;
constexpr int StartLimiterHoldMs = 3000;
constexpr int KilledMs = 2500;
constexpr int StarterMs = 600;

constexpr int StarterMillivolts = 10600;
constexpr int DipMillivolts = 12100;
constexpr int ChargingBoostMillivolts = 200;

int PerSlice(int rpmPerSecond, int ms) { return rpmPerSecond * ms / 1000; }

// num / den rounded to the nearest whole number, halves upwards; num >= 0, den > 0.
int RoundedDiv(int num, int den) { return (2 * num + den) / (2 * den); }

} // namespace

int PointsInUse(const TParamImage& image)
{
    return std::clamp(static_cast<int>(image[ImageByte::PointCount]), 1, CurvePoints);
}

int LimiterRpm(const TParamImage& image)
{
    return std::max(10, static_cast<int>(image[ImageByte::Limiter])) * 100;
}

TAdvanceReading AdvanceForSpeed(const TParamImage& image, int rpm)
{
    const int n = PointsInUse(image);
    auto speedOf = [&](int i) { return image[ImageByte::CurveSpeed + i] * 100; };
    auto advanceOf = [&](int i) { return static_cast<int>(image[ImageByte::CurveAdvance + i]); };

    if (rpm <= 0 || rpm < speedOf(0))
        return {image[ImageByte::BaseAdvance], true};
    // Invariant: rpm >= speedOf(i), so a curve that is out of order cannot
    // produce a division by zero or a negative span.
    for (int i = 0; i + 1 < n; ++i) {
        const int lo = speedOf(i);
        const int hi = speedOf(i + 1);
        if (rpm < hi) {
            // The exact value lies between two advances of 0 or more, so the
            // numerator is never negative and one rounding rule serves.
            const int span = hi - lo;
            const int exact = advanceOf(i) * span + (advanceOf(i + 1) - advanceOf(i)) * (rpm - lo);
            return {RoundedDiv(exact, span), false};
        }
    }
    return {advanceOf(n - 1), false};
}

int MaxCurveAdvance(const TParamImage& image)
{
    int most = 0;
    for (int i = 0; i < PointsInUse(image); ++i)
        most = std::max(most, static_cast<int>(image[ImageByte::CurveAdvance + i]));
    return most;
}

TSimEngine::TSimEngine(std::uint64_t seed) : Random(seed)
{
    Polarity = Random.Between(0, 1);
    Enter(EPhase::Idle, Random.Between(2000, 4000));
}

void TSimEngine::Step(int milliseconds, const TParamImage& image)
{
    PendingMs += std::max(0, milliseconds);
    while (PendingMs >= SliceMs) {
        Tick(SliceMs, image);
        PendingMs -= SliceMs;
    }
}

void TSimEngine::Enter(EPhase phase, int durationMs)
{
    Current = phase;
    PhaseLeftMs = durationMs;
}

int TSimEngine::IdleTarget(const TParamImage& image) const
{
    return std::min(IdleRpm, LimiterRpm(image) - 200);
}

void TSimEngine::ChooseAfterIdle(const TParamImage& image)
{
    const int startLimit = std::min(static_cast<int>(image[ImageByte::StartLimiter]) * 100,
                                    LimiterRpm(image));
    if (Random.OneIn(5)) {
        Enter(EPhase::Killed, KilledMs);
    } else if (Random.OneIn(6) && startLimit > IdleTarget(image) + 500) {
        Cut = false;
        Enter(EPhase::StartLimiter, StartLimiterHoldMs);
    } else {
        Enter(EPhase::RevUp, 0);
    }
}

// The limiter's saw-tooth: cut the ignition at the ceiling, let the engine
// fall by the hysteresis, fire again.
void TSimEngine::Bounce(int ms, int ceiling)
{
    if (Cut) {
        Speed -= PerSlice(CutRpmPerSecond, ms);
        if (Speed <= ceiling - LimiterHysteresis)
            Cut = false;
    } else {
        Speed += PerSlice(RevUpRpmPerSecond, ms);
        if (Speed >= ceiling)
            Cut = true;
    }
}

void TSimEngine::UpdateVoltage(int ms)
{
    RippleLeftMs -= ms;
    if (RippleLeftMs <= 0) {
        Ripple = Random.Between(-60, 60);
        RippleLeftMs = 100;
        if (DipLeftMs <= 0 && Random.OneIn(120))
            DipLeftMs = Random.Between(200, 500);
    }
    if (Current == EPhase::Cranking && PhaseLeftMs > 0) {
        Voltage = StarterMillivolts + Ripple;
    } else if (DipLeftMs > 0) {
        Voltage = DipMillivolts + Ripple;
        DipLeftMs -= ms;
    } else {
        Voltage = NominalMillivolts + Ripple + (Speed > 3000 ? ChargingBoostMillivolts : 0);
    }
}

void TSimEngine::Tick(int ms, const TParamImage& image)
{
    UpdateVoltage(ms);
    const int limiter = LimiterRpm(image);
    const int idle = IdleTarget(image);

    switch (Current) {
    case EPhase::Idle:
        WobbleLeftMs -= ms;
        if (WobbleLeftMs <= 0) {
            Wobble = Random.Between(-30, 30);
            WobbleLeftMs = 100;
        }
        Speed = idle + Wobble;
        PhaseLeftMs -= ms;
        if (PhaseLeftMs <= 0)
            ChooseAfterIdle(image);
        break;
    case EPhase::RevUp:
        Speed += PerSlice(RevUpRpmPerSecond, ms);
        if (Speed >= limiter) {
            Speed = limiter;
            Cut = true;
            Enter(EPhase::Limiter, LimiterHoldMs);
        }
        break;
    case EPhase::Limiter:
        Bounce(ms, limiter);
        PhaseLeftMs -= ms;
        if (PhaseLeftMs <= 0) {
            Cut = false;
            Enter(EPhase::RevDown, 0);
        }
        break;
    case EPhase::StartLimiter: {
        const int ceiling = std::min(static_cast<int>(image[ImageByte::StartLimiter]) * 100, limiter);
        Bounce(ms, ceiling);
        PhaseLeftMs -= ms;
        if (PhaseLeftMs <= 0) {
            Cut = false;
            Enter(EPhase::RevDown, 0);
        }
        break;
    }
    case EPhase::RevDown:
        Speed -= PerSlice(RevDownRpmPerSecond, ms);
        if (Speed <= idle) {
            Speed = idle;
            Enter(EPhase::Idle, Random.Between(2000, 4000));
        }
        break;
    case EPhase::Killed:
        Speed = std::max(0, Speed - PerSlice(RunDownRpmPerSecond, ms));
        PhaseLeftMs -= ms;
        if (PhaseLeftMs <= 0) {
            Speed = CrankingRpm;
            Enter(EPhase::Cranking, StarterMs);
        }
        break;
    case EPhase::Cranking:
        if (PhaseLeftMs > 0) {
            Speed = CrankingRpm;
            PhaseLeftMs -= ms;
        } else {
            Speed += PerSlice(CatchRpmPerSecond, ms);
            if (Speed >= idle) {
                Speed = idle;
                Enter(EPhase::Idle, Random.Between(2000, 4000));
            }
        }
        break;
    }
}
