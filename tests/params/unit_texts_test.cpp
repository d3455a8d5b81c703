#include "params/param_image.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
TParamImage ImageWithBlockZero(const char* letters, int number, int day, int month, int year,
                               int hour, int minute)
{
    TParamImage image;
    image[0] = static_cast<std::uint8_t>(letters[0]);
    image[1] = static_cast<std::uint8_t>(letters[1]);
    image[2] = static_cast<std::uint8_t>(letters[2]);
    image[3] = static_cast<std::uint8_t>(number);
    image[4] = static_cast<std::uint8_t>(day);
    image[5] = static_cast<std::uint8_t>(month);
    image[6] = static_cast<std::uint8_t>(year);
    image[7] = static_cast<std::uint8_t>(hour);
    image[8] = static_cast<std::uint8_t>(minute);
    return image;
}

int MonthCode(const char* abbreviation)
{
    int sum = 0;
    for (const char* c = abbreviation; *c; ++c)
        sum += *c;
    return sum % 256;
}
} // namespace

TEST(UnitTexts, EmptyUntilBlockZeroIsDecoded)
{
    TParamImage image;
    EXPECT_TRUE(image.IdentText.empty());
    EXPECT_TRUE(image.DateText.empty());
    EXPECT_TRUE(image.TimeText.empty());
}

TEST(UnitTexts, DateTimeAndIdentification)
{
    TParamImage image = ImageWithBlockZero("KVN", 7, 5, 39, 9, 8, 3);
    image.UpdateUnitTexts();
    EXPECT_EQ(image.DateText, " 5. 5.2009");
    EXPECT_EQ(image.TimeText, "08:03");
    EXPECT_EQ(image.IdentText, "KVN07");

    image = ImageWithBlockZero("ABC", 42, 24, 12, 26, 23, 59);
    image.UpdateUnitTexts();
    EXPECT_EQ(image.DateText, "24.12.2026");
    EXPECT_EQ(image.TimeText, "23:59");
    EXPECT_EQ(image.IdentText, "ABC42");
}

TEST(UnitTexts, AllTwelveMonthCodesAndAnUnknownOne)
{
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* expected[] = {" 1", " 2", " 3", " 4", " 5", " 6",
                              " 7", " 8", " 9", "10", "11", "12"};
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(MonthText(static_cast<std::uint8_t>(MonthCode(months[m]))), expected[m])
            << months[m];
    }
    TParamImage image = ImageWithBlockZero("ABC", 1, 15, 0, 10, 0, 0);
    image.UpdateUnitTexts();
    EXPECT_EQ(image.DateText, "15.00.2010");
}

TEST(UnitTexts, OptionalTextReplacesLettersAndStopsAtZeroOrThirty)
{
    TParamImage image = ImageWithBlockZero("ABC", 1, 1, 25, 1, 1, 1);
    const char* name = "Race bike 2";
    std::memcpy(&image.Bytes[16], name, std::strlen(name));
    image.UpdateUnitTexts();
    EXPECT_EQ(image.IdentText, "Race bike 2");

    for (int i = 16; i < 50; ++i)
        image[i] = 'x';
    image.UpdateUnitTexts();
    EXPECT_EQ(image.IdentText, std::string(30, 'x'));
}
