#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TOptionCase {
    std::vector<std::string> Args;
    bool (*Check)(const TSimOptions&);
    friend void PrintTo(const TOptionCase& c, std::ostream* os) { *os << c.Args.front(); }
};

// "--silent-after" -> "SilentAfter"
std::string CaseName(const std::string& option)
{
    std::string name;
    bool upper = true;
    for (char c : option) {
        if (c == '-') {
            upper = true;
        } else {
            name += upper ? static_cast<char>(c - 'a' + 'A') : c;
            upper = false;
        }
    }
    return name;
}

class CommandLine : public ::testing::TestWithParam<TOptionCase> {};

} // namespace

TEST_P(CommandLine, OptionSetsItsFault)
{
    const TSimOptionsResult parsed = ParseSimOptions(GetParam().Args);
    ASSERT_TRUE(parsed.Ok) << parsed.Error;
    EXPECT_TRUE(GetParam().Check(parsed.Options)) << GetParam().Args.front();
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLine,
    ::testing::Values(
        TOptionCase{{"--silent"}, [](const TSimOptions& o) { return o.Faults.Silent; }},
        TOptionCase{{"--unit-version", "71"},
                    [](const TSimOptions& o) { return o.Faults.Version == 71; }},
        TOptionCase{{"--no-read"}, [](const TSimOptions& o) { return o.Faults.NoRead; }},
        TOptionCase{{"--bad-echo"}, [](const TSimOptions& o) { return o.Faults.BadEcho; }},
        TOptionCase{{"--stray"}, [](const TSimOptions& o) { return o.Faults.Stray; }},
        TOptionCase{
            {"--stray-percent", "30"},
            [](const TSimOptions& o) { return o.Faults.StrayPercent == 30 && !o.Faults.Stray; }},
        TOptionCase{{"--slow", "300"}, [](const TSimOptions& o) { return o.Faults.SlowMs == 300; }},
        TOptionCase{{"--silent-after", "3"},
                    [](const TSimOptions& o) { return o.Faults.SilentAfter == 3; }},
        TOptionCase{{"--data-error"}, [](const TSimOptions& o) { return o.Faults.DataError; }},
        TOptionCase{{"--seed", "42"}, [](const TSimOptions& o) { return o.Seed == 42u; }},
        TOptionCase{{"--link", "/tmp/ttyKOLVANE"},
                    [](const TSimOptions& o) { return o.LinkPath == "/tmp/ttyKOLVANE"; }},
        TOptionCase{{"--help"}, [](const TSimOptions& o) { return o.Help; }},
        TOptionCase{{"--version"}, [](const TSimOptions& o) { return o.ShowVersion; }}),
    [](const auto& info) { return CaseName(info.param.Args.front()); });

TEST(CommandLineDefaults, NoOptionsMeansAHealthyUnit)
{
    const TSimOptionsResult parsed = ParseSimOptions({});
    ASSERT_TRUE(parsed.Ok);
    const TUnitFaults& f = parsed.Options.Faults;
    EXPECT_FALSE(f.Silent || f.NoRead || f.BadEcho || f.Stray || f.DataError);
    EXPECT_EQ(f.Version, 72);
    EXPECT_EQ(f.SlowMs, 0);
    EXPECT_EQ(f.StrayPercent, 0);
    EXPECT_LT(f.SilentAfter, 0);
    EXPECT_TRUE(parsed.Options.LinkPath.empty());
}

TEST(CommandLineErrors, BadArgumentsAreRefused)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--unit-version"},
        {"--unit-version", "256"},
        {"--unit-version", "7x"},
        {"--slow", "-5"},
        {"--slow"},
        {"--silent-after", "many"},
        {"--stray-percent", "101"},
        {"--seed", ""},
        {"--link"},
        {"--frobnicate"},
        {"--silent", "--loud"},
    };
    for (const auto& args : bad) {
        const TSimOptionsResult parsed = ParseSimOptions(args);
        EXPECT_FALSE(parsed.Ok) << args.front();
        EXPECT_FALSE(parsed.Error.empty());
    }
}
