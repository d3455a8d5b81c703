#pragma once

#include <random>
#include <string>

// A profile text such as users and other versions leave behind: sections
// and keys in mixed case, blanks around names and "=", comments, blank
// lines, lines that are neither, and LF or CR LF line ends.
inline std::string RandomProfileText(std::mt19937& random)
{
    const char* const sections[] = {"BASIC", "basic", "Other", "Window", "x y"};
    const char* const keys[] = {"Left",    "TOP",      "Foo",  "CheckBoxIgnAll->Checked",
                                "Bar.Baz", "Language", "file", "Key With Blanks"};
    const char* const values[] = {"0", "-17", "12abc", "", "a b c", "C:\\path\\x.ign", "=", "99"};
    const char* const others[] = {"; a comment", "# another",      "",
                                  "   ",         "no equals here", "=orphan"};
    auto pick = [&random](const auto& list) {
        std::uniform_int_distribution<std::size_t> d(0, std::size(list) - 1);
        return std::string(list[d(random)]);
    };
    auto blanks = [&random]() { return std::string(random() % 3, ' '); };

    std::string text;
    const int lines = static_cast<int>(random() % 40);
    for (int i = 0; i < lines; ++i) {
        switch (random() % 4) {
        case 0:
            text += blanks() + "[" + blanks() + pick(sections) + blanks() + "]";
            break;
        case 1:
            text += pick(others);
            break;
        default:
            text += blanks() + pick(keys) + blanks() + "=" + blanks() + pick(values) + blanks();
            break;
        }
        text += random() % 2 ? "\r\n" : "\n";
    }
    return text;
}
