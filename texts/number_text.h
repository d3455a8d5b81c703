#pragma once

#include <optional>
#include <string>

// How an up/down control writes its value into its edit box: with the
// digit-group separator every three digits when grouping is on.
std::string GroupDigits(int value, bool grouped, const std::string& separator);

// The whole number an edit box holds, group separators and surrounding blanks
// ignored; nothing when the text is not a whole number.
std::optional<int> ParseGroupedInt(const std::string& text, const std::string& separator);
