#pragma once

#include "link/frame.h"
#include "link/link_state.h"
#include "params/param_image.h"

#include <cstdint>

// A transfer gives up after this many sends of one command.
constexpr std::uint8_t MaxSends = 5;
// Verify asks for block 1 with the image's block 1 as its data.
constexpr std::uint8_t VerifyCommand = FrameCode::ReadBlock + 1;

// The block frame for the pending command: zeros when reading, the image's
// block when programming or verifying.
TLinkFrame BlockFrame(const TLinkState& state, const TParamImage& image);

// Whether a received frame answers the block command the transfer waits for:
// intact, with the pending command's answer code, while a transfer runs.
// Anything else is ignored without a word; the re-send covers it.
bool AnswersPendingCommand(const TLinkFrame& frame, const TLinkState& state);

// What an answer to a block command means for the transfer. The rules are
// shared by everything that talks to the unit, whatever its pace.
enum class TReplyOutcome {
    Ignored,         // not the answer that is waited for
    Differs,         // the answer, but its data does not match: ask again
    NextBlock,       // block 0 taken; go on with block 1 of the same mode
    VersionMismatch, // the unit runs another program version; the transfer ends
    ReadRefused,     // the unit refuses reading; the transfer ends
    StartVerify,     // block 1 read or programmed; verify it next
    Verified,        // the unit holds block 1 as the image does
};

struct TTransferReply {
    TReplyOutcome Outcome = TReplyOutcome::Ignored;
    // The image took data from the unit and should be shown again.
    bool ImageChanged = false;
};

// Takes an answer to the pending block command into the image or compares
// it with the image. Touches only the image; the caller moves the counters
// and the display on.
TTransferReply TakeTransferReply(const TLinkFrame& frame, const TLinkState& state,
                                 TParamImage& image);

// Whether the unit's block 1 matches the image's, the read lock aside: the
// unit may hold its own lock state whatever the PC shows.
bool Block1Matches(const TFrameData& unitBlock, const TParamImage& image);
