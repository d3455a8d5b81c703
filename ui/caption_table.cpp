#include "ui/caption_table.h"

std::vector<TControlText> BuildCaptionTable(std::uint8_t, const TMessageTable&) { return {}; }

std::vector<TControlText> LiveDisplayPlaceholders(const TMessageTable&) { return {}; }
