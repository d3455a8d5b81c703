// Read, verify and program: starting a transfer, re-sending its command and
// taking the unit's answers.
#include "link/transfer.h"

#include "link/link_machine.h"

namespace {
constexpr std::uint8_t ResendTicks = 4;
constexpr std::uint8_t MaxSends = 5;
} // namespace

bool AnswersPendingCommand(const TLinkFrame& frame, const TLinkState& state)
{
    return state.TransferMode != ModeIdle && frame.Intact() &&
           frame.Code() == (state.PendingCommand ^ FrameCode::AnswerBit);
}

void TLinkMachine::BeginTransfer(std::uint8_t mode, std::uint8_t command,
                                 const std::string& statusText)
{
    ShowStatus(statusText, TColour::ButtonFace);
    m_display.LabelHlaseni.Visible = true;
    m_display.CGaugeProgram.SetProgress(0);
    m_display.CGaugeProgram.Visible = true;
    m_state.TransferMode = mode;
    m_state.PendingCommand = command;
    m_state.SendCount = 0;
}

void TLinkMachine::AdvanceTransfer()
{
    const std::uint8_t mode = m_state.TransferMode;
    ++m_state.TicksSinceSend;
    if (m_state.TicksSinceSend >= ResendTicks) {
        m_state.TicksSinceSend = 0;
        ++m_state.SendCount;
        if (m_state.SendCount > MaxSends) {
            ShowStatus(mode == ModeProgram  ? m_messages[MsgProgramError]
                       : mode == ModeVerify ? m_messages[MsgVerifyError]
                                            : m_messages[MsgReadError],
                       TColour::Red);
            m_state.TransferMode = ModeIdle;
            if (mode == ModeVerify)
                m_state.ProgrammedOk = false;
        } else {
            SendBlockFrame();
        }
    }
    // A read clears the flag on every tick, including the one on which it fails.
    if (mode == ModeRead)
        m_state.ProgrammedOk = false;
}

void TLinkMachine::SendBlockFrame()
{
    m_state.TicksSinceSend = 0;
    const int block = m_state.PendingCommand & FrameCode::BlockMask;
    // A read asks with zeros; program and verify carry the image's block.
    const TFrameData data =
        m_state.TransferMode == ModeRead || block > 1 ? TFrameData{} : m_image.Block(block);
    m_transmitFrame = MakeFrame(m_state.PendingCommand, data);
    m_port.Write(m_transmitFrame.Bytes.data(), FrameSize);
}

void TLinkMachine::HandleTransferReply(const TLinkFrame& frame)
{
    if (!AnswersPendingCommand(frame, m_state))
        return;
    m_state.NoReplyTicks = 0;
    m_events.push_back({TLinkEventKind::BlockReceived, {}, frame.Code()});
}
