#include "files/param_file.h"
#include "tests/files/param_file_samples.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::string_literals;

namespace {

constexpr std::uint8_t Untouched = 201;

// The text read over an image of Untouched bytes.
TParamImage Opened(const std::string& text, bool* ok = nullptr)
{
    TParamImage image;
    image.Bytes.fill(Untouched);
    const bool read = ReadParamFile(text, image);
    if (ok)
        *ok = read;
    return image;
}

// Untouched bytes but the default file's, less those of the keys left out.
std::array<std::uint8_t, ImageSize> DefaultsOpened(std::vector<int> leftOut = {})
{
    TParamImage image = Opened("");
    TParamImage defaults;
    defaults.SetDefaults();
    for (int i = 0; i < ImageSize; ++i)
        if (InParamFile(i) && std::find(leftOut.begin(), leftOut.end(), i) == leftOut.end())
            image[i] = defaults[i];
    return image.Bytes;
}

} // namespace

TEST(ParamFileRead, TheDefaultFileOpensInAnyLayoutOrOrder)
{
    const std::vector<std::string> lines = DefaultFileLines();
    std::vector<std::string> reordered = {lines[0]};
    reordered.insert(reordered.end(), lines.rbegin(), lines.rend() - 1);
    for (const std::string& text : {Joined(lines, "\r\n"), Joined(lines, "\n") + "\n",
                                    Joined(lines, " "), "\t\r\n " + Joined(lines, "\t\r"),
                                    Joined(reordered, "\r\n"), Joined(reordered, "\v\f")}) {
        bool ok = false;
        EXPECT_EQ(Opened(text, &ok).Bytes, DefaultsOpened()) << text;
        EXPECT_TRUE(ok) << text;
    }
    EXPECT_EQ(Opened(Joined({lines.begin(), lines.end() - 1}, "\r\n")).Bytes,
              DefaultsOpened({ImageByte::ReadLock}));
}

TEST(ParamFileRead, OnlyTheExactKeyFollowedBy72Opens)
{
    const std::vector<std::string> lines = DefaultFileLines();
    const std::string rest = "\r\n" + Joined({lines.begin() + 1, lines.end()}, "\r\n");
    for (const std::string& refused : std::vector<std::string>{
             "VARNOTEK_KEY 71", "varnotek_key 72", "Varnotek_Key 72", "VARNOTEK_KEy 72",
             "VARNOTEK_KEY72", "VARNOTEK_KEY 328", "VARNOTEK_KEY 4294967368",
             "VARNOTEK_KEY 18446744073709551688", "VARNOTEK_KEY -72", "VARNOTEK_KEY",
             "XVARNOTEK_KEY 72", "VARNOTEK_KEY\0 72"s, "VARNOTEK_KEY\xEF\xBB\xBF 72"}) {
        bool ok = true;
        EXPECT_EQ(Opened(refused + rest, &ok).Bytes, Opened("").Bytes) << refused;
        EXPECT_FALSE(ok) << refused;
    }
    for (const char* accepted : {"VARNOTEK_KEY 072", "VARNOTEK_KEY +72",
                                 "VARNOTEK_KEY VARNOTEK_KEY 72", "VARNOTEK_KEY 71 VARNOTEK_KEY 72",
                                 "\xEF\xBB\xBFVARNOTEK_KEY 72", " \xEF\xBB\xBFVARNOTEK_KEY 72"})
        EXPECT_EQ(Opened(accepted + rest).Bytes, DefaultsOpened()) << accepted;
}

TEST(ParamFileRead, WordsBeforeTheKeyAreSkippedAndKeysAfterItAppliedInTurn)
{
    TParamImage expected = Opened("");
    expected[ImageByte::Limiter] = 50;
    expected[ImageByte::PointCount] = 7;
    EXPECT_EQ(Opened("POCET_BODU 3 VARNOTEK_KEY 71 BASE_ADV 4 VARNOTEK_KEY 72 FOO 12 LIMITER 50 "
                     "BAR POCET_BODU 6 POCET_BODU 7 RPM_ADV")
                  .Bytes,
              expected.Bytes);
}

