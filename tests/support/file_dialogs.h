#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Answers the file dialogs that the program opens during a test: chooses
// Path, or cancels when Path is empty, and counts the dialogs.
class TFileDialogs : public QObject {
public:
    TFileDialogs();

    QString Path;
    int Shown = 0;

private:
    void AnswerOpenDialog();

    QTimer m_watch;
};
