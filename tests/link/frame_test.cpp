#include "fake_port.h"
#include "link/frame.h"
#include "link/link_machine.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> Bytes(const TLinkFrame& frame)
{
    return {frame.Bytes.begin(), frame.Bytes.end()};
}

TLinkFrame MonitorAnswer(std::uint16_t speed = 0)
{
    TFrameData data{};
    data[0] = static_cast<std::uint8_t>(speed & 0xFF);
    data[1] = static_cast<std::uint8_t>(speed >> 8);
    data[41] = speed ? 1 : 0; // pick-up signal
    data[49] = ExpectedUnitVersion;
    return MakeFrame(FrameCode::MonitorAnswer, data);
}

class Link : public ::testing::Test {
protected:
    TFakePort port;
    TParamImage image;
    std::unique_ptr<TLinkMachine> machine;
    std::vector<std::string> messages;

    // The link waiting for the answer to a read of block 1, from the given counters.
    TLinkMachine& Start(TLinkState state = {})
    {
        machine = std::make_unique<TLinkMachine>(port, image, state);
        machine->OpenPort();
        return *machine;
    }
    void SetUp() override { image.SetDefaults(); }
    // How many answers the transfer took into the image.
    int AcceptedAnswers()
    {
        int accepted = 0;
        for (const TLinkEvent& event : machine->TakeEvents())
            if (event.Kind == TLinkEventKind::ImageReceived)
                ++accepted;
            else if (event.Kind == TLinkEventKind::PortOpenFailed)
                messages.push_back(event.Text);
        return accepted;
    }
};

TLinkState Silent(std::uint8_t ticks)
{
    TLinkState state;
    state.NoReplyTicks = ticks;
    return state;
}

} // namespace

TEST(Frame, MonitorRequestAndReadRequestBytes)
{
    const TLinkFrame monitor = MakeFrame(FrameCode::Monitor, TFrameData{});
    EXPECT_EQ(monitor.Bytes[0], 0x30);
    EXPECT_EQ(monitor.Bytes[51], 0xCF);
    const TLinkFrame read1 = MakeFrame(FrameCode::ReadBlock + 1, TFrameData{});
    EXPECT_EQ(read1.Bytes[0], 0x41);
    EXPECT_EQ(read1.Bytes[51], 0xBE);
    for (int i = 1; i <= 50; ++i)
        ASSERT_EQ(read1.Bytes[i], 0);
}

TEST(Frame, CheckRejectsEveryFlippedBit)
{
    TFrameData data{};
    for (int i = 0; i < BlockSize; ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const TLinkFrame good = MakeFrame(0xC1, data);
    ASSERT_TRUE(good.Intact());
    for (int byte = 0; byte < FrameSize; ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            TLinkFrame bad = good;
            bad.Bytes[byte] ^= static_cast<std::uint8_t>(1 << bit);
            EXPECT_FALSE(bad.Intact()) << "byte " << byte << " bit " << bit;
        }
    }
}

TEST_F(Link, MonitorPollSendsTheRequestAndWaitsForItToLeave)
{
    TLinkMachine& link = Start();
    for (int i = 0; i < 6; ++i)
        link.Tick();
    ASSERT_EQ(port.Written.size(), 1u);
    EXPECT_EQ(port.Written[0], Bytes(MakeFrame(0x30, TFrameData{})));
    EXPECT_EQ(port.DrainCount, 1);
}

TEST_F(Link, BlockFramesCarryZerosForReadAndTheImageForVerify)
{
    TLinkMachine& link = Start();
    link.BeginTransfer(ModeRead, 0x41, "Read:");
    for (int i = 0; i < 4; ++i)
        link.Tick();
    EXPECT_EQ(port.Written.back(), Bytes(MakeFrame(0x41, TFrameData{})));

    link.BeginTransfer(ModeVerify, 0x41, "Verify:");
    for (int i = 0; i < 4; ++i)
        link.Tick();
    TLinkFrame sent;
    std::copy(port.Written.back().begin(), port.Written.back().end(), sent.Bytes.begin());
    EXPECT_EQ(sent.Data(), image.Block(1));
    EXPECT_TRUE(sent.Intact());
    EXPECT_EQ(link.State().TicksSinceSend, 0);
}

