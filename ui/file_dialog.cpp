#include "ui/file_dialog.h"

#include <QFileDialog>

TFileDialog::TFileDialog(TKind kind, QObject* parent) : QObject(parent), m_kind(kind) {}

bool TFileDialog::Execute(QWidget* owner)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(m_kind == TKind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_kind == TKind::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(DefaultExt);
    dialog.setNameFilters(Filters);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !OverwritePrompt);
    if (!FileName.trimmed().isEmpty())
        dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst();
    return true;
}
