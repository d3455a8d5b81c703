#pragma once

#include "texts/lang_text.h"

#include <cstdint>
#include <initializer_list>
#include <string>

// Texts the window shows beyond its message table: warnings and reports that
// came with later features. Each exists in the four languages; "%1", "%2" ...
// stand for the values that FormatNotice puts in.
enum class TNotice : int {
    PrintFailed,       // %1 the printer, %2 why
    PrintJobRefused,   // %1 the printer, %2 the print system's answer
    SheetSavedAs,      // %1 the PDF's path
    FileValuesChanged, // heads the list of values a file could not hold
    FileValueChanged,  // %1 key, %2 the number in the file, %3 the value taken
    DeviceNoPermission,  // %1 device, %2 group
    DeviceOwnerOnly,     // %1 device, %2 what ls -l shows
    DeviceInUse,         // %1 device, %2 the process
    DeviceSeeReadme,
    DeviceInUseUnknown, // %1 device: held, but by no process this user may see
    Count
};

// The text in one language (0..3).
const std::string& NoticeText(TNotice notice, std::uint8_t language);

// The text with %1, %2 ... replaced by the values in order.
std::string FormatNotice(TNotice notice, std::uint8_t language,
                         std::initializer_list<std::string> values = {});

// The same replacement on any text.
std::string FillPlaceholders(const std::string& text, std::initializer_list<std::string> values);
