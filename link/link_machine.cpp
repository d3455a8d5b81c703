#include "link/link_machine.h"

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

TLinkMachine::TLinkMachine(ILinkPort& port) : m_port(port) {}

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
            ShowStatus(mode == ModeProgram  ? Texts.ProgramError
                       : mode == ModeVerify ? Texts.VerifyError
                                            : Texts.ReadError,
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
        ShowStatus(Texts.Saving, TColour::ButtonFace);
        const std::int32_t done = SavingStart - static_cast<std::int32_t>(State.SavingCountdown);
        Display.CGaugeProgram.SetProgress(TGaugeModel::MaxValue * done / SavingStart);
    } else if (State.ProgrammedOk) {
        Display.LabelHlaseni.Text = Texts.Programing + ": OK";
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

void TLinkMachine::SetMessages(const TMessageTable& messages)
{
    Texts.ProgramError = messages[MsgProgramError];
    Texts.VerifyError = messages[MsgVerifyError];
    Texts.ReadError = messages[MsgReadError];
    Texts.Saving = messages[MsgSaving];
    Texts.Programing = messages[MsgPrograming];
    PortOpeningError = messages[MsgComOpeningError];
}

void TLinkMachine::ReceiveAndDispatch() {}

void TLinkMachine::SendBlockFrame() { State.TicksSinceSend = 0; }

void TLinkMachine::SendMonitorRequest() {}

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
    if (!State.QuietPortErrors && !automatic && ShowMessage)
        ShowMessage(PortOpeningError);
    if (automatic)
        State.ReopenTicks = TryNextPortTicks;
    return false;
}

void TLinkMachine::ClosePort() { m_port.Close(); }

void TLinkMachine::HighlightCurveRow() {}
