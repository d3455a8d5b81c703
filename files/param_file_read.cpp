#include "files/param_file.h"
#include "files/param_file_fields.h"
#include "files/text_words.h"

#include <algorithm>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// An editor may save the file as UTF-8 with a byte-order mark, behind blanks
// or not: the key behind it is still the first word.
std::string_view WithoutByteOrderMark(std::string_view text)
{
    const std::size_t lead = std::min(text.find_first_not_of(" \t\r\n\v\f"), text.size());
    if (text.compare(lead, ByteOrderMark.size(), ByteOrderMark) == 0)
        text.remove_prefix(lead + ByteOrderMark.size());
    return text;
}

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

void ReadValues(TWordReader& words, const TParamFileField& field,
                const std::function<void(const TParamFileNumber&)>& take)
{
    for (int i = 0; i < field.Count; ++i) {
        const std::optional<unsigned long> value = ParseNumber(words.Peek());
        if (!value)
            return; // the word stays to be read as a key
        take({&field, i, words.Peek(), *value});
        words.Skip();
    }
}

} // namespace

bool ReadParamFileNumbers(std::string_view text,
                          const std::function<void(const TParamFileNumber&)>& take)
{
    TWordReader words(WithoutByteOrderMark(text));
    if (!FindKey(words))
        return false;
    while (!words.AtEnd()) {
        const TParamFileField* field = FieldOf(words.Peek());
        words.Skip();
        if (field)
            ReadValues(words, *field, take);
    }
    return true;
}

std::uint8_t StoredByte(const TParamFileNumber& number)
{
    return static_cast<std::uint8_t>(std::min(number.Value / number.Field->Scale, 255ul));
}

bool ReadParamFile(const std::string& text, TParamImage& image)
{
    return ReadParamFileNumbers(text, [&image](const TParamFileNumber& number) {
        image[number.Field->FirstByte + number.Index] = StoredByte(number);
    });
}
