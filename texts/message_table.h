#pragma once

#include "texts/lang_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int MessageCount = 34;

// Message table entries, in table order (entry 1 is MsgHelpFile).
enum TMessage : int {
    MsgHelpFile,
    MsgProgramError,
    MsgVerifyError,
    MsgReadError,
    MsgPrograming,
    MsgVerify,
    MsgRead,
    MsgSaving,
    MsgUnmatchedVersion,
    MsgUnmatchedFileVersion,
    MsgPrintDate,
    MsgPolarityOfCkps,
    MsgPositive,
    MsgNegative,
    MsgComOpeningError,
    MsgOpenFileError,
    MsgDefaultSetting,
    MsgNoReading,
    MsgOpenHelpError,
    MsgAdvance,
    MsgStartLimiter,
    MsgLimiter,
    MsgGearShiftLight,
    MsgClutchMaster,
    MsgRetard,
    MsgMotorOff,
    MsgNumberOfPrograming,
    MsgYes,
    MsgNo,
    MsgPickUp,
    MsgIsRunning,
    MsgNoSignal,
    MsgInput,
    MsgBasic,
};

// The 34 texts in the current language.
using TMessageTable = std::array<std::string, MessageCount>;

// The four-language rows of the message table, assembled pieces included.
const std::array<TLangText, MessageCount>& MessageRows();

// The table filled for one language (0..3).
TMessageTable BuildMessageTable(std::uint8_t language);
