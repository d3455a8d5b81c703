#pragma once

#include <QObject>
#include <QString>

class TFormHlav;

// For --screenshot: once the window has run a number of ticks, saves an
// image of the whole window (menu and status bar included) and ends the
// program, with status 1 and a message on stderr when the file cannot be written.
class TScreenshot : public QObject {
    Q_OBJECT
public:
    TScreenshot(TFormHlav& form, const QString& path, int ticks);

private:
    void Take();

    TFormHlav& m_form;
    QString m_path;
    int m_ticksLeft;
};
