#include "files/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

std::string Reason(const QString& what, const QString& path, const QString& detail)
{
    return (what + QStringLiteral(" ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") +
            detail)
        .toStdString();
}

} // namespace

std::string WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return Reason(QStringLiteral("Cannot write"), path,
                      QStringLiteral("cannot make the folder ") + QDir::toNativeSeparators(folder));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Reason(QStringLiteral("Cannot write"), path, file.errorString());

    // QSaveFile lets commit() replace the old file with a truncated one after
    // a short write or a failed flush (a full disk, a file-size limit), so
    // both are checked here and the new file is dropped on either.
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString detail = QStringLiteral("%1 of %2 bytes written")
                                   .arg(qMax<qint64>(written, 0))
                                   .arg(bytes.size());
        file.cancelWriting();
        return Reason(QStringLiteral("Cannot write all of"), path, detail);
    }
    if (!file.flush()) {
        // Qt gives no reason for a failed flush.
        file.cancelWriting();
        return Reason(QStringLiteral("Cannot write all of"), path,
                      QStringLiteral("the disk took only part of it (is it full?)"));
    }
    if (!file.commit())
        return Reason(QStringLiteral("Cannot save"), path, file.errorString());
    return {};
}

bool ReadSmallFile(const QString& path, qint64 maxBytes, std::string& out)
{
    out.clear();
    const QFileInfo info(path);
    if (maxBytes < 0 || !info.isFile() || info.size() > maxBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Read to the end rather than trust the size looked at: the file may
    // have grown since.
    std::string content;
    char chunk[65536];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (got > maxBytes - static_cast<qint64>(content.size()))
            return false;
        content.append(chunk, static_cast<std::size_t>(got));
    }
    out = std::move(content);
    return true;
}
