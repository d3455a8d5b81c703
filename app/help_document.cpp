#include "app/help_document.h"

#include <QDir>
#include <QFileInfo>

QStringList HelpCandidates(const QString& name, const QString& workingFolder,
                           const QString& programFolder)
{
    const QDir program(programFolder);
    return {QDir(workingFolder).filePath(name),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/doc/kolvane/") + name)),
            program.filePath(name)};
}

QString FirstExistingFile(const QStringList& candidates)
{
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return candidate;
    return {};
}
