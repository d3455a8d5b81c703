#include "files/image_copy.h"

#include <cstdio>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string FormatImageCopy(const TImageBytes& bytes)
{
    std::string text;
    text.reserve(bytes.size() * 6 + bytes.size() / 10);
    char field[8];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(field, sizeof field, "%5u ", static_cast<unsigned>(bytes[i]));
        text += field;
        if (i % 10 == 9)
            text += '\n';
    }
    return text;
}

std::size_t ParseImageCopy(const std::string& text, TImageBytes& bytes)
{
    std::size_t count = 0;
    std::size_t pos = 0;
    while (count < bytes.size()) {
        while (pos < text.size() && IsSpace(text[pos]))
            ++pos;
        if (pos == text.size())
            break;
        // Only the low byte is stored, so the number is kept modulo 256 as
        // its digits come: any length of digits gives the low byte of its
        // true value and nothing can overflow.
        unsigned lowByte = 0;
        std::size_t end = pos;
        while (end < text.size() && IsDigit(text[end])) {
            lowByte = (lowByte * 10 + static_cast<unsigned>(text[end] - '0')) & 0xFFu;
            ++end;
        }
        if (end == pos || (end < text.size() && !IsSpace(text[end])))
            break;
        bytes[count++] = static_cast<std::uint8_t>(lowByte);
        pos = end;
    }
    return count;
}
