#pragma once

#include <QLabel>

// A window label: an '&' underlines the next character without binding a
// shortcut ("&&" shows one '&'). With auto-size on (the default) SetCaption
// sizes the label to its text, narrowing the font where the text would cross
// the frame of the group box the label sits in; with it off the label keeps
// its size and the font narrows until the text fits inside.
class TLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void SetAutoSize(bool on);
    bool AutoSize() const { return m_autoSize; }
    // Sizes the label to its text, or fits the text into the label.
    void FitCaption();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int WidthInGroup() const;

    bool m_autoSize = true;
    bool m_fitting = false;
};

// Sets a label's text and fits the label to it (or the text to a TLabel
// whose auto-size is off), as the window's labels fit their captions.
void SetCaption(QLabel* label, const QString& text);
