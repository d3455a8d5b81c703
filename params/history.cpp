#include "params/history.h"

namespace {

std::uint16_t Next(std::uint16_t step)
{
    return step + 1 == THistory::HistorySteps ? 0 : step + 1;
}

std::uint16_t Previous(std::uint16_t step)
{
    return step == 0 ? THistory::HistorySteps - 1 : step - 1;
}

} // namespace

void THistory::Init(const TParamImage& image)
{
    HistoryFirst = HistoryCurrent = HistoryLast = 0;
    m_steps[0] = image.Bytes;
}

THistoryPush THistory::Push(const TParamImage& image, bool programAfterChange)
{
    THistoryPush result;
    if (image.Bytes != m_steps[HistoryCurrent]) {
        HistoryCurrent = Next(HistoryCurrent);
        HistoryLast = HistoryCurrent;
        if (HistoryFirst == HistoryCurrent)
            HistoryFirst = Next(HistoryFirst); // the oldest step gives way
        m_steps[HistoryCurrent] = image.Bytes;
        result.Recorded = true;
    }
    if (programAfterChange) {
        result.StartProgramming = result.Recorded || ProgramArmed;
        ProgramArmed = true;
    } else {
        ProgramArmed = false;
    }
    return result;
}

bool THistory::Undo(TParamImage& image)
{
    if (!CanUndo())
        return false;
    HistoryCurrent = Previous(HistoryCurrent);
    Restore(image);
    return true;
}

bool THistory::Redo(TParamImage& image)
{
    if (!CanRedo())
        return false;
    HistoryCurrent = Next(HistoryCurrent);
    Restore(image);
    return true;
}

void THistory::Restore(TParamImage& image) const
{
    image.Bytes = m_steps[HistoryCurrent];
}
