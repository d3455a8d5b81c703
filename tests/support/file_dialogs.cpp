#include "file_dialogs.h"

#include <QApplication>
#include <QFileDialog>

TFileDialogs::TFileDialogs()
{
    // The dialog's own event loop runs this timer while it is open.
    connect(&m_watch, &QTimer::timeout, this, &TFileDialogs::AnswerOpenDialog);
    m_watch.start(5);
}

void TFileDialogs::AnswerOpenDialog()
{
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    ++Shown;
    if (Path.isEmpty()) {
        dialog->reject();
        return;
    }
    dialog->selectFile(Path);
    static_cast<QDialog*>(dialog)->accept(); // the file dialog checks the choice as a click would
}
