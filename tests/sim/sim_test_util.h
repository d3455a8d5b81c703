#pragma once

#include "link/frame.h"
#include "sim/unit_model.h"

#include <cstdint>
#include <vector>

namespace simtest {

inline std::vector<std::uint8_t> Bytes(const TLinkFrame& frame)
{
    return {frame.Bytes.begin(), frame.Bytes.end()};
}

inline std::vector<std::uint8_t> Request(std::uint8_t code, const TBlock& data = {})
{
    return Bytes(MakeFrame(code, data));
}

// Splits output that should hold nothing but whole frames.
inline std::vector<TLinkFrame> Frames(const std::vector<std::uint8_t>& bytes)
{
    std::vector<TLinkFrame> frames;
    for (std::size_t at = 0; at + FrameSize <= bytes.size(); at += FrameSize) {
        TLinkFrame frame;
        for (int i = 0; i < FrameSize; ++i)
            frame.Bytes[i] = bytes[at + i];
        frames.push_back(frame);
    }
    return frames;
}

// Sends one request and returns what the unit has ready straight away.
inline std::vector<std::uint8_t> Exchange(TUnitModel& unit, std::uint8_t code, const TBlock& data = {})
{
    unit.Receive(Request(code, data));
    return unit.TakeOutput();
}

inline unsigned Word(const TLinkFrame& frame, int at)
{
    return frame.Bytes[at] | (frame.Bytes[at + 1] << 8);
}

// Programs block 1 and checks that exactly one intact answer came back.
inline TLinkFrame Program(TUnitModel& unit, const TBlock& block1)
{
    const auto out = Exchange(unit, 0x01, block1);
    const auto frames = Frames(out);
    return frames.size() == 1 && out.size() == FrameSize ? frames[0] : TLinkFrame{};
}

inline TLinkFrame Monitor(TUnitModel& unit)
{
    const auto frames = Frames(Exchange(unit, 0x30));
    return frames.size() == 1 ? frames[0] : TLinkFrame{};
}

} // namespace simtest
