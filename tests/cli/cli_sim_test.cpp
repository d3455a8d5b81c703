#include "files/param_file.h"
#include "files/param_file_disk.h"
#include "files/param_listing.h"
#include "params/editor.h"
#include "sim/engine_sim.h"
#include "sim_process.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>

namespace {

struct TCliRun {
    int Status = -1;
    QString Out;
    QString Err;
    QJsonObject Json() const { return QJsonDocument::fromJson(Out.toUtf8()).object(); }
};

class CliSim : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Unit = Dir.filePath("unit");
    TSimProcess Sim{Unit};

    QString Path(const char* name) const { return Dir.filePath(name); }

    // stopAt: the signal goes once the trace shows a frame of that code sent.
    TCliRun Cli(const QStringList& arguments, const char* stopAt = nullptr, int signal = 0) const
    {
        QProcess process;
        QFile::remove(Path("stop.txt"));
        const QStringList trace = stopAt ? QStringList{"--trace", Path("stop.txt")} : QStringList{};
        process.start(KOLVANE_CLI, QStringList{"--port", Unit} + trace + arguments);
        for (bool sent = false; stopAt && !sent && !process.waitForFinished(5);) {
            QFile file(Path("stop.txt"));
            sent = file.open(QIODevice::ReadOnly) &&
                   file.readAll().contains(QByteArray(" TX ") + stopAt + " ");
            if (sent)
                ::kill(static_cast<pid_t>(process.processId()), signal);
        }
        process.waitForFinished(20000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // The unit's parameters, saved by read -o and read back as the window reads files.
    TParamImage ReadUnitFile(const char* name)
    {
        EXPECT_EQ(Cli({"read", "-o", Path(name)}).Status, 0);
        TParamImage image;
        image.SetDefaults();
        EXPECT_TRUE(ReadParamFile(ReadParamFileFromDisk(Path(name)).Text, image));
        return image;
    }

    void WriteFile(const char* name, const TParamImage& image)
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(WriteParamFile(image)));
    }

    // A tune that differs from the unit's in the limiter and one advance.
    TParamImage ChangedTune(const TParamImage& unit)
    {
        TParamImage tune = unit;
        tune[ImageByte::Limiter] = static_cast<std::uint8_t>(unit[ImageByte::Limiter] + 10);
        tune.Advance(1) = static_cast<std::uint8_t>(unit.Advance(1) + 1);
        return tune;
    }
};

TEST_F(CliSim, ReadSavesWhatTheWindowOpensAndPrintsTheSameValues)
{
    ASSERT_TRUE(Sim.Start());
    const TParamImage saved = ReadUnitFile("unit.ign");
    const TCliRun json = Cli({"--json", "read"});
    ASSERT_EQ(json.Status, 0);
    const QJsonArray params = json.Json()["parameters"].toArray();
    const std::vector<TParamValue> expected = ListParams(saved);
    ASSERT_EQ(params.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QJsonObject param = params[static_cast<qsizetype>(i)].toObject();
        EXPECT_EQ(param[param.contains("raw") ? "raw" : "value"].toInt(), expected[i].Value)
            << expected[i].Name;
    }
    EXPECT_EQ(json.Json()["unit"].toObject()["version"].toInt(), 72);
}

TEST_F(CliSim, ProgramPutsTheFileOnTheUnitsOwnBlockAndVerifyAndDiffAgree)
{
    ASSERT_TRUE(Sim.Start());
    const TParamImage unit = ReadUnitFile("unit.ign");
    WriteFile("tune.ign", ChangedTune(unit));
    const QStringList tune{Path("tune.ign")};

    const TCliRun before = Cli(QStringList{"verify"} + tune);
    EXPECT_EQ(before.Status, 1);
    const TCliRun diff = Cli(QStringList{"diff"} + tune);
    EXPECT_EQ(diff.Status, 1);
    EXPECT_TRUE(diff.Out.contains(QString("limiter: %1 -> %2 rpm")
                                      .arg(unit[ImageByte::Limiter] * 100)
                                      .arg((unit[ImageByte::Limiter] + 10) * 100)))
        << diff.Out.toStdString();
    EXPECT_EQ(Cli(QStringList{"program", "--dry-run"} + tune).Status, 0);
    EXPECT_EQ(Cli(QStringList{"verify"} + tune).Status, 1) << "a dry run programs nothing";

    const TCliRun program = Cli(QStringList{"--json", "program"} + tune);
    ASSERT_EQ(program.Status, 0) << program.Err.toStdString();
    // Only the file's values change: everything else stays as the unit had it.
    const QJsonArray changes = program.Json()["changes"].toArray();
    EXPECT_EQ(changes.size(), 2);
    for (const QJsonValue& change : changes)
        EXPECT_FALSE(change["name"].toString().startsWith("byte "))
            << change["name"].toString().toStdString();

    EXPECT_EQ(Cli(QStringList{"verify"} + tune).Status, 0);
    EXPECT_EQ(Cli(QStringList{"diff"} + tune).Status, 0);
    const TParamImage after = ReadUnitFile("after.ign");
    EXPECT_EQ(after.Bytes, ChangedTune(unit).Bytes);
}

