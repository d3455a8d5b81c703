#pragma once

#include "event_loop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <csignal>
#include <cstdint>
#include <functional>
#include <optional>
#include <sys/types.h>

// Runs the simulator as a separate process on a pty reached through a fixed link path.
class TSimProcess {
public:
    explicit TSimProcess(QString linkPath) : m_linkPath(std::move(linkPath)) {}
    ~TSimProcess() { Stop(); }

    // extra: simulator options such as a fault to play, added to the link
    // path. A test that dies takes its simulator with it.
    bool Start(const QStringList& extra = {})
    {
        m_process.start(QStringLiteral(KOLVANE_UNIT_SIM),
                        QStringList{QStringLiteral("--link"), m_linkPath,
                                    QStringLiteral("--exit-with-parent")} +
                            extra);
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

    // The unit's memory as the simulator prints it when asked (SIGUSR1);
    // none when it is not running or does not answer.
    std::optional<std::array<std::uint8_t, 100>> Memory()
    {
        if (m_process.state() != QProcess::Running ||
            ::kill(static_cast<pid_t>(m_process.processId()), SIGUSR1) != 0)
            return std::nullopt;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            while (m_process.canReadLine()) {
                const QList<QByteArray> words = m_process.readLine().simplified().split(' ');
                if (words.size() != 101 || words[0] != "memory")
                    continue; // the terminal's path, printed at the start
                std::array<std::uint8_t, 100> memory{};
                for (int i = 0; i < 100; ++i)
                    memory[i] = static_cast<std::uint8_t>(words[i + 1].toUInt());
                return memory;
            }
            m_process.waitForReadyRead(100);
        }
        return std::nullopt;
    }

private:
    QString m_linkPath;
    QProcess m_process;
};
