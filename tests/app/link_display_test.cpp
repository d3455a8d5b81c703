#include "app/hlav.h"
#include "fake_port.h"
#include "ui/hint_router.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

struct WindowLink : ::testing::Test {
    TFakePort* port = new TFakePort;
    TFormHlav form{std::unique_ptr<ILinkPort>(port)};
    std::vector<std::string> messages;

    void SetUp() override
    {
        form.Link().ShowMessage = [this](const std::string& m) { messages.push_back(m); };
    }

    std::vector<int> Checked() const
    {
        std::vector<int> checked;
        for (int i = 0; i < PortMenuEntries; ++i)
            if (form.PortMenuItems[i]->isChecked())
                checked.push_back(i);
        return checked;
    }

    void QueueMonitorAnswer(std::uint16_t rpm, std::uint16_t millivolts)
    {
        TBlock data{};
        data[0] = static_cast<std::uint8_t>(rpm & 0xFF);
        data[1] = static_cast<std::uint8_t>(rpm >> 8);
        data[2] = static_cast<std::uint8_t>(millivolts & 0xFF);
        data[3] = static_cast<std::uint8_t>(millivolts >> 8);
        data[30] = 115;
        data[31] = 21;
        data[35] = 1; // limiter
        data[41] = rpm ? 1 : 0;
        data[49] = 72;
        const TLinkFrame frame = MakeFrame(FrameCode::MonitorAnswer, data);
        port->Queue({frame.Bytes.begin(), frame.Bytes.end()});
    }
};

} // namespace

TEST_F(WindowLink, PortMenuHasTwentyPortsAndComAutoWithOneCheckMark)
{
    ASSERT_EQ(form.PortMenuItems.size(), 21u);
    EXPECT_EQ(form.PortMenuItems[0]->text(), QStringLiteral("Com 1"));
    EXPECT_EQ(form.PortMenuItems[19]->text(), QStringLiteral("Com 20"));
    EXPECT_EQ(form.PortMenuItems[20]->text(), QStringLiteral("Com Auto"));
    EXPECT_EQ(Checked(), std::vector<int>{20}) << "first run: Com Auto";
    EXPECT_EQ(form.LabelCom->text(), QStringLiteral("COM= COM1"));
    EXPECT_EQ(port->OpenAttempts, std::vector<int>{1});
    EXPECT_EQ(THintRouter::Hint(form.LabelCom), QStringLiteral("/dev/fake1"));
}

TEST_F(WindowLink, PickingAPortThatFailsComplainsMovesTheCheckAndNamesIt)
{
    port->OpenablePorts.clear();
    form.PortMenuItems[11]->trigger();
    EXPECT_EQ(Checked(), std::vector<int>{11});
    form.Timer1Timer();
    EXPECT_EQ(form.LabelCom->text(), QStringLiteral("COM= COM12"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Com opening error!");

    EXPECT_EQ(THintRouter::Hint(form.LabelCom), QStringLiteral("/dev/fake12"));

    form.PortMenuItems[11]->trigger(); // the checked item again: close and re-open
    EXPECT_EQ(port->OpenAttempts.back(), 12);
    EXPECT_EQ(Checked(), std::vector<int>{11});
}

TEST_F(WindowLink, MonitorAnswerReachesTheLabelsAndHighlightsARow)
{
    const QString before = form.LabelRpm->text();
    form.Timer1Timer();
    EXPECT_EQ(form.LabelRpm->text(), before) << "start text kept until an answer arrives";

    QueueMonitorAnswer(4600, 12345);
    form.Timer1Timer();
    EXPECT_EQ(form.LabelRpm->text(), QStringLiteral("RPM = 4600 "));
    EXPECT_EQ(form.LabelNapeti->text(), QStringLiteral("U = 12.3 [V]"));
    EXPECT_EQ(form.CGaugeRpm->value(), 51) << "4600 of the 9000 rpm limiter";
    EXPECT_EQ(form.LabelMon_Advance->text(), QStringLiteral("Advance = 15\u00B0 /max 21\u00B0"));
    EXPECT_EQ(form.LabelMonHardLimiter->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_FALSE(form.LabelSpojeni->isVisible());

    // The default curve has a point at 4600 rpm (point 6, row 5).
    const QColor lime(0, 255, 0);
    EXPECT_EQ(form.RpmEdits[5]->palette().color(QPalette::Base), lime);
    EXPECT_EQ(form.AdvanceEdits[5]->palette().color(QPalette::Base), lime);
    EXPECT_NE(form.RpmEdits[4]->palette().color(QPalette::Base), lime);

    QueueMonitorAnswer(0, 13800);
    form.Timer1Timer();
    EXPECT_NE(form.RpmEdits[5]->palette().color(QPalette::Base), lime) << "engine stopped";
}

TEST_F(WindowLink, WrongUnitVersionShowsTheWarningUntilTheConnectionIsLost)
{
    TBlock data{};
    data[49] = 71;
    const TLinkFrame frame = MakeFrame(FrameCode::MonitorAnswer, data);
    port->Queue({frame.Bytes.begin(), frame.Bytes.end()});
    form.show();
    form.Timer1Timer();
    EXPECT_TRUE(form.LabelVersion->isVisible());
    EXPECT_EQ(form.LabelVersion->text(),
              QStringLiteral("Unmatched version of PC and Ignition programs!  PC-72, IGN-71"));
    for (int i = 0; i < 19; ++i)
        form.Timer1Timer();
    EXPECT_TRUE(form.LabelSpojeni->isVisible());
    EXPECT_FALSE(form.LabelVersion->isVisible());
}
