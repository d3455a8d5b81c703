#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A profile (INI) file held as text. Section and key names match whatever
// their case; blanks around names, "=" and values are ignored on reading.
// Everything the file holds besides the keys that are written - comments,
// blank lines, other sections and keys, in their order - comes back out of
// Text(), so the program never loses what a user or another version put
// there. Output lines are "[SECTION]" and "key=value", ended by LF.
class TProfileFile {
public:
    // Texts above this size, or with more lines than this, are read as an
    // empty file: a settings file never comes near, and a stray huge or
    // binary file must not cost a lot of memory or time.
    static constexpr std::size_t MaxTextBytes = 1024 * 1024;
    static constexpr std::size_t MaxLines = 65536;

    TProfileFile() = default;
    explicit TProfileFile(const std::string& text);

    // The value of the key, or the default when the key is missing. An
    // integer reads as the default unless the whole value is a decimal
    // number, with an optional sign, that fits an int.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    // An existing key gets the new value in its place; a new key goes to the
    // end of its section, and a new section to the end of the file. Line
    // breaks in a value become blanks so a value cannot start a new line;
    // blanks at either end of a value do not survive reading back.
    // A name that the file could not read back (empty, or holding "=", "]",
    // a line break, or starting with a comment mark or "[") is refused:
    // false, and nothing changes.
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);

    std::string Text() const;

private:
    enum class TLineKind { Other, Section, Entry };

    // Other lines (comments, blanks, anything unreadable) keep their whole
    // text in Name; a section keeps its name; an entry its key and value.
    struct TLine {
        TLineKind Kind = TLineKind::Other;
        std::string Name;
        std::string Value;
    };

    static constexpr std::size_t NotFound = static_cast<std::size_t>(-1);

    std::size_t FindEntry(const std::string& section, const std::string& key) const;
    std::size_t SectionEnd(const std::string& section) const;

    std::vector<TLine> m_lines;
    bool m_byteOrderMark = false;
};
