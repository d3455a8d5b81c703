#pragma once

#include "link/frame.h"
#include "link/line_trace.h"
#include "link/link_port.h"
#include "link/link_state.h"
#include "link/monitor_record.h"
#include "link/transfer.h"
#include "params/param_image.h"

#include <functional>
#include <optional>
#include <vector>

// How a transfer at the caller's own pace ended.
enum class TTransferEnd {
    Verified,        // the unit holds block 1 as the image does
    Differs,         // the unit answered, but its block kept differing
    NoAnswer,        // no accepted answer within the sends
    VersionMismatch, // the unit runs another program version
    ReadRefused,     // the unit refuses reading
    Abandoned,       // the caller asked to stop between two exchanges
};

// The link for a caller that waits for the unit instead of ticking: the
// next frame goes out as soon as an accepted answer arrives, and a command
// is re-sent when no answer comes within the answer time. The frames, the
// answer rules and the five sends are the window's.
class TDirectLink {
public:
    static constexpr int DefaultAnswerTimeoutMs = 100;

    explicit TDirectLink(ILinkPort& port, ILineTrace* trace = nullptr,
                         int answerTimeoutMs = DefaultAnswerTimeoutMs);

    // A whole transfer as the window runs it: read (blocks 0 and 1, then the
    // verify), verify (block 1), or program (blocks 0 and 1, then the verify).
    TTransferEnd Run(TTransferMode mode, TParamImage& image);

    // One monitor request and its answer, if one came in time.
    std::optional<TMonitorRecord> Poll();

    // Called with the mode and command whenever a new command starts.
    std::function<void(std::uint8_t mode, std::uint8_t command)> OnCommand;
    // Asked before every send; true ends the transfer there, so an exchange
    // once begun is finished (answered or timed out) and never cut.
    std::function<bool()> Abandon;
    // Frames sent since the link was made.
    int FramesSent() const { return m_framesSent; }
    // Whether the last Run sent block 1 to be programmed: from then on the
    // unit may hold new values, whatever its answers.
    bool SentBlock1() const { return m_sentBlock1; }

private:
    // Waits for an answer that is not ignored; Ignored when the time ran out.
    TReplyOutcome AwaitReply(const TLinkState& state, TParamImage& image);
    std::optional<TLinkFrame> AwaitFrame(int timeoutMs);
    void Send(const TLinkFrame& frame);

    ILinkPort& m_port;
    ILineTrace* m_trace;
    int m_answerTimeoutMs;
    int m_framesSent = 0;
    bool m_sentBlock1 = false;
    std::vector<std::uint8_t> m_buffer;
};
