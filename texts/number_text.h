#pragma once

#include <optional>
#include <string>

// How an up/down control writes its value into its edit box: with the
// digit-group separator every three digits when grouping is on.
std::string GroupDigits(int value, bool grouped, const std::string& separator);

// The whole number an edit box holds, with or without digit groups, blanks
// around it ignored; nothing when the text is not a whole number. Groups may
// be parted by the locale's separator or, in every language, by a space, a
// no-break space or a narrow no-break space; by nothing else.
std::optional<int> ParseGroupedInt(const std::string& text, const std::string& separator);
