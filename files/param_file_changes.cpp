#include "files/param_file.h"
#include "files/param_file_fields.h"
#include "params/editor.h"
#include "texts/notice_table.h"

#include <array>
#include <optional>

namespace {

struct TLastNumber {
    std::string Word;
    unsigned long Value;
};

std::string KeyOf(const TParamFileField& field, int index)
{
    const std::string key(field.Key);
    return field.Count == 1 ? key : key + " " + std::to_string(index + 1);
}

} // namespace

std::vector<TParamFileChange> ParamFileChanges(const std::string& text, const TParamImage& opened)
{
    // A key that comes twice counts with its later numbers, as it is read.
    std::array<std::optional<TLastNumber>, ImageSize> last;
    const bool keyOk = ReadParamFileNumbers(text, [&last](const TParamFileNumber& number) {
        last[number.Field->FirstByte + number.Index] =
            TLastNumber{std::string(number.Word), number.Value};
    });
    if (!keyOk)
        return {};
    // What the controls hand back at the next write-back.
    TParamImage held = opened;
    WriteBackValues(ShowValues(held), held);

    std::vector<TParamFileChange> changes;
    for (const TParamFileField& field : ParamFileFields)
        for (int i = 0; i < field.Count; ++i) {
            const int byte = field.FirstByte + i;
            const std::optional<TLastNumber>& number = last[byte];
            if (number && number->Value / field.Scale != held[byte])
                changes.push_back({KeyOf(field, i), number->Word,
                                   static_cast<unsigned long>(held[byte]) * field.Scale});
        }
    return changes;
}

std::string ParamFileChangesText(const std::vector<TParamFileChange>& changes,
                                 std::uint8_t language)
{
    std::string text = NoticeText(TNotice::FileValuesChanged, language);
    for (const TParamFileChange& change : changes)
        text += "\n" + FormatNotice(TNotice::FileValueChanged, language,
                                    {change.Key, change.InFile, std::to_string(change.Taken)});
    return text;
}
