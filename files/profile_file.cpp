#include "files/profile_file.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <system_error>

namespace {

const char* const Blanks = " \t\r\v\f";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

// A name that would read back as something else once written out.
bool WritableName(const std::string& name)
{
    if (name.empty() || Trim(name) != name)
        return false;
    if (name.find_first_of("=]\r\n") != std::string::npos)
        return false;
    return name[0] != ';' && name[0] != '#' && name[0] != '[';
}

bool ParseInteger(const std::string& value, int& result)
{
    std::string digits = Trim(value);
    if (!digits.empty() && digits[0] == '+') {
        digits.erase(0, 1);
        if (!digits.empty() && digits[0] == '-')
            return false;
    }
    if (digits.empty())
        return false;
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, result);
    return error == std::errc() && stop == end;
}

} // namespace

TProfileFile::TProfileFile(const std::string& text)
{
    if (text.size() > MaxTextBytes)
        return;
    std::size_t start = 0;
    // An editor may have saved the file as UTF-8 with a byte-order mark; it
    // must not hide the first section, and it goes back out as it came.
    // Blanks ahead of it are passed over too: a first key behind them would
    // lose them when written out and then read back under another name.
    const std::size_t lead = std::min(text.find_first_not_of(Blanks), text.size());
    if (text.compare(lead, ByteOrderMark.size(), ByteOrderMark) == 0) {
        m_byteOrderMark = true;
        start = lead + ByteOrderMark.size();
    }
    while (start < text.size()) {
        if (m_lines.size() == MaxLines) {
            m_lines.clear();
            m_byteOrderMark = false;
            return;
        }
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string raw = text.substr(start, end - start);
        start = end + 1;
        while (!raw.empty() && raw.back() == '\r')
            raw.pop_back();

        TLine line;
        line.Name = raw;
        const std::string trimmed = Trim(raw);
        if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#') {
            // Kept as it is.
        } else if (trimmed[0] == '[') {
            const std::size_t close = trimmed.find(']');
            if (close != std::string::npos) {
                line.Kind = TLineKind::Section;
                line.Name = Trim(trimmed.substr(1, close - 1));
            }
        } else {
            const std::size_t equals = trimmed.find('=');
            if (equals != std::string::npos && equals > 0) {
                line.Kind = TLineKind::Entry;
                line.Name = Trim(trimmed.substr(0, equals));
                line.Value = Trim(trimmed.substr(equals + 1));
            }
        }
        m_lines.push_back(std::move(line));
    }
}

std::size_t TProfileFile::FindEntry(const std::string& section, const std::string& key) const
{
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const TLine& line = m_lines[i];
        if (line.Kind == TLineKind::Section)
            inSection = SameName(line.Name, section);
        else if (inSection && line.Kind == TLineKind::Entry && SameName(line.Name, key))
            return i;
    }
    return NotFound;
}

// Where a new key of the section goes: after its last key, or right after its
// header when it has none, so comments and blank lines that lead into the
// next section stay with that section.
std::size_t TProfileFile::SectionEnd(const std::string& section) const
{
    std::size_t i = 0;
    while (i < m_lines.size() &&
           !(m_lines[i].Kind == TLineKind::Section && SameName(m_lines[i].Name, section)))
        ++i;
    if (i == m_lines.size())
        return NotFound;
    std::size_t end = i + 1;
    for (++i; i < m_lines.size() && m_lines[i].Kind != TLineKind::Section; ++i)
        if (m_lines[i].Kind == TLineKind::Entry)
            end = i + 1;
    return end;
}

int TProfileFile::ReadInteger(const std::string& section, const std::string& key,
                              int defaultValue) const
{
    const std::size_t found = FindEntry(section, key);
    int value = 0;
    if (found == NotFound || !ParseInteger(m_lines[found].Value, value))
        return defaultValue;
    return value;
}

std::string TProfileFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const
{
    const std::size_t found = FindEntry(section, key);
    return found == NotFound ? defaultValue : m_lines[found].Value;
}

bool TProfileFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    return WriteString(section, key, std::to_string(value));
}

bool TProfileFile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value)
{
    if (!WritableName(section) || !WritableName(key))
        return false;
    std::string oneLine = value;
    for (char& c : oneLine)
        if (c == '\r' || c == '\n')
            c = ' ';

    const std::size_t found = FindEntry(section, key);
    if (found != NotFound) {
        m_lines[found].Value = oneLine;
        return true;
    }
    const TLine entry{TLineKind::Entry, key, oneLine};
    const std::size_t end = SectionEnd(section);
    if (end != NotFound) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(end), entry);
        return true;
    }
    m_lines.push_back(TLine{TLineKind::Section, section, {}});
    m_lines.push_back(entry);
    return true;
}

std::string TProfileFile::Text() const
{
    std::string text = m_byteOrderMark ? std::string(ByteOrderMark) : std::string();
    for (const TLine& line : m_lines) {
        switch (line.Kind) {
        case TLineKind::Other:
            text += line.Name;
            break;
        case TLineKind::Section:
            text += '[' + line.Name + ']';
            break;
        case TLineKind::Entry:
            text += line.Name + '=' + line.Value;
            break;
        }
        text += '\n';
    }
    return text;
}
