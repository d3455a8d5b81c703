#pragma once

#include <QString>
#include <QStringList>

// Where the help document may be, in the order they are tried: the working
// folder (where the user may keep a document of their own), the installed
// documentation folder beside the program's bin/, and the program's own
// folder, where the build puts it.
QStringList HelpCandidates(const QString& name, const QString& workingFolder,
                           const QString& programFolder);

// The first candidate that is a file; empty when none is.
QString FirstExistingFile(const QStringList& candidates);
