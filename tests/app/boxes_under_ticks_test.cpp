// Every box that a tick leads to opens once the tick has returned, and the
// window's own timer keeps polling the unit while the box is open.
#include "event_loop.h"
#include "file_size_limit.h"
#include "files/monitor_log.h"
#include "files/trace_file.h"
#include "message_boxes.h"
#include "window_access.h"

#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <unistd.h>

namespace {

// A tick opens its box on the first of these; a dozen more must run under it.
constexpr int TicksUnderTheBox = 12;
constexpr int WaitMs = 10000;

struct TBoxedWindow {
    TFakePort* port = nullptr;
    std::unique_ptr<TFormHlav> form;
    QTemporaryDir folder;
    TMonitorLog log;
    TTraceFile trace;
    std::unique_ptr<TFileSizeLimit> limit;

    void Create(std::set<int> openable = {1}, int namedPorts = 0)
    {
        port = new TFakePort(std::move(openable));
        port->NamedPorts = namedPorts;
        form = std::make_unique<TFormHlav>(std::unique_ptr<ILinkPort>(port));
    }
};

struct TBoxSource {
    const char* Name;
    // Sets the window up so that one of its next ticks asks for a box.
    std::function<void(TBoxedWindow&)> Arm;
};

const TBoxSource Sources[] = {
    {"VersionMismatch",
     [](TBoxedWindow& window) {
         window.Create();
         CONTROL(*window.form, MenuRead)->trigger();
         TFrameData block0{};
         block0[ImageByte::ProgramVersion] = ExpectedUnitVersion - 1;
         const TLinkFrame answer = MakeFrame(0xC0, block0);
         window.port->Queue({answer.Bytes.begin(), answer.Bytes.end()});
     }},
    // None of two named devices opens: the scan says so when it reaches the last.
    {"PortScanFailure", [](TBoxedWindow& window) { window.Create({}, 2); }},
    {"LogWriteFailure",
     [](TBoxedWindow& window) {
         window.Create();
         const TLinkFrame answer = MakeFrame(FrameCode::MonitorAnswer, TFrameData{});
         window.port->MonitorReply.assign(answer.Bytes.begin(), answer.Bytes.end());
         const QString path = window.folder.filePath(QStringLiteral("live.csv"));
         ASSERT_EQ(window.log.Open(path.toStdString()), "");
         window.limit = std::make_unique<TFileSizeLimit>(QFileInfo(path).size());
         ASSERT_TRUE(window.limit->Set());
         window.form->SetMonitorLog(&window.log);
     }},
    {"TraceWriteFailure",
     [](TBoxedWindow& window) {
         if (::access("/dev/full", W_OK) != 0)
             GTEST_SKIP() << "no /dev/full to fill the trace";
         window.Create();
         ASSERT_EQ(window.trace.Open("/dev/full"), "");
         window.form->SetLineTrace(&window.trace);
     }},
    {"ExceptionInTheTick",
     [](TBoxedWindow& window) {
         window.Create();
         window.port->ThrowNextRead = true;
     }},
};

void PrintTo(const TBoxSource& source, std::ostream* out)
{
    *out << source.Name;
}

class BoxFromATick : public testing::TestWithParam<TBoxSource> {};

} // namespace

TEST_P(BoxFromATick, OpensOnceAndTheTicksGoOnUnderIt)
{
    TMessageBoxes boxes;
    TBoxedWindow window;
    GetParam().Arm(window);
    if (IsSkipped() || HasFatalFailure())
        return;
    ASSERT_TRUE(boxes.Texts.isEmpty()) << "nothing before the first tick";
    TFormHlav& form = *window.form;
    form.show();

    int ticks = 0;
    QObject::connect(&form, &TFormHlav::Ticked, [&ticks] { ++ticks; });
    int ticksAtOpen = 0;
    int writesAtOpen = 0;
    bool opened = false;
    boxes.Opened = [&] {
        opened = true;
        ticksAtOpen = ticks;
        writesAtOpen = window.port->WriteAttempts;
    };
    // Kept open until the timer has ticked a dozen times under the box; a box
    // that held the ticks back would be answered only when the wait runs out.
    boxes.KeepOpenMs = WaitMs;
    boxes.KeepOpen = [&] { return ticks - ticksAtOpen < TicksUnderTheBox; };
    ASSERT_TRUE(RunEventLoopUntil([&] { return !boxes.Texts.isEmpty(); }, WaitMs));
    ASSERT_TRUE(opened);
    EXPECT_FALSE(boxes.GaveUp) << "the ticks stopped under the box";
    EXPECT_GE(window.port->WriteAttempts - writesAtOpen, TicksUnderTheBox / 6)
        << "monitor requests went on under the box";
    EXPECT_EQ(form.Link().State().TransferMode, ModeIdle);

    boxes.KeepOpen = nullptr;
    const int ticksAfter = ticks;
    ASSERT_TRUE(RunEventLoopUntil([&] { return ticks - ticksAfter >= 20; }, WaitMs));
    EXPECT_EQ(boxes.Texts.size(), 1) << boxes.Texts.join(QLatin1Char('|')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sources, BoxFromATick, testing::ValuesIn(Sources),
                         [](const testing::TestParamInfo<TBoxSource>& info) {
                             return std::string(info.param.Name);
                         });
