#pragma once

#include <cstdint>

// Where the settings file keeps a port or a language that no menu item
// names any more, it falls back to 0. These checks run with every
// normalisation of the image, so a bad value never reaches a menu or a fill.
constexpr std::uint8_t PortIndexLimit = 21; // COM1..COM20 and "Com Auto"
constexpr std::uint8_t AutoPortIndexLimit =
    20; // COM21, reached by the re-open scan, falls back too
constexpr std::uint8_t LanguageLimit = 4;

void ClampSettingsRanges(std::uint8_t& portIndex, std::uint8_t& autoPortIndex,
                         std::uint8_t& languageIndex);
