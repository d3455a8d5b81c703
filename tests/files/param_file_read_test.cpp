#include "files/param_file.h"
#include "tests/files/param_file_samples.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint8_t Untouched = 201;

struct TOpened {
    bool Ok;
    TParamImage Image;
};

TOpened Open(const std::string& text)
{
    TOpened opened{false, {}};
    opened.Image.Bytes.fill(Untouched);
    opened.Ok = ReadParamFile(text, opened.Image);
    return opened;
}

// The untouched image with the default file's bytes.
TParamImage DefaultsOpened()
{
    TParamImage defaults;
    defaults.SetDefaults();
    TParamImage image;
    image.Bytes.fill(Untouched);
    for (int i = 0; i < ImageSize; ++i)
        if (InParamFile(i))
            image[i] = defaults[i];
    return image;
}

std::string DefaultFileAfterKey()
{
    std::vector<std::string> lines = DefaultFileLines();
    lines.erase(lines.begin());
    return Joined(lines, "\r\n");
}

} // namespace

TEST(ParamFileRead, TheDefaultFileOpensInAnyLayoutOrOrder)
{
    std::vector<std::string> lines = DefaultFileLines();
    std::vector<std::string> reordered = {lines[0]};
    reordered.insert(reordered.end(), lines.rbegin(), lines.rend() - 1);
    for (const std::string& text : {Joined(lines, "\r\n"), Joined(lines, "\n") + "\n",
                                    Joined(lines, " "), "\t\r\n " + Joined(lines, "\t\r"),
                                    Joined(reordered, "\r\n"), Joined(reordered, "\v\f")}) {
        const TOpened opened = Open(text);
        EXPECT_TRUE(opened.Ok) << text;
        EXPECT_EQ(opened.Image.Bytes, DefaultsOpened().Bytes) << text;
    }
}

TEST(ParamFileRead, OnlyTheExactKeyFollowedBy72Opens)
{
    using namespace std::string_literals;
    for (const std::string& refused : std::vector<std::string>{
             "VARNOTEK_KEY 71", "varnotek_key 72", "Varnotek_Key 72", "VARNOTEK_KEy 72",
             "VARNOTEK_KEY72", "VARNOTEK_KEY 328", "VARNOTEK_KEY 4294967368",
             "VARNOTEK_KEY 18446744073709551688", "VARNOTEK_KEY -72", "VARNOTEK_KEY",
             "XVARNOTEK_KEY 72", "VARNOTEK_KEY\0 72"s, "\xEF\xBB\xBFVARNOTEK_KEY 72"}) {
        const TOpened opened = Open(refused + "\r\n" + DefaultFileAfterKey());
        EXPECT_FALSE(opened.Ok) << refused;
        EXPECT_EQ(opened.Image.Bytes, Open("").Image.Bytes) << refused;
    }
    for (const char* accepted :
         {"VARNOTEK_KEY 072", "VARNOTEK_KEY +72", "VARNOTEK_KEY VARNOTEK_KEY 72",
          "VARNOTEK_KEY 71 VARNOTEK_KEY 72"}) {
        const TOpened opened = Open(accepted + std::string("\r\n") + DefaultFileAfterKey());
        EXPECT_TRUE(opened.Ok) << accepted;
        EXPECT_EQ(opened.Image.Bytes, DefaultsOpened().Bytes) << accepted;
    }
}

TEST(ParamFileRead, WordsBeforeTheKeyAreSkippedAndKeysAfterItAppliedInTurn)
{
    const TOpened opened =
        Open("POCET_BODU 3 VARNOTEK_KEY 71 BASE_ADV 4 VARNOTEK_KEY 72 FOO 12 LIMITER "
             "50 BAR POCET_BODU 6 POCET_BODU 7 RPM_ADV");
    EXPECT_TRUE(opened.Ok);
    TParamImage expected = Open("").Image;
    expected[ImageByte::Limiter] = 50;
    expected[ImageByte::PointCount] = 7;
    EXPECT_EQ(opened.Image.Bytes, expected.Bytes);
}

