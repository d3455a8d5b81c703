#include "files/param_file.h"
#include "params/editor.h"
#include "tests/files/param_file_samples.h"

#include <gtest/gtest.h>

#include <ostream>

// Found by argument lookup, so beside the type rather than in this file's namespace.
static bool operator==(const TParamFileChange& a, const TParamFileChange& b)
{
    return a.Key == b.Key && a.InFile == b.InFile && a.Taken == b.Taken;
}

static void PrintTo(const TParamFileChange& c, std::ostream* out)
{
    *out << c.Key << ": " << c.InFile << " -> " << c.Taken;
}

namespace {

// Lines after the default file's, and what opening them changes.
struct TChangeCase {
    const char* Lines;
    std::vector<TParamFileChange> Changes;
};

void PrintTo(const TChangeCase& c, std::ostream* out)
{
    *out << '"' << c.Lines << '"';
}

class ParamFileChangesTest : public testing::TestWithParam<TChangeCase> {};

TEST_P(ParamFileChangesTest, ListsWhatTheControlsHoldOtherwise)
{
    const std::string text = Joined(DefaultFileLines(), "\r\n") + "\r\n" + GetParam().Lines;
    TParamImage image;
    image.SetDefaults();
    ASSERT_TRUE(ApplyParamFile(text, image));
    EXPECT_EQ(ParamFileChanges(text, image), GetParam().Changes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParamFileChangesTest,
    testing::Values(
        TChangeCase{"LIMITER 9000", {{"LIMITER", "9000", 250}}},
        TChangeCase{"ADVANCE 12 13 16 99", {{"ADVANCE 4", "99", 60}}},
        TChangeCase{"RPM_ADV 1050 1899", {}}, TChangeCase{"LIMITER 9000 LIMITER 100", {}},
        // In the order of the file's lines, whatever the order in the file.
        TChangeCase{"LIMITER 5 BASE_ADV 045", {{"BASE_ADV", "045", 40}, {"LIMITER", "5", 10}}},
        // The curve's order moves a point the controls would take as it is.
        TChangeCase{"RPM_ADV 1000 900", {{"RPM_ADV 2", "900", 1100}}},
        TChangeCase{"POCET_BODU 0 NO_READING 7 POLARITA 300",
                    {{"POCET_BODU", "0", 1}, {"POLARITA", "300", 255}, {"NO_READING", "7", 1}}}));

TEST(ParamFileChanges, AFileSavedFromTheControlsChangesNothing)
{
    std::mt19937 random(7);
    for (int run = 0; run < 200; ++run) {
        TParamImage shown = RandomImage(random);
        TParamImage opened = RandomImage(random);
        TakeShownValues(shown);
        TakeShownValues(opened);
        const std::string text = WriteParamFile(shown);
        ASSERT_TRUE(ApplyParamFile(text, opened));
        ASSERT_EQ(ParamFileChanges(text, opened), std::vector<TParamFileChange>{}) << text;
    }
}

} // namespace
