#include "fake_port.h"
#include "link/link_machine.h"
#include "link/transfer.h"

#include <gtest/gtest.h>

namespace {

// The far end of the fake port: answers the last block command written to
// it as a unit holding Memory would, one answer per call.
struct TUnitEnd {
    TParamImage Memory;
    int EchoFault = -1; // a block 1 byte the programming echo gets wrong

    void Answer(TFakePort& port) const
    {
        if (port.Written.empty())
            return;
        const std::vector<std::uint8_t>& request = port.Written.back();
        const std::uint8_t code = request[0];
        const int block = code & FrameCode::BlockMask;
        TFrameData data = Memory.Block(block);
        if (code == FrameCode::ProgramBlock + 1) {
            std::copy(request.begin() + 1, request.begin() + 1 + BlockSize, data.begin());
            if (EchoFault >= 0)
                data[EchoFault] ^= 0x01;
        }
        const TLinkFrame answer = MakeFrame(code ^ FrameCode::AnswerBit, data);
        port.Queue({answer.Bytes.begin(), answer.Bytes.end()});
    }
};

class Transfer : public ::testing::Test {
protected:
    TFakePort port;
    TParamImage image;
    TUnitEnd unit;
    TLinkMachine link{port, image};
    std::vector<TLinkEvent> events;

    void SetUp() override
    {
        image.SetDefaults();
        unit.Memory.SetDefaults();
        unit.Memory[ImageByte::ProgramVersion] = ExpectedUnitVersion;
        unit.Memory[ImageByte::ReadAllowed] = 1;
        unit.Memory[ImageByte::IdentText] = 'K';
        for (int i = 0; i < CurvePoints; ++i)
            unit.Memory.Advance(i) = static_cast<std::uint8_t>(20 + i);
        link.OpenPort();
    }
    // Ticks until a block command goes out, then lets the unit answer it.
    std::uint8_t Exchange()
    {
        const std::size_t sent = port.Written.size();
        for (int i = 0; i < 10 && port.Written.size() == sent; ++i)
            Tick();
        EXPECT_GT(port.Written.size(), sent) << "a command goes out within 10 ticks";
        unit.Answer(port);
        return port.Written.back()[0];
    }
    void Tick()
    {
        link.Tick();
        for (TLinkEvent& event : link.TakeEvents())
            events.push_back(std::move(event));
    }
    std::string Status() const { return link.Display().LabelHlaseni.Text; }
    int Gauge() const { return link.Display().CGaugeProgram.Progress; }
};

} // namespace

TEST_F(Transfer, ReadTakesBothBlocksThenVerifiesBlockOne)
{
    link.StartRead();
    EXPECT_EQ(Status(), "Read:");
    EXPECT_EQ(Exchange(), 0x40);
    EXPECT_EQ(Gauge(), 0);
    Tick();
    EXPECT_EQ(Gauge(), 1);
    EXPECT_EQ(image.Block(0), unit.Memory.Block(0));
    EXPECT_EQ(image.IdentText.substr(0, 1), "K") << "the unit texts follow block 0";
    const TLinkFrame readBlock1 = MakeFrame(0x41, TFrameData{});
    EXPECT_EQ(port.Written.back(),
              std::vector<std::uint8_t>(readBlock1.Bytes.begin(), readBlock1.Bytes.end()))
        << "block 1 asked for at once, with zeros";

    unit.Answer(port);
    Tick();
    EXPECT_EQ(image.Block(1), unit.Memory.Block(1));
    EXPECT_EQ(Status(), "Verify:");
    EXPECT_EQ(Gauge(), 0);
    EXPECT_EQ(link.State().TransferMode, ModeVerify);
    TLinkFrame verify;
    std::copy(port.Written.back().begin(), port.Written.back().end(), verify.Bytes.begin());
    EXPECT_EQ(verify.Data(), image.Block(1)) << "the verify carries the block just read";

    unit.Answer(port);
    Tick();
    EXPECT_EQ(Status(), "Verify: OK");
    EXPECT_EQ(Gauge(), 3);
    EXPECT_EQ(link.State().TransferMode, ModeIdle);
    EXPECT_EQ(
        std::count_if(events.begin(), events.end(),
                      [](const TLinkEvent& e) { return e.Kind == TLinkEventKind::ImageReceived; }),
        1)
        << "shown once, when block 1 has arrived";
}

TEST_F(Transfer, AReadCurveIsNotBentBackByTheLastEditsPushes)
{
    image.ChangedPoint = 2; // an edit pushed points 3.. ahead of point 2
    image.Speed(2) = 50;
    image.Normalise();
    for (int i = 3; i <= 6; ++i)
        unit.Memory.Speed(i) = static_cast<std::uint8_t>(27 + i); // below where they were pushed from
    link.StartRead();
    for (int i = 0; i < 3; ++i) {
        Exchange();
        Tick();
    }
    EXPECT_EQ(image.Block(1), unit.Memory.Block(1));
    EXPECT_EQ(Status(), "Verify: OK");
}

