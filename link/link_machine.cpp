#include "link/link_machine.h"

#include <algorithm>

namespace {
constexpr std::uint8_t ResendTicks = 4;
constexpr std::uint8_t MaxSends = 5;
constexpr std::uint8_t PollTicks = 6;
constexpr std::uint8_t StatusShowTicks = 200;
constexpr std::uint8_t SilentTicks = 18;
constexpr std::uint8_t ReopenEveryTicks = 30;
// A failed automatic open sets this so the next port is tried on the next tick.
constexpr std::uint8_t TryNextPortTicks = 200;
constexpr int SavingStart = 53;
} // namespace

TLinkMachine::TLinkMachine(ILinkPort& port, TParamImage& image)
    : Messages(BuildMessageTable(0)), m_port(port), m_image(image), m_receiveBuffer(ReceiveBufferSize)
{
}

void TLinkMachine::Tick()
{
    ReceiveAndDispatch();
    if (ChartTick)
        ChartTick();
    if (State.TransferMode != ModeIdle)
        AdvanceTransfer();
    else
        PollIdle();
    CountDownStatus();
    WatchSilence();
    if (Display.LabelSpojeniVisible)
        Display.LabelVersionVisible = false;
    HighlightCurveRow();
}

void TLinkMachine::AdvanceTransfer()
{
    const std::uint8_t mode = State.TransferMode;
    ++State.TicksSinceSend;
    if (State.TicksSinceSend >= ResendTicks) {
        State.TicksSinceSend = 0;
        ++State.SendCount;
        if (State.SendCount > MaxSends) {
            ShowStatus(mode == ModeProgram  ? Messages[MsgProgramError]
                       : mode == ModeVerify ? Messages[MsgVerifyError]
                                            : Messages[MsgReadError],
                       TColour::Red);
            State.TransferMode = ModeIdle;
            if (mode == ModeVerify)
                State.ProgrammedOk = false;
        } else {
            SendBlockFrame();
        }
    }
    // A read clears the flag on every tick, including the one on which it fails.
    if (mode == ModeRead)
        State.ProgrammedOk = false;
}

void TLinkMachine::PollIdle()
{
    ++State.TicksSinceSend;
    if (State.TicksSinceSend >= PollTicks) {
        State.TicksSinceSend = 0;
        SendMonitorRequest();
    }
    if (State.SavingCountdown > 0) {
        ShowStatus(Messages[MsgSaving], TColour::ButtonFace);
        const std::int32_t done = SavingStart - static_cast<std::int32_t>(State.SavingCountdown);
        Display.CGaugeProgram.SetProgress(TGaugeModel::MaxValue * done / SavingStart);
    } else if (State.ProgrammedOk) {
        Display.LabelHlaseni.Text = Messages[MsgPrograming] + ": OK";
        Display.CGaugeProgram.SetProgress(TGaugeModel::MaxValue);
    }
}

void TLinkMachine::CountDownStatus()
{
    if (State.StatusTicks > 0) {
        --State.StatusTicks;
        Display.LabelHlaseni.Visible = !State.Printing;
    } else {
        Display.LabelHlaseni.Visible = false;
        Display.CGaugeProgram.Visible = false;
        State.ProgrammedOk = false;
    }
}

void TLinkMachine::WatchSilence()
{
    if (State.NoReplyTicks < SilentTicks) {
        ++State.NoReplyTicks;
        Display.LabelSpojeniVisible = false;
        return;
    }
    Display.LabelSpojeniVisible = !State.Printing;
    ++State.ReopenTicks;
    if (State.ReopenTicks >= ReopenEveryTicks) {
        State.ReopenTicks = 0;
        ClosePort();
        State.QuietPortErrors = true;
        ++State.AutoPortIndex;
        if (State.AutoPortIndex >= AutoPortCount)
            State.AutoPortIndex = 0;
        OpenPort();
    }
}

void TLinkMachine::ShowStatus(const std::string& text, TColour background)
{
    Display.LabelHlaseni.Text = text;
    Display.LabelHlaseni.Background = background;
    State.StatusTicks = StatusShowTicks;
}

