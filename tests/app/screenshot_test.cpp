#include "app/hlav.h"
#include "app/null_port.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs the real program offscreen; generous time for a loaded machine.
int RunProgram(const QStringList& arguments, QString* errors = nullptr)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    // Name a device that cannot exist, so no test ever writes to a real serial line.
    const QStringList noDevice{QStringLiteral("--port"), QStringLiteral("/nonexistent/kolvane-test-port")};
    program.start(QStringLiteral(KOLVANE_PROGRAM), arguments + noDevice);
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return -1;
    }
    if (errors)
        *errors = QString::fromLocal8Bit(program.readAllStandardError());
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

QSize WindowImageSize()
{
    TFormHlav form(std::make_unique<TNullPort>());
    form.show();
    return form.grab().size();
}

TEST(Screenshot, SavesTheWholeWindowAndEndsWell)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("shot.png"));
    ASSERT_EQ(RunProgram({QStringLiteral("--screenshot"), path}), 0);
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), WindowImageSize());
    EXPECT_EQ(image.width(), 870);
    EXPECT_GT(image.height(), 780);
}

TEST(Screenshot, KeepsTheLanguageWordInFront)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("shot.png"));
    ASSERT_EQ(RunProgram({QStringLiteral("CESKY"), QStringLiteral("--screenshot"), path}), 0);
    EXPECT_FALSE(QImage(path).isNull());
}

TEST(Screenshot, AnUnwritableFileFailsWithAMessage)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/shot.png"));
    QString errors;
    EXPECT_NE(RunProgram({QStringLiteral("--screenshot"), path}, &errors), 0);
    EXPECT_TRUE(errors.contains(QStringLiteral("cannot write"))) << errors.toStdString();
}

} // namespace
