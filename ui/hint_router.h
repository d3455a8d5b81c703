#pragma once

#include <QObject>
#include <QString>

class QAction;
class QStatusBar;
class QWidget;

// The window's hints. Every control, menu item and menu may carry a hint
// "short|long"; controls marked to show hints get the short part as their
// tooltip. Installed on the application, the router puts the long part of the
// nearest hinted control under the mouse, or of the highlighted menu item,
// into the status bar, and empties it where none has a hint.
class THintRouter : public QObject {
    Q_OBJECT
public:
    THintRouter(QWidget* window, QStatusBar* statusBar);

    // Replaces the whole hint of a widget or an action.
    static void SetHint(QObject* target, const QString& hint);
    static QString Hint(const QObject* target);
    // Whether the widget shows the short part as a tooltip.
    static void SetShowHint(QWidget* widget, bool show);

    // Starts following the mouse over every widget of the window.
    void Install();
    // Follows the highlighting of a menu item (or of a menu's own entry),
    // by the mouse or the keyboard. For a menu's entry, every item the menu
    // highlights is followed too, also one added later.
    void Watch(QAction* action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowHintOf(QWidget* widget);
    void Show(const QString& hint);
    bool InWindow(const QObject* object) const;

    QWidget* m_window;
    QStatusBar* m_statusBar;
};
