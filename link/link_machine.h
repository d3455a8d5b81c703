#pragma once

#include "link/frame.h"
#include "link/line_trace.h"
#include "link/link_display.h"
#include "link/link_events.h"
#include "link/link_port.h"
#include "link/link_state.h"
#include "link/monitor_display.h"
#include "link/monitor_record.h"
#include "params/param_image.h"
#include "texts/message_table.h"

#include <array>
#include <string>
#include <vector>

constexpr std::size_t ReceiveBufferSize = 15000;

// The tick-driven link: receives, sends, re-sends, polls, watches for
// silence and re-opens the port. No timer and no device inside. Every 55 ms
// the program calls ReceiveAndDispatch and AdvanceTick (with its chart in
// between), then copies the display model onto its widgets and reacts to
// the events the machine queued.
class TLinkMachine {
public:
    // start: the counters to begin with; all zero for a new window.
    TLinkMachine(ILinkPort& port, TParamImage& image, const TLinkState& start = {});

    // The two halves of a tick; Tick() runs both for callers without a chart.
    void ReceiveAndDispatch();
    void AdvanceTick();
    void Tick();

    // Takes the texts of the current language (0..3); called after every language fill.
    void SetMessages(const TMessageTable& messages, std::uint8_t language = 0)
    {
        m_messages = messages;
        m_language = language;
    }
    // The port choice as the settings and their range checks leave it.
    void SetPorts(std::uint8_t portIndex, std::uint8_t autoPortIndex);
    void SetPrinting(bool printing) { m_state.Printing = printing; }
    // The print layout with the stamp on the status label, white, for the
    // usual time; the connection warning and the gauge make way for it.
    void BeginPrinting(const std::string& stamp);
    // The normal layout again; the stamp stays, on the button face.
    void EndPrinting();
    // The sheet did not print: its stamp goes, unless another status text
    // has replaced it meanwhile.
    void WithdrawStamp(const std::string& stamp);
    void SetTestMode(bool testMode) { m_state.TestMode = testMode; }
    // Every frame and dropped byte goes to the trace too; null for none.
    void SetTrace(ILineTrace* trace) { m_trace = trace; }

    bool OpenPort();
    void ClosePort();
    // A click on port menu entry 0..20.
    void SelectPort(std::uint8_t entry);
    // What every transfer start shares; the tick sends the first frame.
    void BeginTransfer(std::uint8_t mode, std::uint8_t command, const std::string& statusText);
    // The three transfers. Each replaces a transfer that is running; the
    // caller brings the image up to date first where the command needs it.
    void StartRead();
    void StartVerify();
    // fromCommand: the user's Program command rather than a change's.
    void StartProgram(bool fromCommand);
    // The version message box has closed: the status goes on the next tick.
    void EndVersionMessage();
    // Hides the status label and the gauge; the label comes back while its
    // countdown runs.
    void HideStatus();

    // What happened since the last call, oldest first.
    std::vector<TLinkEvent> TakeEvents();

    const TLinkState& State() const { return m_state; }
    const TLinkDisplay& Display() const { return m_display; }
    const TMonitorRecord& Record() const { return m_record; }
    const TMonitorDisplay& Monitor() const { return m_monitor; }
    const TCurveHighlight& Highlight() const { return m_highlight; }
    bool RowHighlighted(int row) const;
    const std::string& LabelCom() const { return m_labelCom; }
    const TMessageTable& Messages() const { return m_messages; }
    // The 1-based port number that PortIndex (and AutoPortIndex) name.
    int SelectedPortNumber() const;

private:
    void HandleMonitorReply(const TLinkFrame& frame);
    void HandleTransferReply(const TLinkFrame& frame);
    void SendBlockFrame();
    void SendNextCommand(std::uint8_t mode, std::uint8_t command);
    void SendMonitorRequest();
    void AdvanceTransfer();
    void PollIdle();
    void CountDownStatus();
    void WatchSilence();
    void HighlightCurveRow();
    void ShowStatus(const std::string& text, TColour background);
    void ReportOpenFailure(int portNumber);

    ILinkPort& m_port;
    TParamImage& m_image;
    TLinkState m_state;
    TLinkDisplay m_display;
    TMonitorRecord m_record;
    TMonitorDisplay m_monitor;
    TCurveHighlight m_highlight;
    TMessageTable m_messages;
    std::uint8_t m_language = 0;
    std::string m_labelCom;
    std::vector<TLinkEvent> m_events;
    std::vector<std::uint8_t> m_receiveBuffer;
    TLinkFrame m_transmitFrame;
    ILineTrace* m_trace = nullptr;
    bool m_anyPortOpened = false;
    bool m_namedFailureReported = false;
};