TEST_F(Link, FiftyOneBytesWaitAndASplitAnswerIsHandledWhole)
{
    TLinkMachine& link = Start(Silent(10));
    const auto answer = Bytes(MonitorAnswer(3000));
    port.Queue({answer.begin(), answer.begin() + 51});
    link.Tick();
    EXPECT_EQ(port.Incoming.size(), 51u) << "nothing read below a whole frame";
    EXPECT_EQ(link.State().NoReplyTicks, 11);

    port.Queue({answer.begin() + 51, answer.end()});
    link.Tick();
    EXPECT_TRUE(port.Incoming.empty());
    EXPECT_EQ(link.State().EngineSpeed, 3000);
    EXPECT_EQ(link.State().NoReplyTicks, 1) << "reset by the reply, then counted by the watch";
}

TEST_F(Link, TwoQueuedFramesGiveOneAndTheSecondIsDropped)
{
    TLinkMachine& link = Start();
    port.Queue(Bytes(MonitorAnswer(2000)));
    port.Queue(Bytes(MonitorAnswer(5000)));
    link.Tick();
    EXPECT_EQ(link.State().EngineSpeed, 2000);
    EXPECT_TRUE(port.Incoming.empty());
    link.Tick();
    EXPECT_EQ(link.State().EngineSpeed, 2000);
}

TEST_F(Link, StrayBytesInFrontMakeTheFrameFail)
{
    TLinkMachine& link = Start(Silent(5));
    link.BeginTransfer(ModeRead, 0x40, "Read:");
    port.Queue({0x00, 0x55, 0xAA});
    port.Queue(Bytes(MonitorAnswer(4000)));
    link.Tick();
    EXPECT_EQ(link.State().EngineSpeed, 0);
    EXPECT_EQ(link.State().NoReplyTicks, 6);
    EXPECT_EQ(AcceptedAnswers(), 0) << "offered to the transfer, which refuses it";
}

TEST_F(Link, CorruptMonitorFrameChangesNothing)
{
    TLinkMachine& link = Start(Silent(5));
    TLinkFrame bad = MonitorAnswer(4000);
    bad.Bytes[10] ^= 0x01;
    port.Queue(Bytes(bad));
    const unsigned generation = link.Monitor().Generation;
    link.Tick();
    EXPECT_EQ(link.Monitor().Generation, generation);
    EXPECT_EQ(link.State().NoReplyTicks, 6);
}

TEST_F(Link, OnlyTheAnswerToThePendingCommandReachesTheTransfer)
{
    TLinkMachine& link = Start(Silent(5));
    port.Queue(Bytes(MakeFrame(0xC0, TFrameData{})));
    link.Tick();
    EXPECT_EQ(AcceptedAnswers(), 0) << "no transfer runs";

    link.BeginTransfer(ModeRead, 0x40, "Read:");
    for (const std::uint8_t code : {0xC1, 0x80, 0x40}) {
        port.Queue(Bytes(MakeFrame(code, TFrameData{})));
        link.Tick();
    }
    TLinkFrame corrupt = MakeFrame(0xC0, TFrameData{});
    corrupt.Bytes[7] ^= 0x10;
    port.Queue(Bytes(corrupt));
    link.Tick();
    EXPECT_EQ(AcceptedAnswers(), 0) << "wrong codes and a bad check byte are ignored";
    EXPECT_GT(link.State().NoReplyTicks, 5);

    port.Queue(Bytes(MakeFrame(0xC0, TFrameData{})));
    link.Tick();
    EXPECT_EQ(AcceptedAnswers(), 1);
    EXPECT_EQ(link.State().NoReplyTicks, 1) << "reset by the answer, then counted";
}

TEST_F(Link, NothingIsReadFromAClosedPort)
{
    TLinkMachine& link = Start();
    port.Queue(Bytes(MonitorAnswer(3000)));
    port.Close();
    link.Tick();
    EXPECT_EQ(port.Incoming.size(), 52u);
    EXPECT_EQ(link.State().EngineSpeed, 0);
}

TEST_F(Link, PortMenuClickReopensQuietlyOffAndChecksThatEntry)
{
    port.OpenablePorts = {3};
    TLinkState quiet;
    quiet.QuietPortErrors = true;
    TLinkMachine& link = Start(quiet);
    link.SelectPort(2);
    EXPECT_EQ(link.State().PortIndex, 2);
    EXPECT_EQ(link.LabelCom(), "COM= COM3");
    EXPECT_TRUE(port.IsOpen());
    AcceptedAnswers();
    EXPECT_TRUE(messages.empty());

    link.SetPorts(AutoPortEntry, 3);
    link.SelectPort(AutoPortEntry);
    EXPECT_EQ(link.LabelCom(), "COM= COM4");
    AcceptedAnswers();
    EXPECT_TRUE(messages.empty()) << "Com Auto never complains";

    link.SelectPort(7);
    AcceptedAnswers();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Com opening error!");
}
