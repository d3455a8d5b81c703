#pragma once

#include <array>
#include <string>

constexpr int LanguageCount = 4;

// One text in the four languages, in LanguageIndex order: English, German,
// French, Czech. UTF-8.
struct TLangText {
    std::array<std::string, LanguageCount> Text;

    const std::string& operator[](int language) const { return Text.at(language); }
};
