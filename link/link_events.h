#pragma once

#include <cstdint>
#include <string>

// Something the link did during a tick or a command that the window must
// react to. The machine only queues these; the window takes them after the
// tick has finished, so a message box it opens can never run a tick inside
// a tick.
enum class TLinkEventKind {
    PortOpenFailed,  // Text: the message to show
    ImageReceived,   // the image took data from the unit: show it
    VersionMismatch, // Text: the message box's text; call EndVersionMessage after it
};

struct TLinkEvent {
    TLinkEventKind Kind;
    std::string Text;
};
