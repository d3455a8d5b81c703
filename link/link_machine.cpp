#include "link/link_machine.h"

#include "link/frame_io.h"

#include <algorithm>

namespace {
constexpr std::uint8_t PollTicks = 6;
constexpr std::uint8_t StatusShowTicks = 200;
constexpr std::uint8_t SilentTicks = 18;
constexpr std::uint8_t ReopenEveryTicks = 30;
constexpr int SavingStart = 53;
} // namespace

TLinkMachine::TLinkMachine(ILinkPort& port, TParamImage& image, const TLinkState& start)
    : m_port(port), m_image(image), m_state(start), m_messages(BuildMessageTable(0)),
      m_receiveBuffer(ReceiveBufferSize)
{
}

void TLinkMachine::Tick()
{
    ReceiveAndDispatch();
    AdvanceTick();
}

void TLinkMachine::AdvanceTick()
{
    if (m_state.TransferMode != ModeIdle)
        AdvanceTransfer();
    else
        PollIdle();
    CountDownStatus();
    WatchSilence();
    if (m_display.LabelSpojeniVisible)
        m_display.LabelVersionVisible = false;
    HighlightCurveRow();
}

void TLinkMachine::PollIdle()
{
    ++m_state.TicksSinceSend;
    if (m_state.TicksSinceSend >= PollTicks) {
        m_state.TicksSinceSend = 0;
        SendMonitorRequest();
    }
    if (m_state.SavingCountdown > 0) {
        ShowStatus(m_messages[MsgSaving], TColour::ButtonFace);
        const std::int32_t done = SavingStart - static_cast<std::int32_t>(m_state.SavingCountdown);
        m_display.CGaugeProgram.SetProgress(TGaugeModel::MaxValue * done / SavingStart);
    } else if (m_state.ProgrammedOk) {
        m_display.LabelHlaseni.Text = m_messages[MsgPrograming] + ": OK";
        m_display.CGaugeProgram.SetProgress(TGaugeModel::MaxValue);
    }
}

void TLinkMachine::CountDownStatus()
{
    if (m_state.StatusTicks > 0) {
        --m_state.StatusTicks;
        m_display.LabelHlaseni.Visible = !m_state.Printing;
    } else {
        m_display.LabelHlaseni.Visible = false;
        m_display.CGaugeProgram.Visible = false;
        m_state.ProgrammedOk = false;
    }
}

void TLinkMachine::WatchSilence()
{
    if (m_state.NoReplyTicks < SilentTicks) {
        ++m_state.NoReplyTicks;
        m_display.LabelSpojeniVisible = false;
        return;
    }
    m_display.LabelSpojeniVisible = !m_state.Printing;
    ++m_state.ReopenTicks;
    if (m_state.ReopenTicks >= ReopenEveryTicks) {
        m_state.ReopenTicks = 0;
        ClosePort();
        m_state.QuietPortErrors = true;
        ++m_state.AutoPortIndex;
        if (m_state.AutoPortIndex >= AutoPortCount)
            m_state.AutoPortIndex = 0;
        OpenPort();
    }
}

void TLinkMachine::ShowStatus(const std::string& text, TColour background)
{
    m_display.LabelHlaseni.Text = text;
    m_display.LabelHlaseni.Background = background;
    m_state.StatusTicks = StatusShowTicks;
}

void TLinkMachine::BeginPrinting(const std::string& stamp)
{
    ShowStatus(stamp, TColour::White);
    // No tick runs while the sheet prints, so the label is shown here.
    m_display.LabelHlaseni.Visible = true;
    m_display.LabelSpojeniVisible = false;
    m_display.CGaugeProgram.Visible = false;
    m_state.Printing = true;
}

void TLinkMachine::EndPrinting()
{
    m_state.Printing = false;
    m_display.LabelHlaseni.Background = TColour::ButtonFace;
}

void TLinkMachine::WithdrawStamp(const std::string& stamp)
{
    if (m_display.LabelHlaseni.Text != stamp)
        return;
    m_state.StatusTicks = 0;
    m_display.LabelHlaseni.Visible = false;
}

void TLinkMachine::ReceiveAndDispatch()
{
    const std::optional<TLinkFrame> frame = ReceiveFrame(m_port, m_receiveBuffer, m_trace);
    if (!frame)
        return;
    if (frame->Code() == FrameCode::MonitorAnswer)
        HandleMonitorReply(*frame);
    else
        HandleTransferReply(*frame);
}

void TLinkMachine::HandleMonitorReply(const TLinkFrame& frame)
{
    if (!IsMonitorAnswer(frame))
        return;
    m_state.NoReplyTicks = 0;
    std::copy_n(frame.Bytes.begin(), MonitorRecordSize, m_record.Bytes.begin());
    const TMonitorValues values = ShowMonitor(m_record, m_image, m_messages, m_monitor);
    m_state.EngineSpeed = values.EngineSpeed;
    m_state.SavingCountdown = values.SavingCountdown;
    m_display.LabelVersionVisible = m_monitor.LabelVersion.Visible;
}

void TLinkMachine::SendMonitorRequest()
{
    m_transmitFrame = MakeFrame(FrameCode::Monitor, TFrameData{});
    if (SendFrame(m_port, m_transmitFrame, m_trace))
        m_port.Drain();
}

std::vector<TLinkEvent> TLinkMachine::TakeEvents()
{
    std::vector<TLinkEvent> events;
    events.swap(m_events);
    return events;
}

void TLinkMachine::HighlightCurveRow()
{
    m_highlight = FindHighlightRow(m_state.EngineSpeed, m_image);
}

bool TLinkMachine::RowHighlighted(int row) const
{
    return !m_highlight.NoHighlight && row == m_highlight.HighlightRow;
}
