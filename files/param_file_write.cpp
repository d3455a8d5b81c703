#include "files/param_file.h"
#include "files/param_file_fields.h"

#include <cstdio>

namespace {

constexpr std::size_t KeyWidth = 12;

void AppendKey(std::string& text, std::string_view key, std::size_t width)
{
    text += key;
    text.append(width - key.size(), ' ');
}

void AppendNumber(std::string& text, const char* format, unsigned value)
{
    char field[16];
    std::snprintf(field, sizeof field, format, value);
    text += field;
}

} // namespace

std::string WriteParamFile(const TParamImage& image)
{
    std::string text;
    AppendKey(text, ParamFileKey, KeyWidth + 2);
    AppendNumber(text, "%3u ", ParamFileVersion);
    for (const TParamFileField& field : ParamFileFields) {
        text += "\r\n";
        if (field.FirstByte == ImageByte::ReadLock) {
            // A flag, not the byte: the unit knows only locked or not. Its
            // line has a wider key and no space at the end.
            AppendKey(text, field.Key, KeyWidth + 1);
            text += image[field.FirstByte] != 0 ? "   1" : "   0";
            continue;
        }
        AppendKey(text, field.Key, KeyWidth);
        for (int i = 0; i < field.Count; ++i)
            AppendNumber(text, "%5u ", image[field.FirstByte + i] * field.Scale);
    }
    return text;
}
