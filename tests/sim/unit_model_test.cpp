#include "sim_test_util.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace simtest;

namespace {

struct TCodeCase {
    std::uint8_t Request;
    std::uint8_t Answer;
    friend void PrintTo(const TCodeCase& c, std::ostream* os)
    {
        *os << "request " << int(c.Request);
    }
};

class EveryRequestCode : public ::testing::TestWithParam<TCodeCase> {};

} // namespace

TEST_P(EveryRequestCode, AnsweredOnceWithTopBitSetAndIntactCheck)
{
    TUnitModel unit;
    // Programming block 1 with what the unit already holds keeps the rest of
    // the suite's assumptions about its memory.
    const TBlock data = GetParam().Request == 0x01 ? unit.Memory().Block(1) : TBlock{};
    const auto out = Exchange(unit, GetParam().Request, data);

    ASSERT_EQ(out.size(), static_cast<std::size_t>(FrameSize));
    const TLinkFrame answer = Frames(out).at(0);
    EXPECT_EQ(answer.Code(), GetParam().Answer);
    EXPECT_EQ(answer.Code(), GetParam().Request ^ 0x80);
    EXPECT_TRUE(answer.Intact());
}

INSTANTIATE_TEST_SUITE_P(RequestCodes, EveryRequestCode,
                         ::testing::Values(TCodeCase{0x30, 0xB0}, TCodeCase{0x00, 0x80},
                                           TCodeCase{0x01, 0x81}, TCodeCase{0x40, 0xC0},
                                           TCodeCase{0x41, 0xC1}),
                         [](const auto& info) {
                             return "Request" + std::to_string(info.param.Request);
                         });

TEST(UnitMemory, Block0IdentifiesTheUnitInTheProgramsOwnTerms)
{
    TUnitModel unit;
    TParamImage pc;
    pc.StoreBlock(0, unit.Memory().Block(0));
    pc.UpdateUnitTexts();

    EXPECT_EQ(pc.IdentText, "KLV07");
    EXPECT_EQ(pc.DateText, "14. 3.2024") << "month code must be one the month table knows";
    EXPECT_EQ(pc.TimeText, "10:42");
    EXPECT_EQ(pc[ImageByte::ReadAllowed], 1);
    EXPECT_EQ(pc[ImageByte::ProgramVersion], 72);
}

TEST(UnitMemory, MonthCodesAgreeWithTheMonthTable)
{
    const char* months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* texts[12] = {" 1", " 2", " 3", " 4", " 5", " 6",
                             " 7", " 8", " 9", "10", "11", "12"};
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(MonthText(MonthCode(months[m])), texts[m]) << months[m];
}

TEST(UnitMemory, Block1StartsWithTheProgramsDefaults)
{
    TUnitModel unit;
    TParamImage expected;
    expected.SetDefaults();
    expected[ImageByte::Input1] = 1;
    expected[ImageByte::Input2] = 0;

    EXPECT_EQ(unit.Memory().Block(1), expected.Block(1));
    // A few literal values, in case the defaults and the unit drift together.
    EXPECT_EQ(unit.Memory()[ImageByte::PointCount], 12);
    EXPECT_EQ(unit.Memory()[ImageByte::Limiter], 90);
    EXPECT_EQ(unit.Memory()[ImageByte::CurveSpeed], 10);
    EXPECT_EQ(unit.Memory()[ImageByte::CurveAdvance + 4], 21);
    EXPECT_EQ(unit.Memory()[ImageByte::Input1], 1);
}

TEST(UnitMemory, ReadsReturnTheBlocksWhetherReadingOrVerifying)
{
    TUnitModel unit;
    EXPECT_EQ(Frames(Exchange(unit, 0x40)).at(0).Data(), unit.Memory().Block(0));
    EXPECT_EQ(Frames(Exchange(unit, 0x41)).at(0).Data(), unit.Memory().Block(1));

    TBlock other{};
    other.fill(0x55);
    const TBlock before = unit.Memory().Block(1);
    EXPECT_EQ(Frames(Exchange(unit, 0x41, other)).at(0).Data(), before)
        << "a verify sends the PC's block; the unit must not take it";
    EXPECT_EQ(unit.Memory().Block(1), before);
}

