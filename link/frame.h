#pragma once

#include <array>
#include <cstdint>

constexpr int FrameSize = 52;
constexpr int FrameDataSize = 50;

namespace FrameCode {
constexpr std::uint8_t Monitor = 0x30;
constexpr std::uint8_t MonitorAnswer = 0xB0;
constexpr std::uint8_t ProgramBlock = 0x00; // + block number
constexpr std::uint8_t ReadBlock = 0x40;    // + block number
constexpr std::uint8_t AnswerBit = 0x80;
constexpr std::uint8_t BlockMask = 0x3F;
} // namespace FrameCode

// The 50 data bytes of a frame: one block of the parameter image, or the
// live data of a monitor answer.
using TFrameData = std::array<std::uint8_t, FrameDataSize>;

// One frame on the serial link, both ways: code, 50 data bytes, check byte.
struct TLinkFrame {
    std::array<std::uint8_t, FrameSize> Bytes{};

    std::uint8_t Code() const { return Bytes[0]; }
    TFrameData Data() const;
    // Sets byte 51 so that 0xFF XOR all 52 bytes is 0.
    void Seal();
    bool Intact() const;
};

// An intact frame with 0xB in its high four bits: live data from the unit.
inline bool IsMonitorAnswer(const TLinkFrame& frame)
{
    return (frame.Code() & 0xF0) == FrameCode::MonitorAnswer && frame.Intact();
}

// A sealed frame with the given code and data.
TLinkFrame MakeFrame(std::uint8_t code, const TFrameData& data);
