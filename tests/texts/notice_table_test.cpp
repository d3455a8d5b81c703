#include "texts/notice_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::set<char> PlaceholdersIn(const std::string& text)
{
    std::set<char> found;
    for (std::size_t at = text.find('%'); at != std::string::npos && at + 1 < text.size();
         at = text.find('%', at + 1))
        if (text[at + 1] >= '1' && text[at + 1] <= '9')
            found.insert(text[at + 1]);
    return found;
}

} // namespace

// A translation that drops or adds a value would show a bare "%2" or lose
// the device's name in that language only.
TEST(NoticeTable, EveryLanguageHasTheTextAndTheSameValues)
{
    for (int notice = 0; notice < static_cast<int>(TNotice::Count); ++notice) {
        const std::string& english = NoticeText(static_cast<TNotice>(notice), 0);
        for (std::uint8_t language = 0; language < LanguageCount; ++language) {
            const std::string& text = NoticeText(static_cast<TNotice>(notice), language);
            EXPECT_FALSE(text.empty()) << notice << "/" << int(language);
            EXPECT_EQ(PlaceholdersIn(text), PlaceholdersIn(english))
                << notice << "/" << int(language) << ": " << text;
            if (language > 0) {
                EXPECT_NE(text, english) << notice << " is not translated";
            }
        }
    }
}

TEST(NoticeTable, ValuesFillTheirPlaceholdersOnlyOnce)
{
    EXPECT_EQ(FillPlaceholders("%2 and %1, %1%", {"a%2", "b"}), "b and a%2, a%2%");
    EXPECT_EQ(FillPlaceholders("%3 stays", {"a"}), "%3 stays");
}
