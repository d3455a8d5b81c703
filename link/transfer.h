#pragma once

#include "link/frame.h"
#include "link/link_state.h"

// Whether a received frame answers the block command the transfer waits for:
// intact, with the pending command's answer code, while a transfer runs.
// Anything else is ignored without a word; the re-send covers it.
bool AnswersPendingCommand(const TLinkFrame& frame, const TLinkState& state);
