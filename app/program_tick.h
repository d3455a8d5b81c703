#pragma once

#include <functional>

class TLinkMachine;

// One 55 ms tick of the program, its parts in the order they depend on each
// other: the frame that arrived (the live data), then the chart, which draws
// the engine speed just received, then the link's sending, counting,
// re-opening and highlighting.
void ProgramTick(TLinkMachine& link, const std::function<void()>& chartTick);
