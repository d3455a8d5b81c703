#include "link/frame_io.h"

#include <algorithm>

bool SendFrame(ILinkPort& port, const TLinkFrame& frame, ILineTrace* trace)
{
    const bool sent = port.Write(frame.Bytes.data(), FrameSize);
    if (trace)
        trace->Trace(sent ? TTraceKind::Sent : TTraceKind::NotSent, frame.Bytes.data(), FrameSize);
    return sent;
}

std::optional<TLinkFrame> ReceiveFrame(ILinkPort& port, std::vector<std::uint8_t>& buffer,
                                       ILineTrace* trace)
{
    if (!port.IsOpen())
        return std::nullopt;
    std::size_t queued = port.BytesAvailable();
    if (queued < FrameSize)
        return std::nullopt; // the rest of a split answer comes later
    queued = std::min(queued, buffer.size());
    const std::size_t got = port.Read(buffer.data(), queued);
    if (got < FrameSize) {
        if (trace && got > 0)
            trace->Trace(TTraceKind::Noise, buffer.data(), got);
        return std::nullopt;
    }
    TLinkFrame frame;
    std::copy_n(buffer.begin(), FrameSize, frame.Bytes.begin());
    if (trace) {
        trace->Trace(TTraceKind::Received, buffer.data(), FrameSize);
        if (got > FrameSize)
            trace->Trace(TTraceKind::Noise, buffer.data() + FrameSize, got - FrameSize);
    }
    return frame;
}
