#include "files/param_file.h"
#include "tests/files/param_file_samples.h"

#include <gtest/gtest.h>

TEST(ParamFileWrite, TheDefaultsGiveTheEightLinesExactly)
{
    TParamImage image;
    image.SetDefaults();
    EXPECT_EQ(WriteParamFile(image), Joined(DefaultFileLines(), "\r\n"));

    // Only the file's own bytes count, and every point is written.
    std::mt19937 random(50);
    TParamImage other = RandomImage(random);
    other.SetDefaults();
    EXPECT_EQ(WriteParamFile(other), Joined(DefaultFileLines(), "\r\n"));
}

TEST(ParamFileWrite, TheLargestValuesKeepTheFieldWidths)
{
    TParamImage image;
    image.Bytes.fill(255);
    std::vector<std::string> lines = {"VARNOTEK_KEY   72 ", "RPM_ADV     ", "ADVANCE     "};
    for (int i = 0; i < CurvePoints; ++i) {
        lines[1] += "25500 ";
        lines[2] += "  255 ";
    }
    for (const char* key : {"POCET_BODU  ", "BASE_ADV    ", "LIMITER     ", "POLARITA    "})
        lines.push_back(key + std::string("  255 "));
    lines.push_back("NO_READING      1");
    EXPECT_EQ(WriteParamFile(image), Joined(lines, "\r\n"));
}

// Save, then open over another image: the file's bytes come back (the read
// lock as 0 or 1), every other byte is the other image's.
TEST(ParamFileWrite, SavingThenOpeningRestoresTheFileBytesOnly)
{
    std::mt19937 random(51);
    for (int round = 0; round < 500; ++round) {
        TParamImage saved = RandomImage(random);
        if (round % 4 == 0)
            saved[ImageByte::ReadLock] = 0;
        const TParamImage before = RandomImage(random);
        TParamImage opened = before;
        ASSERT_TRUE(ReadParamFile(WriteParamFile(saved), opened));
        for (int i = 0; i < ImageSize; ++i) {
            const int expected = !InParamFile(i)            ? before[i]
                                 : i == ImageByte::ReadLock ? saved[i] != 0
                                                            : saved[i];
            ASSERT_EQ(opened[i], expected) << "round " << round << ", byte " << i;
        }
    }
}
