#include "ui/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {
// Room for the caption above the first button and the frame's edges.
constexpr int CaptionSpace = 14;
constexpr int BottomSpace = 4;
constexpr int ButtonLeft = 8;
} // namespace

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent), m_group(new QButtonGroup(this))
{
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        m_itemIndex = id;
        emit Clicked();
    });
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

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    PlaceButtons();
}

// The buttons share the height below the caption evenly.
void TRadioGroup::PlaceButtons()
{
    const int count = static_cast<int>(m_buttons.size());
    if (count == 0)
        return;
    const int rowHeight = (height() - CaptionSpace - BottomSpace) / count;
    for (int i = 0; i < count; ++i) {
        const int buttonHeight = m_buttons[static_cast<std::size_t>(i)]->sizeHint().height();
        const int top = CaptionSpace + i * rowHeight + (rowHeight - buttonHeight) / 2;
        m_buttons[static_cast<std::size_t>(i)]->setGeometry(ButtonLeft, top,
                                                            width() - 2 * ButtonLeft, buttonHeight);
    }
}
