#pragma once

#include <QApplication>

// Shows an exception thrown by any handler or by the tick in a message box
// and lets the program go on, as users of a desktop tool expect.
class TGuardedApplication : public QApplication {
public:
    TGuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The box used for an exception, in a handler or at the program entry.
void ShowExceptionBox(const QString& text);
