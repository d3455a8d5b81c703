#include "texts/number_text.h"

#include <array>
#include <climits>
#include <string_view>

namespace {

// What a user may type between digit groups in any language: French and
// Czech desktops group with no-break spaces that no keyboard types, so an
// ordinary space must do, and text pasted from elsewhere may carry either.
constexpr std::array<std::string_view, 3> TypedSeparators{" ", "\u00a0", "\u202f"};

// The length of the separator that starts at `at`, or 0.
std::size_t SeparatorLength(std::string_view text, std::size_t at, std::string_view separator)
{
    if (!separator.empty() && text.compare(at, separator.size(), separator) == 0)
        return separator.size();
    for (const std::string_view typed : TypedSeparators)
        if (text.compare(at, typed.size(), typed) == 0)
            return typed.size();
    return 0;
}

} // namespace

std::string GroupDigits(int value, bool grouped, const std::string& separator)
{
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<long long>(value) : value);
    if (grouped)
        for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
            digits.insert(static_cast<std::size_t>(at), separator);
    return negative ? "-" + digits : digits;
}

std::optional<int> ParseGroupedInt(const std::string& text, const std::string& separator)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::string_view number =
        std::string_view(text).substr(first, text.find_last_not_of(' ') - first + 1);

    std::size_t at = 0;
    const bool negative = number[0] == '-';
    if (negative || number[0] == '+')
        at = 1;
    long long value = 0;
    int groupDigits = 0;
    bool grouped = false;
    // A separator stands only between groups: one to three digits before the
    // first, three after each, so "1 5" is no 15 typed by mistake.
    const auto groupComplete = [&] {
        return groupDigits > 0 && groupDigits <= 3 && (!grouped || groupDigits == 3);
    };
    while (at < number.size()) {
        const char c = number[at];
        if (c >= '0' && c <= '9') {
            value = value * 10 + (c - '0');
            if (value > INT_MAX)
                return std::nullopt;
            ++groupDigits;
            ++at;
            continue;
        }
        const std::size_t length = SeparatorLength(number, at, separator);
        if (length == 0 || !groupComplete())
            return std::nullopt;
        grouped = true;
        groupDigits = 0;
        at += length;
    }
    if (groupDigits == 0 || (grouped && groupDigits != 3))
        return std::nullopt;
    return static_cast<int>(negative ? -value : value);
}