TEST(Programming, Block1IsStoredEchoedCountedAndSaved)
{
    TUnitModel unit;
    TParamImage pc = unit.Memory();
    pc[ImageByte::Limiter] = 110;
    pc[ImageByte::CurveAdvance + 2] = 30;
    const TBlock sent = pc.Block(1);

    EXPECT_EQ(Word(Monitor(unit), UnitRecordByte::ProgrammingCount), 0u);
    EXPECT_EQ(Word(Monitor(unit), UnitRecordByte::SavingCountdown), 0u) << "idle: not saving";

    const TLinkFrame echo = Program(unit, sent);
    EXPECT_EQ(echo.Code(), 0x81);
    EXPECT_EQ(echo.Data(), sent);
    EXPECT_EQ(unit.Memory().Block(1), sent);
    EXPECT_EQ(Frames(Exchange(unit, 0x41)).at(0).Data(), sent);
    std::istringstream line(unit.MemoryLine());
    std::string word;
    std::vector<int> printed;
    line >> word;
    for (int byte = 0; line >> byte;)
        printed.push_back(byte);
    EXPECT_EQ(word, "memory");
    EXPECT_TRUE(line.eof()) << "nothing but numbers after it";
    EXPECT_EQ(printed, std::vector<int>(unit.Memory().Bytes.begin(), unit.Memory().Bytes.end()));

    const TLinkFrame first = Monitor(unit);
    EXPECT_EQ(Word(first, UnitRecordByte::ProgrammingCount), 1u);
    EXPECT_EQ(Word(first, UnitRecordByte::SavingCountdown), 53u);

    // It counts down, never up, and is done after about two seconds.
    unsigned last = 53;
    int elapsed = 0;
    while (elapsed < 3000 && last > 0) {
        unit.Step(10);
        elapsed += 10;
        const unsigned now = Word(Monitor(unit), UnitRecordByte::SavingCountdown);
        EXPECT_LE(now, last) << "at " << elapsed << " ms";
        last = now;
    }
    EXPECT_EQ(last, 0u);
    EXPECT_GE(elapsed, 1800);
    EXPECT_LE(elapsed, 2200);

    Program(unit, sent);
    EXPECT_EQ(Word(Monitor(unit), UnitRecordByte::ProgrammingCount), 2u);
}

TEST(Programming, CountdownIsAboutHalfWayAfterOneSecond)
{
    TUnitModel unit;
    Program(unit, unit.Memory().Block(1));
    unit.Step(1000);
    const unsigned halfway = Word(Monitor(unit), UnitRecordByte::SavingCountdown);
    EXPECT_GE(halfway, 20u);
    EXPECT_LE(halfway, 33u);
}

TEST(Programming, Block0AnswersWithTheUnitsOwnBlock0Unchanged)
{
    TUnitModel unit;
    const TBlock own = unit.Memory().Block(0);
    TBlock pcBlock0{};
    pcBlock0.fill('Z');
    pcBlock0[ImageByte::ProgramVersion] = 99;

    const auto frames = Frames(Exchange(unit, 0x00, pcBlock0));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].Code(), 0x80);
    EXPECT_EQ(frames[0].Data(), own);
    EXPECT_EQ(unit.Memory().Block(0), own);
    const TLinkFrame monitor = Monitor(unit);
    EXPECT_EQ(Word(monitor, UnitRecordByte::ProgrammingCount), 0u) << "block 0 is no programming";
    EXPECT_EQ(Word(monitor, UnitRecordByte::SavingCountdown), 0u);
}

