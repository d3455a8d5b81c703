#include "ui/control_text.h"

#include "ui/hint_router.h"
#include "ui/label.h"
#include "ui/radio_group.h"
#include "ui/text_fit.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QMenu>

namespace {
// The window's buttons have fixed sizes; a longer caption narrows instead.
void SetButtonCaption(QAbstractButton* button, const QString& text)
{
    button->setText(text);
    FitButtonText(button);
}

bool ApplyCaption(QObject* target, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(target))
        action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target))
        SetCaption(label, text);
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
        SetButtonCaption(button, text);
    else if (auto* group = qobject_cast<QGroupBox*>(target))
        group->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(target); widget && widget->isWindow())
        widget->setWindowTitle(text);
    else
        return false;
    return true;
}
} // namespace

bool ApplyControlText(QObject* target, TTextKind kind, const std::string& text)
{
    // A menu's caption and hint belong to its entry in the menu bar.
    if (auto* menu = qobject_cast<QMenu*>(target))
        target = menu->menuAction();
    const QString value = QString::fromStdString(text);
    switch (kind) {
    case TTextKind::Caption: return ApplyCaption(target, value);
    case TTextKind::Hint: THintRouter::SetHint(target, value); return true;
    case TTextKind::Items:
        if (auto* group = qobject_cast<TRadioGroup*>(target)) {
            group->SetItems(value.split(QLatin1Char('\n')));
            return true;
        }
        return false;
    }
    return false;
}
