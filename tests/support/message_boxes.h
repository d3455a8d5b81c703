#pragma once

#include <QMessageBox>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the message boxes that the program opens during a test, the way a
// user would, and keeps their texts. A box is answered with Answer when it
// has that button, otherwise with its escape button.
class TMessageBoxes : public QObject {
public:
    TMessageBoxes();

    QStringList Texts;
    QMessageBox::StandardButton Answer = QMessageBox::NoButton;
    // Runs once for each box when it is first seen open.
    std::function<void()> Opened;
    // While this holds, a box is left open, so that a test can watch what
    // goes on under it; after KeepOpenMs it is answered anyway and GaveUp set.
    std::function<bool()> KeepOpen;
    int KeepOpenMs = 5000;
    bool GaveUp = false;

private:
    void AnswerOpenBox();

    QTimer m_watch;
    QPointer<QMessageBox> m_seen;
    QElapsedTimer m_openFor;
};
