#include "files/settings_ranges.h"

void ClampSettingsRanges(std::uint8_t& portIndex, std::uint8_t& autoPortIndex,
                         std::uint8_t& languageIndex)
{
    if (languageIndex >= LanguageLimit)
        languageIndex = 0;
    if (portIndex >= PortIndexLimit)
        portIndex = 0;
    if (autoPortIndex >= AutoPortIndexLimit)
        autoPortIndex = 0;
}
