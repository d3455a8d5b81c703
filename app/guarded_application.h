#pragma once

#include <QApplication>

class TDeferredBoxes;

// Shows an exception thrown by any handler or by the tick in a message box
// and lets the program go on, as users of a desktop tool expect. The box
// opens once the handler has returned, so a tick that threw does not hold
// the next ones back while the box is open.
class TGuardedApplication : public QApplication {
public:
    TGuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    TDeferredBoxes* m_boxes;
};

// The box used for an exception at the program entry.
void ShowExceptionBox(const QString& text);
