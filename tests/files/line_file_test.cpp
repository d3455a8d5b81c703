#include "file_size_limit.h"
#include "files/line_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

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
