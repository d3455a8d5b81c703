#pragma once

#include "files/profile_file.h"

#include <cstdint>
#include <string>

// The settings file's section and keys, in the order they are read and
// written.
namespace SettingsKey {
inline constexpr char Section[] = "BASIC";
inline constexpr char Left[] = "Left";
inline constexpr char Top[] = "Top";
inline constexpr char Height[] = "Height";
inline constexpr char Width[] = "Width";
inline constexpr char ComPort[] = "ComPort";
inline constexpr char ComPortAuto[] = "ComPortAuto";
inline constexpr char Language[] = "Language";
inline constexpr char File[] = "File";
inline constexpr char IniDir[] = "IniDir";
inline constexpr char IgnAllChecked[] = "CheckBoxIgnAll->Checked";
} // namespace SettingsKey

// The values as they stand in the file. ComPort and ComPortAuto are written
// as the port index plus one; on reading, the default given for them is the
// current index itself, so a missing key leaves index = default - 1 (the
// preset 21 becomes 20, "Com Auto"). StoredPortIndex turns a value read into
// the index.
struct TSettings {
    int Left = 0;
    int Top = 0;
    int Height = 0;
    int Width = 0;
    int ComPort = 0;
    int ComPortAuto = 0;
    int Language = 0;
    std::string File;
    std::string IniDir;
    bool IgnAllChecked = false;
};

// Each key of section "BASIC" that is missing or not a whole number keeps its
// default.
TSettings ReadSettings(const TProfileFile& file, const TSettings& defaults);
// Writes every key; keys new to the file come out in the order above.
void WriteSettings(TProfileFile& file, const TSettings& settings);

// The port, auto-port and language indexes are single bytes: a value read is
// cut to its low byte, and the port numbers' minus one wraps within it.
std::uint8_t LowByte(int value);
std::uint8_t StoredPortIndex(int value);

// "Kolvane_v72.ini" for version 72: the name carries the unit program version
// the program works with, so another version keeps its own settings.
std::string SettingsFileName(int unitProgramVersion);
// The copy of the parameter image kept beside the settings file.
std::string ImageCopyFileName(int unitProgramVersion);
// A file whose word "DIAG_SWITCH" shows the unit's test values.
std::string TestMarkerFileName();
