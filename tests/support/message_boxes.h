#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers the message boxes that the program opens during a test, the way a
// user would, and keeps their texts. A box is answered with Answer when it
// has that button, otherwise with its escape button.
class TMessageBoxes : public QObject {
public:
    TMessageBoxes();

    QStringList Texts;
    QMessageBox::StandardButton Answer = QMessageBox::NoButton;

private:
    void AnswerOpenBox();

    QTimer m_watch;
};
