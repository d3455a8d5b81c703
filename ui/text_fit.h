#pragma once

#include <QFont>

class QAbstractButton;
class QSize;
class QString;
class QWidget;

// Captions are longer in some languages than the controls were made for.
// Rather than cut such a caption or let it cross a frame, its control keeps
// its size and the font gives way: a narrower stretch first, then tighter
// letter spacing, and a smaller size only as the last resort.

// The font, made from font, in which text fits room; font itself when the
// text fits already. An '&' marks an accelerator and takes no room.
QFont FittingFont(const QFont& font, const QString& text, const QSize& room);

// Gives the widget the font in which text fits room, or gives it back its
// own font once the text fits that again (a language with shorter texts).
void FitText(QWidget* widget, const QString& text, const QSize& room);

// Fits the caption of a check box or radio button beside its indicator, or
// of a push button inside its bevel. Other buttons are left alone.
void FitButtonText(QAbstractButton* button);
