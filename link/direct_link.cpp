#include "link/direct_link.h"

#include "link/frame_io.h"
#include "link/link_machine.h"

#include <algorithm>
#include <chrono>

namespace {
using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

std::uint8_t FirstCommand(TTransferMode mode)
{
    return mode == ModeRead     ? FrameCode::ReadBlock
           : mode == ModeVerify ? VerifyCommand
                                : FrameCode::ProgramBlock;
}
} // namespace

TDirectLink::TDirectLink(ILinkPort& port, ILineTrace* trace, int answerTimeoutMs)
    : m_port(port), m_trace(trace), m_answerTimeoutMs(answerTimeoutMs), m_buffer(ReceiveBufferSize)
{
}

void TDirectLink::Send(const TLinkFrame& frame)
{
    SendFrame(m_port, frame, m_trace);
    ++m_framesSent;
    m_sentBlock1 |= frame.Code() == FrameCode::ProgramBlock + 1;
}

std::optional<TLinkFrame> TDirectLink::AwaitFrame(int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (!m_port.WaitForBytes(FrameSize, MsLeft(deadline)))
            return std::nullopt;
        if (std::optional<TLinkFrame> frame = ReceiveFrame(m_port, m_buffer, m_trace))
            return frame;
    }
}

TReplyOutcome TDirectLink::AwaitReply(const TLinkState& state, TParamImage& image)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(m_answerTimeoutMs);
    for (;;) {
        const std::optional<TLinkFrame> frame = AwaitFrame(MsLeft(deadline));
        if (!frame)
            return TReplyOutcome::Ignored;
        const TReplyOutcome outcome = TakeTransferReply(*frame, state, image).Outcome;
        if (outcome != TReplyOutcome::Ignored)
            return outcome;
    }
}

TTransferEnd TDirectLink::Run(TTransferMode mode, TParamImage& image)
{
    TLinkState state;
    state.TransferMode = mode;
    state.PendingCommand = FirstCommand(mode);
    int sends = 0;
    bool differed = false;
    m_sentBlock1 = false;
    if (OnCommand)
        OnCommand(state.TransferMode, state.PendingCommand);
    for (;;) {
        if (sends == MaxSends)
            return differed ? TTransferEnd::Differs : TTransferEnd::NoAnswer;
        if (Abandon && Abandon())
            return TTransferEnd::Abandoned;
        Send(BlockFrame(state, image));
        ++sends;
        switch (AwaitReply(state, image)) {
        case TReplyOutcome::Ignored: // no answer in time: send again
            continue;
        case TReplyOutcome::Differs:
            differed = true;
            continue;
        case TReplyOutcome::NextBlock:
            ++state.PendingCommand;
            break;
        case TReplyOutcome::StartVerify:
            state.TransferMode = ModeVerify;
            state.PendingCommand = VerifyCommand;
            break;
        case TReplyOutcome::Verified:
            return TTransferEnd::Verified;
        case TReplyOutcome::VersionMismatch:
            return TTransferEnd::VersionMismatch;
        case TReplyOutcome::ReadRefused:
            return TTransferEnd::ReadRefused;
        }
        sends = 0;
        differed = false;
        if (OnCommand)
            OnCommand(state.TransferMode, state.PendingCommand);
    }
}

std::optional<TMonitorRecord> TDirectLink::Poll()
{
    Send(MakeFrame(FrameCode::Monitor, TFrameData{}));
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(m_answerTimeoutMs);
    for (;;) {
        const std::optional<TLinkFrame> frame = AwaitFrame(MsLeft(deadline));
        if (!frame)
            return std::nullopt;
        // As the tick dispatches: only 0xB0 is live data.
        if (frame->Code() == FrameCode::MonitorAnswer && IsMonitorAnswer(*frame)) {
            TMonitorRecord record;
            std::copy_n(frame->Bytes.begin(), MonitorRecordSize, record.Bytes.begin());
            return record;
        }
    }
}