TEST_F(CliSim, ProgrammedValuesAreTheOnesTheWindowWouldSend)
{
    ASSERT_TRUE(Sim.Start());
    const TParamImage unit = ReadUnitFile("unit.ign");
    TParamImage rough = unit; // out of order, a limiter and an advance above their controls'
    std::swap(rough.Speed(0), rough.Speed(2));
    rough[ImageByte::Limiter] = 255;
    rough.Advance(3) = 99;
    WriteFile("rough.ign", rough);
    TParamImage expected = unit;
    ASSERT_TRUE(ApplyParamFile(WriteParamFile(rough), expected));
    const auto limited = ParamFileChanges(WriteParamFile(rough), expected);
    ASSERT_GE(limited.size(), 2u);
    // Refused unless forced, each limited value said as the window's Open says it.
    for (const char* command : {"program", "diff", "verify"}) {
        const TCliRun run = Cli({"--json", command, Path("rough.ign")});
        EXPECT_EQ(run.Status, command[0] == 'p' ? 2 : 1) << command;
        EXPECT_TRUE(run.Err.contains(QString::fromStdString(ParamFileChangesText(limited, 0))))
            << command << ": " << run.Err.toStdString();
        EXPECT_EQ(run.Json()["clamped"].toArray().size(), static_cast<qsizetype>(limited.size()));
    }
    EXPECT_EQ(WriteParamFile(ReadUnitFile("refused.ign")), WriteParamFile(unit));
    ASSERT_EQ(Cli({"--force", "program", Path("rough.ign")}).Status, 0);

    TakeShownValues(expected);
    EXPECT_EQ(WriteParamFile(ReadUnitFile("after.ign")), WriteParamFile(expected));
    EXPECT_NE(WriteParamFile(expected), WriteParamFile(rough)) << "the file needed normalising";
}

TEST_F(CliSim, EveryFailureHasItsExitStatusAndJsonResult)
{
    struct TCase {
        QStringList SimArgs;
        QStringList CliArgs;
        int Status;
        const char* UnitHolds = "unchanged";
        const char* StopAt = nullptr; // a signal once a frame of this code was sent
        int Signal = 0;
    };
    QFile wrongKey(Path("wrong.ign"));
    ASSERT_TRUE(wrongKey.open(QIODevice::WriteOnly));
    wrongKey.write("VARNOTEK_KEY 71\r\nLIMITER 90");
    wrongKey.close();
    const QByteArray pipe = QFile::encodeName(Path("pipe.ign"));
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0); // a save must not take its place
    const TCase cases[] = {
        {{"--silent"}, {"read"}, 3},
        {{"--unit-version", "71"}, {"read"}, 4},
        {{"--no-read"}, {"read"}, 5},
        {{"--no-read"}, {"program", Path("unit.ign")}, 5},
        // Once block 1 is sent the unit may have taken it, whatever comes back.
        {{"--bad-echo"}, {"program", Path("unit.ign")}, 6, "unverified"},
        {{"--silent-after", "5"}, {"program", Path("unit.ign")}, 6, "unverified"},
        {{"--silent-after", "4"}, {"program", Path("unit.ign")}, 6, "unverified"},
        {{"--silent-after", "5"}, {"program", Path("unit.ign")}, 6, "unverified", "01", SIGINT},
        // Stopped between exchanges, before the unit took anything.
        {{"--silent"}, {"read"}, 128 + SIGTERM, "unchanged", "40", SIGTERM},
        {{"--silent"}, {"verify", Path("unit.ign")}, 128 + SIGHUP, "unchanged", "40", SIGHUP},
        {{}, {"program", Path("wrong.ign")}, 2},
        {{}, {"program", Path("missing.ign")}, 2},
        {{}, {"read", "-o", QFile::decodeName(pipe)}, 2},
    };
    ASSERT_TRUE(Sim.Start());
    ReadUnitFile("unit.ign");
    Sim.Stop();
    for (const TCase& c : cases) {
        TSimProcess sim(Unit);
        ASSERT_TRUE(sim.Start(c.SimArgs));
        const TCliRun run = Cli(QStringList{"--json"} + c.CliArgs, c.StopAt, c.Signal);
        EXPECT_EQ(run.Status, c.Status)
            << c.SimArgs.join(' ').toStdString() << " " << c.CliArgs.join(' ').toStdString();
        EXPECT_EQ(run.Json()["status"].toInt(-1), c.Status) << run.Out.toStdString();
        EXPECT_FALSE(run.Err.isEmpty()) << "a failure is said in words";
        EXPECT_EQ(run.Json()["unit_holds"].toString(), c.UnitHolds) << run.Out.toStdString();
        EXPECT_EQ(c.Signal != 0, run.Err.contains("Stopped by SIG")) << run.Err.toStdString();
        if (c.Status == 6) {
            EXPECT_TRUE(run.Err.contains("kolvane-cli verify " + c.CliArgs[1]))
                << run.Err.toStdString();
        }
    }
    struct stat kept {};
    EXPECT_TRUE(stat(pipe.constData(), &kept) == 0 && S_ISFIFO(kept.st_mode));
}

