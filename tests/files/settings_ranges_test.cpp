#include "files/settings_ranges.h"

#include <gtest/gtest.h>

TEST(SettingsRanges, OnlyValuesAtOrAboveTheirLimitReturnToZero)
{
    for (int value = 0; value < 256; ++value) {
        std::uint8_t port = static_cast<std::uint8_t>(value);
        std::uint8_t autoPort = port;
        std::uint8_t language = port;
        ClampSettingsRanges(port, autoPort, language);
        EXPECT_EQ(port, value < PortIndexLimit ? value : 0);
        EXPECT_EQ(autoPort, value < AutoPortIndexLimit ? value : 0);
        EXPECT_EQ(language, value < LanguageLimit ? value : 0);
    }
}
