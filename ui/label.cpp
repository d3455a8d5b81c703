#include "ui/label.h"

#include "ui/text_fit.h"

#include <QEvent>
#include <QGroupBox>
#include <QPainter>
#include <QStyle>

namespace {
// A label in a group box stays this far inside the group's contents.
constexpr int FrameClearance = 2;
} // namespace

void TLabel::SetAutoSize(bool on)
{
    m_autoSize = on;
    FitCaption();
}

void TLabel::FitCaption()
{
    m_fitting = true;
    if (m_autoSize) {
        FitText(this, text(), QSize(WidthInGroup(), QWIDGETSIZE_MAX));
        adjustSize();
    } else {
        FitText(this, text(), contentsRect().size());
    }
    m_fitting = false;
}

// The room for the text up to the right of the contents of the group box the
// label starts in; unbounded for a label outside one or below its visible part.
int TLabel::WidthInGroup() const
{
    const auto* group = qobject_cast<const QGroupBox*>(parentWidget());
    if (!group || !group->contentsRect().contains(pos()))
        return QWIDGETSIZE_MAX;
    const QMargins margins = contentsMargins();
    return group->contentsRect().right() - FrameClearance - x() + 1 - margins.left() -
           margins.right();
}

QSize TLabel::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, QLabel::text());
    const QMargins margins = contentsMargins();
    return {text.width() + margins.left() + margins.right(),
            text.height() + margins.top() + margins.bottom()};
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextShowMnemonic,
                          palette(), isEnabled(), text(), foregroundRole());
}

// A label of fixed size fits its text again when its size or font changes.
void TLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (!m_autoSize && !m_fitting)
        FitCaption();
}

void TLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_autoSize && !m_fitting)
        FitCaption();
}

void SetCaption(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return; // live texts repeat often; an unchanged one needs no repaint
    label->setText(text);
    if (auto* own = qobject_cast<TLabel*>(label))
        own->FitCaption();
    else
        label->adjustSize();
}
