#pragma once

#include <QColor>
#include <QRect>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QWidget;
class TLabel;
class TUpDown;

// Builds the window's controls as its form description lists them: by name,
// at a place in pixels relative to the parent, in the parent's font unless
// told otherwise. Texts come later, from the text tables.

constexpr int EditHeight = 21;

struct TSpinRange {
    int Min;
    int Max;
    int Step;
    int Start;
};

void SetFontPixels(QWidget* widget, int pixels, bool bold);

TLabel* NewLabel(QWidget* parent, const char* name, int left, int top);
QLineEdit* NewEdit(QWidget* parent, const char* name, int left, int top, int width);
// The spinner sits at its edit's right edge and writes its start value into it.
TUpDown* NewUpDown(const char* name, QLineEdit* buddy, const TSpinRange& range, bool thousands);
// Not a tab stop: the Tab key walks the edits only.
QCheckBox* NewCheckBox(QWidget* parent, const char* name, const QRect& geometry);
QGroupBox* NewGroupBox(QWidget* parent, const char* name, const QRect& geometry);
QProgressBar* NewGauge(QWidget* parent, const char* name, const QRect& geometry, int maximum,
                       const QColor& colour, bool showPercent);
