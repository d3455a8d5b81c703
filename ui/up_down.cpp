#include "ui/up_down.h"

#include "texts/number_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>
#include <algorithm>

namespace {
constexpr int SpinnerWidth = 16;

QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), m_up(ArrowButton(this, Qt::UpArrow)),
      m_down(ArrowButton(this, Qt::DownArrow)), m_separator(QLocale().groupSeparator())
{
    setFocusPolicy(Qt::NoFocus);
    resize(SpinnerWidth, 21);
    connect(m_up, &QToolButton::clicked, this, [this] { Click(TButton::Next); });
    connect(m_down, &QToolButton::clicked, this, [this] { Click(TButton::Prev); });
}

void TUpDown::SetAssociate(QLineEdit* edit)
{
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = edit;
    if (!edit)
        return;
    setGeometry(edit->x() + edit->width(), edit->y(), width(), edit->height());
    edit->installEventFilter(this);
    WriteBuddy();
}

void TUpDown::SetRange(int min, int max)
{
    m_min = min;
    m_max = max;
    SetPosition(m_position);
}

void TUpDown::SetThousands(bool on)
{
    m_thousands = on;
    WriteBuddy();
}

void TUpDown::SetPosition(int value)
{
    m_position = std::clamp(value, m_min, m_max);
    WriteBuddy();
}

void TUpDown::Click(TButton button)
{
    TakeTypedValue();
    SetPosition(m_position + (button == TButton::Next ? m_increment : -m_increment));
    emit Clicked(button);
}

// A number typed but not yet confirmed is where the step starts from, as the
// user expects; anything else leaves the position alone.
void TUpDown::TakeTypedValue()
{
    if (!m_buddy)
        return;
    const auto typed = ParseGroupedInt(m_buddy->text().toStdString(), m_separator.toStdString());
    if (typed && *typed >= m_min && *typed <= m_max)
        m_position = *typed;
}

void TUpDown::WriteBuddy()
{
    if (m_buddy)
        m_buddy->setText(QString::fromStdString(
            GroupDigits(m_position, m_thousands, m_separator.toStdString())));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Click(key == Qt::Key_Up ? TButton::Next : TButton::Prev);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
