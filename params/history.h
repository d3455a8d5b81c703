#pragma once

#include "params/param_image.h"

#include <array>
#include <cstdint>

// What a push asks of the caller.
struct THistoryPush {
    bool Recorded = false;         // a new step was recorded
    bool StartProgramming = false; // "Programming after change" applies
};

// The undo history: a ring of whole parameter images. It keeps the current
// step and up to HistorySteps - 1 older ones; steps past the current one are
// there for Redo until a new change drops them.
class THistory {
public:
    static constexpr std::uint16_t HistorySteps = 200;

    // One step, the image as first shown; nothing to undo or redo.
    void Init(const TParamImage& image);
    // Records the image when it differs from the current step, then applies
    // the programming rule: with the option ticked, a push starts programming
    // when it recorded a change or the option was already ticked at the last
    // push, so ticking the box itself programs nothing.
    THistoryPush Push(const TParamImage& image, bool programAfterChange);
    // Step back or forward and copy that step's 100 bytes into the image;
    // false, and the image untouched, at either end.
    bool Undo(TParamImage& image);
    bool Redo(TParamImage& image);

    bool CanUndo() const { return HistoryCurrent != HistoryFirst; }
    bool CanRedo() const { return HistoryCurrent != HistoryLast; }
    std::uint16_t Current() const { return HistoryCurrent; }

private:
    using TStep = std::array<std::uint8_t, ImageSize>;

    void Restore(TParamImage& image) const;

    std::array<TStep, HistorySteps> m_steps{};
    std::uint16_t HistoryCurrent = 0;
    std::uint16_t HistoryFirst = 0;
    std::uint16_t HistoryLast = 0;
    bool ProgramArmed = false;
};
