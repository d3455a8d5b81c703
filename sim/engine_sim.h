#pragma once

#include "params/param_image.h"
#include "sim/sim_random.h"

#include <cstdint>

// What the unit would fire at a given engine speed.
struct TAdvanceReading {
    int Degrees = 0;
    bool Basic = false; // below the first curve point (or standing): the base advance
};

// Linear interpolation between the points in use (image byte 51), rounded
// to whole degrees (halves up), flat beyond the last point, the base
// advance (byte 52) below the first one.
TAdvanceReading AdvanceForSpeed(const TParamImage& image, int rpm);

// The largest advance among the curve points in use.
int MaxCurveAdvance(const TParamImage& image);

// Points in use, kept within 1..15 whatever the unit was sent.
int PointsInUse(const TParamImage& image);

// Engine speed in rpm of the rev limiter, image byte 54 (at least 1000 rpm).
int LimiterRpm(const TParamImage& image);

// The simulated engine on the unit's inputs. It idles, revs up through the
// curve into the limiter and back down, over and over; now and then the
// rider hits the kill switch and restarts it, and rarely holds it on the
// start limiter. Driven only by Step, so a seed gives one exact run.
class TSimEngine {
public:
    enum class EPhase {
        Idle,
        RevUp,
        Limiter,
        RevDown,
        Killed,      // kill switch on, engine running down and standing
        Cranking,    // starter turning, then the engine catches
        StartLimiter // held against the start limiter
    };

    explicit TSimEngine(std::uint64_t seed);

    // Advances the engine by `milliseconds`, reading the limiters from the
    // unit's stored parameters as they are now.
    void Step(int milliseconds, const TParamImage& image);

    int Rpm() const { return Speed; }
    int Millivolts() const { return Voltage; }
    EPhase Phase() const { return Current; }
    bool KillSwitch() const { return Current == EPhase::Killed; }
    bool LimiterCut() const { return Cut && Current == EPhase::Limiter; }
    bool StartLimiterCut() const { return Cut && Current == EPhase::StartLimiter; }
    // The pick-up polarity that a self-search finds: 0 positive, 1 negative.
    int WiredPolarity() const { return Polarity; }

    static constexpr int IdleRpm = 950;
    static constexpr int CrankingRpm = 250;
    static constexpr int NominalMillivolts = 13800;
    // How far the limiter lets the speed fall before it fires again.
    static constexpr int LimiterHysteresis = 150;

private:
    void Tick(int ms, const TParamImage& image);
    void Enter(EPhase phase, int durationMs);
    void ChooseAfterIdle(const TParamImage& image);
    void Bounce(int ms, int ceiling);
    int IdleTarget(const TParamImage& image) const;
    void UpdateVoltage(int ms);

    TSimRandom Random;
    int PendingMs = 0;    // time not yet integrated (less than one slice)
    EPhase Current = EPhase::Idle;
    int PhaseLeftMs = 0;  // for phases that last a set time
    int Speed = IdleRpm;
    int Wobble = 0;       // idle unevenness
    int WobbleLeftMs = 0;
    bool Cut = false;     // a limiter has cut the ignition
    int Voltage = NominalMillivolts;
    int Ripple = 0;
    int RippleLeftMs = 0;
    int DipLeftMs = 0;
    int Polarity = 1;
};
