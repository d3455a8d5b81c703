#include "files/settings.h"
#include "random_profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <sstream>
#include <tuple>

namespace {

auto Fields(const TSettings& s)
{
    return std::tie(s.Left, s.Top, s.Height, s.Width, s.ComPort, s.ComPortAuto, s.Language, s.File,
                    s.IniDir, s.IgnAllChecked);
}

TSettings RandomSettings(std::mt19937& random)
{
    std::uniform_int_distribution<int> anyInt(INT_MIN, INT_MAX);
    // Printable, with no blank at either end, which a value cannot keep.
    auto text = [&random]() {
        std::string t(random() % 30, ' ');
        for (char& c : t)
            c = static_cast<char>('!' + random() % 94);
        return t;
    };
    return {anyInt(random), anyInt(random), anyInt(random), anyInt(random), anyInt(random),
            anyInt(random), anyInt(random), text(),         text(),         random() % 2 != 0};
}

int CommentLines(const std::string& text)
{
    std::istringstream in(text);
    int count = 0;
    for (std::string line; std::getline(in, line);)
        count += !line.empty() && (line[0] == ';' || line[0] == '#');
    return count;
}

} // namespace

TEST(Settings, WhatIsWrittenReadsBack)
{
    std::mt19937 random(10);
    for (int round = 0; round < 200; ++round) {
        const TSettings written = RandomSettings(random);
        TProfileFile file;
        WriteSettings(file, written);
        EXPECT_EQ(Fields(ReadSettings(TProfileFile(file.Text()), RandomSettings(random))),
                  Fields(written));
    }
}

TEST(Settings, ANewFileHoldsOneSectionWithTheKeysInOrder)
{
    TProfileFile file;
    WriteSettings(file, {-3, 0, 0, 0, 21, 0, 0, "a.ign", "", true});
    EXPECT_EQ(file.Text(), "[BASIC]\nLeft=-3\nTop=0\nHeight=0\nWidth=0\nComPort=21\nComPortAuto=0\n"
                           "Language=0\nFile=a.ign\nIniDir=\nCheckBoxIgnAll->Checked=1\n");
}

TEST(Settings, MissingOrBrokenKeysKeepTheirDefaults)
{
    std::mt19937 random(11);
    const TSettings defaults = RandomSettings(random);
    EXPECT_EQ(Fields(ReadSettings(TProfileFile(), defaults)), Fields(defaults));
    EXPECT_EQ(Fields(ReadSettings(TProfileFile("[OTHER]\nLeft=1\n"), defaults)), Fields(defaults));
    const TSettings read =
        ReadSettings(TProfileFile("[basic]\r\nleft = 12abc\r\nTOP= 7 \r\n"), defaults);
    EXPECT_EQ(read.Left, defaults.Left);
    EXPECT_EQ(read.Top, 7);
}

TEST(Settings, AnyNonZeroNumberChecksAll)
{
    for (bool initial : {false, true}) {
        TSettings defaults;
        defaults.IgnAllChecked = initial;
        auto checked = [&defaults](const std::string& value) {
            return ReadSettings(TProfileFile("[BASIC]\nCheckBoxIgnAll->Checked=" + value), defaults)
                .IgnAllChecked;
        };
        EXPECT_TRUE(checked("1") && checked("-5"));
        EXPECT_FALSE(checked("0"));
        EXPECT_EQ(checked("yes"), initial);
    }
}

TEST(Settings, ForeignSectionsKeysAndCommentsSurviveASave)
{
    std::mt19937 random(12);
    for (int round = 0; round < 300; ++round) {
        const std::string before = RandomProfileText(random);
        const TSettings written = RandomSettings(random);
        TProfileFile file(before);
        WriteSettings(file, written);
        const TProfileFile after(file.Text());
        const TProfileFile old(before);

        EXPECT_EQ(Fields(ReadSettings(after, TSettings())), Fields(written));
        for (const char* section : {"Other", "WINDOW", "x y", "BASIC"})
            for (const char* key : {"Foo", "Bar.Baz", "Key With Blanks"})
                EXPECT_EQ(after.ReadString(section, key, "-"), old.ReadString(section, key, "-"));
        for (const char* key : {"Left", "TOP", "file"})
            EXPECT_EQ(after.ReadString("Other", key, "-"), old.ReadString("Other", key, "-"));
        EXPECT_EQ(CommentLines(file.Text()), CommentLines(before));
    }
}

TEST(Settings, PortAndLanguageNumbersAreCutToTheirLowByte)
{
    for (int value = -70000; value <= 70000; value += 7) {
        const int low = ((value % 256) + 256) % 256;
        ASSERT_EQ(LowByte(value), low) << value;
        ASSERT_EQ(StoredPortIndex(value), (low + 255) % 256) << value;
    }
    EXPECT_EQ(StoredPortIndex(21), 20); // the preset, with no key: "Com Auto"
    EXPECT_EQ(StoredPortIndex(0), 255);
    EXPECT_EQ(LowByte(INT_MIN), 0);
}
