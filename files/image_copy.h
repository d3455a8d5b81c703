#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The plain-text copy of the 100-byte parameter image kept between runs.
using TImageBytes = std::array<std::uint8_t, 100>;

// Each byte as "%5u ", ten to a line, each line ended by "\n".
std::string FormatImageCopy(const TImageBytes& bytes);

// Reads whitespace-separated decimal numbers into bytes 0, 1, ... in order
// and returns how many it stored. Reading ends at the first word that is not
// a number, after 100 numbers, or at the end of the text; bytes not reached
// keep their values, so a damaged copy spoils only its damaged tail.
std::size_t ParseImageCopy(const std::string& text, TImageBytes& bytes);
