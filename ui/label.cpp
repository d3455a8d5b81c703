#include "ui/label.h"

#include <QPainter>
#include <QStyle>

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

void SetCaption(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return; // live texts repeat often; an unchanged one needs no repaint
    label->setText(text);
    label->adjustSize();
}
