#pragma once

#include "link/display_model.h"
#include "link/link_port.h"
#include "link/link_state.h"
#include "link/link_texts.h"
#include "ui/message_table.h"

#include <functional>
#include <string>

// The tick-driven link: receives, sends, re-sends, polls, watches for
// silence and re-opens the port. No timer and no device inside; the window
// calls Tick() every 55 ms and copies Display onto its widgets.
class TLinkMachine {
public:
    explicit TLinkMachine(ILinkPort& port);

    TLinkState State;
    TLinkDisplay Display;
    TLinkTexts Texts;
    std::string LabelCom;

    // Seams reached from the tick; each may be left empty.
    std::function<void()> ChartTick;
    // Shows a modal message; ticks may run while it is open.
    std::function<void(const std::string&)> ShowMessage;
    std::string PortOpeningError = "Com opening error!";

    void Tick();

    // Takes the texts of the current language; called after every language fill.
    void SetMessages(const TMessageTable& messages);

    // What every transfer start shares; the tick sends the first frame.
    void BeginTransfer(std::uint8_t mode, std::uint8_t command, const std::string& statusText);

    void ReceiveAndDispatch();
    void SendBlockFrame();
    void SendMonitorRequest();
    bool OpenPort();
    void ClosePort();
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
};
