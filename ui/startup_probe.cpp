#include "ui/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

// Peak resident memory in KiB, as the kernel counts it.
long PeakKib()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

class TFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After the paint has been carried out, not before it.
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::fprintf(stderr, "first_paint_monotonic_ms=%.3f peak_kib=%ld\n",
                             now.tv_sec * 1e3 + now.tv_nsec / 1e6, PeakKib());
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

void InstallStartupProbe(QWidget& window)
{
    if (qEnvironmentVariableIsEmpty("KOLVANE_STARTUP_PROBE"))
        return;
    window.installEventFilter(new TFirstPaint(&window));
}
