#include "texts/number_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

// Parameters are named by their position; their values show in failures.
template <typename T> std::string Numbered(const testing::TestParamInfo<T>& info)
{
    return "Case" + std::to_string(info.index);
}

struct TGroupCase {
    int Value;
    bool Grouped;
    const char* Separator;
    const char* Text;
};

void PrintTo(const TGroupCase& c, std::ostream* out)
{
    *out << c.Value << (c.Grouped ? " grouped by '" : " ungrouped '") << c.Separator << "'";
}

class GroupDigitsTest : public testing::TestWithParam<TGroupCase> {};

TEST_P(GroupDigitsTest, WritesTheValueAsTheEditShowsIt)
{
    const TGroupCase& c = GetParam();
    EXPECT_EQ(GroupDigits(c.Value, c.Grouped, c.Separator), c.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GroupDigitsTest,
    testing::Values(TGroupCase{0, true, ",", "0"}, TGroupCase{999, true, ",", "999"},
                    TGroupCase{1000, true, ",", "1,000"}, TGroupCase{10000, true, ",", "10,000"},
                    TGroupCase{20100, true, ",", "20,100"},
                    TGroupCase{1234567, true, ",", "1,234,567"},
                    TGroupCase{10000, false, ",", "10000"}, TGroupCase{-60, true, ",", "-60"},
                    TGroupCase{-1500, true, ",", "-1,500"},
                    // A Czech desktop groups with a no-break space, two bytes in UTF-8.
                    TGroupCase{25000, true, "\u00a0", "25\u00a0000"}),
    Numbered<TGroupCase>);

struct TParseCase {
    const char* Text;
    const char* Separator;
    std::optional<int> Value;
};

void PrintTo(const TParseCase& c, std::ostream* out)
{
    *out << '"' << c.Text << '"';
}

class ParseGroupedTest : public testing::TestWithParam<TParseCase> {};

TEST_P(ParseGroupedTest, ReadsWhatAUserTypes)
{
    const TParseCase& c = GetParam();
    EXPECT_EQ(ParseGroupedInt(c.Text, c.Separator), c.Value) << '"' << c.Text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseGroupedTest,
    testing::Values(
        TParseCase{"10,000", ",", 10000}, TParseCase{"10000", ",", 10000},
        TParseCase{" 15 ", ",", 15}, TParseCase{"-60", ",", -60}, TParseCase{"+7", ",", 7},
        TParseCase{"25\u00a0000", "\u00a0", 25000}, TParseCase{"", ",", std::nullopt},
        TParseCase{"  ", ",", std::nullopt}, TParseCase{"-", ",", std::nullopt},
        TParseCase{"12a", ",", std::nullopt}, TParseCase{"1.5", ",", std::nullopt},
        TParseCase{"99999999999", ",", std::nullopt},
        // Any separator but the locale's and the spaces is refused, and so
        // is a separator that parts no group of three.
        TParseCase{"14.000", ",", std::nullopt}, TParseCase{"14,000", "\u202f", std::nullopt},
        TParseCase{"14\t000", ",", std::nullopt}, TParseCase{"1 5", ",", std::nullopt},
        TParseCase{"1,5", ",", std::nullopt}, TParseCase{"1234 567", ",", std::nullopt},
        TParseCase{"1 000 00", ",", std::nullopt}, TParseCase{"1  000", ",", std::nullopt},
        TParseCase{",000", ",", std::nullopt}, TParseCase{"-1 500", ",", -1500}),
    Numbered<TParseCase>);

} // namespace
