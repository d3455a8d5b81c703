#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

#include <deque>
#include <functional>

class QWidget;

// Message boxes that open once the slot that asked for them has returned.
// A box opened inside a timer's slot would hold that timer back for as long
// as it is open: Qt does not deliver a timer's event again while its slot
// runs. Boxes open one after another, and a text already waiting or showing
// is not queued twice.
class TDeferredBoxes : public QObject {
public:
    // owner: the window the boxes belong to; null for boxes of the application.
    explicit TDeferredBoxes(QWidget* owner, QObject* parent = nullptr);

    // closed runs after the box has been closed.
    void Post(QMessageBox::Icon icon, const QString& title, const QString& text,
              std::function<void()> closed = {});
    // Opens what is waiting now, unless a box of this queue is open already.
    void ShowWaiting();
    bool Waiting() const { return !m_waiting.empty(); }
    // Forgets what has not opened yet: nobody will read it.
    void DropWaiting() { m_waiting.clear(); }
    // The box that is open, or null: a closing program closes it.
    QMessageBox* OpenBox() const { return m_open; }

private:
    struct TBox {
        QMessageBox::Icon Icon;
        QString Title;
        QString Text;
        std::function<void()> Closed;
    };

    QPointer<QWidget> m_owner;
    bool m_hasOwner;
    std::deque<TBox> m_waiting;
    QString m_showingText;
    QPointer<QMessageBox> m_open;
    bool m_scheduled = false;
};
