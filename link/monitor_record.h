#pragma once

#include <array>
#include <cstdint>

constexpr int MonitorRecordSize = 51;
constexpr std::uint8_t ExpectedUnitVersion = 72;

// Bytes 0..50 of the unit's accepted 0xB0 answer. Multi-byte values are
// little-endian.
struct TMonitorRecord {
    std::array<std::uint8_t, MonitorRecordSize> Bytes{};

    std::uint16_t Word(int offset) const
    {
        return static_cast<std::uint16_t>(Bytes.at(offset) | (Bytes.at(offset + 1) << 8));
    }
    bool Flag(int offset) const { return Bytes.at(offset) != 0; }

    std::uint16_t Speed() const { return Word(1); }
    std::uint16_t Millivolts() const { return Word(3); }
    std::uint16_t ProgrammingCount() const { return Word(5); }
    std::uint16_t TestValue(int k) const { return Word(5 + 2 * k); } // k = 1..8
    int Advance() const { return static_cast<int>(Bytes[31]) - 100; }
    int MaxAdvance() const { return Bytes[32]; }
    bool PickUp() const { return Flag(42); }
    bool BasicAdvance() const { return Flag(43); }
    std::uint16_t SavingCountdown() const { return Word(47); }
    bool DataError() const { return Flag(49); }
    std::uint8_t Version() const { return Bytes[50]; }
};

namespace MonitorByte {
constexpr int Input1 = 29;
constexpr int Input2 = 30;
constexpr int MeasuredPolarity = 33;
constexpr int PolarityCheck = 34;
constexpr int StartLimiter = 35;
constexpr int Limiter = 36;
constexpr int Blocking = 37;
constexpr int KillSwitch = 38;
constexpr int ShiftLight = 39;
constexpr int Retard = 40;
constexpr int ClutchMaster = 41;
} // namespace MonitorByte