TEST(Programming, ReadLockTurnsReadingOffAndBackOn)
{
    TUnitModel unit;
    TParamImage pc = unit.Memory();
    pc[ImageByte::ReadLock] = 1;

    const TLinkFrame echo = Program(unit, pc.Block(1));
    EXPECT_EQ(echo.Data(), pc.Block(1)) << "the lock itself is echoed like any byte";
    EXPECT_EQ(Frames(Exchange(unit, 0x40)).at(0).Data()[ImageByte::ReadAllowed], 0);
    EXPECT_EQ(Frames(Exchange(unit, 0x00)).at(0).Data()[ImageByte::ReadAllowed], 0);

    pc[ImageByte::ReadLock] = 0;
    Program(unit, pc.Block(1));
    EXPECT_EQ(Frames(Exchange(unit, 0x40)).at(0).Data()[ImageByte::ReadAllowed], 1);
}

TEST(Framing, BadCheckByteGetsNoAnswerAndTheNextGoodFrameDoes)
{
    TUnitModel unit;
    auto bad = Request(0x30);
    bad[51] ^= 0x01;
    unit.Receive(bad);
    EXPECT_TRUE(unit.TakeOutput().empty());
    unit.Step(500);
    EXPECT_TRUE(unit.TakeOutput().empty());

    const auto out = Exchange(unit, 0x41);
    ASSERT_EQ(out.size(), static_cast<std::size_t>(FrameSize));
    EXPECT_EQ(Frames(out)[0].Code(), 0xC1);
}

TEST(Framing, GarbageBeforeAFrameIsSkipped)
{
    const auto cutOff = Request(0x41);
    const std::vector<std::vector<std::uint8_t>> garbage = {
        {0xFF, 0x12},
        {0x30, 0x30, 0x30},                  // bytes that look like request codes
        std::vector<std::uint8_t>(60, 0x00), // a run of "program block 0" codes
        std::vector<std::uint8_t>(cutOff.begin(), cutOff.begin() + 30),
    };
    for (std::size_t g = 0; g < garbage.size(); ++g) {
        TUnitModel unit;
        std::vector<std::uint8_t> stream = garbage[g];
        const auto request = Request(0x30);
        stream.insert(stream.end(), request.begin(), request.end());
        unit.Receive(stream);
        const auto out = unit.TakeOutput();
        ASSERT_EQ(out.size(), static_cast<std::size_t>(FrameSize)) << "garbage case " << g;
        EXPECT_EQ(Frames(out)[0].Code(), 0xB0) << "garbage case " << g;
    }
}

TEST(Framing, RequestSplitAcrossReceivesIsAnsweredOnce)
{
    for (std::size_t split : {1u, 26u, 51u}) {
        TUnitModel unit;
        const auto request = Request(0x40);
        unit.Receive(request.data(), split);
        EXPECT_TRUE(unit.TakeOutput().empty()) << "split " << split;
        unit.Receive(request.data() + split, request.size() - split);
        const auto out = unit.TakeOutput();
        ASSERT_EQ(out.size(), static_cast<std::size_t>(FrameSize)) << "split " << split;
        EXPECT_EQ(Frames(out)[0].Code(), 0xC0);
        EXPECT_TRUE(unit.TakeOutput().empty());
    }
}

TEST(Framing, ByteByByteAndBackToBackRequestsAreEachAnsweredInOrder)
{
    TUnitModel unit;
    std::vector<std::uint8_t> stream;
    for (std::uint8_t code : {0x40, 0x30, 0x41}) {
        const auto request = Request(code);
        stream.insert(stream.end(), request.begin(), request.end());
    }
    for (std::uint8_t byte : stream)
        unit.Receive(&byte, 1);
    const auto frames = Frames(unit.TakeOutput());
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].Code(), 0xC0);
    EXPECT_EQ(frames[1].Code(), 0xB0);
    EXPECT_EQ(frames[2].Code(), 0xC1);
}

TEST(Framing, IntactFramesOutsideTheTableGetNoAnswer)
{
    // Block 2 does not exist; 0xB0 is an answer, as from a looped-back line.
    for (std::uint8_t code : {0x02, 0x42, 0xB0, 0x81}) {
        TUnitModel unit;
        unit.Receive(Request(code));
        EXPECT_TRUE(unit.TakeOutput().empty()) << int(code);
        EXPECT_EQ(Frames(Exchange(unit, 0x30)).size(), 1u) << "still listening after " << int(code);
    }
}