TEST(ParamFileRead, WithoutTheReadLockLineTheLockStays)
{
    std::vector<std::string> lines = DefaultFileLines();
    lines.pop_back();
    TParamImage expected = DefaultsOpened();
    expected[ImageByte::ReadLock] = Untouched;
    EXPECT_EQ(Open(Joined(lines, "\r\n")).Image.Bytes, expected.Bytes);
    EXPECT_EQ(Open(Joined(lines, "\r\n") + " NO_READING 1").Image[ImageByte::ReadLock], 1);
}

// A missing value, or a word that is no number in its place, ends the key's
// list: the bytes from there on stay, and the word is read as a key.
TEST(ParamFileRead, AMissingOrBrokenValueLeavesItsBytes)
{
    using namespace std::string_literals;
    const TParamImage cut = Open("VARNOTEK_KEY 72 RPM_ADV 1000 2000").Image;
    const TParamImage broken = Open("VARNOTEK_KEY 72 RPM_ADV 1000 2000 ADVANCE 5").Image;
    for (int i = 0; i < CurvePoints; ++i) {
        EXPECT_EQ(cut.Speed(i), i < 2 ? 10 * (i + 1) : Untouched);
        EXPECT_EQ(broken.Speed(i), i < 2 ? 10 * (i + 1) : Untouched);
        EXPECT_EQ(broken.Advance(i), i < 1 ? 5 : Untouched);
    }
    for (const std::string& word : {"abc"s, "12abc"s, "1.5"s, "0x10"s, "1e3"s, "+"s, "-"s, "+-5"s,
                                    "5-"s, "\xB9"s, "12\0"s, "\0"s, std::string(257, '1')}) {
        const TParamImage image = Open("VARNOTEK_KEY 72 BASE_ADV " + word + " LIMITER 80").Image;
        EXPECT_EQ(image[ImageByte::BaseAdvance], Untouched) << word;
        EXPECT_EQ(image[ImageByte::Limiter], 80) << word;
    }
}

// Too large stores the byte's maximum, never its low bits; negative stores 0.
TEST(ParamFileRead, NumbersOutsideAByteAreClamped)
{
    const std::vector<std::pair<std::string, int>> values = {{"+5", 5},
                                                             {"-5", 0},
                                                             {"-0", 0},
                                                             {"007", 7},
                                                             {"255", 255},
                                                             {"256", 255},
                                                             {"300", 255},
                                                             {"4294967340", 255},
                                                             {std::string(200, '9'), 255},
                                                             {std::string(254, '0') + "12", 12}};
    for (const auto& [word, byte] : values)
        EXPECT_EQ(Open("VARNOTEK_KEY 72 BASE_ADV " + word).Image[ImageByte::BaseAdvance], byte)
            << word;

    const TParamImage image =
        Open("VARNOTEK_KEY 72 LIMITER 90 RPM_ADV 1050 1099 99 25599 25600 30000 -1050 +1050").Image;
    const std::vector<int> speeds = {10, 10, 0, 255, 255, 255, 0, 10};
    for (std::size_t i = 0; i < speeds.size(); ++i)
        EXPECT_EQ(image.Speed(static_cast<int>(i)), speeds[i]) << i;
    EXPECT_EQ(image[ImageByte::Limiter], 90);
}

// Random bytes mixed with the file's words: whatever they make, nothing
// outside the file's bytes changes, and nothing at all without the key.
TEST(ParamFileRead, NoiseNeverTouchesOtherBytes)
{
    const std::vector<std::string> words = {"VARNOTEK_KEY", "72",         "71",      "RPM_ADV",
                                            "ADVANCE",      "NO_READING", "LIMITER", "99999999999",
                                            "-1",           "\r\n"};
    std::mt19937 random(52);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int piece = static_cast<int>(random() % 60); piece > 0; --piece)
            if (random() % 2)
                text += words[random() % words.size()] + " ";
            else
                text += std::string(random() % 8, static_cast<char>(random()));
        const TParamImage before = RandomImage(random);
        TParamImage image = before;
        const bool ok = ReadParamFile(text, image);
        for (int i = 0; i < ImageSize; ++i)
            ASSERT_TRUE((ok && InParamFile(i)) || image[i] == before[i]) << round << ", byte " << i;
    }
    TParamImage image = Open("").Image;
    EXPECT_TRUE(
        ReadParamFile(std::string(3 << 20, 'x') + " " + Joined(DefaultFileLines(), " "), image));
    EXPECT_EQ(image.Bytes, DefaultsOpened().Bytes);
}
