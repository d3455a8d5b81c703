#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <string>

// Replaces the file with the bytes as one step: the old content stays whole
// until the new content is complete on disk. Creates the folder when it is
// missing. A target that is there but is not a regular file (a device, a
// pipe, a folder, also behind a symbolic link) is refused and left alone; a
// symbolic link to a regular file stays a link, and the file it leads to gets
// the new content with its owner and mode kept where the process may. Where
// the folder takes no new file but the file itself may be written, it is
// written in place. Returns an empty string on success, otherwise why it
// failed, naming the path.
std::string WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Removes what a save of this path interrupted by a kill leaves where the
// system cannot make nameless temporary files: "path.XXXXXX", six letters.
// Only regular files last modified before `before`, so that a save
// that another running program has in progress is never touched.
void RemoveSaveLeftovers(const QString& path, const QDateTime& before);

// What a read of a small file found, and so whether it may be written over
// with what the program knows of it.
enum class TReadStatus {
    Whole,      // read to its end
    Missing,    // nothing there: free to create
    NotRead,    // a regular file too large or unreadable: what it holds is unknown, keep it
    NotRegular, // a device, a pipe or a folder: never read (it could block or never end)
};
struct TSmallFile {
    TReadStatus Status = TReadStatus::Missing;
    std::string Text; // the whole content when Whole, otherwise empty
    std::string Why;  // when NotRead: why, in a few words
};
TSmallFile ReadSmallFile(const QString& path, qint64 maxBytes);

// The whole content of a regular file of at most maxBytes bytes. False, with
// out empty, when the file is missing, unreadable, not a regular file or
// larger than maxBytes.
bool ReadSmallFile(const QString& path, qint64 maxBytes, std::string& out);
