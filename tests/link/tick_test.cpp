#include "fake_port.h"
#include "link/link_machine.h"

#include <gtest/gtest.h>

namespace {

class Tick : public ::testing::Test {
protected:
    TFakePort port;
    TParamImage image;
    TLinkMachine link{port, image};
    std::vector<std::string> messages;

    void SetUp() override
    {
        link.ShowMessage = [this](const std::string& text) { messages.push_back(text); };
    }

    void Run(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            link.Tick();
    }
    // Counts block frames by watching TicksSinceSend reset in a transfer.
    int TickUntilSend(int limit)
    {
        for (int i = 1; i <= limit; ++i) {
            const int sendsBefore = link.State.SendCount;
            link.Tick();
            if (link.State.SendCount != sendsBefore)
                return i;
        }
        return -1;
    }
};

} // namespace

TEST_F(Tick, ConnectionWarningFromTheNineteenthTickAndReopenEveryThirty)
{
    link.State.PortIndex = 0; // COM1, which opens but never answers
    link.OpenPort();
    ASSERT_EQ(port.OpenAttempts.size(), 1u);

    Run(18);
    EXPECT_FALSE(link.Display.LabelSpojeniVisible);
    link.Tick();
    EXPECT_TRUE(link.Display.LabelSpojeniVisible) << "tick 19";

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
    link.State.PortIndex = AutoPortEntry;
    link.OpenPort();
    EXPECT_EQ(link.LabelCom, "COM= COM1");

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
    link.State.PortIndex = AutoPortEntry;
    link.OpenPort();
    Run(47);
    EXPECT_EQ(port.OpenAttempts, std::vector<int>{1});
    link.Tick();
    EXPECT_EQ(port.OpenAttempts, (std::vector<int>{1, 2}));
    Run(29);
    EXPECT_EQ(port.OpenAttempts.size(), 2u);
    link.Tick();
    EXPECT_EQ(port.OpenAttempts, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(link.LabelCom, "COM= COM3");
}

TEST_F(Tick, PickedPortThatFailsShowsTheErrorOnceNotOnRetries)
{
    port.OpenablePorts.clear();
    link.State.PortIndex = 11;
    link.OpenPort();
    EXPECT_EQ(link.LabelCom, "COM= COM12");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Com opening error!");
    Run(48);
    EXPECT_EQ(port.OpenAttempts.size(), 2u);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Tick, TransferFirstSendDependsOnTicksSinceSend)
{
    link.State.TicksSinceSend = 5;
    link.BeginTransfer(ModeRead, 0x40, "Read:");
    EXPECT_EQ(TickUntilSend(10), 1);

    // Right after an idle poll the counter is 0: the first send comes on the fourth tick.
    link.State.TransferMode = ModeIdle;
    link.State.TicksSinceSend = 5;
    link.Tick();
    ASSERT_EQ(link.State.TicksSinceSend, 0) << "poll happened";
    link.BeginTransfer(ModeProgram, 0x00, "Programing:");
    EXPECT_EQ(TickUntilSend(10), 4);
    EXPECT_EQ(TickUntilSend(10), 4) << "re-sent every four ticks";
}

TEST_F(Tick, FiveUnansweredSendsFailWithTheModesRedText)
{
    struct Case {
        std::uint8_t Mode;
        const char* Text;
    };
    for (const Case& c : {Case{ModeProgram, "Program error!"}, Case{ModeVerify, "Verify error!"},
                          Case{ModeRead, "Read error!"}}) {
        link.State.TicksSinceSend = 0;
        link.State.ProgrammedOk = true;
        link.BeginTransfer(c.Mode, 0x41, "start");
        EXPECT_TRUE(link.Display.CGaugeProgram.Visible);
        EXPECT_EQ(link.State.StatusTicks, 200);
        Run(20);
        EXPECT_EQ(link.State.SendCount, 5) << c.Text;
        EXPECT_EQ(link.State.TransferMode, c.Mode) << "still running after 20 ticks";
        Run(4);
        EXPECT_EQ(link.State.TransferMode, ModeIdle) << c.Text;
        EXPECT_EQ(link.Display.LabelHlaseni.Text, c.Text);
        EXPECT_EQ(link.Display.LabelHlaseni.Background, TColour::Red);
        EXPECT_EQ(link.State.StatusTicks, 199) << "200, counted down once this tick";
        EXPECT_TRUE(link.Display.LabelHlaseni.Visible);
        EXPECT_EQ(link.State.ProgrammedOk, c.Mode == ModeProgram) << c.Text;
    }
}

TEST_F(Tick, SavingGaugeFollowsTheCountdownAndClampsAtZero)
{
    link.State.ProgrammedOk = true;
    const std::pair<int, int> countdownToGauge[] = {{53, 0}, {40, 0}, {35, 1}, {18, 1},
                                                    {17, 2}, {1, 2},  {60, 0}, {500, 0}};
    for (const auto& [countdown, gauge] : countdownToGauge) {
        link.State.SavingCountdown = static_cast<std::uint16_t>(countdown);
        link.Tick();
        EXPECT_EQ(link.Display.LabelHlaseni.Text, "Saving:") << countdown;
        EXPECT_EQ(link.Display.CGaugeProgram.Progress, gauge) << countdown;
    }
    link.State.SavingCountdown = 0;
    link.Tick();
    EXPECT_EQ(link.Display.LabelHlaseni.Text, "Programing: OK");
    EXPECT_EQ(link.Display.CGaugeProgram.Progress, 3);
}

TEST_F(Tick, StatusCountdownHidesLabelAndGaugeAndClearsProgrammedOk)
{
    link.State.ProgrammedOk = true;
    link.State.SavingCountdown = 10;
    link.Tick();
    link.State.SavingCountdown = 0;
    link.Display.CGaugeProgram.Visible = true;
    Run(199);
    EXPECT_TRUE(link.Display.LabelHlaseni.Visible);
    EXPECT_TRUE(link.State.ProgrammedOk);
    link.Tick();
    EXPECT_FALSE(link.Display.LabelHlaseni.Visible);
    EXPECT_FALSE(link.Display.CGaugeProgram.Visible);
    EXPECT_FALSE(link.State.ProgrammedOk);
}

TEST_F(Tick, PrintingKeepsTheStatusAndTheWarningHidden)
{
    link.State.Printing = true;
    link.State.StatusTicks = 50;
    Run(30);
    EXPECT_FALSE(link.Display.LabelHlaseni.Visible);
    EXPECT_FALSE(link.Display.LabelSpojeniVisible);
    link.State.Printing = false;
    link.Tick();
    EXPECT_TRUE(link.Display.LabelHlaseni.Visible);
    EXPECT_TRUE(link.Display.LabelSpojeniVisible);
}

TEST_F(Tick, ConnectionWarningHidesTheVersionWarning)
{
    link.Display.LabelVersionVisible = true;
    Run(18);
    EXPECT_TRUE(link.Display.LabelVersionVisible);
    link.Tick();
    EXPECT_FALSE(link.Display.LabelVersionVisible);
}

TEST_F(Tick, ReadModeClearsProgrammedOkEveryTick)
{
    link.BeginTransfer(ModeRead, 0x40, "Read:");
    link.State.ProgrammedOk = true;
    link.Tick();
    EXPECT_FALSE(link.State.ProgrammedOk);
}
