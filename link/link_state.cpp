#include "link/link_state.h"

namespace {
constexpr std::uint8_t LanguageCount = 4;
}

void ClampSettingsRanges(TLinkState& link, std::uint8_t& languageIndex)
{
    if (languageIndex >= LanguageCount)
        languageIndex = 0;
    if (link.PortIndex >= PortMenuEntries)
        link.PortIndex = 0;
    if (link.AutoPortIndex >= AutoPortCount - 1)
        link.AutoPortIndex = 0;
}
