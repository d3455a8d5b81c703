#include "texts/language.h"

std::uint8_t LanguageIndex = 0;
