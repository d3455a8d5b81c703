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
    TBlock data{};
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
    TLinkMachine link{port, image};
    std::vector<TLinkFrame> transferReplies;

    void SetUp() override
    {
        image.SetDefaults();
        port.OpenablePorts = {1};
        link.State.PortIndex = 0;
        link.OpenPort();
        link.HandleTransferReply = [this](const TLinkFrame& f) { transferReplies.push_back(f); };
    }
};

} // namespace

TEST(Frame, MonitorRequestAndReadRequestBytes)
{
    const TLinkFrame monitor = MakeFrame(FrameCode::Monitor, TBlock{});
    EXPECT_EQ(monitor.Bytes[0], 0x30);
    EXPECT_EQ(monitor.Bytes[51], 0xCF);
    const TLinkFrame read1 = MakeFrame(FrameCode::ReadBlock + 1, TBlock{});
    EXPECT_EQ(read1.Bytes[0], 0x41);
    EXPECT_EQ(read1.Bytes[51], 0xBE);
    for (int i = 1; i <= 50; ++i)
        ASSERT_EQ(read1.Bytes[i], 0);
}

TEST(Frame, CheckRejectsEveryFlippedBit)
{
    TBlock data{};
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
    for (int i = 0; i < 6; ++i)
        link.Tick();
    ASSERT_EQ(port.Written.size(), 1u);
    EXPECT_EQ(port.Written[0], Bytes(MakeFrame(0x30, TBlock{})));
    EXPECT_EQ(port.DrainCount, 1);
}

TEST_F(Link, BlockFramesCarryZerosForReadAndTheImageForVerify)
{
    link.BeginTransfer(ModeRead, 0x41, "Read:");
    link.SendBlockFrame();
    EXPECT_EQ(port.Written.back(), Bytes(MakeFrame(0x41, TBlock{})));

    link.BeginTransfer(ModeVerify, 0x41, "Verify:");
    link.SendBlockFrame();
    const TLinkFrame sent = [&] {
        TLinkFrame f;
        std::copy(port.Written.back().begin(), port.Written.back().end(), f.Bytes.begin());
        return f;
    }();
    EXPECT_EQ(sent.Data(), image.Block(1));
    EXPECT_TRUE(sent.Intact());
    EXPECT_EQ(link.State.TicksSinceSend, 0);
}

TEST_F(Link, FiftyOneBytesWaitAndASplitAnswerIsHandledWhole)
{
    const auto answer = Bytes(MonitorAnswer(3000));
    port.Queue({answer.begin(), answer.begin() + 51});
    link.State.NoReplyTicks = 10;
    link.Tick();
    EXPECT_EQ(port.Incoming.size(), 51u) << "nothing read below a whole frame";
    EXPECT_EQ(link.State.NoReplyTicks, 11);

    port.Queue({answer.begin() + 51, answer.end()});
    link.Tick();
    EXPECT_TRUE(port.Incoming.empty());
    EXPECT_EQ(link.State.EngineSpeed, 3000);
    EXPECT_EQ(link.State.NoReplyTicks, 1) << "reset by the reply, then counted by the watch";
}

TEST_F(Link, TwoQueuedFramesGiveOneAndTheSecondIsDropped)
{
    port.Queue(Bytes(MonitorAnswer(2000)));
    port.Queue(Bytes(MonitorAnswer(5000)));
    link.Tick();
    EXPECT_EQ(link.State.EngineSpeed, 2000);
    EXPECT_TRUE(port.Incoming.empty());
    link.Tick();
    EXPECT_EQ(link.State.EngineSpeed, 2000);
}

TEST_F(Link, StrayBytesInFrontMakeTheFrameFail)
{
    port.Queue({0x00, 0x55, 0xAA});
    port.Queue(Bytes(MonitorAnswer(4000)));
    link.State.NoReplyTicks = 5;
    link.Tick();
    EXPECT_EQ(link.State.EngineSpeed, 0);
    EXPECT_EQ(link.State.NoReplyTicks, 6);
    EXPECT_EQ(transferReplies.size(), 1u) << "offered to the transfer, which checks it itself";
}

TEST_F(Link, CorruptMonitorFrameGoesToNoHandler)
{
    TLinkFrame bad = MonitorAnswer(4000);
    bad.Bytes[10] ^= 0x01;
    port.Queue(Bytes(bad));
    link.State.NoReplyTicks = 5;
    const unsigned generation = link.Monitor.Generation;
    link.Tick();
    EXPECT_TRUE(transferReplies.empty());
    EXPECT_EQ(link.Monitor.Generation, generation);
    EXPECT_EQ(link.State.NoReplyTicks, 6);
}

TEST_F(Link, TransferAnswersGoToTheTransferHandler)
{
    port.Queue(Bytes(MakeFrame(0xC0, TBlock{})));
    link.Tick();
    ASSERT_EQ(transferReplies.size(), 1u);
    EXPECT_EQ(transferReplies[0].Code(), 0xC0);
}

TEST_F(Link, NothingIsReadFromAClosedPort)
{
    port.Queue(Bytes(MonitorAnswer(3000)));
    port.Close();
    link.Tick();
    EXPECT_EQ(port.Incoming.size(), 52u);
    EXPECT_EQ(link.State.EngineSpeed, 0);
}

TEST_F(Link, PortMenuClickReopensQuietlyOffAndChecksThatEntry)
{
    port.OpenablePorts = {3};
    std::vector<std::string> messages;
    link.ShowMessage = [&](const std::string& m) { messages.push_back(m); };
    link.State.QuietPortErrors = true;
    link.SelectPort(2);
    EXPECT_EQ(link.State.PortIndex, 2);
    EXPECT_EQ(link.LabelCom, "COM= COM3");
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(messages.empty());

    link.SelectPort(AutoPortEntry);
    link.State.AutoPortIndex = 3;
    link.SelectPort(AutoPortEntry);
    EXPECT_EQ(link.LabelCom, "COM= COM4");
    EXPECT_TRUE(messages.empty()) << "Com Auto never complains";

    link.SelectPort(7);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Com opening error!");
}
