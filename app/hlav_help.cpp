// The Help menu: the help document and the About window.
#include "app/help_document.h"
#include "app/hlav.h"
#include "ui/form_about.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>

void TFormHlav::SetAboutWindow(TFormAbout* about)
{
    m_about = about;
}

// The desktop's opener is run on the document and its exit status awaited
// without blocking the tick: a launcher that merely starts is no proof that
// a viewer took the file. KOLVANE_OPENER names another opener.
void TFormHlav::MenuContensClick()
{
    const QString name = QString::fromStdString(m_messages[MsgHelpFile]);
    const QString path = FirstExistingFile(
        HelpCandidates(name, QDir::currentPath(), QCoreApplication::applicationDirPath()));
    if (path.isEmpty())
        return ShowHelpError();
    auto* opener = new QProcess(this);
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(opener, &QProcess::finished, this,
            [this, opener](int code, QProcess::ExitStatus status) {
                opener->deleteLater();
                if (status != QProcess::NormalExit || code != 0)
                    ShowHelpError();
            });
    // Only a start that failed ends without finished().
    connect(opener, &QProcess::errorOccurred, this, [this, opener](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        opener->deleteLater();
        ShowHelpError();
    });
    opener->start(qEnvironmentVariable("KOLVANE_OPENER", QStringLiteral("xdg-open")), {path});
}

void TFormHlav::ShowHelpError()
{
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(m_messages[MsgOpenHelpError]));
}

// Modal, but in a loop of its own that keeps the tick running.
void TFormHlav::MenuAboutClick()
{
    if (m_about)
        m_about->exec();
}
