// Read, verify and program: starting a transfer, re-sending its command and
// taking the unit's answers.
#include "link/transfer.h"

#include "link/frame_io.h"
#include "link/link_machine.h"
#include "link/monitor_record.h"

namespace {
constexpr std::uint8_t ResendTicks = 4;

bool UnitVersionMatches(const TParamImage& image)
{
    return image[ImageByte::ProgramVersion] == ExpectedUnitVersion;
}

TTransferReply TakeRead(int block, const TFrameData& data, TParamImage& image)
{
    image.StoreBlock(block, data);
    if (block == 1) {
        // The unit's curve is no edit: neighbours pushed by the last edit
        // must not be pulled back to where that edit found them.
        image.ResetPushMemory();
        image.Normalise();
        return {TReplyOutcome::StartVerify, true};
    }
    image.UpdateUnitTexts();
    if (!UnitVersionMatches(image)) {
        image.Normalise();
        return {TReplyOutcome::VersionMismatch, true};
    }
    if (image[ImageByte::ReadAllowed] != 1) {
        image.Normalise();
        return {TReplyOutcome::ReadRefused, true};
    }
    return {TReplyOutcome::NextBlock, false};
}

TTransferReply TakeProgramEcho(int block, const TFrameData& data, TParamImage& image)
{
    if (block == 1)
        return {data == image.Block(1) ? TReplyOutcome::StartVerify : TReplyOutcome::Differs,
                false};
    // The unit's own description always replaces the PC's.
    image.StoreBlock(0, data);
    image.UpdateUnitTexts();
    image.Normalise();
    return {UnitVersionMatches(image) ? TReplyOutcome::NextBlock : TReplyOutcome::VersionMismatch,
            true};
}

} // namespace

TLinkFrame BlockFrame(const TLinkState& state, const TParamImage& image)
{
    const int block = state.PendingCommand & FrameCode::BlockMask;
    const TFrameData data =
        state.TransferMode == ModeRead || block > 1 ? TFrameData{} : image.Block(block);
    return MakeFrame(state.PendingCommand, data);
}

bool AnswersPendingCommand(const TLinkFrame& frame, const TLinkState& state)
{
    return state.TransferMode != ModeIdle && frame.Intact() &&
           frame.Code() == (state.PendingCommand ^ FrameCode::AnswerBit);
}

bool Block1Matches(const TFrameData& unitBlock, const TParamImage& image)
{
    for (int i = 0; i < BlockSize; ++i)
        if (BlockSize + i != ImageByte::ReadLock && unitBlock[i] != image[BlockSize + i])
            return false;
    return true;
}

TTransferReply TakeTransferReply(const TLinkFrame& frame, const TLinkState& state,
                                 TParamImage& image)
{
    if (!AnswersPendingCommand(frame, state))
        return {};
    const int block = state.PendingCommand & FrameCode::BlockMask;
    if (block > 1)
        return {TReplyOutcome::Differs, false}; // no such block in the image
    const TFrameData data = frame.Data();
    switch (state.TransferMode) {
    case ModeRead:
        return TakeRead(block, data, image);
    case ModeProgram:
        return TakeProgramEcho(block, data, image);
    default:
        return {Block1Matches(data, image) ? TReplyOutcome::Verified : TReplyOutcome::Differs,
                false};
    }
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

void TLinkMachine::StartRead()
{
    BeginTransfer(ModeRead, FrameCode::ReadBlock, m_messages[MsgRead] + ":");
}

void TLinkMachine::StartVerify()
{
    BeginTransfer(ModeVerify, VerifyCommand, m_messages[MsgVerify] + ":");
    m_state.ProgrammedOk = false;
}

void TLinkMachine::StartProgram(bool fromCommand)
{
    // A programming after a change announces itself without the colon.
    BeginTransfer(ModeProgram, FrameCode::ProgramBlock,
                  m_messages[MsgPrograming] + (fromCommand ? ":" : ""));
    m_state.ProgrammedOk = false;
}

void TLinkMachine::EndVersionMessage()
{
    m_state.TransferMode = ModeIdle;
    m_state.StatusTicks = 0;
}

void TLinkMachine::HideStatus()
{
    m_display.LabelHlaseni.Visible = false;
    m_display.CGaugeProgram.Visible = false;
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
    m_transmitFrame = BlockFrame(m_state, m_image);
    SendFrame(m_port, m_transmitFrame, m_trace);
}

void TLinkMachine::SendNextCommand(std::uint8_t mode, std::uint8_t command)
{
    m_state.TransferMode = mode;
    m_state.PendingCommand = command;
    m_state.SendCount = 1;
    SendBlockFrame();
}

void TLinkMachine::HandleTransferReply(const TLinkFrame& frame)
{
    const TTransferReply reply = TakeTransferReply(frame, m_state, m_image);
    if (reply.Outcome == TReplyOutcome::Ignored)
        return;
    m_state.NoReplyTicks = 0;
    if (reply.ImageChanged)
        m_events.push_back({TLinkEventKind::ImageReceived, {}});
    TGaugeModel& gauge = m_display.CGaugeProgram;
    switch (reply.Outcome) {
    case TReplyOutcome::Ignored:
    case TReplyOutcome::Differs:
        break;
    case TReplyOutcome::NextBlock:
        gauge.SetProgress(gauge.Progress + 1);
        SendNextCommand(m_state.TransferMode, m_state.PendingCommand + 1);
        break;
    case TReplyOutcome::VersionMismatch:
        // Idle before the box opens: the tick keeps running under it.
        m_state.TransferMode = ModeIdle;
        m_events.push_back({TLinkEventKind::VersionMismatch,
                            VersionWarning(m_messages, m_image[ImageByte::ProgramVersion])});
        break;
    case TReplyOutcome::ReadRefused:
        ShowStatus(m_messages[MsgNoReading], TColour::Red);
        m_state.TransferMode = ModeIdle;
        break;
    case TReplyOutcome::StartVerify:
        if (m_state.TransferMode == ModeProgram)
            m_state.ProgrammedOk = true;
        SendNextCommand(ModeVerify, VerifyCommand);
        ShowStatus(m_messages[MsgVerify] + ":", TColour::ButtonFace);
        m_display.LabelHlaseni.Visible = true;
        gauge.SetProgress(0);
        break;
    case TReplyOutcome::Verified:
        gauge.SetProgress(TGaugeModel::MaxValue);
        ShowStatus(m_messages[MsgVerify] + ": OK", TColour::ButtonFace);
        m_state.TransferMode = ModeIdle;
        break;
    }
}
