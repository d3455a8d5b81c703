#include "fake_port.h"
#include "link/link_machine.h"

#include <gtest/gtest.h>

namespace {

TLinkFrame SavingAnswer(std::uint16_t countdown)
{
    TFrameData data{};
    data[MonitorByte::SavingCountdown - 1] = static_cast<std::uint8_t>(countdown & 0xFF);
    data[MonitorByte::SavingCountdown] = static_cast<std::uint8_t>(countdown >> 8);
    data[MonitorByte::Version - 1] = ExpectedUnitVersion;
    return MakeFrame(FrameCode::MonitorAnswer, data);
}

class Tick : public ::testing::Test {
protected:
    TFakePort port;
    TParamImage image;
    TLinkMachine link{port, image};
    std::unique_ptr<TLinkMachine> other;
    std::vector<std::string> messages;

    // A second machine that starts from other counters than a new window's.
    TLinkMachine& StartFrom(const TLinkState& state)
    {
        other = std::make_unique<TLinkMachine>(port, image, state);
        return *other;
    }

    void Run(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            link.Tick();
        Collect();
    }
    void Collect()
    {
        for (const TLinkEvent& event : link.TakeEvents())
            if (event.Kind == TLinkEventKind::PortOpenFailed)
                messages.push_back(event.Text);
    }
    void Answer(const TLinkFrame& frame) { port.Queue({frame.Bytes.begin(), frame.Bytes.end()}); }
    // Counts block frames by watching SendCount grow in a transfer.
    static int TickUntilSend(TLinkMachine& machine, int limit)
    {
        for (int i = 1; i <= limit; ++i) {
            const int sendsBefore = machine.State().SendCount;
            machine.Tick();
            if (machine.State().SendCount != sendsBefore)
                return i;
        }
        return -1;
    }
};

} // namespace

TEST_F(Tick, ConnectionWarningFromTheNineteenthTickAndReopenEveryThirty)
{
    link.SetPorts(0, 0); // COM1, which opens but never answers
    link.OpenPort();
    ASSERT_EQ(port.OpenAttempts.size(), 1u);

    Run(18);
    EXPECT_FALSE(link.Display().LabelSpojeniVisible);
    link.Tick();
    EXPECT_TRUE(link.Display().LabelSpojeniVisible) << "tick 19";

    Run(28); // ticks 20..47
    EXPECT_EQ(port.OpenAttempts.size(), 1u);
    link.Tick(); // tick 48
    EXPECT_EQ(port.OpenAttempts.size(), 2u);
    EXPECT_EQ(port.CloseCount, 1);
    Run(29);
    EXPECT_EQ(port.OpenAttempts.size(), 2u);
    link.Tick(); // tick 78
    EXPECT_EQ(port.OpenAttempts.size(), 3u);
    EXPECT_EQ(port.OpenAttempts.back(), 1) << "a fixed port re-opens itself";
    EXPECT_TRUE(messages.empty());
}

TEST_F(Tick, ComAutoWithNoPortTriesTheNextPortEveryTickThenWraps)
{
    port.OpenablePorts.clear();
    link.SetPorts(AutoPortEntry, 0);
    link.OpenPort();
    EXPECT_EQ(link.LabelCom(), "COM= COM1");

    Run(19); // the warning now shows; the failed open asked for the next port at once
    std::vector<int> tried(port.OpenAttempts.begin() + 1, port.OpenAttempts.end());
    ASSERT_EQ(tried, std::vector<int>{2});
    Run(20);
    tried.assign(port.OpenAttempts.begin() + 1, port.OpenAttempts.end());
    std::vector<int> expected;
    for (int n = 2; n <= 21; ++n)
        expected.push_back(n);
    expected.push_back(1);
    EXPECT_EQ(tried, expected);
    EXPECT_TRUE(messages.empty()) << "Com Auto never shows the opening error";
}

