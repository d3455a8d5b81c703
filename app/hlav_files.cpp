// Parameter files: New, Open and Save. The format is files/param_file.h;
// this asks the user, reaches the disk and shows the result.
#include "app/hlav.h"

#include "files/atomic_file.h"
#include "files/param_file.h"
#include "files/param_file_disk.h"
#include "texts/language.h"
#include "ui/file_dialog.h"
#include "ui/label.h"

#include <QByteArray>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

#include <cstdio>

void TFormHlav::MenuNewClick()
{
    const auto answer = QMessageBox::question(
        this, windowTitle(), QString::fromStdString(m_messages[MsgDefaultSetting]),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    m_image.SetDefaults();
    m_image.ResetPushMemory(); // a whole new curve, not an edit of the old one
    ApplyChange();
    m_link.HideStatus();
    ShowLinkDisplay();
    SetCaption(m_ui.LabelFile2, QString());
}

void TFormHlav::MenuOpenClick()
{
    if (m_ui.OpenDialog1->Execute(this))
        OpenParamFile(m_ui.OpenDialog1->FileName);
    m_link.HideStatus();
    ShowLinkDisplay();
}

void TFormHlav::OpenParamFile(const QString& path)
{
    const TParamFileText file = ReadParamFileFromDisk(path);
    if (file.Status != TParamFileStatus::Ok) {
        ShowFileError(m_messages[MsgOpenFileError]);
        return;
    }
    if (!ApplyParamFile(file.Text, m_image)) {
        ShowFileError(m_messages[MsgUnmatchedFileVersion]);
        return;
    }
    ApplyChange();
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    SetCaption(m_ui.LabelFile2, fullPath);
    LastParamFile = fullPath.toStdString();
    m_ui.SaveDialog1->FileName = fullPath;
    // Said once the controls show what they took, so the user sees both.
    const std::vector<TParamFileChange> changes = ParamFileChanges(file.Text, m_image);
    if (!changes.empty())
        QMessageBox::information(
            this, windowTitle(),
            QString::fromStdString(ParamFileChangesText(changes, LanguageIndex)));
}

void TFormHlav::MenuSaveClick()
{
    if (!m_ui.SaveDialog1->Execute(this))
        return;
    const QString fullPath = QFileInfo(m_ui.SaveDialog1->FileName).absoluteFilePath();
    TakeControls();
    // Written whole or not at all: a full disk must not leave half a tune.
    const std::string failure =
        WriteFileAtomically(fullPath, QByteArray::fromStdString(WriteParamFile(m_image)));
    if (!failure.empty()) {
        std::fprintf(stderr, "kolvane: %s\n", failure.c_str());
        ShowFileError(m_messages[MsgOpenFileError]);
        return;
    }
    SetCaption(m_ui.LabelFile2, fullPath);
    LastParamFile = fullPath.toStdString();
    m_ui.OpenDialog1->FileName = fullPath;
}

void TFormHlav::ShowFileError(const std::string& text)
{
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(text));
}
