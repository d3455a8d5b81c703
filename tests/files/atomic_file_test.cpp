#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray Content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool Mentions(const std::string& reason, const QString& path)
{
    return reason.find(QDir::toNativeSeparators(path).toStdString()) != std::string::npos;
}

} // namespace

TEST(AtomicFile, AWriteReplacesTheOldContentAndLeavesNothingElse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("settings.ini");
    Put(path, QByteArray(5000, 'o'));
    EXPECT_EQ(WriteFileAtomically(path, "new\n"), "");
    EXPECT_EQ(Content(path), "new\n");
    EXPECT_EQ(WriteFileAtomically(path, QByteArray()), "");
    EXPECT_EQ(Content(path), "");
    EXPECT_EQ(Entries(dir.path()), QStringList{"settings.ini"});
}

TEST(AtomicFile, AMissingFolderIsMade)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("a/b/c/_Kolvane_v72.ini");
    EXPECT_EQ(WriteFileAtomically(path, "1 2 3"), "");
    EXPECT_EQ(Content(path), "1 2 3");
}

// A new file has nowhere to go; one that is there is written in place (below).
TEST(AtomicFile, AFolderThatCannotBeWrittenIsReportedAndTheOldFileStays)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    Put(folder + "/other.ini", "old");
    const QString path = folder + "/settings.ini";
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    {
        QFile probe(folder + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            chmod(QFile::encodeName(folder).constData(), 0755);
            GTEST_SKIP()
                << "permissions do not bind here (root); a file as parent is tested instead";
        }
    }
    const std::string reason = WriteFileAtomically(path, "new");
    chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_TRUE(Mentions(reason, path)) << reason;
    EXPECT_EQ(Content(folder + "/other.ini"), "old");
    EXPECT_EQ(Entries(folder), QStringList{"other.ini"});
}

TEST(AtomicFile, AParentThatIsAFileOrAFolderInPlaceIsReportedAndNothingChanges)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Put(dir.filePath("plain"), "x");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("taken")));
    for (const QString& path : {dir.filePath("plain/settings.ini"),
                                dir.filePath("plain/sub/settings.ini"), dir.filePath("taken")}) {
        const std::string reason = WriteFileAtomically(path, "new");
        EXPECT_TRUE(Mentions(reason, path)) << reason;
    }
    EXPECT_EQ(Content(dir.filePath("plain")), "x");
    EXPECT_EQ(Entries(dir.path()), (QStringList{"plain", "taken"}));
    EXPECT_EQ(Entries(dir.filePath("taken")), QStringList());
}

// What a save may find at its path. Only the last two lead to a regular file.
enum class TTarget { Device, Pipe, Folder, LinkToDevice, LinkToFile, FileInReadOnlyFolder };
void PrintTo(TTarget target, std::ostream* out)
{
    *out << std::array{"Device",       "Pipe",       "Folder",
                       "LinkToDevice", "LinkToFile", "FileInReadOnlyFolder"}[int(target)];
}
class AtomicFileTarget : public testing::TestWithParam<TTarget> {};

