#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct TLanguageCase {
    std::vector<std::string> Arguments;
    std::uint8_t Before;
    std::uint8_t After;
};

void PrintTo(const TLanguageCase& c, std::ostream* out)
{
    for (const std::string& argument : c.Arguments)
        *out << '"' << argument << "\" ";
    *out << "from " << int(c.Before);
}

class LanguageWordTest : public testing::TestWithParam<TLanguageCase> {};

TEST_P(LanguageWordTest, OnlyAnExactFirstWordPicksTheLanguage)
{
    std::uint8_t language = GetParam().Before;
    ApplyCommandLine(ParseStartOptions(GetParam().Arguments).Words, language);
    EXPECT_EQ(language, GetParam().After);
}

INSTANTIATE_TEST_SUITE_P(
    Words, LanguageWordTest,
    testing::Values(TLanguageCase{{}, 2, 2}, TLanguageCase{{"ENGLISH"}, 3, 0},
                    TLanguageCase{{"DEUTSCH"}, 2, 1}, TLanguageCase{{"FRANCE"}, 0, 2},
                    TLanguageCase{{"CESKY"}, 0, 3},
                    // Case matters, and near misses are no words.
                    TLanguageCase{{"deutsch"}, 2, 2}, TLanguageCase{{"Cesky"}, 0, 0},
                    TLanguageCase{{"FRENCH"}, 1, 1}, TLanguageCase{{" CESKY"}, 0, 0},
                    // Only the first word counts, wherever the options are.
                    TLanguageCase{{"ENGLISH", "DEUTSCH"}, 3, 0},
                    TLanguageCase{{"--screenshot", "CESKY"}, 1, 1},
                    TLanguageCase{{"CESKY", "--screenshot", "a.png"}, 0, 3},
                    TLanguageCase{{"--demo", "CESKY"}, 0, 3},
                    TLanguageCase{{"--port=/dev/pts/3", "DEUTSCH", "CESKY"}, 0, 1}),
    [](const testing::TestParamInfo<TLanguageCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(StartOptions, ScreenshotTakesTheNextArgumentWherever)
{
    EXPECT_EQ(ParseStartOptions({"--screenshot", "a.png"}).ScreenshotPath, "a.png");
    EXPECT_EQ(ParseStartOptions({"DEUTSCH", "--screenshot", "b.png"}).ScreenshotPath, "b.png");
    EXPECT_TRUE(ParseStartOptions({"DEUTSCH"}).ScreenshotPath.empty());
    EXPECT_TRUE(ParseStartOptions({}).Error.empty());
}

TEST(StartOptions, ScreenshotWithoutAFileIsAnError)
{
    const TStartOptions options = ParseStartOptions({"CESKY", "--screenshot"});
    EXPECT_FALSE(options.Error.empty());
    EXPECT_TRUE(options.ScreenshotPath.empty());
}

} // namespace

TEST(StartOptions, PortsAreKeptInTheOrderGivenAndDemoIsAFlag)
{
    const TStartOptions options =
        ParseStartOptions({"DEUTSCH", "--port", "/dev/pts/7", "--demo", "--port", "/dev/ttyUSB0"});
    EXPECT_EQ(options.Ports, (std::vector<std::string>{"/dev/pts/7", "/dev/ttyUSB0"}));
    EXPECT_TRUE(options.Demo);
    EXPECT_TRUE(options.Error.empty());
    EXPECT_FALSE(ParseStartOptions({}).Demo);
    EXPECT_TRUE(ParseStartOptions({}).Ports.empty()) << "no list: the machine's own ports";
    EXPECT_EQ(ParseStartOptions({"--port"}).Error, "--port needs a device path");
}

TEST(StartOptions, LogAndTraceTakeAFileEitherWay)
{
    const TStartOptions options = ParseStartOptions({"--log", "a.csv", "--trace=b.txt", "CESKY"});
    EXPECT_EQ(options.LogPath, "a.csv");
    EXPECT_EQ(options.TracePath, "b.txt");
    EXPECT_EQ(options.Words, std::vector<std::string>{"CESKY"});
    EXPECT_EQ(ParseStartOptions({"--trace"}).Error, "--trace needs a file name");
    EXPECT_EQ(ParseStartOptions({"--log="}).Error, "--log needs a file name");
    EXPECT_TRUE(ParseStartOptions({"--force"}).Force && !ParseStartOptions({}).Force);
}

TEST(StartOptions, UnknownOptionsAndStrayValuesAreErrors)
{
    EXPECT_EQ(ParseStartOptions({"--prot", "/dev/ttyUSB0"}).Error, "unknown option --prot");
    EXPECT_EQ(ParseStartOptions({"-x"}).Error, "unknown option -x");
    EXPECT_EQ(ParseStartOptions({"--demo=yes"}).Error, "--demo takes no value");
    EXPECT_EQ(ParseStartOptions({"--port=/dev/a", "--port", "/dev/b"}).Ports,
              (std::vector<std::string>{"/dev/a", "/dev/b"}));
    EXPECT_TRUE(ParseStartOptions({"-h"}).Help);
    EXPECT_TRUE(ParseStartOptions({"CESKY", "--version"}).Version);
    EXPECT_EQ(ParseStartOptions({"-"}).Words, std::vector<std::string>{"-"});
}
