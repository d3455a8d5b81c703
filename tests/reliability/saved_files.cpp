#include "saved_files.h"

#include "app/hlav.h"
#include "files/atomic_file.h"
#include "files/profile_file.h"

#include <sstream>

namespace {

constexpr qint64 MaxBytes = 1024 * 1024;

// Two sets of defaults that differ in every value: a file read the same with
// either holds every key, each with a value of its kind.
TSettings Defaults(int which)
{
    TSettings defaults;
    defaults.Left = defaults.Top = defaults.Height = defaults.Width = -1000 - which;
    defaults.ComPort = defaults.ComPortAuto = defaults.Language = -1000 - which;
    defaults.File = defaults.IniDir = "\x01missing" + std::to_string(which);
    defaults.IgnAllChecked = which != 0;
    return defaults;
}

bool Same(const TSettings& a, const TSettings& b)
{
    return DescribeSettings(a) == DescribeSettings(b);
}

TSavedFile ReadSettingsFile()
{
    std::string text;
    if (!ReadSmallFile(SettingsFilePath(), MaxBytes, text))
        return {false, "missing"};
    const TProfileFile file(text);
    const TSettings first = ReadSettings(file, Defaults(0));
    if (!Same(first, ReadSettings(file, Defaults(1))))
        return {false, "keys missing or unreadable: " + text};
    return {true, DescribeSettings(first)};
}

TSavedFile ReadImageFile()
{
    std::string text;
    if (!ReadSmallFile(ImageCopyPath(), MaxBytes, text))
        return {false, "missing"};
    TImageBytes bytes{};
    // Whole: every byte there, and nothing the program would not have written.
    if (ParseImageCopy(text, bytes) != bytes.size() || FormatImageCopy(bytes) != text)
        return {false, "cut short or damaged: " + text};
    return {true, DescribeImage(bytes)};
}

} // namespace

std::string DescribeSettings(const TSettings& s)
{
    std::ostringstream out;
    out << "place " << s.Left << ',' << s.Top << ' ' << s.Width << 'x' << s.Height << " port "
        << s.ComPort << '/' << s.ComPortAuto << " language " << s.Language << " file '" << s.File
        << "' folder '" << s.IniDir << "' all " << s.IgnAllChecked;
    return out.str();
}

std::string DescribeImage(const TImageBytes& bytes)
{
    std::string text;
    for (const std::uint8_t byte : bytes)
        text += (text.empty() ? "" : " ") + std::to_string(byte);
    return text;
}

TSavedFiles ReadSavedFiles()
{
    return {ReadSettingsFile(), ReadImageFile()};
}
