// The real program, run as a user runs it: its options, its exit status and
// the picture it saves of its window.
#include "pseudo_terminal.h"
#include "window_access.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TRun {
    int Status = -1;
    QString Output;
    QString Errors;
};

// Runs a program offscreen; generous time for a loaded machine.
TRun RunCommand(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    QProcessEnvironment offscreen = environment;
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(offscreen);
    process.start(program, arguments);
    TRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.Output = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.Errors = QString::fromLocal8Bit(process.readAllStandardError());
    run.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

// The program on a pseudo-terminal of its own, so no test touches a real serial line.
TRun RunProgram(const QStringList& arguments)
{
    TPty terminal;
    EXPECT_FALSE(terminal.SlavePath.empty());
    const QStringList port{QStringLiteral("--port"), QString::fromStdString(terminal.SlavePath)};
    return RunCommand(QStringLiteral(KOLVANE_PROGRAM), arguments + port);
}

QSize WindowImageSize()
{
    auto form = NewForm();
    form->show();
    return form->grab().size();
}

TEST(Screenshot, SavesTheWholeWindowAndEndsWell)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("shot.png"));
    ASSERT_EQ(RunProgram({QStringLiteral("--screenshot"), path}).Status, 0);
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), WindowImageSize());
    EXPECT_EQ(image.width(), 870);
    EXPECT_GT(image.height(), 780);
}

TEST(Screenshot, TakesTheLanguageWordBeforeOrAfterTheOptions)
{
    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("first.png"));
    const QString last = folder.filePath(QStringLiteral("last.png"));
    ASSERT_EQ(RunProgram({QStringLiteral("CESKY"), QStringLiteral("--screenshot"), first}).Status,
              0);
    ASSERT_EQ(RunProgram({QStringLiteral("--screenshot"), last, QStringLiteral("CESKY")}).Status,
              0);
    EXPECT_FALSE(QImage(first).isNull());
    EXPECT_FALSE(QImage(last).isNull());
}

TEST(Screenshot, AnUnwritableFileFailsWithAMessage)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/shot.png"));
    const TRun run = RunProgram({QStringLiteral("--screenshot"), path});
    EXPECT_NE(run.Status, 0);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("cannot write"))) << run.Errors.toStdString();
}

TEST(ProgramOptions, UnknownOptionsAreRefusedWithTheUsage)
{
    const TRun run = RunCommand(QStringLiteral(KOLVANE_PROGRAM),
                                {QStringLiteral("--prot"), QStringLiteral("/dev/x")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("unknown option --prot")))
        << run.Errors.toStdString();
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("Usage:")));
}

TEST(ProgramOptions, HelpAndVersionAnswerAndEnd)
{
    const TRun help = RunCommand(QStringLiteral(KOLVANE_PROGRAM), {QStringLiteral("--help")});
    EXPECT_EQ(help.Status, 0);
    for (const char* word : {"--port", "--demo", "--screenshot", "--log", "--trace", "CESKY"})
        EXPECT_TRUE(help.Output.contains(QLatin1String(word))) << word;
    const TRun version = RunCommand(QStringLiteral(KOLVANE_PROGRAM), {QStringLiteral("--version")});
    EXPECT_EQ(version.Status, 0);
    EXPECT_TRUE(version.Output.startsWith(QStringLiteral("kolvane ")));
}

TEST(ProgramOptions, ALogFileThatCannotBeCreatedEndsTheRun)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/line.log"));
    for (const char* option : {"--log", "--trace"}) {
        const TRun run = RunProgram({QLatin1String(option), path});
        EXPECT_EQ(run.Status, 2) << option;
        EXPECT_TRUE(run.Errors.startsWith(QStringLiteral("kolvane: ") + path))
            << run.Errors.toStdString();
    }
}

TEST(ProgramOptions, ALogThatHoldsSomethingIsRefusedUnlessForced)
{
    QTemporaryDir folder;
    QFile log(folder.filePath(QStringLiteral("ride.csv")));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly) && log.write("ride\n") == 5);
    log.close();
    const TRun run = // the screenshot ends a run that starts all the same
        RunProgram({QStringLiteral("--log"), log.fileName(), QStringLiteral("--screenshot"),
                    folder.filePath(QStringLiteral("shot.png"))});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("--force"))) << run.Errors.toStdString();
    EXPECT_EQ(log.size(), 5);
}

// A start-up that fails (here: --demo without a simulator to start) ends
// with a failure status and says why.
TEST(ProgramOptions, AFailedStartUpEndsWithAFailureStatus)
{
    QTemporaryDir folder;
    const QString alone = folder.filePath(QStringLiteral("kolvane"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KOLVANE_PROGRAM), alone));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), folder.path());
    const TRun run = RunCommand(alone, {QStringLiteral("--demo")}, environment);
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("kolvane-unit-sim")))
        << run.Errors.toStdString();
}

} // namespace
