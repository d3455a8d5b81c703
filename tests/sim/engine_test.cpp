#include "sim_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

using namespace simtest;
namespace R = UnitRecordByte;

namespace {

struct TSpeedCase {
    int Rpm;
    int Advance;
    bool Basic;
    friend void PrintTo(const TSpeedCase& c, std::ostream* os) { *os << c.Rpm << " rpm"; }
};

// The default curve: 10/12 18/13 25/16 35/19 40/21 46/21 47/21 55/15 57/12
// 75/18 78/18 90/18, 12 points in use, base advance 13.
const TSpeedCase DefaultCurveCases[] = {
    {0, 13, true},      // standing
    {999, 13, true},    // just below the first point
    {1000, 12, false},  // on the first point
    {1399, 12, false},  // 12.499
    {1400, 13, false},  // 12.5: halves go up
    {2150, 15, false},  // 14.5
    {5000, 19, false},  // falling segment 21 -> 15: 18.75
    {5300, 17, false},  // 16.5 on a falling segment still rounds up
    {5600, 14, false},  // 13.5
    {8000, 18, false},  // flat segment
    {9000, 18, false},  // the last point in use
    {12000, 18, false}, // beyond it: flat, points 13..15 are not in use
};

class DefaultCurve : public ::testing::TestWithParam<TSpeedCase> {};

// Independent of the model's integer arithmetic: plain floating point.
int ReferenceAdvance(const TParamImage& image, int rpm, bool& basic)
{
    const int n = image[ImageByte::PointCount];
    basic = rpm <= 0 || rpm < image[ImageByte::CurveSpeed] * 100;
    if (basic)
        return image[ImageByte::BaseAdvance];
    for (int i = 0; i + 1 < n; ++i) {
        const double lo = image[ImageByte::CurveSpeed + i] * 100.0;
        const double hi = image[ImageByte::CurveSpeed + i + 1] * 100.0;
        if (rpm < hi) {
            const double a0 = image[ImageByte::CurveAdvance + i];
            const double a1 = image[ImageByte::CurveAdvance + i + 1];
            return static_cast<int>(std::floor(a0 + (a1 - a0) * (rpm - lo) / (hi - lo) + 0.5));
        }
    }
    return image[ImageByte::CurveAdvance + n - 1];
}

int ReferenceMax(const TParamImage& image)
{
    int most = 0;
    for (int i = 0; i < image[ImageByte::PointCount]; ++i)
        most = std::max<int>(most, image[ImageByte::CurveAdvance + i]);
    return most;
}

TParamImage CustomCurve()
{
    TUnitModel fresh;
    TParamImage image = fresh.Memory();
    const int speeds[5] = {8, 20, 40, 60, 80};
    const int advances[5] = {5, 25, 35, 20, 30};
    image[ImageByte::PointCount] = 5;
    for (int i = 0; i < 5; ++i) {
        image[ImageByte::CurveSpeed + i] = static_cast<std::uint8_t>(speeds[i]);
        image[ImageByte::CurveAdvance + i] = static_cast<std::uint8_t>(advances[i]);
    }
    image[ImageByte::CurveAdvance + 5] = 60; // not in use: must not count as the maximum
    image[ImageByte::BaseAdvance] = 3;
    image[ImageByte::Limiter] = 70;
    image[ImageByte::StartLimiter] = 40;
    return image;
}

} // namespace

TEST_P(DefaultCurve, AdvanceAtSpeed)
{
    TParamImage image;
    image.SetDefaults();
    const TAdvanceReading reading = AdvanceForSpeed(image, GetParam().Rpm);
    EXPECT_EQ(reading.Degrees, GetParam().Advance);
    EXPECT_EQ(reading.Basic, GetParam().Basic);
}

INSTANTIATE_TEST_SUITE_P(Interpolation, DefaultCurve, ::testing::ValuesIn(DefaultCurveCases),
                         [](const auto& info) { return "Rpm" + std::to_string(info.param.Rpm); });

TEST(Interpolation, OnlyThePointsInUseCount)
{
    const TParamImage image = CustomCurve();
    EXPECT_EQ(AdvanceForSpeed(image, 8000).Degrees, 30);
    EXPECT_EQ(AdvanceForSpeed(image, 9500).Degrees, 30) << "flat beyond point 5, not towards 6";
    EXPECT_EQ(MaxCurveAdvance(image), 35);
    TParamImage defaults;
    defaults.SetDefaults();
    EXPECT_EQ(MaxCurveAdvance(defaults), 21);
}

