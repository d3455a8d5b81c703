#pragma once

#include "link/frame.h"
#include "link/link_state.h"
#include "params/param_image.h"

// The link's rules for the unit's answers, restated for the harnesses so
// that they do not judge the link by its own code.

inline bool IntactAnswerTo(const TLinkFrame& frame, std::uint8_t command)
{
    return frame.Intact() && frame.Code() == (command ^ FrameCode::AnswerBit);
}

// The unit holds the image's parameters; its read lock may differ.
inline bool HoldsParameters(const TFrameData& unitBlock, const TParamImage& image)
{
    for (int i = 0; i < BlockSize; ++i)
        if (unitBlock[i] != image[BlockSize + i] && BlockSize + i != ImageByte::ReadLock)
            return false;
    return true;
}

inline bool LiveData(const TLinkFrame& frame)
{
    return frame.Intact() && (frame.Code() & 0xF0) == FrameCode::MonitorAnswer;
}
