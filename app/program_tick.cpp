#include "app/program_tick.h"

#include "link/link_machine.h"

void ProgramTick(TLinkMachine& link, const std::function<void()>& chartTick)
{
    link.ReceiveAndDispatch();
    if (chartTick)
        chartTick();
    link.AdvanceTick();
}