namespace {

struct TMinuteCase {
    std::string Name;
    bool Custom;
    friend void PrintTo(const TMinuteCase& c, std::ostream* os) { *os << c.Name; }
};

class EngineMinute : public ::testing::TestWithParam<TMinuteCase> {};

} // namespace

TEST_P(EngineMinute, MonitorStaysConsistentWithTheStoredCurve)
{
    TUnitModel unit({}, 11);
    if (GetParam().Custom)
        Program(unit, CustomCurve().Block(1));
    const TParamImage& image = unit.Memory();
    const int limiter = image[ImageByte::Limiter] * 100;
    const int firstPoint = image[ImageByte::CurveSpeed] * 100;
    const int points = image[ImageByte::PointCount];

    bool sawLimiter = false;
    int fastest = 0;
    std::set<int> pointsPassed;
    for (int t = 0; t < 60000; t += 10) {
        unit.Step(10);
        const TLinkFrame m = Monitor(unit);
        ASSERT_TRUE(m.Intact());
        ASSERT_EQ(m.Code(), 0xB0);
        const int rpm = static_cast<int>(Word(m, R::Speed));
        const std::string at = " at " + std::to_string(t) + " ms, " + std::to_string(rpm) + " rpm";

        ASSERT_GE(rpm, 0);
        ASSERT_LE(rpm, limiter + 100) << at;
        fastest = std::max(fastest, rpm);
        if (m.Bytes[R::Limiter]) {
            sawLimiter = true;
            ASSERT_GE(rpm, limiter - 200) << "limiter flag far below the limiter" << at;
        }
        ASSERT_EQ(m.Bytes[R::PickUp] != 0, rpm > 0) << at;

        bool basic = false;
        const int expected = ReferenceAdvance(image, rpm, basic);
        ASSERT_EQ(m.Bytes[R::BasicAdvance] != 0, basic) << at;
        ASSERT_EQ(basic, rpm < firstPoint) << at;
        ASSERT_EQ(static_cast<int>(m.Bytes[R::Advance]) - 100, expected) << at;
        ASSERT_EQ(m.Bytes[R::MaxAdvance], ReferenceMax(image));

        const unsigned mv = Word(m, R::Millivolts);
        ASSERT_GE(mv, 9000u) << at;
        ASSERT_LE(mv, 15000u) << at;
        ASSERT_EQ(m.Bytes[R::PolarityCheck], 1);
        ASSERT_EQ(m.Bytes[R::Version], 72);
        ASSERT_EQ(m.Bytes[R::DataError], 0);

        for (int p = 0; p < points; ++p) {
            const int speed = image[ImageByte::CurveSpeed + p] * 100;
            if (std::abs(rpm - speed) <= 100)
                pointsPassed.insert(p);
        }
    }
    EXPECT_TRUE(sawLimiter);
    EXPECT_GE(fastest, limiter - 50);
    // Revving up from idle passes every curve point below the limiter.
    for (int p = 0; p < points; ++p) {
        const int speed = image[ImageByte::CurveSpeed + p] * 100;
        if (speed > TSimEngine::IdleRpm && speed < limiter - 100) {
            EXPECT_TRUE(pointsPassed.count(p)) << "point " << p + 1 << " never reached";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Curves, EngineMinute,
                         ::testing::Values(TMinuteCase{"Defaults", false},
                                           TMinuteCase{"Reprogrammed", true}),
                         [](const auto& info) { return info.param.Name; });

TEST(Engine, KillSwitchNowAndThenStopsTheEngineUntilReleased)
{
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        TUnitModel unit({}, seed);
        int episodes = 0;
        int killedMs = 0;
        bool wasKilled = false;
        bool stoppedThisEpisode = false;
        int previousRpm = 0;
        for (int t = 0; t < 600000; t += 10) {
            unit.Step(10);
            const TLinkFrame m = Monitor(unit);
            const bool killed = m.Bytes[R::KillSwitch] != 0;
            const int rpm = static_cast<int>(Word(m, R::Speed));
            if (killed) {
                killedMs += 10;
                EXPECT_EQ(m.Bytes[R::Input1], 1) << "the kill switch sits on input 1";
                if (wasKilled) {
                    EXPECT_LE(rpm, previousRpm) << "engine speeds up with the kill switch on";
                } else {
                    ++episodes;
                }
                if (rpm == 0)
                    stoppedThisEpisode = true;
            } else if (wasKilled) {
                EXPECT_TRUE(stoppedThisEpisode) << "released before the engine stood, seed " << seed;
                stoppedThisEpisode = false;
            }
            wasKilled = killed;
            previousRpm = rpm;
        }
        EXPECT_GE(episodes, 1) << "seed " << seed;
        EXPECT_LT(killedMs, 600000 / 5) << "kill switch on most of the time, seed " << seed;
    }
}

TEST(Engine, StartLimiterRarelyAndOnlyAtItsSpeed)
{
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        TUnitModel unit({}, seed);
        const int startLimiter = unit.Memory()[ImageByte::StartLimiter] * 100;
        int flaggedMs = 0;
        for (int t = 0; t < 600000; t += 10) {
            unit.Step(10);
            const TLinkFrame m = Monitor(unit);
            if (m.Bytes[R::StartLimiter]) {
                flaggedMs += 10;
                const int rpm = static_cast<int>(Word(m, R::Speed));
                ASSERT_GE(rpm, startLimiter - 200) << "seed " << seed;
                ASSERT_LE(rpm, startLimiter + 100) << "seed " << seed;
                ASSERT_EQ(m.Bytes[R::Limiter], 0);
            }
        }
        EXPECT_GT(flaggedMs, 0) << "seed " << seed;
        EXPECT_LT(flaggedMs, 600000 / 10) << "seed " << seed;
    }
}

