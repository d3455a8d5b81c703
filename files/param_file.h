#pragma once

#include "params/param_image.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

// Reads the words of the text; lines and the order of keys do not matter,
// nor a UTF-8 byte-order mark in front.
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

// A number of the file that the window's controls do not hold as written.
struct TParamFileChange {
    std::string Key;     // "LIMITER", or "ADVANCE 4" for curve point 4
    std::string InFile;  // the number as the file writes it
    unsigned long Taken; // what the controls hold, in the file's units
};

// Each number of the file that the controls hold otherwise, once `opened`,
// the image that ApplyParamFile left, is shown: limited to a control's
// range or moved by the normalisation. A speed that loses only its last two
// digits to the file's hundreds is not changed. For a file whose key does
// not open it, none. Showing an image the controls already hold changes
// nothing, so the image after TakeShownValues gives the same list.
std::vector<TParamFileChange> ParamFileChanges(const std::string& text, const TParamImage& opened);

// The changes as one message: a heading, then a line for each.
std::string ParamFileChangesText(const std::vector<TParamFileChange>& changes,
                                 std::uint8_t language);
