#include "files/param_file.h"
#include "files/param_file_disk.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

void Put(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
              static_cast<qint64>(bytes.size()));
}

} // namespace

TEST(ParamFileDisk, ReadsUpToTheLimitAndRefusesMore)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TParamImage image;
    image.SetDefaults();
    const std::string saved = WriteParamFile(image);
    const std::string largest = saved + std::string(MaxParamFileSize - saved.size(), ' ');
    Put(dir.filePath("a.ign"), saved);
    Put(dir.filePath("largest.ign"), largest);
    Put(dir.filePath("larger.ign"), largest + " ");

    TParamFileText read = ReadParamFileFromDisk(dir.filePath("a.ign"));
    EXPECT_EQ(read.Status, TParamFileStatus::Ok);
    EXPECT_EQ(read.Text, saved);
    read = ReadParamFileFromDisk(dir.filePath("largest.ign"));
    EXPECT_EQ(read.Status, TParamFileStatus::Ok);
    EXPECT_EQ(read.Text, largest);

    read = ReadParamFileFromDisk(dir.filePath("larger.ign"));
    EXPECT_EQ(read.Status, TParamFileStatus::TooLarge);
    EXPECT_EQ(read.Text, "");
    for (const QString& path : {dir.filePath("missing.ign"), dir.path()}) {
        read = ReadParamFileFromDisk(path);
        EXPECT_EQ(read.Status, TParamFileStatus::CannotOpen);
        EXPECT_EQ(read.Text, "");
    }
}
