#pragma once

#include "texts/message_table.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TTextKind {
    Caption, // the control's caption (window title for "FormHlav", menu text for a menu item)
    Hint,    // "short|long": short is the tooltip, long goes to the status bar
    Items,   // radio-group items separated by '\n'; the group keeps its selected index
};

// One text for one named control of the main window.
struct TControlText {
    std::string Control;
    TTextKind Kind;
    std::string Text;
};

// Every caption, hint and item list of the window for one language, in the
// order they are applied.
std::vector<TControlText> BuildCaptionTable(std::uint8_t language, const TMessageTable& messages);

// True for the captions in BuildCaptionTable that are live-display
// placeholders: they are written only while the unit does not answer, so
// that a language switch leaves the unit's live values alone.
bool OnlyWhileNoConnection(const std::string& control);

// Live-display captions written while the unit does not answer.
std::vector<TControlText> LiveDisplayPlaceholders(const TMessageTable& messages);
