#pragma once

#include "params/param_image.h"

#include <cstddef>
#include <string>

// The ".ign" parameter file: eight lines of a key and its numbers that hold
// the advance curve, the point count, the base advance, the limiter, the
// polarity and the read lock. Every other byte of the image stays out of it.

// The number after the file's key: the parameter version, the same one the
// unit's program must report.
constexpr unsigned ParamFileVersion = 72;

// A parameter file is under 1 KiB; anything above this is refused unread.
constexpr std::size_t MaxParamFileSize = 1024 * 1024;

// The eight lines, CR LF between them and none after the last. All 15 curve
// points are written whatever the point count; speeds in rpm, the limiter in
// hundreds of rpm as stored, the read lock as 0 or 1.
std::string WriteParamFile(const TParamImage& image);

// Reads the words of the text; lines and the order of keys do not matter.
// Returns IgnKeyOk: whether a word "VARNOTEK_KEY" (case matters) followed by
// the number 72 was found. Before it nothing is stored; after it each key
// stores its numbers, a repeated key wins last, a missing key leaves its
// bytes, and words that are no key are passed over.
//
// Damaged files spoil nothing beyond their damage:
// - a value that is missing, or a word that is no number where a value
//   belongs, leaves its byte and the rest of that key's list; the word is
//   then read as the next key;
// - a number too large for its byte stores the byte's maximum (speeds after
//   the division by 100), a negative one 0;
// - a word longer than a few hundred bytes is neither key nor number.
bool ReadParamFile(const std::string& text, TParamImage& image);

// Opening a file: its values on top of the image, read as above and
// normalised as a new curve. False, with the image untouched, when the
// file's key is not followed by the parameter version.
bool ApplyParamFile(const std::string& text, TParamImage& image);
