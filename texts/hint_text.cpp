#include "texts/hint_text.h"

THintParts SplitHint(const std::string& hint)
{
    const auto bar = hint.find('|');
    if (bar == std::string::npos)
        return {hint, hint};
    return {hint.substr(0, bar), hint.substr(bar + 1)};
}
