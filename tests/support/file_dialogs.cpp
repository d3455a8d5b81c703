#include "file_dialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace {
// As for the message boxes: never waited for, costs nothing.
constexpr int WatchEveryMs = 5;
} // namespace

TFileDialogs::TFileDialogs()
{
    // The dialog's own event loop runs this timer while it is open.
    connect(&m_watch, &QTimer::timeout, this, &TFileDialogs::AnswerOpenDialog);
    m_watch.start(WatchEveryMs);
}

void TFileDialogs::AnswerOpenDialog()
{
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    ++Shown;
    Proposed = dialog->selectedFiles().value(0);
    if (Answer.isEmpty()) {
        dialog->reject();
        return;
    }
    dialog->selectFile(Answer);
    // Through QDialog, whose accept() is public; the file dialog still checks the name.
    static_cast<QDialog*>(dialog)->accept();
}