TEST_P(AtomicFileTarget, OnlyARegularFileIsWrittenAndAnythingElseIsLeftAsItWas)
{
    const TTarget kind = GetParam();
    const bool root = geteuid() == 0, written = kind >= TTarget::LinkToFile;
    if (kind == TTarget::FileInReadOnlyFolder && root)
        GTEST_SKIP() << "root writes in a read-only folder: writing in place is not reached";
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()), file = folder + "/file";
    QByteArray path = folder + "/target", device = folder + "/null";
    // As root, a device of its own: a writer that renamed over /dev/null would take the machine's.
    if (mknod(device, S_IFCHR | 0666, makedev(1, 3)) != 0)
        device = "/dev/null";
    Put(QFile::decodeName(file), "old");
    ASSERT_TRUE(chmod(file, 0640) == 0 && (!root || chown(file, 65534, 65534) == 0));
    if (kind == TTarget::Device || kind == TTarget::FileInReadOnlyFolder)
        path = kind == TTarget::Device ? device : file;
    const int made = kind == TTarget::Pipe           ? mkfifo(path, 0600)
                     : kind == TTarget::Folder       ? mkdir(path, 0700)
                     : kind == TTarget::LinkToDevice ? symlink(device, path)
                     : kind == TTarget::LinkToFile   ? symlink("file", path)
                     : kind == TTarget::Device       ? 0
                                                     : chmod(folder, 0555);
    struct stat before = {}, link = {}, after = {}, linkAfter = {};
    ASSERT_TRUE(made == 0 && stat(path, &before) == 0 && lstat(path, &link) == 0);
    const QStringList entries = Entries(dir.path());
    const std::string reason = WriteFileAtomically(QFile::decodeName(path), "new");
    chmod(folder, 0700);
    ASSERT_TRUE(stat(path, &after) == 0 && lstat(path, &linkAfter) == 0);
    EXPECT_EQ(Entries(dir.path()), entries) << "nothing made or left beside it";
    EXPECT_EQ(linkAfter.st_ino, link.st_ino) << "a link stays a link";
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_TRUE(written ? reason.empty() : Mentions(reason, QFile::decodeName(path))) << reason;
    EXPECT_TRUE(written ? Content(QFile::decodeName(path)) == "new"
                        : after.st_ino == before.st_ino && after.st_rdev == before.st_rdev);
    EXPECT_TRUE(!written || !root || after.st_uid == 65534) << "the owner is kept";
}

INSTANTIATE_TEST_SUITE_P(Targets, AtomicFileTarget,
                         testing::Values(TTarget::Device, TTarget::Pipe, TTarget::Folder,
                                         TTarget::LinkToDevice, TTarget::LinkToFile,
                                         TTarget::FileInReadOnlyFolder));

// A full disk, played by a file-size limit. The limit is set in a child
// process so it stays out of the other tests; the child's exit status says
// which check failed.
TEST(AtomicFile, AWriteCutShortByTheFileSizeLimitKeepsTheOldFileWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray old(1000, 'o');
    // One write small enough to sit in Qt's buffer until the flush, one large
    // enough to go to the disk at once.
    const qint64 sizes[] = {8 * 1024, 256 * 1024};
    for (qint64 size : sizes)
        Put(dir.filePath(QString("big%1").arg(size)), old);

    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(2);
        int failures = 0;
        for (int k = 0; k < 2; ++k) {
            const QString path = dir.filePath(QString("big%1").arg(sizes[k]));
            const std::string reason = WriteFileAtomically(path, QByteArray(sizes[k], 'n'));
            if (!Mentions(reason, path))
                failures |= 4 << k;
        }
        if (WriteFileAtomically(dir.filePath("small"), QByteArray(4096, 's')) != "")
            failures |= 16;
        _exit(failures);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "4: buffered write, 8: direct write, 16: small write";
    for (qint64 size : sizes) {
        const QByteArray kept = Content(dir.filePath(QString("big%1").arg(size)));
        EXPECT_TRUE(kept == old) << size << ": " << kept.size() << " bytes, beginning "
                                 << kept.left(8).toStdString();
    }
    EXPECT_EQ(Content(dir.filePath("small")), QByteArray(4096, 's'));
    EXPECT_EQ(Entries(dir.path()), (QStringList{"big262144", "big8192", "small"}));
}

TEST(AtomicFile, ASmallFileIsReadWholeAndALargerOneNotAtAll)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("marker.txt");
    const QByteArray bytes(200000, '\0');
    Put(path, bytes);
    std::string out = "stale";
    EXPECT_TRUE(ReadSmallFile(path, bytes.size(), out));
    EXPECT_TRUE(out == bytes.toStdString());
    EXPECT_FALSE(ReadSmallFile(path, bytes.size() - 1, out));
    EXPECT_EQ(out, "");
}

TEST(AtomicFile, OnlyARegularFileIsRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string out;
    EXPECT_FALSE(ReadSmallFile(dir.filePath("missing"), 100, out));
    EXPECT_FALSE(ReadSmallFile(dir.path(), 100, out));
    EXPECT_FALSE(ReadSmallFile("/dev/zero", 100, out));
    // A pipe with no writer would block the start-up for good.
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(ReadSmallFile(fifo, 100, out));
}
