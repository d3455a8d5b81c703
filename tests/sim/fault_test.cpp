#include "sim_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace simtest;
namespace R = UnitRecordByte;

namespace {

const std::uint8_t AllRequests[] = {0x30, 0x00, 0x01, 0x40, 0x41};

TUnitFaults With(void (*set)(TUnitFaults&))
{
    TUnitFaults faults;
    set(faults);
    return faults;
}

} // namespace

TEST(Faults, SilentNeverAnswers)
{
    TUnitModel unit(With([](TUnitFaults& f) { f.Silent = true; }));
    for (std::uint8_t code : AllRequests) {
        unit.Receive(Request(code, code == 0x01 ? unit.Memory().Block(1) : TBlock{}));
        unit.Step(1000);
        EXPECT_TRUE(unit.TakeOutput().empty()) << int(code);
    }
}

TEST(Faults, OtherVersionInBlock0AndMonitor)
{
    TUnitModel unit(With([](TUnitFaults& f) { f.Version = 71; }));
    EXPECT_EQ(Frames(Exchange(unit, 0x00)).at(0).Data()[ImageByte::ProgramVersion], 71);
    EXPECT_EQ(Frames(Exchange(unit, 0x40)).at(0).Data()[ImageByte::ProgramVersion], 71);
    EXPECT_EQ(Monitor(unit).Bytes[R::Version], 71);

    TUnitModel normal;
    EXPECT_EQ(Monitor(normal).Bytes[R::Version], 72);
}

TEST(Faults, NoReadRefusesReadingEvenWithoutTheLock)
{
    TUnitModel unit(With([](TUnitFaults& f) { f.NoRead = true; }));
    EXPECT_EQ(Frames(Exchange(unit, 0x40)).at(0).Data()[ImageByte::ReadAllowed], 0);
    TParamImage pc = unit.Memory();
    pc[ImageByte::ReadLock] = 0;
    Program(unit, pc.Block(1));
    EXPECT_EQ(Frames(Exchange(unit, 0x40)).at(0).Data()[ImageByte::ReadAllowed], 0);
    EXPECT_EQ(Frames(Exchange(unit, 0x00)).at(0).Data()[ImageByte::ReadAllowed], 0);
}

TEST(Faults, BadEchoAltersOneByteOfTheProgrammingAnswerOnly)
{
    TUnitModel unit(With([](TUnitFaults& f) { f.BadEcho = true; }));
    TParamImage pc = unit.Memory();
    pc[ImageByte::Limiter] = 100;
    const TBlock sent = pc.Block(1);

    const TLinkFrame echo = Program(unit, sent);
    ASSERT_EQ(echo.Code(), 0x81);
    EXPECT_TRUE(echo.Intact()) << "the check byte matches the altered data";
    int differing = 0;
    for (int i = 0; i < BlockSize; ++i)
        differing += echo.Data()[i] != sent[i];
    EXPECT_EQ(differing, 1);
    EXPECT_NE(BadEchoBlockOffset, ImageByte::ReadLock - BlockSize)
        << "verify skips the read lock, so the fault would go unseen there";

    EXPECT_EQ(unit.Memory().Block(1), sent) << "the unit stores what it was sent";
    EXPECT_EQ(Frames(Exchange(unit, 0x41)).at(0).Data(), sent) << "reads are right";
}

TEST(Faults, StrayBytesBeforeEveryAnswer)
{
    TUnitModel unit(With([](TUnitFaults& f) { f.Stray = true; }));
    for (std::uint8_t code : AllRequests) {
        const auto out = Exchange(unit, code, code == 0x01 ? unit.Memory().Block(1) : TBlock{});
        ASSERT_GT(out.size(), static_cast<std::size_t>(FrameSize)) << int(code);
        ASSERT_LE(out.size(), static_cast<std::size_t>(FrameSize) + 3) << int(code);
        const std::vector<std::uint8_t> tail(out.end() - FrameSize, out.end());
        const TLinkFrame answer = Frames(tail).at(0);
        EXPECT_TRUE(answer.Intact()) << int(code);
        EXPECT_EQ(answer.Code(), code ^ 0x80);
    }
}

// About the share asked for of the answers come behind stray bytes, and the
// same seed spoils the same answers.
TEST(Faults, StrayBytesBeforeSomeAnswersRepeatably)
{
    const auto spoiled = [](int percent, std::uint64_t seed) {
        TUnitFaults faults;
        faults.StrayPercent = percent;
        TUnitModel unit(faults, seed);
        std::vector<bool> which;
        for (int i = 0; i < 1000; ++i)
            which.push_back(Exchange(unit, 0x30).size() > static_cast<std::size_t>(FrameSize));
        return which;
    };
    const auto count = [](const std::vector<bool>& which) {
        return std::count(which.begin(), which.end(), true);
    };
    EXPECT_EQ(count(spoiled(0, 1)), 0);
    EXPECT_EQ(count(spoiled(100, 1)), 1000);
    const auto some = spoiled(25, 7);
    EXPECT_NEAR(count(some), 250, 60);
    EXPECT_EQ(spoiled(25, 7), some);
    EXPECT_NE(spoiled(25, 8), some);
}

TEST(Faults, SlowAnswersComeOnlyAfterTheirDelay)
{
    TUnitModel unit(With([](TUnitFaults& f) { f.SlowMs = 200; }));
    unit.Receive(Request(0x40));
    EXPECT_TRUE(unit.TakeOutput().empty());
    EXPECT_EQ(unit.MsUntilNextAnswer(), 200);
    unit.Step(120);
    unit.Receive(Request(0x30)); // due 200 ms from now, i.e. at 320
    unit.Step(79);
    EXPECT_TRUE(unit.TakeOutput().empty());
    unit.Step(1);
    auto frames = Frames(unit.TakeOutput());
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].Code(), 0xC0);

    EXPECT_EQ(unit.MsUntilNextAnswer(), 120);
    unit.Step(119);
    EXPECT_TRUE(unit.TakeOutput().empty());
    unit.Step(1);
    frames = Frames(unit.TakeOutput());
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].Code(), 0xB0);
    EXPECT_EQ(unit.MsUntilNextAnswer(), -1);
}

TEST(Faults, SilentAfterKBlockRequestsStopsAnsweringAltogether)
{
    TUnitModel unit(With([](TUnitFaults& f) { f.SilentAfter = 2; }));
    EXPECT_EQ(Frames(Exchange(unit, 0x30)).size(), 1u) << "monitor requests do not count";
    EXPECT_EQ(Frames(Exchange(unit, 0x00)).size(), 1u);
    EXPECT_EQ(Frames(Exchange(unit, 0x30)).size(), 1u);
    EXPECT_EQ(Frames(Exchange(unit, 0x01, unit.Memory().Block(1))).size(), 1u);

    // The transfer's next step, its retries and the monitor all go unanswered.
    for (std::uint8_t code : {0x41, 0x41, 0x30, 0x40}) {
        unit.Step(220);
        EXPECT_TRUE(Exchange(unit, code).empty()) << int(code);
    }
}

TEST(Faults, DataErrorFlagInTheMonitor)
{
    TUnitModel faulty(With([](TUnitFaults& f) { f.DataError = true; }));
    TUnitModel healthy;
    EXPECT_EQ(Monitor(faulty).Bytes[R::DataError], 1);
    EXPECT_EQ(Monitor(healthy).Bytes[R::DataError], 0);
}
