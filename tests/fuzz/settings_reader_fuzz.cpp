// Any bytes as the settings file, and, after a NUL byte, the settings the
// closing window writes into it (the file name, NUL, the folder, NUL, then
// the numbers as raw bytes); without a NUL it writes back what it read.
// Whatever the file holds, the file must read back as itself once written
// out, values written must read back as written, lines that are no
// key=value line must survive the write in their order, and the test marker
// must find its word wherever it stands.
#include "files/profile_file.h"
#include "files/settings.h"
#include "files/test_marker.h"
#include "fuzz_input.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

void Check(bool holds, const char* what)
{
    FuzzCheck(holds, "settings reader", what);
}

const char* const Blanks = " \t\r\v\f";

bool Same(const TSettings& a, const TSettings& b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Height == b.Height && a.Width == b.Width &&
           a.ComPort == b.ComPort && a.ComPortAuto == b.ComPortAuto && a.Language == b.Language &&
           a.File == b.File && a.IniDir == b.IniDir && a.IgnAllChecked == b.IgnAllChecked;
}

std::string Trimmed(const std::string& value)
{
    const std::size_t first = value.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return {};
    return value.substr(first, value.find_last_not_of(Blanks) - first + 1);
}

// A value as it reads back once written: its line breaks are blanks, and
// blanks at either end are gone.
std::string AsReadBack(std::string value)
{
    for (char& c : value)
        if (c == '\r' || c == '\n')
            c = ' ';
    return Trimmed(value);
}

// A line of a file ends only at LF, so a lone CR may stay inside a value.
bool OneTrimmedLine(const std::string& value)
{
    return value.find('\n') == std::string::npos && value == Trimmed(value);
}

// A byte-order mark leads the file, not its first line.
std::vector<std::string> LinesWithoutEquals(const std::string& text)
{
    const std::string mark = "\xEF\xBB\xBF";
    std::vector<std::string> lines;
    std::istringstream in(text.compare(0, mark.size(), mark) == 0 ? text.substr(mark.size())
                                                                  : text);
    for (std::string line; std::getline(in, line);)
        if (line.find('=') == std::string::npos)
            lines.push_back(line);
    return lines;
}

bool InOrderWithin(const std::vector<std::string>& part, const std::vector<std::string>& whole)
{
    std::size_t at = 0;
    for (const std::string& line : whole)
        if (at < part.size() && line == part[at])
            ++at;
    return at == part.size();
}

TSettings SettingsFrom(const std::string& rest)
{
    TSettings s;
    const std::size_t fileEnd = std::min(rest.find('\0'), rest.size());
    s.File = rest.substr(0, fileEnd);
    const std::string afterFile = rest.substr(std::min(fileEnd + 1, rest.size()));
    const std::size_t dirEnd = std::min(afterFile.find('\0'), afterFile.size());
    s.IniDir = afterFile.substr(0, dirEnd);
    const std::string numbers = afterFile.substr(std::min(dirEnd + 1, afterFile.size()));
    TFuzzInput in(reinterpret_cast<const std::uint8_t*>(numbers.data()), numbers.size());
    for (int* field :
         {&s.Left, &s.Top, &s.Height, &s.Width, &s.ComPort, &s.ComPortAuto, &s.Language}) {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | in.Byte();
        *field = static_cast<int>(value);
    }
    s.IgnAllChecked = in.Byte() & 1;
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string text = input.substr(0, split);

    TSettings defaults;
    defaults.Left = -3;
    defaults.Top = 1 << 20;
    defaults.Height = 7;
    defaults.ComPort = 21;
    defaults.File = "no file";
    defaults.IgnAllChecked = true;

    const TProfileFile file(text);
    const TSettings read = ReadSettings(file, defaults);
    Check(OneTrimmedLine(read.File) && OneTrimmedLine(read.IniDir),
          "a value read holds a line break or blanks at an end");

    const std::string out = file.Text();
    Check(out.size() <= text.size() + 1, "the file grew without a write");
    const TProfileFile reread(out);
    Check(reread.Text() == out, "the file written out reads as another file");
    Check(Same(ReadSettings(reread, defaults), read), "the file written out reads other values");

    const TSettings written =
        split == std::string::npos ? read : SettingsFrom(input.substr(split + 1));
    TSettings expected = written;
    expected.File = AsReadBack(written.File);
    expected.IniDir = AsReadBack(written.IniDir);
    TProfileFile changed = file;
    WriteSettings(changed, written);
    const std::string changedText = changed.Text();
    Check(Same(ReadSettings(TProfileFile(changedText), defaults), expected),
          "a value written reads back otherwise");
    Check(InOrderWithin(LinesWithoutEquals(out), LinesWithoutEquals(changedText)),
          "a comment, section or other line was lost or moved by the write");

    std::istringstream words(text);
    bool marked = false;
    for (std::string word; !marked && words >> word;)
        marked = word == "DIAG_SWITCH";
    Check(HasDiagSwitch(text) == marked, "the test marker misread");
    return 0;
}
