#include "ui/build_stamp.h"

#include <gtest/gtest.h>

namespace {

TEST(BuildStamp, CompilerTextsReadAsTheyCame)
{
    const TBuildStamp stamp = BuildStampFrom("Apr 28 2009", "10:33:52");
    EXPECT_EQ(stamp.Date, "Apr 28 2009");
    EXPECT_EQ(stamp.Time, "10:33:52");
}

TEST(BuildStamp, SingleDigitDayKeepsItsSpace)
{
    EXPECT_EQ(BuildStampFrom("Apr  8 2009", "").Date, "Apr  8 2009");
}

TEST(BuildStamp, ZeroPaddedDayIsPaddedWithASpace)
{
    EXPECT_EQ(BuildStampFrom("Apr 08 2009", "").Date, "Apr  8 2009");
    EXPECT_EQ(BuildStampFrom("Oct 10 2009", "").Date, "Oct 10 2009") << "a 10 keeps its digit";
}

TEST(BuildStamp, OtherShapesAndNullsPassUnharmed)
{
    EXPECT_EQ(BuildStampFrom("2009-04-08", "").Date, "2009-04-08");
    const TBuildStamp none = BuildStampFrom(nullptr, nullptr);
    EXPECT_TRUE(none.Date.empty());
    EXPECT_TRUE(none.Time.empty());
}

TEST(BuildStamp, ThisBuildsStampHasTheShownShape)
{
    const TBuildStamp stamp = BuildStampFrom(__DATE__, __TIME__);
    ASSERT_EQ(stamp.Date.size(), 11u);
    EXPECT_NE(stamp.Date[4], '0');
    EXPECT_EQ(stamp.Time.size(), 8u);
}

} // namespace
