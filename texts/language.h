#pragma once

#include <cstdint>

// The current language for the whole program: 0 English, 1 German, 2 French, 3 Czech.
extern std::uint8_t LanguageIndex;