TEST_F(CliSim, TraceOfAReadHoldsExactlyTheFramesExchanged)
{
    ASSERT_TRUE(Sim.Start());
    const TCliRun run = Cli({"--json", "--trace", Path("trace.txt"), "read"});
    ASSERT_EQ(run.Status, 0);
    QFile trace(Path("trace.txt"));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(trace.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 * run.Json()["frames_sent"].toInt());
    double last = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList words = lines[i].split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(words.size(), 2 + 52) << lines[i].toStdString();
        EXPECT_GE(words[0].toDouble(), last);
        last = words[0].toDouble();
        EXPECT_EQ(words[1], i % 2 == 0 ? "TX" : "RX");
        if (i % 2 == 1) { // the answer's code is the request's with the top bit set
            const QString request = lines[i - 1].split(' ', Qt::SkipEmptyParts)[2];
            EXPECT_EQ(words[2].toInt(nullptr, 16), request.toInt(nullptr, 16) ^ 0x80);
        }
    }
}

TEST_F(CliSim, MonitorLogsOneCsvRowPerAnswer)
{
    ASSERT_TRUE(Sim.Start());
    const TCliRun run = Cli(
        {"--json", "monitor", "--seconds", "1", "--interval", "100", "--csv", Path("ride.csv")});
    ASSERT_EQ(run.Status, 0);
    QFile csv(Path("ride.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 1 + run.Json()["answers"].toInt());
    ASSERT_GE(rows.size(), 5);
    const int columns = static_cast<int>(rows[0].count(',')) + 1;
    const QRegularExpression iso(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$)");
    for (int i = 1; i < rows.size(); ++i) {
        const QStringList cells = rows[i].split(',');
        ASSERT_EQ(cells.size(), columns) << rows[i].toStdString();
        EXPECT_TRUE(iso.match(cells[0]).hasMatch()) << cells[0].toStdString();
        // The simulated engine idles for its first two seconds at least.
        EXPECT_NEAR(cells[1].toInt(), TSimEngine::IdleRpm, 300);
        EXPECT_GT(cells[3].toDouble(), 11.0);
    }
}

TEST_F(CliSim, AFilledLogIsKeptUnlessForced)
{
    ASSERT_TRUE(Sim.Start());
    QFile ride(Path("ride.csv"));
    ASSERT_TRUE(ride.open(QIODevice::WriteOnly) && ride.write("ride\n") == 5);
    ride.close();
    const TCliRun refused = Cli({"monitor", "--seconds", "1", "--csv", ride.fileName()});
    EXPECT_EQ(refused.Status, 2);
    EXPECT_TRUE(refused.Err.contains("--force")) << refused.Err.toStdString();
    EXPECT_EQ(ride.size(), 5);
}

TEST_F(CliSim, AMonitorEndsAtTheFirstFailedWrite)
{
    ASSERT_TRUE(Sim.Start());
    // Without --seconds only the failure can end the run.
    const TCliRun run = Cli({"--trace", "/dev/full", "monitor"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("/dev/full")) << run.Err.toStdString();
}

TEST_F(CliSim, BadCommandLinesExitTwoBeforeTouchingThePort)
{
    const QString alias = Dir.path() + "/./a"; // one file for two outputs
    // An empty name is refused, not taken as no file or no port.
    for (const QStringList& words : {QStringList{"frob"},
                                     {"verify"},
                                     {"read", "--dry-run"},
                                     {"monitor", "--seconds", "-1"},
                                     {"diff", ""},
                                     {"read", "-o", ""},
                                     {"--trace=", "read"},
                                     {"monitor", "--csv", ""},
                                     {"--trace", alias, "monitor", "--csv", Path("a")},
                                     {"--port=", "read"}})
        EXPECT_EQ(Cli(words).Status, 2) << words.join(' ').toStdString();
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
