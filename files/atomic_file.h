#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// Replaces the file with the bytes as one step: the old content stays whole
// until the new content is complete on disk. Creates the folder when it is
// missing. Returns an empty string on success, otherwise why it failed,
// naming the path.
std::string WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The whole content of a regular file of at most maxBytes bytes. False, with
// out empty, when the file is missing, unreadable, not a regular file (a
// pipe or a device could block or never end) or larger than maxBytes.
bool ReadSmallFile(const QString& path, qint64 maxBytes, std::string& out);
