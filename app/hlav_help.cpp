// The Help menu: the help document and the About window.
#include "app/help_document.h"
#include "app/hlav.h"
#include "ui/form_about.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

void TFormHlav::SetAboutWindow(TFormAbout* about)
{
    m_about = about;
}

void TFormHlav::MenuContensClick()
{
    const QString name = QString::fromStdString(m_messages[MsgHelpFile]);
    const QString path = FirstExistingFile(
        HelpCandidates(name, QDir::currentPath(), QCoreApplication::applicationDirPath()));
    if (!path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return;
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(m_messages[MsgOpenHelpError]));
}

// Modal, but in a loop of its own that keeps the tick running.
void TFormHlav::MenuAboutClick()
{
    if (m_about)
        m_about->exec();
}
