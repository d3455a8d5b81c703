#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Runs the simulator as a separate process on a pty reached through a fixed link path.
class TSimProcess {
public:
    explicit TSimProcess(QString linkPath) : m_linkPath(std::move(linkPath)) {}
    ~TSimProcess() { Stop(); }

    // extra: simulator options such as a fault to play, added to the link path.
    bool Start(const QStringList& extra = {})
    {
        m_process.start(QStringLiteral(KOLVANE_UNIT_SIM),
                        QStringList{QStringLiteral("--link"), m_linkPath} + extra);
        while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
        }
        return m_process.canReadLine();
    }
    int Stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return m_process.exitCode();
        m_process.terminate();
        m_process.waitForFinished(5000);
        return m_process.exitCode();
    }

private:
    QString m_linkPath;
    QProcess m_process;
};

// Lets the event loop (and so the window's own timer) run until the condition holds.
inline bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop wait;
        QTimer::singleShot(20, &wait, &QEventLoop::quit);
        wait.exec();
    }
    return true;
}
