#include "ui/deferred_boxes.h"

#include <QMetaObject>
#include <QWidget>

#include <algorithm>

TDeferredBoxes::TDeferredBoxes(QWidget* owner, QObject* parent)
    : QObject(parent), m_owner(owner), m_hasOwner(owner != nullptr)
{
}

void TDeferredBoxes::Post(QMessageBox::Icon icon, const QString& title, const QString& text,
                          std::function<void()> closed)
{
    const bool known =
        (m_open && m_showingText == text) ||
        std::any_of(m_waiting.begin(), m_waiting.end(),
                    [&text](const TBox& box) { return box.Text == text; });
    if (known)
        return;
    m_waiting.push_back({icon, title, text, std::move(closed)});
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_scheduled = false;
            ShowWaiting();
        },
        Qt::QueuedConnection);
}

void TDeferredBoxes::ShowWaiting()
{
    while (!m_open && !m_waiting.empty()) {
        TBox box = std::move(m_waiting.front());
        m_waiting.pop_front();
        if (m_hasOwner && !m_owner)
            return; // the window is gone, and its boxes with it
        // On the heap: a window that is destroyed while its box is open
        // takes the box with it.
        m_open = new QMessageBox(box.Icon, box.Title, box.Text, QMessageBox::Ok, m_owner);
        m_showingText = box.Text;
        const QPointer<TDeferredBoxes> alive(this);
        m_open->exec();
        if (!alive)
            return; // went with the window while the box was open
        delete m_open; // null when it went with its window
        m_showingText.clear();
        if (box.Closed)
            box.Closed();
    }
}
