// The live-data log and the line trace of a window that talks to the
// simulated unit on its own timer.
#include "chart/chart_geometry.h"
#include "files/monitor_log.h"
#include "files/trace_file.h"
#include "link/serial_port.h"
#include "sim_process.h"
#include "window_access.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int AnswerTimeoutMs = 10000;
// The simulated engine's saw-tooth on the limiter overshoots by a few rpm.
constexpr int LimiterOvershootRpm = 50;

struct TLoggedWindow {
    QTemporaryDir folder;
    QString linkPath = folder.filePath(QStringLiteral("unit"));
    TSimProcess sim{linkPath};
    std::unique_ptr<TFormHlav> form;

    bool Start()
    {
        if (!folder.isValid() || !sim.Start())
            return false;
        form = std::make_unique<TFormHlav>(
            std::make_unique<TSerialPort>(std::vector<std::string>{linkPath.toStdString()}));
        form->show();
        return true;
    }
    std::string PathOf(const char* name) const
    {
        return folder.filePath(QLatin1String(name)).toStdString();
    }
};

QStringList LinesOf(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n')));
    text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace

TEST(WindowLogs, OneCsvRowPerAnswerWithTheSimulatedEngine)
{
    TLoggedWindow unit;
    ASSERT_TRUE(unit.Start());
    TMonitorLog log;
    const std::string path = unit.PathOf("live.csv");
    ASSERT_EQ(log.Open(path), "");
    unit.form->SetMonitorLog(&log);
    // Longer than the engine ever stands with the kill switch on.
    constexpr unsigned Rows = 8;
    ASSERT_TRUE(RunEventLoopUntil([&] { return unit.form->Link().Monitor().Generation >= Rows; },
                                  AnswerTimeoutMs));

    const QStringList lines = LinesOf(path);
    ASSERT_EQ(lines.size(), int(Rows) + 1) << "the header, then one row per answer";
    const QStringList header = lines[0].split(QLatin1Char(','));
    EXPECT_EQ(lines[0].toStdString(), MonitorCsvHeader());
    const int speedColumn = header.indexOf(QRegularExpression(QStringLiteral("engine speed.*")));
    const int pickUpColumn = header.indexOf(QRegularExpression(QStringLiteral("pick-up.*")));
    ASSERT_GT(speedColumn, 0);
    ASSERT_GT(pickUpColumn, 0);

    TParamImage unitImage;
    unitImage.SetDefaults();
    const QRegularExpression iso(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z$"));
    bool turning = false;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char(','));
        ASSERT_EQ(cells.size(), header.size()) << lines[i].toStdString();
        const QDateTime time = QDateTime::fromString(cells[0], Qt::ISODateWithMs);
        EXPECT_TRUE(iso.match(cells[0]).hasMatch() && time.isValid()) << cells[0].toStdString();
        const int rpm = cells[speedColumn].toInt();
        EXPECT_LE(rpm, LimiterRpm(unitImage) + LimiterOvershootRpm);
        EXPECT_EQ(cells[pickUpColumn], rpm > 0 ? QStringLiteral("1") : QStringLiteral("0"));
        turning = turning || rpm > 0;
    }
    EXPECT_TRUE(turning);
    // The last row is the record the window holds now.
    const std::string last = lines.last().toStdString();
    EXPECT_EQ(last.substr(last.find(',')),
              MonitorCsvRow("", ReadMonitor(unit.form->Link().Record())));
}

TEST(WindowLogs, TheTraceOfAReadPairsEveryBlockRequestWithItsAnswer)
{
    TLoggedWindow unit;
    ASSERT_TRUE(unit.Start());
    TTraceFile trace;
    const std::string path = unit.PathOf("line.trace");
    ASSERT_EQ(trace.Open(path), "");
    unit.form->SetLineTrace(&trace);
    ASSERT_TRUE(RunEventLoopUntil([&] { return unit.form->Link().Monitor().Generation > 0; },
                                  AnswerTimeoutMs));
    CONTROL(*unit.form, MenuRead)->trigger();
    ASSERT_TRUE(RunEventLoopUntil(
        [&] { return unit.form->Link().State().TransferMode == ModeIdle; }, AnswerTimeoutMs));

    // Direction and code of every frame, "TX 40"; dropped bytes carry no frame.
    QStringList frames;
    for (const QString& line : LinesOf(path)) {
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.value(1) == QLatin1String("TX") || words.value(1) == QLatin1String("RX")) {
            EXPECT_EQ(words.size(), 2 + FrameSize) << line.toStdString();
            frames << words[1] + QLatin1Char(' ') + words.value(2);
        }
    }
    const auto frame = [](const char* direction, int code) {
        return QStringLiteral("%1 %2")
            .arg(QLatin1String(direction))
            .arg(code, 2, 16, QLatin1Char('0'))
            .toUpper();
    };
    // A monitor answer already on its way may come between a request and its answer.
    frames.removeAll(frame("RX", FrameCode::MonitorAnswer));
    for (int i = 0; i < frames.size(); ++i) {
        const int code = frames[i].mid(3).toInt(nullptr, 16);
        if (frames[i].startsWith(QLatin1String("TX")) && code != FrameCode::Monitor) {
            EXPECT_EQ(frames.value(i + 1), frame("RX", code ^ FrameCode::AnswerBit)) << i;
        }
    }
    EXPECT_TRUE(frames.contains(frame("TX", FrameCode::ReadBlock + 1))) << "both blocks read";
}
