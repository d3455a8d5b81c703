#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, shutdown, Ctrl+C in a terminal)
// into a normal close of the window, so that what closing saves is saved.
// The handler only writes a byte into a pipe; the event loop reads it.
class TSignalCloser : public QObject {
    Q_OBJECT
public:
    explicit TSignalCloser(QObject* parent = nullptr);
    ~TSignalCloser() override;

signals:
    void Received();

private:
    void ReadPipe();

    QSocketNotifier* m_notifier = nullptr;
};
