#include "ui/hint_router.h"

#include "texts/hint_text.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QStatusBar>
#include <QWidget>

namespace {
const char* const HintProperty = "hint";
const char* const ShowHintProperty = "showHint";

QString LongPart(const QString& hint)
{
    return QString::fromStdString(SplitHint(hint.toStdString()).Long);
}

void ApplyTooltip(QWidget* widget)
{
    const QString hint = THintRouter::Hint(widget);
    const bool show = widget->property(ShowHintProperty).toBool();
    widget->setToolTip(show ? QString::fromStdString(SplitHint(hint.toStdString()).Short)
                            : QString());
}
} // namespace

THintRouter::THintRouter(QWidget* window, QStatusBar* statusBar)
    : QObject(window), m_window(window), m_statusBar(statusBar)
{
}

void THintRouter::SetHint(QObject* target, const QString& hint)
{
    target->setProperty(HintProperty, hint);
    if (auto* widget = qobject_cast<QWidget*>(target))
        ApplyTooltip(widget);
    // The menus show an action's status tip themselves when they highlight it.
    else if (auto* action = qobject_cast<QAction*>(target))
        action->setStatusTip(LongPart(hint));
}

QString THintRouter::Hint(const QObject* target)
{
    return target->property(HintProperty).toString();
}

void THintRouter::SetShowHint(QWidget* widget, bool show)
{
    widget->setProperty(ShowHintProperty, show);
    ApplyTooltip(widget);
}

void THintRouter::Install()
{
    qApp->installEventFilter(this);
}

void THintRouter::Watch(QAction* action)
{
    connect(action, &QAction::hovered, this, [this, action] { Show(Hint(action)); });
    if (QMenu* menu = action->menu())
        connect(menu, &QMenu::hovered, this, [this](QAction* item) { Show(Hint(item)); });
}

bool THintRouter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::Leave)
        return false;
    // While a menu is open the status bar is its highlighted item's. Opening
    // one takes the pointer from the control under it and may put it over
    // the menu; those crossings arrive after a menu opened from the keyboard
    // has highlighted its first item, and must not take its hint away.
    if (QApplication::activePopupWidget())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !InWindow(widget))
        return false;
    // Leaving a control puts the mouse over its parent, unless it enters a
    // sibling, whose Enter follows.
    ShowHintOf(type == QEvent::Enter ? widget : widget->parentWidget());
    return false;
}

void THintRouter::ShowHintOf(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QString hint = Hint(widget);
        if (!hint.isEmpty()) {
            Show(hint);
            return;
        }
    }
    Show(QString());
}

void THintRouter::Show(const QString& hint)
{
    const QString text = LongPart(hint);
    if (text.isEmpty())
        m_statusBar->clearMessage();
    else
        m_statusBar->showMessage(text);
}

bool THintRouter::InWindow(const QObject* object) const
{
    for (; object; object = object->parent())
        if (object == m_window)
            return true;
    return false;
}
