#pragma once

#include <cstdint>

enum TTransferMode : std::uint8_t {
    ModeIdle = 0,
    ModeProgram = 1,
    ModeVerify = 2,
    ModeRead = 3,
};

// The link and status counters of the main window; all zero at creation.
struct TLinkState {
    std::uint8_t TransferMode = ModeIdle;
    std::uint8_t PendingCommand = 0;
    std::uint8_t TicksSinceSend = 0;
    std::uint8_t SendCount = 0;
    std::uint8_t StatusTicks = 0;
    bool ProgrammedOk = false;
    bool Printing = false;
    std::uint8_t NoReplyTicks = 0;
    std::uint8_t ReopenTicks = 0;
    std::uint8_t PortIndex = 0;
    std::uint8_t AutoPortIndex = 0;
    bool QuietPortErrors = false;
    std::uint16_t SavingCountdown = 0;
    std::uint16_t EngineSpeed = 0;
    bool TestMode = false;
};

// Port menu: entries 0..19 are COM1..COM20, entry 20 is "Com Auto";
// the automatic scan runs over COM1..COM21.
constexpr std::uint8_t PortMenuEntries = 21;
constexpr std::uint8_t AutoPortEntry = 20;
constexpr std::uint8_t AutoPortCount = 21;
