#include "files/profile_file.h"
#include "random_profile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <map>
#include <random>
#include <utility>

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

TEST(ProfileFile, EmptyTextGivesTheDefaults)
{
    const TProfileFile file;
    EXPECT_EQ(file.ReadInteger("BASIC", "Left", -5), -5);
    EXPECT_EQ(file.ReadString("BASIC", "File", "none"), "none");
    EXPECT_EQ(file.Text(), "");
}

TEST(ProfileFile, NamesMatchInAnyCaseAndKeepTheirSpellingWhenWritten)
{
    TProfileFile file("[basic]\nLEFT=5\n");
    EXPECT_EQ(file.ReadInteger("BASIC", "Left", 0), 5);
    EXPECT_EQ(file.ReadInteger("Basic", "left", 0), 5);
    file.WriteInteger("BASIC", "Left", 6);
    EXPECT_EQ(file.Text(), "[basic]\nLEFT=6\n");
}

TEST(ProfileFile, BlanksAroundNamesAndValuesAreIgnored)
{
    const TProfileFile file("  [ BASIC ]  \n\t Left \t=  12  \n File =  a b  \n");
    EXPECT_EQ(file.ReadInteger("BASIC", "Left", 0), 12);
    EXPECT_EQ(file.ReadString("BASIC", "File", ""), "a b");
    EXPECT_EQ(file.Text(), "[BASIC]\nLeft=12\nFile=a b\n");
}

TEST(ProfileFile, CrLfReadsLikeLfAndComesOutAsLf)
{
    std::mt19937 random(1);
    for (int round = 0; round < 200; ++round) {
        const std::string lf = RandomProfileText(random);
        std::string crlf;
        for (char c : lf)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        EXPECT_EQ(TProfileFile(crlf).Text(), TProfileFile(lf).Text());
        EXPECT_EQ(TProfileFile(crlf).Text().find('\r'), std::string::npos);
    }
}

TEST(ProfileFile, OnlyAWholeNumberThatFitsReadsAsAnInteger)
{
    const std::pair<const char*, int> read[] = {{"7", 7},
                                                {"+7", 7},
                                                {"-7", -7},
                                                {"007", 7},
                                                {"2147483647", INT_MAX},
                                                {"-2147483648", INT_MIN}};
    for (const auto& [value, expected] : read)
        EXPECT_EQ(TProfileFile(std::string("[S]\nk=") + value).ReadInteger("S", "k", 99), expected)
            << value;
    const char* const notNumbers[] = {"12abc",
                                      "",
                                      "abc",
                                      "1 2",
                                      "0x10",
                                      "+-3",
                                      "--3",
                                      "+",
                                      "-",
                                      "2147483648",
                                      "-2147483649",
                                      "1.5",
                                      "99999999999999999999999"};
    for (const char* value : notNumbers)
        EXPECT_EQ(TProfileFile(std::string("[S]\nk=") + value).ReadInteger("S", "k", 99), 99)
            << value;
}

TEST(ProfileFile, WritingAKeyChangesOnlyItsLine)
{
    const std::string before = "; settings\n\n[Other]\nLeft=1\n# note\n[BASIC]\nTop=2\n  junk  \n"
                               "Left = 3\n\n[Last]\nx=y\n";
    TProfileFile file(before);
    file.WriteInteger("basic", "LEFT", 4);
    EXPECT_EQ(file.Text(), "; settings\n\n[Other]\nLeft=1\n# note\n[BASIC]\nTop=2\n  junk  \n"
                           "Left=4\n\n[Last]\nx=y\n");
    EXPECT_EQ(file.ReadInteger("Other", "Left", 0), 1);
}

TEST(ProfileFile, NewKeysFollowTheLastKeyOfTheirSectionInTheOrderWritten)
{
    TProfileFile file("[A]\nx=1\n; about B\n\n[B]\ny=2\n");
    file.WriteString("A", "z", "3");
    file.WriteString("A", "w", "4");
    EXPECT_EQ(file.Text(), "[A]\nx=1\nz=3\nw=4\n; about B\n\n[B]\ny=2\n");

    TProfileFile empty("[E]\n; only a comment\n");
    empty.WriteString("E", "k", "v");
    EXPECT_EQ(empty.Text(), "[E]\nk=v\n; only a comment\n");
}

TEST(ProfileFile, ANewSectionGoesToTheEndOfTheFile)
{
    TProfileFile file("; top\nloose=1\n[A]\nx=1");
    file.WriteString("BASIC", "b", "2");
    file.WriteString("BASIC", "a", "1");
    EXPECT_EQ(file.Text(), "; top\nloose=1\n[A]\nx=1\n[BASIC]\nb=2\na=1\n");
    // A key above every section belongs to none, not even a nameless one.
    EXPECT_EQ(file.ReadString("", "loose", "-"), "-");
}

