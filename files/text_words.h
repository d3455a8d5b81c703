#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The whitespace-separated words of a text, read one at a time as views into
// it. Nothing is copied, so a text costs no memory beyond itself however it
// is made. Space, tab, the line ends, vertical tab and form feed separate
// words; every other byte, NUL and bytes from 0x80 up included, belongs to a
// word.
class TWordReader {
public:
    // No key or number comes near this; a longer word is given out empty, so
    // that it matches nothing and is passed over whole.
    static constexpr std::size_t MaxWordLength = 256;

    explicit TWordReader(std::string_view text);

    bool AtEnd() const { return m_begin == m_text.size(); }
    // The word at the reading position, left there for the next look.
    std::string_view Peek() const;
    void Skip();

private:
    void FindWord();

    std::string_view m_text;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
};

// Numbers at or above this read as this value.
constexpr unsigned long NumberCeiling = 4294967295ul;

// The value of a word made of an optional '+' or '-' and decimal digits,
// nothing else. A value beyond the ceiling reads as the ceiling, a negative
// one as 0, so no length of digits can overflow.
std::optional<unsigned long> ParseNumber(std::string_view word);
