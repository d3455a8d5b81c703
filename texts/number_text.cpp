#include "texts/number_text.h"

#include <climits>

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
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        if (!separator.empty() && text.compare(i, separator.size(), separator) == 0) {
            i += separator.size();
            continue;
        }
        plain += text[i++];
    }
    const auto first = plain.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    plain = plain.substr(first, plain.find_last_not_of(' ') - first + 1);

    std::size_t at = 0;
    const bool negative = plain[0] == '-';
    if (negative || plain[0] == '+')
        at = 1;
    if (at == plain.size())
        return std::nullopt;
    long long value = 0;
    for (; at < plain.size(); ++at) {
        if (plain[at] < '0' || plain[at] > '9')
            return std::nullopt;
        value = value * 10 + (plain[at] - '0');
        if (value > INT_MAX)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}