TEST(ProfileFile, NamesThatWouldNotReadBackAreRefused)
{
    TProfileFile file("[S]\nk=v\n");
    const char* const badNames[] = {"",   "a=b", "a]", "a\nb",  "a\r",
                                    ";c", "#c",  "[s", " lead", "trail "};
    for (const char* name : badNames) {
        EXPECT_FALSE(file.WriteString("S", name, "1")) << name;
        EXPECT_FALSE(file.WriteString(name, "k", "1")) << name;
    }
    EXPECT_EQ(file.Text(), "[S]\nk=v\n");
    EXPECT_TRUE(file.WriteString("S", "CheckBoxIgnAll->Checked", "1"));
}

TEST(ProfileFile, AValueCannotStartANewLine)
{
    TProfileFile file;
    file.WriteString("S", "k", "a\r\n[EVIL]\nj=1");
    const TProfileFile reread(file.Text());
    EXPECT_EQ(reread.ReadString("S", "k", ""), "a  [EVIL] j=1");
    EXPECT_EQ(reread.ReadString("EVIL", "j", "none"), "none");
}

TEST(ProfileFile, AByteOrderMarkHidesNothingAndIsKept)
{
    TProfileFile file("\xEF\xBB\xBF[BASIC]\r\nLeft=3\r\n");
    EXPECT_EQ(file.ReadInteger("BASIC", "Left", 0), 3);
    EXPECT_EQ(file.Text(), "\xEF\xBB\xBF[BASIC]\nLeft=3\n");

    // Nor behind blanks, where the first key written out would put it first.
    EXPECT_EQ(TProfileFile(" \t\xEF\xBB\xBF[BASIC]\nLeft=3\n").ReadInteger("BASIC", "Left", 0), 3);
    const TProfileFile twice("\v\xEF\xBB\xBF\v\xEF\xBB\xBFkey=1\n");
    EXPECT_EQ(TProfileFile(twice.Text()).Text(), twice.Text());
}

TEST(ProfileFile, OversizedTextsReadAsEmpty)
{
    std::string huge = "[BASIC]\nLeft=5\n";
    huge.resize(TProfileFile::MaxTextBytes + 1, ' ');
    EXPECT_EQ(TProfileFile(huge).ReadInteger("BASIC", "Left", 0), 0);
    EXPECT_EQ(TProfileFile(huge).Text(), "");

    std::string manyLines = "[BASIC]\nLeft=5\n" + std::string(TProfileFile::MaxLines, '\n');
    EXPECT_EQ(TProfileFile(manyLines).ReadInteger("BASIC", "Left", 0), 0);
    manyLines.resize(TProfileFile::MaxLines); // exactly MaxLines lines
    EXPECT_EQ(TProfileFile(manyLines).ReadInteger("BASIC", "Left", 0), 5);
}

TEST(ProfileFile, AnyTextSettlesAfterOneRoundTrip)
{
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        std::string text = RandomProfileText(random);
        // Binary noise too, newlines and NULs included.
        if (round % 3 == 0)
            for (int i = static_cast<int>(random() % 4000); i > 0; --i)
                text += static_cast<char>(random() % 256);
        const std::string once = TProfileFile(text).Text();
        ASSERT_EQ(TProfileFile(once).Text(), once);
    }
}

TEST(ProfileFile, ReadsGiveTheLastValueWrittenWhateverTheCase)
{
    std::mt19937 random(4);
    const char* const sections[] = {"A", "a", "Basic", "BASIC", "b c"};
    const char* const keys[] = {"k", "K", "Left", "LEFT", "x->y", "X->Y"};
    for (int round = 0; round < 50; ++round) {
        TProfileFile file(RandomProfileText(random));
        std::map<std::pair<std::string, std::string>, int> written;
        for (int step = 0; step < 30; ++step) {
            const std::string section = sections[random() % std::size(sections)];
            const std::string key = keys[random() % std::size(keys)];
            const int value = static_cast<int>(random() % 2001) - 1000;
            ASSERT_TRUE(file.WriteInteger(section, key, value));
            written[{Lower(section), Lower(key)}] = value;
        }
        const TProfileFile reread(file.Text());
        for (const auto& [name, value] : written) {
            EXPECT_EQ(file.ReadInteger(name.first, name.second, 5000), value);
            EXPECT_EQ(reread.ReadInteger(name.first, name.second, 5000), value);
        }
    }
}
