#pragma once

#include <QDialog>

// The About window; created after the main window and kept for the whole run.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);
};
