#include "link/frame.h"

namespace {
std::uint8_t XorFrom0xFF(const std::uint8_t* bytes, int count)
{
    std::uint8_t check = 0xFF;
    for (int i = 0; i < count; ++i)
        check ^= bytes[i];
    return check;
}
} // namespace

TFrameData TLinkFrame::Data() const
{
    TFrameData data{};
    for (int i = 0; i < FrameDataSize; ++i)
        data[i] = Bytes[1 + i];
    return data;
}

void TLinkFrame::Seal()
{
    Bytes[FrameSize - 1] = XorFrom0xFF(Bytes.data(), FrameSize - 1);
}

bool TLinkFrame::Intact() const
{
    return XorFrom0xFF(Bytes.data(), FrameSize) == 0;
}

TLinkFrame MakeFrame(std::uint8_t code, const TFrameData& data)
{
    TLinkFrame frame;
    frame.Bytes[0] = code;
    for (int i = 0; i < FrameDataSize; ++i)
        frame.Bytes[1 + i] = data[i];
    frame.Seal();
    return frame;
}
