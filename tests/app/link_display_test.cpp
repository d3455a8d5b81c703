#include "file_size_limit.h"
#include "files/monitor_log.h"
#include "files/trace_file.h"
#include "message_boxes.h"
#include "texts/language.h"
#include "texts/message_table.h"
#include "ui/hint_router.h"
#include "window_access.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

namespace {

struct WindowLink : ::testing::Test {
    TFakePort* port = nullptr;
    std::unique_ptr<TFormHlav> created = NewForm(port);
    TFormHlav& form = *created;
    TMessageBoxes boxes;

    QAction* PortItem(int entry) const
    {
        return FindNamed<QAction>(form, QStringLiteral("MenuComItem%1").arg(entry + 1));
    }

    std::vector<int> Checked() const
    {
        std::vector<int> checked;
        for (int i = 0; i < PortMenuEntries; ++i)
            if (PortItem(i)->isChecked())
                checked.push_back(i);
        return checked;
    }

    void QueueMonitorAnswer(std::uint16_t rpm, std::uint16_t millivolts)
    {
        TFrameData data{};
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
    EXPECT_EQ(PortItem(0)->text(), QStringLiteral("Com 1"));
    EXPECT_EQ(PortItem(19)->text(), QStringLiteral("Com 20"));
    EXPECT_EQ(PortItem(20)->text(), QStringLiteral("Com Auto"));
    EXPECT_EQ(CONTROL(form, MenuCom)->actions().size(), 21);
    EXPECT_EQ(Checked(), std::vector<int>{20}) << "first run: Com Auto";
    EXPECT_EQ(CONTROL(form, LabelCom)->text(), QStringLiteral("COM= COM1"));
    EXPECT_EQ(port->OpenAttempts, std::vector<int>{1});
    EXPECT_EQ(THintRouter::Hint(CONTROL(form, LabelCom)), QStringLiteral("/dev/fake1"));
}

TEST_F(WindowLink, PickingAPortThatFailsComplainsMovesTheCheckAndNamesIt)
{
    port->OpenablePorts.clear();
    PortItem(11)->trigger();
    EXPECT_EQ(Checked(), std::vector<int>{11});
    EXPECT_EQ(CONTROL(form, LabelCom)->text(), QStringLiteral("COM= COM12"));
    EXPECT_EQ(boxes.Texts, QStringList{QStringLiteral("Com opening error!")});
    EXPECT_EQ(THintRouter::Hint(CONTROL(form, LabelCom)), QStringLiteral("/dev/fake12"));

    PortItem(11)->trigger(); // the checked item again: close and re-open
    EXPECT_EQ(port->OpenAttempts.back(), 12);
    EXPECT_EQ(Checked(), std::vector<int>{11});
}

TEST_F(WindowLink, MonitorAnswerReachesTheLabelsAndHighlightsARow)
{
    const QString before = CONTROL(form, LabelRpm)->text();
    Tick(form);
    EXPECT_EQ(CONTROL(form, LabelRpm)->text(), before) << "start text kept until an answer arrives";

    QueueMonitorAnswer(4600, 12345);
    Tick(form);
    EXPECT_EQ(CONTROL(form, LabelRpm)->text(), QStringLiteral("RPM = 4600 "));
    EXPECT_EQ(CONTROL(form, LabelNapeti)->text(), QStringLiteral("U = 12.3 [V]"));
    EXPECT_EQ(CONTROL(form, CGaugeRpm)->value(), 51) << "4600 of the 9000 rpm limiter";
    EXPECT_EQ(CONTROL(form, LabelMon_Advance)->text(),
              QStringLiteral("Advance = 15\u00B0 /max 21\u00B0"));
    EXPECT_EQ(CONTROL(form, LabelMonHardLimiter)->palette().color(QPalette::Window),
              QColor(255, 0, 0));
    EXPECT_FALSE(CONTROL(form, LabelSpojeni)->isVisible());

    // The default curve has a point at 4600 rpm (point 6, row 5).
    const QColor lime(0, 255, 0);
    EXPECT_EQ(CONTROL(form, EditRpmAdv6)->palette().color(QPalette::Base), lime);
    EXPECT_EQ(CONTROL(form, EditAdvance6)->palette().color(QPalette::Base), lime);
    EXPECT_NE(CONTROL(form, EditRpmAdv5)->palette().color(QPalette::Base), lime);

    QueueMonitorAnswer(0, 13800);
    Tick(form);
    EXPECT_NE(CONTROL(form, EditRpmAdv6)->palette().color(QPalette::Base), lime)
        << "engine stopped";
}

TEST_F(WindowLink, WrongUnitVersionShowsTheWarningUntilTheConnectionIsLost)
{
    TFrameData data{};
    data[49] = 71;
    const TLinkFrame frame = MakeFrame(FrameCode::MonitorAnswer, data);
    port->Queue({frame.Bytes.begin(), frame.Bytes.end()});
    form.show();
    Tick(form);
    EXPECT_TRUE(CONTROL(form, LabelVersion)->isVisible());
    EXPECT_EQ(CONTROL(form, LabelVersion)->text(),
              QStringLiteral("Unmatched version of PC and Ignition programs!  PC-72, IGN-71"));
    Tick(form, 19);
    EXPECT_TRUE(CONTROL(form, LabelSpojeni)->isVisible());
    EXPECT_FALSE(CONTROL(form, LabelVersion)->isVisible());
}

// How many of a widget's pixels are drawn dark (text) and how many in a
// strong colour (the bar, the speed line), as the user sees them.
struct TInk {
    int Dark = 0;
    int Coloured = 0;
};
TInk InkOf(QWidget* widget)
{
    const QImage picture = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    TInk ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel(picture.pixel(x, y));
            const int high = std::max({pixel.red(), pixel.green(), pixel.blue()});
            const int low = std::min({pixel.red(), pixel.green(), pixel.blue()});
            ink.Dark += high < 64;
            ink.Coloured += high - low > 96;
        }
    return ink;
}

// A silent unit's last values stay, greyed, so that nobody takes a dead
// engine's last speed for a live one; the next answer brings the ink back.
TEST_F(WindowLink, LiveValuesOfASilentUnitAreGreyedUntilItAnswers)
{
    form.show();
    QWidget* speedText = CONTROL(form, LabelRpm);
    QWidget* speedBar = CONTROL(form, CGaugeRpm);
    QWidget* chart = CONTROL(form, GrafAdv);
    QueueMonitorAnswer(4600, 12345);
    Tick(form);
    ASSERT_GT(InkOf(speedText).Dark, 0);
    ASSERT_GT(InkOf(speedBar).Coloured, 0);
    const int chartColour = InkOf(chart).Coloured;
    const QString shown = CONTROL(form, LabelRpm)->text();

    Tick(form, 19);
    ASSERT_TRUE(CONTROL(form, LabelSpojeni)->isVisible());
    EXPECT_EQ(CONTROL(form, LabelRpm)->text(), shown) << "the last value stays";
    EXPECT_EQ(InkOf(speedText).Dark, 0) << "but not in black";
    EXPECT_EQ(InkOf(speedBar).Coloured, 0);
    EXPECT_LT(InkOf(chart).Coloured, chartColour) << "the speed line is no longer green";

    QueueMonitorAnswer(4600, 12345);
    Tick(form);
    EXPECT_GT(InkOf(speedText).Dark, 0);
    EXPECT_GT(InkOf(speedBar).Coloured, 0);
    EXPECT_EQ(InkOf(chart).Coloured, chartColour);
}

// A full disk stops each log with one box saying why; the window goes on
// without the file.
TEST_F(WindowLink, AFailedLogWriteIsReportedOnceAndTheFileLeftAlone)
{
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full to fill the trace";
    QTemporaryDir folder;
    const QString logPath = folder.filePath(QStringLiteral("live.csv"));
    TMonitorLog log;
    TTraceFile trace;
    ASSERT_EQ(log.Open(logPath.toStdString()), "");
    ASSERT_EQ(trace.Open("/dev/full"), "");
    form.SetMonitorLog(&log);
    form.SetLineTrace(&trace);
    const qint64 headerSize = QFileInfo(logPath).size();
    TFileSizeLimit limit(static_cast<rlim_t>(headerSize));
    ASSERT_TRUE(limit.Set());

    for (int answer = 0; answer < 3; ++answer) {
        QueueMonitorAnswer(3000, 13000);
        Tick(form, 6);
    }
    ASSERT_TRUE(log.Failed() && trace.Failed());
    boxes.Texts.sort();
    QStringList errors{QString::fromStdString(log.Error()), QString::fromStdString(trace.Error())};
    errors.sort();
    EXPECT_EQ(boxes.Texts, errors);
    EXPECT_EQ(QFileInfo(logPath).size(), headerSize);
    EXPECT_EQ(form.Link().Monitor().Generation, 3u) << "the answers still reach the window";
}

// Devices named on the command line that cannot be opened are reported once,
// with the reason, although "Com Auto" is otherwise silent.
TEST(NamedPorts, ADeviceThatCannotBeOpenedIsReportedOnceAtStartUp)
{
    TMessageBoxes boxes;
    auto* port = new TFakePort(std::set<int>{});
    port->NamedPorts = 1;
    port->FailureReason = "/dev/ttyUSB7: Permission denied";
    TFormHlav form(std::unique_ptr<ILinkPort>{port});
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0],
              QStringLiteral("Com opening error!\n/dev/ttyUSB7: Permission denied"));
    Tick(form, 120);
    EXPECT_EQ(boxes.Texts.size(), 1) << "the re-open cycle retries quietly";
    EXPECT_GT(port->OpenAttempts.size(), 21u);
}

// The advice replaces the port's own reason, in the language the window speaks.
TEST_F(WindowLink, APortInUseIsSaidInTheWindowsLanguage)
{
    port->FailureReason = "/dev/ttyUSB7: Permission error while locking the device";
    port->Advice = {TPortAdviceKind::InUse, "/dev/ttyUSB7", "", "", 4242};
    CONTROL(form, MenuCzech)->trigger();
    PortItem(6)->trigger();
    LanguageIndex = 0;
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0].toStdString(),
              BuildMessageTable(3)[MsgComOpeningError] + "\n" + PortAdviceText(port->Advice, 3));
}
