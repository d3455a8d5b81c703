#include "files/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(const QString& what, const QString& path, const QString& detail)
{
    return (what + QStringLiteral(" ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") +
            detail)
        .toStdString();
}

QString KindOf(mode_t mode)
{
    if (S_ISCHR(mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(mode))
        return QStringLiteral("a block device");
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe");
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("something else");
}

// Why the path may not be written, or empty. What a symbolic link leads to
// is what counts: renaming a new file over a device, a pipe or a folder
// would destroy it, and QSaveFile follows links before it renames.
QString RefusalOf(const QString& path, struct stat& target, bool& exists)
{
    const QByteArray name = QFile::encodeName(path);
    exists = ::stat(name.constData(), &target) == 0;
    if (!exists)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISREG(target.st_mode))
        return {};
    struct stat link {};
    const QString kind = KindOf(target.st_mode) + QStringLiteral(", not a regular file");
    if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
        return QStringLiteral("it leads to ") +
               QDir::toNativeSeparators(QFileInfo(path).canonicalFilePath()) +
               QStringLiteral(", ") + kind;
    return QStringLiteral("it is ") + kind;
}

// The new file takes the old one's owner and mode where the process may:
// only root gives a file away, anyone keeps a group of their own. The mode
// comes after the owner, whose change clears the set-id bits; on a file
// that stays the writer's they are not copied.
void KeepOwnerAndMode(QSaveFile& file, const struct stat& old)
{
    const int fd = file.handle();
    if (fd < 0)
        return;
    const auto give = [fd](uid_t owner, gid_t group) { return ::fchown(fd, owner, group) == 0; };
    const bool ownerKept = give(old.st_uid, old.st_gid);
    if (!ownerKept)
        give(static_cast<uid_t>(-1), old.st_gid);
    ::fchmod(fd, old.st_mode & (ownerKept ? 07777 : 0777));
}

} // namespace

std::string WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    struct stat old {};
    bool exists = false;
    const QString refusal = RefusalOf(path, old, exists);
    if (!refusal.isEmpty())
        return Reason(QStringLiteral("Cannot write"), path, refusal);

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return Reason(QStringLiteral("Cannot write"), path,
                      QStringLiteral("cannot make the folder ") + QDir::toNativeSeparators(folder));

    QSaveFile file(path);
    // A file the user may write in a folder where no new file may be made
    // (a shared folder, a read-only home with a writable file) is written in
    // place rather than refused: the save is then no longer one step.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return Reason(QStringLiteral("Cannot write"), path, file.errorString());
    if (exists)
        KeepOwnerAndMode(file, old);

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

void RemoveSaveLeftovers(const QString& path, const QDateTime& before)
{
    const QFileInfo target(path);
    const QString prefix = target.fileName() + QLatin1Char('.');
    constexpr int SuffixLength = 6; // QSaveFile's "XXXXXX"
    const QFileInfoList entries =
        target.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name.size() != prefix.size() + SuffixLength || !name.startsWith(prefix))
            continue;
        // QSaveFile draws its suffix from the plain Latin letters.
        bool ours = true;
        for (const QChar c : name.mid(prefix.size()))
            ours = ours && ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'));
        if (ours && entry.isFile() && entry.lastModified() < before)
            QFile::remove(entry.absoluteFilePath());
    }
}

TSmallFile ReadSmallFile(const QString& path, qint64 maxBytes)
{
    TSmallFile result;
    const QFileInfo info(path);
    if (!info.exists())
        return result;
    const auto notRead = [&](const QString& why) {
        result.Status = TReadStatus::NotRead;
        result.Why = why.toStdString();
        return result;
    };
    if (!info.isFile()) {
        result.Status = TReadStatus::NotRegular;
        return result;
    }
    if (maxBytes < 0 || info.size() > maxBytes)
        return notRead(QStringLiteral("larger than %1 bytes").arg(qMax<qint64>(maxBytes, 0)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return notRead(file.errorString());
    // Read to the end rather than trust the size looked at: the file may
    // have grown since.
    std::string content;
    char chunk[65536];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            return notRead(file.errorString());
        if (got == 0)
            break;
        if (got > maxBytes - static_cast<qint64>(content.size()))
            return notRead(QStringLiteral("larger than %1 bytes").arg(maxBytes));
        content.append(chunk, static_cast<std::size_t>(got));
    }
    result.Status = TReadStatus::Whole;
    result.Text = std::move(content);
    return result;
}

bool ReadSmallFile(const QString& path, qint64 maxBytes, std::string& out)
{
    TSmallFile file = ReadSmallFile(path, maxBytes);
    out = std::move(file.Text);
    return file.Status == TReadStatus::Whole;
}
