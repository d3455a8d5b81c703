#pragma once

#include "texts/caption_table.h"

#include <vector>

// The window's own texts: those that stay the same in every language and so
// are never written by the caption table. Applied once, when the window is built.
const std::vector<TControlText>& FormTexts();
