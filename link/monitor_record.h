#pragma once

#include <array>
#include <cstdint>

constexpr int MonitorRecordSize = 51;
constexpr std::uint8_t ExpectedUnitVersion = 72;

// Offsets in the monitor record (and in the 0xB0 answer that carries it).
namespace MonitorByte {
constexpr int Speed = 1;
constexpr int Millivolts = 3;
constexpr int ProgrammingCount = 5;
constexpr int TestValue1 = 7; // eight words, up to byte 22
constexpr int Input1 = 29;
constexpr int Input2 = 30;
constexpr int Advance = 31; // degrees plus 100
constexpr int MaxAdvance = 32;
constexpr int MeasuredPolarity = 33;
constexpr int PolarityCheck = 34;
constexpr int StartLimiter = 35;
constexpr int Limiter = 36;
constexpr int Blocking = 37;
constexpr int KillSwitch = 38;
constexpr int ShiftLight = 39;
constexpr int Retard = 40;
constexpr int ClutchMaster = 41;
constexpr int PickUp = 42;
constexpr int BasicAdvance = 43;
constexpr int SavingCountdown = 47;
constexpr int DataError = 49;
constexpr int Version = 50;
} // namespace MonitorByte

// Bytes 0..50 of the unit's accepted 0xB0 answer. Multi-byte values are
// little-endian.
struct TMonitorRecord {
    std::array<std::uint8_t, MonitorRecordSize> Bytes{};

    std::uint16_t Word(int offset) const
    {
        return static_cast<std::uint16_t>(Bytes.at(offset) | (Bytes.at(offset + 1) << 8));
    }
    bool Flag(int offset) const { return Bytes.at(offset) != 0; }

    std::uint16_t Speed() const { return Word(MonitorByte::Speed); }
    std::uint16_t Millivolts() const { return Word(MonitorByte::Millivolts); }
    std::uint16_t ProgrammingCount() const { return Word(MonitorByte::ProgrammingCount); }
    // k = 1..8
    std::uint16_t TestValue(int k) const { return Word(MonitorByte::TestValue1 + 2 * (k - 1)); }
    int Advance() const { return static_cast<int>(Bytes[MonitorByte::Advance]) - 100; }
    int MaxAdvance() const { return Bytes[MonitorByte::MaxAdvance]; }
    bool PickUp() const { return Flag(MonitorByte::PickUp); }
    bool BasicAdvance() const { return Flag(MonitorByte::BasicAdvance); }
    std::uint16_t SavingCountdown() const { return Word(MonitorByte::SavingCountdown); }
    bool DataError() const { return Flag(MonitorByte::DataError); }
    std::uint8_t Version() const { return Bytes[MonitorByte::Version]; }
};

