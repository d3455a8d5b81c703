// Opening, closing and choosing the port.
#include "link/link_machine.h"

namespace {
// A failed automatic open sets the re-open counter to this, so the next port
// is tried on the next tick.
constexpr std::uint8_t TryNextPortTicks = 200;
} // namespace

int TLinkMachine::SelectedPortNumber() const
{
    return m_state.PortIndex == AutoPortEntry ? m_state.AutoPortIndex + 1 : m_state.PortIndex + 1;
}

void TLinkMachine::SetPorts(std::uint8_t portIndex, std::uint8_t autoPortIndex)
{
    m_state.PortIndex = portIndex;
    m_state.AutoPortIndex = autoPortIndex;
}

bool TLinkMachine::OpenPort()
{
    const int number = SelectedPortNumber();
    m_labelCom = "COM= COM" + std::to_string(number);
    if (m_port.Open(number)) {
        m_anyPortOpened = true;
        return true;
    }
    ReportOpenFailure(number);
    if (m_state.PortIndex == AutoPortEntry)
        m_state.ReopenTicks = TryNextPortTicks;
    return false;
}

// A port the user picked fails aloud, the automatic scan and the re-opens
// quietly. Devices named on the command line are the exception: when none of
// them has opened by the time the scan reaches the last one, the user hears
// it once, since otherwise a typing error or a missing permission would go
// unnoticed.
void TLinkMachine::ReportOpenFailure(int portNumber)
{
    const bool automatic = m_state.PortIndex == AutoPortEntry;
    const int named = m_port.NamedPortCount();
    bool tell = !m_state.QuietPortErrors && !automatic;
    if (automatic && named > 0 && portNumber == named && !m_anyPortOpened &&
        !m_namedFailureReported) {
        m_namedFailureReported = true;
        tell = true;
    }
    if (!tell)
        return;
    const std::string reason = OpenFailureText(m_port, m_language);
    m_events.push_back({TLinkEventKind::PortOpenFailed,
                        m_messages[MsgComOpeningError] + (reason.empty() ? "" : "\n" + reason)});
}

void TLinkMachine::ClosePort()
{
    m_port.Close();
}

void TLinkMachine::SelectPort(std::uint8_t entry)
{
    if (entry < PortMenuEntries)
        m_state.PortIndex = entry;
    ClosePort();
    m_state.QuietPortErrors = false;
    OpenPort();
}
