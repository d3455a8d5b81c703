#include "ui/radio_group.h"

#include "ui/text_fit.h"

#include <QButtonGroup>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {
// The caption stands on the frame line this far from the left, with a gap
// in the line on either side of it.
constexpr int CaptionLeft = 6;
constexpr int CaptionGap = 2;
// The buttons keep clear of the caption and of the frame.
constexpr int ButtonLeft = 8;
constexpr int ButtonRight = 4;
constexpr int ButtonBelowCaption = 2;
constexpr int ButtonBottom = 4;

// The row where the style draws the top line of a group frame given
// option's rectangle. Some (Fusion) draw it lower, leaving room above for a
// caption of their own; only drawing it shows how much.
int FrameLineRow(const QStyle* style, const QStyleOptionFrame& option, const QWidget* widget)
{
    QImage probe(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    probe.fill(Qt::transparent);
    QStyleOptionFrame atOrigin = option;
    atOrigin.rect.moveTopLeft(QPoint(0, 0));
    {
        QPainter painter(&probe);
        style->drawPrimitive(QStyle::PE_FrameGroupBox, &atOrigin, &painter, widget);
    }
    const int column = probe.width() / 2;
    for (int row = 0; row < probe.height(); ++row)
        if (qAlpha(probe.pixel(column, row)) != 0)
            return row;
    return 0;
}

} // namespace

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent), m_group(new QButtonGroup(this))
{
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        m_itemIndex = id;
        MarkTabStop();
        emit Clicked();
    });
    KeepContentsMargins();
}

// Buttons are reused, so the tab order through them survives a new language.
void TRadioGroup::SetItems(const QStringList& items)
{
    const auto count = static_cast<std::size_t>(items.size());
    while (m_buttons.size() > count) {
        delete m_buttons.back();
        m_buttons.pop_back();
    }
    while (m_buttons.size() < count) {
        auto* button = new QRadioButton(this);
        m_group->addButton(button, static_cast<int>(m_buttons.size()));
        m_buttons.push_back(button);
        button->show();
    }
    for (std::size_t i = 0; i < count; ++i)
        m_buttons[i]->setText(items[static_cast<qsizetype>(i)]);
    SetItemIndex(m_itemIndex < items.size() ? m_itemIndex : -1);
    PlaceButtons();
}

QStringList TRadioGroup::Items() const
{
    QStringList items;
    for (const QRadioButton* button : m_buttons)
        items << button->text();
    return items;
}

void TRadioGroup::SetItemIndex(int index)
{
    m_itemIndex = index >= 0 && index < static_cast<int>(m_buttons.size()) ? index : -1;
    MarkTabStop();
    if (m_itemIndex >= 0) {
        m_buttons[static_cast<std::size_t>(m_itemIndex)]->setChecked(true);
        return;
    }
    // An exclusive group cannot be emptied by unchecking its checked button.
    m_group->setExclusive(false);
    for (QRadioButton* button : m_buttons)
        button->setChecked(false);
    m_group->setExclusive(true);
}

// Tab enters the group at its chosen item (the first when none is chosen);
// the arrow keys move within it.
void TRadioGroup::MarkTabStop()
{
    const std::size_t stop = m_itemIndex >= 0 ? static_cast<std::size_t>(m_itemIndex) : 0;
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

// The group box sets its contents below a caption of the style's whenever
// its title, font or style changes; the room is below ours.
bool TRadioGroup::event(QEvent* event)
{
    const bool handled = QGroupBox::event(event);
    if (event->type() == QEvent::ContentsRectChange) {
        KeepContentsMargins();
        PlaceButtons();
    }
    return handled;
}

void TRadioGroup::KeepContentsMargins()
{
    const int captionHeight = title().isEmpty() ? 0 : fontMetrics().height();
    setContentsMargins(ButtonLeft, std::max(captionHeight + ButtonBelowCaption, ButtonBottom),
                       ButtonRight, ButtonBottom);
}

QRect TRadioGroup::CaptionRect() const
{
    if (title().isEmpty())
        return {};
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, title());
    return {CaptionLeft, 0, text.width() + 2 * CaptionGap, text.height()};
}

void TRadioGroup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect caption = CaptionRect();
    const int line = caption.isEmpty() ? 0 : caption.center().y();
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = 1;
    frame.rect = QRect(0, line, width(), height() - line);
    frame.rect.setTop(line - FrameLineRow(style(), frame, this));
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(caption));
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
    painter.restore();
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    PlaceButtons();
}

// The buttons share the room inside the frame evenly, each in the middle of
// its row; in a crowded group they give up some of their height.
void TRadioGroup::PlaceButtons()
{
    const int count = static_cast<int>(m_buttons.size());
    if (count == 0)
        return;
    const QRect room = contentsRect();
    const int rowHeight = std::max(room.height() / count, 0);
    for (int i = 0; i < count; ++i) {
        QRadioButton* button = m_buttons[static_cast<std::size_t>(i)];
        const int buttonHeight = std::min(button->sizeHint().height(), rowHeight);
        const int top = room.top() + i * rowHeight + (rowHeight - buttonHeight) / 2;
        button->setGeometry(room.left(), top, room.width(), buttonHeight);
        FitButtonText(button);
    }
}