TEST(Engine, VoltageNearNominalWithOccasionalDips)
{
    TUnitModel unit({}, 5);
    int nearNominal = 0;
    int samples = 0;
    bool dipWhileRunning = false;
    for (int t = 0; t < 300000; t += 10) {
        unit.Step(10);
        const unsigned mv = Word(Monitor(unit), R::Millivolts);
        ++samples;
        if (mv >= 13600 && mv <= 14100)
            ++nearNominal;
        if (mv < 12500 && unit.Engine().Phase() != TSimEngine::EPhase::Cranking)
            dipWhileRunning = true;
        ASSERT_GE(mv, 9000u);
        ASSERT_LE(mv, 15000u);
    }
    EXPECT_GT(nearNominal, samples * 8 / 10);
    EXPECT_LT(nearNominal, samples) << "no dip at all";
    EXPECT_TRUE(dipWhileRunning);
}

TEST(Engine, SameSeedSameRunWhateverTheStepSize)
{
    TUnitModel fine({}, 7);
    TUnitModel coarse({}, 7);
    TUnitModel other({}, 8);
    bool differs = false;
    for (int mark = 0; mark < 120; ++mark) {
        for (int i = 0; i < 250; ++i)
            fine.Step(1);
        coarse.Step(250);
        other.Step(250);
        const TLinkFrame a = Monitor(fine);
        const TLinkFrame b = Monitor(coarse);
        ASSERT_EQ(Word(a, R::Speed), Word(b, R::Speed)) << "at mark " << mark;
        ASSERT_EQ(Word(a, R::Millivolts), Word(b, R::Millivolts)) << "at mark " << mark;
        ASSERT_EQ(a.Bytes[R::Limiter], b.Bytes[R::Limiter]);
        if (Word(Monitor(other), R::Speed) != Word(a, R::Speed))
            differs = true;
    }
    EXPECT_TRUE(differs) << "the seed has no effect";
}

TEST(Engine, MeasuredPolarityFollowsTheSetting)
{
    for (std::uint8_t setting : {0, 1}) {
        TUnitModel unit;
        TParamImage pc = unit.Memory();
        pc[ImageByte::Polarity] = setting;
        Program(unit, pc.Block(1));
        unit.Step(500);
        const TLinkFrame m = Monitor(unit);
        EXPECT_EQ(m.Bytes[R::MeasuredPolarity], setting);
        EXPECT_EQ(m.Bytes[R::PolarityCheck], 1);
    }
    // Self-search (the default 2) reports what it found, which depends on
    // the pick-up fitted, i.e. on the seed.
    std::set<int> found;
    for (std::uint64_t seed = 1; seed <= 16; ++seed) {
        TUnitModel unit({}, seed);
        ASSERT_EQ(unit.Memory()[ImageByte::Polarity], 2);
        unit.Step(500);
        const TLinkFrame m = Monitor(unit);
        EXPECT_LE(m.Bytes[R::MeasuredPolarity], 1);
        found.insert(m.Bytes[R::MeasuredPolarity]);
    }
    EXPECT_EQ(found.size(), 2u);
}
