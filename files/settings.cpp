#include "files/settings.h"

TSettings ReadSettings(const TProfileFile& file, const TSettings& defaults)
{
    using namespace SettingsKey;
    TSettings s;
    s.Left = file.ReadInteger(Section, Left, defaults.Left);
    s.Top = file.ReadInteger(Section, Top, defaults.Top);
    s.Height = file.ReadInteger(Section, Height, defaults.Height);
    s.Width = file.ReadInteger(Section, Width, defaults.Width);
    s.ComPort = file.ReadInteger(Section, ComPort, defaults.ComPort);
    s.ComPortAuto = file.ReadInteger(Section, ComPortAuto, defaults.ComPortAuto);
    s.Language = file.ReadInteger(Section, Language, defaults.Language);
    s.File = file.ReadString(Section, File, defaults.File);
    s.IniDir = file.ReadString(Section, IniDir, defaults.IniDir);
    s.IgnAllChecked = file.ReadInteger(Section, IgnAllChecked, defaults.IgnAllChecked ? 1 : 0) != 0;
    return s;
}

void WriteSettings(TProfileFile& file, const TSettings& s)
{
    using namespace SettingsKey;
    file.WriteInteger(Section, Left, s.Left);
    file.WriteInteger(Section, Top, s.Top);
    file.WriteInteger(Section, Height, s.Height);
    file.WriteInteger(Section, Width, s.Width);
    file.WriteInteger(Section, ComPort, s.ComPort);
    file.WriteInteger(Section, ComPortAuto, s.ComPortAuto);
    file.WriteInteger(Section, Language, s.Language);
    file.WriteString(Section, File, s.File);
    file.WriteString(Section, IniDir, s.IniDir);
    file.WriteInteger(Section, IgnAllChecked, s.IgnAllChecked ? 1 : 0);
}

std::uint8_t LowByte(int value)
{
    return static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFFu);
}

std::uint8_t StoredPortIndex(int value)
{
    return static_cast<std::uint8_t>(LowByte(value) - 1);
}

std::string SettingsFileName(int unitProgramVersion)
{
    return "Kolvane" + std::string("_v") + std::to_string(unitProgramVersion) + ".ini";
}

std::string ImageCopyFileName(int unitProgramVersion)
{
    return "_" + SettingsFileName(unitProgramVersion);
}

std::string TestMarkerFileName()
{
    return "test_kalvor.txt";
}
