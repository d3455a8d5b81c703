#pragma once

#include "ui/build_stamp.h"

#include <QDialog>

class QLabel;

// The About window: the logo and when the program was built. It is created
// once after the main window and kept for the whole run, so it reopens
// where the user left it. Its texts are the same in every language.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(const TBuildStamp& stamp, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate(const TBuildStamp& stamp);
    void Button1Click();

    QLabel* m_labelExit = nullptr;
};
