#include "file_size_limit.h"
#include "files/line_file.h"
#include "files/output_paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// What is at the log's path when the run opens it.
enum class TTarget { Missing, Empty, Filled, TwoNames, PipeWithReader, PipeAlone };
using TOpenCase = std::tuple<TTarget, bool, bool>; // target, --force, opens
class LineFileOpen : public testing::TestWithParam<TOpenCase> {};

TEST_P(LineFileOpen, NeverEmptiesUnaskedNeverWaitsAndStreamsPipes)
{
    const auto [target, force, opens] = GetParam();
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("live.csv")).toStdString();
    if (target == TTarget::Filled || target == TTarget::Empty)
        std::ofstream(path) << (target == TTarget::Filled ? "ride\n" : "");
    ASSERT_TRUE(target < TTarget::PipeWithReader || mkfifo(path.c_str(), 0600) == 0);
    const int reader =
        target == TTarget::PipeWithReader ? open(path.c_str(), O_RDONLY | O_NONBLOCK) : -1;

    TLineFile log; // as the programs open their outputs
    std::string error = SameFileTwice(
        {path, target == TTarget::TwoNames ? folder.path().toStdString() + "/./live.csv" : ""});
    if (error.empty())
        error = log.Open(path, force);
    ASSERT_EQ(error.empty(), opens) << error;
    EXPECT_EQ(error.find("--force") != std::string::npos, target == TTarget::Filled && !opens);
    EXPECT_EQ(log.WriteLine("row"), opens);
    const int in = reader >= 0 ? reader : open(path.c_str(), O_RDONLY | O_NONBLOCK);
    char got[8] = {};
    EXPECT_LE(read(in, got, sizeof got - 1), 5);
    close(in);
    EXPECT_STREQ(got, opens ? "row\n" : target == TTarget::Filled ? "ride\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Targets, LineFileOpen,
                         testing::Values(TOpenCase{TTarget::Missing, false, true},
                                         TOpenCase{TTarget::Empty, false, true},
                                         TOpenCase{TTarget::Filled, false, false},
                                         TOpenCase{TTarget::Filled, true, true},
                                         TOpenCase{TTarget::TwoNames, true, false},
                                         TOpenCase{TTarget::PipeWithReader, false, true},
                                         TOpenCase{TTarget::PipeAlone, true, false}));