void TLinkMachine::BeginTransfer(std::uint8_t mode, std::uint8_t command,
                                 const std::string& statusText)
{
    ShowStatus(statusText, TColour::ButtonFace);
    Display.LabelHlaseni.Visible = true;
    Display.CGaugeProgram.SetProgress(0);
    Display.CGaugeProgram.Visible = true;
    State.TransferMode = mode;
    State.PendingCommand = command;
    State.SendCount = 0;
}

void TLinkMachine::ReceiveAndDispatch()
{
    if (!m_port.IsOpen())
        return;
    std::size_t queued = m_port.BytesAvailable();
    if (queued < FrameSize)
        return; // the rest of a split answer arrives by a later tick
    queued = std::min(queued, ReceiveBufferSize);
    const std::size_t got = m_port.Read(m_receiveBuffer.data(), queued);
    if (got < FrameSize)
        return;
    // Only the first frame counts; whatever followed it is dropped with the read.
    TLinkFrame frame;
    std::copy_n(m_receiveBuffer.begin(), FrameSize, frame.Bytes.begin());
    if (frame.Code() == FrameCode::MonitorAnswer)
        HandleMonitorReply(frame);
    else if (HandleTransferReply)
        HandleTransferReply(frame);
}

void TLinkMachine::HandleMonitorReply(const TLinkFrame& frame)
{
    if ((frame.Code() & 0xF0) != FrameCode::MonitorAnswer || !frame.Intact())
        return;
    State.NoReplyTicks = 0;
    std::copy_n(frame.Bytes.begin(), MonitorRecordSize, Record.Bytes.begin());
    const TMonitorValues values = ShowMonitor(Record, m_image, Messages, Monitor);
    State.EngineSpeed = values.EngineSpeed;
    State.SavingCountdown = values.SavingCountdown;
    Display.LabelVersionVisible = Monitor.LabelVersion.Visible;
}

void TLinkMachine::SendBlockFrame()
{
    State.TicksSinceSend = 0;
    const int block = State.PendingCommand & FrameCode::BlockMask;
    // A read asks with zeros; program and verify carry the image's block.
    const TBlock data = State.TransferMode == ModeRead || block > 1 ? TBlock{} : m_image.Block(block);
    m_transmitFrame = MakeFrame(State.PendingCommand, data);
    m_port.Write(m_transmitFrame.Bytes.data(), FrameSize);
}

void TLinkMachine::SendMonitorRequest()
{
    m_transmitFrame = MakeFrame(FrameCode::Monitor, TBlock{});
    if (m_port.Write(m_transmitFrame.Bytes.data(), FrameSize))
        m_port.Drain();
}

int TLinkMachine::SelectedPortNumber() const
{
    return State.PortIndex == AutoPortEntry ? State.AutoPortIndex + 1 : State.PortIndex + 1;
}

bool TLinkMachine::OpenPort()
{
    const int number = SelectedPortNumber();
    LabelCom = "COM= COM" + std::to_string(number);
    if (m_port.Open(number))
        return true;
    const bool automatic = State.PortIndex == AutoPortEntry;
    if (!State.QuietPortErrors && !automatic && ShowMessage) {
        const std::string advice = m_port.OpenFailureAdvice();
        ShowMessage(Messages[MsgComOpeningError] + (advice.empty() ? "" : "\n" + advice));
    }
    if (automatic)
        State.ReopenTicks = TryNextPortTicks;
    return false;
}

void TLinkMachine::ClosePort() { m_port.Close(); }

void TLinkMachine::SelectPort(std::uint8_t entry)
{
    if (entry < PortMenuEntries)
        State.PortIndex = entry;
    ClosePort();
    State.QuietPortErrors = false;
    OpenPort();
}

void TLinkMachine::HighlightCurveRow()
{
    const TCurveHighlight highlight = FindHighlightRow(State.EngineSpeed, m_image);
    HighlightRow = highlight.HighlightRow;
    NoHighlight = highlight.NoHighlight;
    for (int r = 0; r < CurvePoints; ++r)
        RowHighlighted[r] = !NoHighlight && r == HighlightRow;
}
