#include "files/line_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <string>

#include <sys/resource.h>

namespace {

// A file-size limit for this process, as a full disk would stop the log part
// way through a line. Ignoring SIGXFSZ turns the signal into a failed write.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes < m_saved.rlim_max ? bytes : m_saved.rlim_max;
        m_set = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedSignal);
    }
    bool Set() const { return m_set; }

private:
    rlimit m_saved{};
    void (*m_savedSignal)(int) = SIG_DFL;
    bool m_set = false;
};

} // namespace

TEST(LineFile, AFailedWriteIsReportedAndLeavesOnlyWholeLines)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("live.csv")).toStdString();
    constexpr rlim_t Limit = 1000;
    TLineFile file;
    std::string expected;
    {
        TFileSizeLimit limit(Limit);
        ASSERT_TRUE(limit.Set());
        ASSERT_EQ(file.Open(path), "");
        // Lines of changing length, so the limit falls inside one.
        for (int i = 0; i < 200 && !file.Failed(); ++i) {
            const std::string line(static_cast<std::size_t>(10 + i % 37), char('a' + i % 26));
            if (file.WriteLine(line))
                expected += line + "\n";
        }
        EXPECT_FALSE(file.WriteLine("after the failure")) << "nothing more is written";
    }
    ASSERT_TRUE(file.Failed());
    EXPECT_EQ(file.Error(), path + ": " + std::strerror(EFBIG));

    QFile written(QString::fromStdString(path));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const std::string content = written.readAll().toStdString();
    EXPECT_EQ(content, expected);
    EXPECT_GT(content.size(), Limit - 50) << "it stopped at the limit, not before";
}