// A missing value, or a word that is no number in its place, ends the key's
// list: the bytes from there on stay, and the word is read as a key.
TEST(ParamFileRead, AMissingOrBrokenValueLeavesItsBytes)
{
    const TParamImage cut = Opened("VARNOTEK_KEY 72 RPM_ADV 1000 2000");
    const TParamImage broken = Opened("VARNOTEK_KEY 72 RPM_ADV 1000 2000 ADVANCE 5");
    for (int i = 0; i < CurvePoints; ++i) {
        EXPECT_EQ(cut.Speed(i), i < 2 ? 10 * (i + 1) : Untouched);
        EXPECT_EQ(broken.Speed(i), i < 2 ? 10 * (i + 1) : Untouched);
        EXPECT_EQ(broken.Advance(i), i < 1 ? 5 : Untouched);
    }
    for (const std::string& word : {"abc"s, "12abc"s, "1.5"s, "0x10"s, "1e3"s, "+"s, "-"s, "+-5"s,
                                    "5-"s, "\xB9"s, "12\0"s, "\0"s, std::string(257, '1')}) {
        const TParamImage image = Opened("VARNOTEK_KEY 72 BASE_ADV " + word + " LIMITER 80");
        EXPECT_EQ(image[ImageByte::BaseAdvance], Untouched) << word;
        EXPECT_EQ(image[ImageByte::Limiter], 80) << word;
    }
}

// Too large stores the byte's maximum, never its low bits; negative stores 0.
TEST(ParamFileRead, NumbersOutsideAByteAreClamped)
{
    const std::vector<std::string> words = {"+5",
                                            "-5",
                                            "-0",
                                            "007",
                                            "255",
                                            "256",
                                            "4294967340",
                                            std::string(200, '9'),
                                            std::string(254, '0') + "12"};
    const std::vector<int> bytes = {5, 0, 0, 7, 255, 255, 255, 255, 12};
    for (std::size_t i = 0; i < words.size(); ++i)
        EXPECT_EQ(Opened("VARNOTEK_KEY 72 BASE_ADV " + words[i])[ImageByte::BaseAdvance], bytes[i])
            << words[i];

    const TParamImage image =
        Opened("VARNOTEK_KEY 72 LIMITER 90 RPM_ADV 1050 1099 99 25599 25600 30000 -1050 +1050");
    const std::vector<int> speeds = {10, 10, 0, 255, 255, 255, 0, 10};
    for (std::size_t i = 0; i < speeds.size(); ++i)
        EXPECT_EQ(image.Speed(static_cast<int>(i)), speeds[i]) << i;
    EXPECT_EQ(image[ImageByte::Limiter], 90);
}

// Random bytes mixed with the file's words: whatever they make, nothing
// outside the file's bytes changes, and nothing at all without the key.
TEST(ParamFileRead, NoiseNeverTouchesOtherBytes)
{
    const std::vector<std::string> words = {"VARNOTEK_KEY", "72",      "71",          "RPM_ADV",
                                            "NO_READING",   "LIMITER", "99999999999", "-1",
                                            "ADVANCE",      "\r\n"};
    std::mt19937 random(52);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int piece = static_cast<int>(random() % 60); piece > 0; --piece)
            text += random() % 2 ? words[random() % words.size()] + " "
                                 : std::string(random() % 8, static_cast<char>(random()));
        const TParamImage before = RandomImage(random);
        TParamImage image = before;
        const bool ok = ReadParamFile(text, image);
        for (int i = 0; i < ImageSize; ++i)
            ASSERT_TRUE((ok && InParamFile(i)) || image[i] == before[i]) << round << ", byte " << i;
    }
    EXPECT_EQ(Opened(std::string(3 << 20, 'x') + " " + Joined(DefaultFileLines(), " ")).Bytes,
              DefaultsOpened());
}
