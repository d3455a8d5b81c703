#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Answers the file dialogs that the program opens during a test, the way a
// user would: with Answer, or Cancel when Answer is empty. Keeps the name
// each dialog proposed, so tests can check it.
class TFileDialogs : public QObject {
public:
    TFileDialogs();

    QString Answer;
    QString Proposed;
    int Shown = 0;

private:
    void AnswerOpenDialog();

    QTimer m_watch;
};