TEST_F(Tick, ComAutoKeepsAPortThatOpensButStaysSilentForThirtyTicks)
{
    port.OpenablePorts = {1, 2, 3};
    link.SetPorts(AutoPortEntry, 0);
    link.OpenPort();
    Run(47);
    EXPECT_EQ(port.OpenAttempts, std::vector<int>{1});
    link.Tick();
    EXPECT_EQ(port.OpenAttempts, (std::vector<int>{1, 2}));
    Run(29);
    EXPECT_EQ(port.OpenAttempts.size(), 2u);
    link.Tick();
    EXPECT_EQ(port.OpenAttempts, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(link.LabelCom(), "COM= COM3");
}

TEST_F(Tick, PickedPortThatFailsShowsTheErrorOnceNotOnRetries)
{
    port.OpenablePorts.clear();
    link.SetPorts(11, 0);
    link.OpenPort();
    Collect();
    EXPECT_EQ(link.LabelCom(), "COM= COM12");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Com opening error!");
    Run(48);
    EXPECT_EQ(port.OpenAttempts.size(), 2u);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Tick, TransferFirstSendDependsOnTicksSinceSend)
{
    link.SetPorts(0, 0);
    link.OpenPort();
    Run(5); // idle: the counter stands at 5, one short of a poll
    ASSERT_EQ(link.State().TicksSinceSend, 5);
    link.BeginTransfer(ModeRead, 0x40, "Read:");
    EXPECT_EQ(TickUntilSend(link, 10), 1);

    // Right after an idle poll the counter is 0: the first send comes on the fourth tick.
    TLinkMachine& fresh = StartFrom({});
    for (int i = 0; i < 6; ++i)
        fresh.Tick();
    ASSERT_EQ(fresh.State().TicksSinceSend, 0) << "polled on the sixth tick";
    fresh.BeginTransfer(ModeProgram, 0x00, "Programing:");
    EXPECT_EQ(TickUntilSend(fresh, 10), 4);
    EXPECT_EQ(TickUntilSend(fresh, 10), 4) << "re-sent every four ticks";
}

TEST_F(Tick, FiveUnansweredSendsFailWithTheModesRedText)
{
    struct Case {
        std::uint8_t Mode;
        const char* Text;
    };
    for (const Case& c : {Case{ModeProgram, "Program error!"}, Case{ModeVerify, "Verify error!"},
                          Case{ModeRead, "Read error!"}}) {
        TLinkState start;
        start.ProgrammedOk = true;
        TLinkMachine& machine = StartFrom(start);
        machine.BeginTransfer(c.Mode, 0x41, "start");
        EXPECT_TRUE(machine.Display().CGaugeProgram.Visible);
        EXPECT_EQ(machine.State().StatusTicks, 200);
        for (int i = 0; i < 20; ++i)
            machine.Tick();
        EXPECT_EQ(machine.State().SendCount, 5) << c.Text;
        EXPECT_EQ(machine.State().TransferMode, c.Mode) << "still running after 20 ticks";
        for (int i = 0; i < 4; ++i)
            machine.Tick();
        EXPECT_EQ(machine.State().TransferMode, ModeIdle) << c.Text;
        EXPECT_EQ(machine.Display().LabelHlaseni.Text, c.Text);
        EXPECT_EQ(machine.Display().LabelHlaseni.Background, TColour::Red);
        EXPECT_EQ(machine.State().StatusTicks, 199) << "200, counted down once this tick";
        EXPECT_TRUE(machine.Display().LabelHlaseni.Visible);
        EXPECT_EQ(machine.State().ProgrammedOk, c.Mode == ModeProgram) << c.Text;
    }
}

TEST_F(Tick, SavingGaugeFollowsTheCountdownAndClampsAtZero)
{
    TLinkState start;
    start.ProgrammedOk = true;
    TLinkMachine& machine = StartFrom(start);
    machine.OpenPort();
    const std::pair<int, int> countdownToGauge[] = {{53, 0}, {40, 0}, {35, 1}, {18, 1},
                                                    {17, 2}, {1, 2},  {60, 0}, {500, 0}};
    for (const auto& [countdown, gauge] : countdownToGauge) {
        Answer(SavingAnswer(static_cast<std::uint16_t>(countdown)));
        machine.Tick();
        EXPECT_EQ(machine.Display().LabelHlaseni.Text, "Saving:") << countdown;
        EXPECT_EQ(machine.Display().CGaugeProgram.Progress, gauge) << countdown;
    }
    Answer(SavingAnswer(0));
    machine.Tick();
    EXPECT_EQ(machine.Display().LabelHlaseni.Text, "Programing: OK");
    EXPECT_EQ(machine.Display().CGaugeProgram.Progress, 3);
}

TEST_F(Tick, StatusCountdownHidesLabelAndGaugeAndClearsProgrammedOk)
{
    TLinkState start;
    start.ProgrammedOk = true;
    TLinkMachine& machine = StartFrom(start);
    machine.OpenPort();
    // A programming that gets no answer leaves the gauge shown and the flag set.
    machine.BeginTransfer(ModeProgram, 0x01, "Programing:");
    for (int i = 0; i < 24; ++i)
        machine.Tick();
    ASSERT_EQ(machine.State().TransferMode, ModeIdle);
    Answer(SavingAnswer(10));
    machine.Tick();
    Answer(SavingAnswer(0));
    for (int i = 0; i < 199; ++i)
        machine.Tick();
    EXPECT_TRUE(machine.Display().LabelHlaseni.Visible);
    EXPECT_TRUE(machine.Display().CGaugeProgram.Visible);
    EXPECT_TRUE(machine.State().ProgrammedOk);
    machine.Tick();
    EXPECT_FALSE(machine.Display().LabelHlaseni.Visible);
    EXPECT_FALSE(machine.Display().CGaugeProgram.Visible);
    EXPECT_FALSE(machine.State().ProgrammedOk);
}

TEST_F(Tick, PrintingKeepsTheStatusAndTheWarningHidden)
{
    link.BeginTransfer(ModeRead, 0x40, "Read:");
    link.SetPrinting(true);
    Run(30);
    EXPECT_FALSE(link.Display().LabelHlaseni.Visible);
    EXPECT_FALSE(link.Display().LabelSpojeniVisible);
    link.SetPrinting(false);
    link.Tick();
    EXPECT_TRUE(link.Display().LabelHlaseni.Visible);
    EXPECT_TRUE(link.Display().LabelSpojeniVisible);
}

TEST_F(Tick, ConnectionWarningHidesTheVersionWarning)
{
    link.OpenPort();
    TLinkFrame otherVersion = SavingAnswer(0);
    otherVersion.Bytes[MonitorByte::Version] = ExpectedUnitVersion - 1;
    otherVersion.Seal();
    Answer(otherVersion);
    Run(18);
    EXPECT_TRUE(link.Display().LabelVersionVisible);
    link.Tick();
    EXPECT_FALSE(link.Display().LabelVersionVisible);
}

TEST_F(Tick, ReadModeClearsProgrammedOkEveryTick)
{
    TLinkState start;
    start.ProgrammedOk = true;
    TLinkMachine& machine = StartFrom(start);
    machine.BeginTransfer(ModeRead, 0x40, "Read:");
    machine.Tick();
    EXPECT_FALSE(machine.State().ProgrammedOk);
}

TEST_F(Tick, NamedDevicesThatAllFailAreReportedOnceEvenInComAuto)
{
    port.OpenablePorts.clear();
    port.NamedPorts = 2;
    port.FailureReason = "/dev/ttyUSB9: Permission denied";
    link.SetPorts(AutoPortEntry, 0);
    link.OpenPort();
    Collect();
    EXPECT_TRUE(messages.empty()) << "the second device may still open";
    Run(19); // the warning shows and the scan moves on to the second device
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Com opening error!\n/dev/ttyUSB9: Permission denied");
    Run(60); // the scan wraps round and tries both again
    EXPECT_EQ(messages.size(), 1u) << "said once, then retried quietly";
    EXPECT_GT(port.OpenAttempts.size(), 21u);
}

TEST_F(Tick, NamedDevicesStayQuietOnceOneHasOpened)
{
    port.OpenablePorts = {1};
    port.NamedPorts = 2;
    link.SetPorts(AutoPortEntry, 0);
    link.OpenPort();
    port.OpenablePorts.clear(); // unplugged after it first opened
    Run(100);
    EXPECT_TRUE(messages.empty());
}