TEST_F(Transfer, ProgramTakesTheUnitsBlockZeroKeepsThePcsBlockOneAndVerifies)
{
    image.Advance(3) = 33;
    const TBlock pcBlock1 = image.Block(1);
    link.StartProgram(true);
    EXPECT_EQ(Status(), "Programing:");
    EXPECT_EQ(Exchange(), 0x00);
    Tick();
    EXPECT_EQ(image.Block(0), unit.Memory.Block(0));
    EXPECT_EQ(Exchange(), 0x01);
    Tick();
    EXPECT_TRUE(link.State().ProgrammedOk);
    EXPECT_EQ(Status(), "Verify:");
    EXPECT_EQ(image.Block(1), pcBlock1);
    unit.Memory.StoreBlock(1, pcBlock1); // the unit stored what it echoed
    unit.Answer(port);
    Tick();
    EXPECT_EQ(link.State().TransferMode, ModeIdle);
    EXPECT_TRUE(link.State().ProgrammedOk);
    EXPECT_EQ(Status(), "Programing: OK") << "the idle part of the same tick";

    link.StartProgram(false);
    EXPECT_EQ(Status(), "Programing") << "a change's programming has no colon";
    EXPECT_FALSE(link.State().ProgrammedOk);
}

TEST_F(Transfer, VerifyIgnoresTheReadLockAndNothingElse)
{
    for (int i = 0; i < BlockSize; ++i) {
        TFrameData unitBlock = image.Block(1);
        unitBlock[i] ^= 0x40;
        EXPECT_EQ(Block1Matches(unitBlock, image), BlockSize + i == ImageByte::ReadLock) << i;
    }
}

TEST_F(Transfer, ALastingDifferenceEndsInTheModesErrorAfterFiveSends)
{
    unit.Memory = image;
    unit.Memory[ImageByte::ProgramVersion] = ExpectedUnitVersion;
    unit.EchoFault = 7;
    link.StartProgram(true);
    Exchange();
    const TBlock pcBlock1 = image.Block(1);
    int block1Sends = 0;
    for (int i = 0; i < 40 && link.State().TransferMode != ModeIdle; ++i) {
        const std::size_t sent = port.Written.size();
        Tick();
        if (port.Written.size() > sent && port.Written.back()[0] == 0x01) {
            ++block1Sends;
            unit.Answer(port);
        }
    }
    EXPECT_EQ(block1Sends, 5);
    EXPECT_EQ(Status(), "Program error!");
    EXPECT_EQ(link.Display().LabelHlaseni.Background, TColour::Red);
    EXPECT_EQ(image.Block(1), pcBlock1);
    EXPECT_FALSE(link.State().ProgrammedOk);
}

TEST_F(Transfer, AWrongUnitVersionEndsReadAndProgramBeforeTheBoxOpens)
{
    unit.Memory[ImageByte::ProgramVersion] = 71;
    for (const bool reading : {true, false}) {
        events.clear();
        const TBlock pcBlock1 = image.Block(1);
        reading ? link.StartRead() : link.StartProgram(true);
        Exchange();
        Tick();
        EXPECT_EQ(link.State().TransferMode, ModeIdle);
        EXPECT_EQ(image[ImageByte::ProgramVersion], 71);
        EXPECT_EQ(image.Block(1), pcBlock1);
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.back().Kind, TLinkEventKind::VersionMismatch);
        EXPECT_EQ(events.back().Text,
                  "Unmatched version of PC and Ignition programs!  PC-72, IGN-71");
        EXPECT_TRUE(link.Display().LabelHlaseni.Visible) << "while the box is open";
        const std::size_t sent = port.Written.size();
        Tick();
        EXPECT_TRUE(port.Written.size() == sent || port.Written.back()[0] == FrameCode::Monitor)
            << "nothing more for the transfer";
        link.EndVersionMessage();
        Tick();
        EXPECT_FALSE(link.Display().LabelHlaseni.Visible);
        EXPECT_FALSE(link.Display().CGaugeProgram.Visible);
    }
}

TEST_F(Transfer, AUnitThatRefusesReadingShowsNoReadingAndKeepsBlockOne)
{
    unit.Memory[ImageByte::ReadAllowed] = 0;
    const TBlock pcBlock1 = image.Block(1);
    link.StartRead();
    Exchange();
    Tick();
    EXPECT_EQ(Status(), "No reading!");
    EXPECT_EQ(link.Display().LabelHlaseni.Background, TColour::Red);
    EXPECT_EQ(link.State().TransferMode, ModeIdle);
    EXPECT_EQ(link.State().StatusTicks, 199);
    EXPECT_EQ(image.Block(0), unit.Memory.Block(0));
    EXPECT_EQ(image.Block(1), pcBlock1);
}

TEST_F(Transfer, ReadDuringAProgramAbandonsItAndItsLateAnswer)
{
    link.StartProgram(true);
    Exchange();
    Tick(); // block 1 is on its way
    ASSERT_EQ(link.State().PendingCommand, 0x01);
    link.StartRead();
    EXPECT_EQ(link.State().TransferMode, ModeRead);
    EXPECT_EQ(link.State().PendingCommand, 0x40);
    unit.Answer(port); // the echo of block 1 arrives late
    const TBlock pcBlock1 = image.Block(1);
    Tick();
    EXPECT_EQ(link.State().PendingCommand, 0x40) << "the late echo is not the read's answer";
    EXPECT_FALSE(link.State().ProgrammedOk);
    EXPECT_EQ(image.Block(1), pcBlock1);
    EXPECT_EQ(Exchange(), 0x40);
}
