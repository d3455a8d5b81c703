#pragma once

#include "link/link_display.h"
#include "link/frame.h"
#include "link/link_port.h"
#include "link/link_state.h"
#include "link/monitor_display.h"
#include "link/monitor_record.h"
#include "params/param_image.h"
#include "texts/message_table.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

constexpr std::size_t ReceiveBufferSize = 15000;

// The tick-driven link: receives, sends, re-sends, polls, watches for
// silence and re-opens the port. No timer and no device inside; the window
// calls Tick() every 55 ms and copies Display and Monitor onto its widgets.
class TLinkMachine {
public:
    TLinkMachine(ILinkPort& port, TParamImage& image);

    TLinkState State;
    TLinkDisplay Display;
    TMonitorRecord Record;
    TMonitorDisplay Monitor;
    TMessageTable Messages;
    std::string LabelCom;
    std::uint8_t HighlightRow = 0;
    bool NoHighlight = true;
    std::array<bool, CurvePoints> RowHighlighted{};

    // Seams reached from the tick; each may be left empty.
    std::function<void()> ChartTick;
    std::function<void(const TLinkFrame&)> HandleTransferReply;
    // Shows a modal message; ticks may run while it is open.
    std::function<void(const std::string&)> ShowMessage;

    void Tick();

    // Takes the texts of the current language; called after every language fill.
    void SetMessages(const TMessageTable& messages) { Messages = messages; }

    // What every transfer start shares; the tick sends the first frame.
    void BeginTransfer(std::uint8_t mode, std::uint8_t command, const std::string& statusText);

    void ReceiveAndDispatch();
    void HandleMonitorReply(const TLinkFrame& frame);
    void SendBlockFrame();
    void SendMonitorRequest();
    bool OpenPort();
    void ClosePort();
    // A click on port menu entry 0..20.
    void SelectPort(std::uint8_t entry);
    void HighlightCurveRow();

    // The 1-based port number that PortIndex (and AutoPortIndex) name.
    int SelectedPortNumber() const;

private:
    void AdvanceTransfer();
    void PollIdle();
    void CountDownStatus();
    void WatchSilence();
    void ShowStatus(const std::string& text, TColour background);

    ILinkPort& m_port;
    TParamImage& m_image;
    std::vector<std::uint8_t> m_receiveBuffer;
    TLinkFrame m_transmitFrame;
};
