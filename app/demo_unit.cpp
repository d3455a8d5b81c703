#include "app/demo_unit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr int StartTimeoutMs = 5000;
constexpr int StopTimeoutMs = 2000;
const char* const ProgramName = "kolvane-unit-sim";
} // namespace

TDemoUnit::~TDemoUnit()
{
    Stop();
}

QString TDemoUnit::FindProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {here.filePath(ProgramName), here.filePath(QStringLiteral("../sim/") + ProgramName)}) {
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QStandardPaths::findExecutable(ProgramName);
}

std::string TDemoUnit::Start(const QStringList& arguments)
{
    const QString program = FindProgram();
    if (program.isEmpty()) {
        Error = QStringLiteral("The simulated unit (%1) was not found.").arg(ProgramName);
        return {};
    }
    m_process.setReadChannel(QProcess::StandardOutput);
    // Killed outright, the program cannot stop it: the kernel does.
    m_process.start(program, QStringList{QStringLiteral("--exit-with-parent")} + arguments);
    // The simulator prints its device path as its first line.
    while (!m_process.canReadLine() && m_process.waitForReadyRead(StartTimeoutMs)) {
    }
    if (!m_process.canReadLine()) {
        Error = QStringLiteral("The simulated unit did not start: %1").arg(m_process.errorString());
        Stop();
        return {};
    }
    return QString::fromLocal8Bit(m_process.readLine()).trimmed().toStdString();
}

void TDemoUnit::Stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(StopTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(StopTimeoutMs);
    }
}
