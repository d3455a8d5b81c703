#include "files/text_words.h"

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

TWordReader::TWordReader(std::string_view text) : m_text(text)
{
    FindWord();
}

std::string_view TWordReader::Peek() const
{
    const std::size_t length = m_end - m_begin;
    return length > MaxWordLength ? std::string_view() : m_text.substr(m_begin, length);
}

void TWordReader::Skip()
{
    m_begin = m_end;
    FindWord();
}

void TWordReader::FindWord()
{
    while (m_begin < m_text.size() && IsSpace(m_text[m_begin]))
        ++m_begin;
    m_end = m_begin;
    while (m_end < m_text.size() && !IsSpace(m_text[m_end]))
        ++m_end;
}

std::optional<unsigned long> ParseNumber(std::string_view word)
{
    const bool negative = !word.empty() && word.front() == '-';
    if (!word.empty() && (word.front() == '+' || word.front() == '-'))
        word.remove_prefix(1);
    if (word.empty())
        return std::nullopt;
    unsigned long value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const unsigned long digit = static_cast<unsigned long>(c - '0');
        value = value > (NumberCeiling - digit) / 10 ? NumberCeiling : value * 10 + digit;
    }
    return negative ? 0 : value;
}
