#pragma once

#include <QLabel>

// A window label: an '&' underlines the next character without binding a
// shortcut ("&&" shows one '&'), and SetCaption sizes the label to its text.
class TLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Sets a label's text and fits the label to it, as the window's labels size
// themselves to their captions.
void SetCaption(QLabel* label, const QString& text);
