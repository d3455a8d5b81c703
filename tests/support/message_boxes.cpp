#include "message_boxes.h"

#include <QAbstractButton>
#include <QApplication>

namespace {
// Often enough that a test never waits for a box, rarely enough to cost nothing.
constexpr int WatchEveryMs = 5;
} // namespace

TMessageBoxes::TMessageBoxes()
{
    // The box's own event loop runs this timer while the box is open.
    connect(&m_watch, &QTimer::timeout, this, &TMessageBoxes::AnswerOpenBox);
    m_watch.start(WatchEveryMs);
}

void TMessageBoxes::AnswerOpenBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    if (box != m_seen) {
        m_seen = box;
        m_openFor.start();
        if (Opened)
            Opened();
    }
    if (KeepOpen && KeepOpen()) {
        if (m_openFor.elapsed() < KeepOpenMs)
            return;
        GaveUp = true;
    }
    Texts << box->text();
    QAbstractButton* button = Answer != QMessageBox::NoButton ? box->button(Answer) : nullptr;
    if (!button)
        button = box->escapeButton();
    if (button)
        button->click();
    else
        box->reject();
}
