#include "files/param_file.h"
#include "files/param_file_fields.h"
#include "files/text_words.h"

#include <algorithm>

namespace {

// Leaves the reader after the key's version when it returns true.
bool FindKey(TWordReader& words)
{
    while (!words.AtEnd()) {
        const bool isKey = words.Peek() == ParamFileKey;
        words.Skip();
        if (!isKey)
            continue;
        // A word that is no number after the key is looked at as a key
        // itself, so "VARNOTEK_KEY VARNOTEK_KEY 72" still opens.
        const std::optional<unsigned long> version = ParseNumber(words.Peek());
        if (!version)
            continue;
        words.Skip();
        if (*version == ParamFileVersion)
            return true;
    }
    return false;
}

const TParamFileField* FieldOf(std::string_view key)
{
    for (const TParamFileField& field : ParamFileFields)
        if (field.Key == key)
            return &field;
    return nullptr;
}

void ReadValues(TWordReader& words, const TParamFileField& field, TParamImage& image)
{
    for (int i = 0; i < field.Count; ++i) {
        const std::optional<unsigned long> value = ParseNumber(words.Peek());
        if (!value)
            return; // the word stays to be read as a key
        words.Skip();
        image[field.FirstByte + i] =
            static_cast<std::uint8_t>(std::min(*value / field.Scale, 255ul));
    }
}

} // namespace

bool ReadParamFile(const std::string& text, TParamImage& image)
{
    TWordReader words(text);
    if (!FindKey(words))
        return false;
    while (!words.AtEnd()) {
        const TParamFileField* field = FieldOf(words.Peek());
        words.Skip();
        if (field)
            ReadValues(words, *field, image);
    }
    return true;
}
