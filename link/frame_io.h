#pragma once

#include "link/frame.h"
#include "link/line_trace.h"
#include "link/link_port.h"

#include <cstdint>
#include <optional>
#include <vector>

// Writes the frame; the trace, when there is one, records it as sent only
// when the port took it.
bool SendFrame(ILinkPort& port, const TLinkFrame& frame, ILineTrace* trace);

// The receive rule of the link: nothing is read until a whole frame may be
// queued; then everything queued (up to the buffer's size) is read at once
// and only its first 52 bytes are examined. The rest is dropped, so stale
// answers never pile up. buffer is the caller's, to keep allocations out of
// the tick.
std::optional<TLinkFrame> ReceiveFrame(ILinkPort& port, std::vector<std::uint8_t>& buffer,
                                       ILineTrace* trace);
