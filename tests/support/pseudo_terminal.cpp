#include "pseudo_terminal.h"

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

TPseudoTerminal::TPseudoTerminal()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return;
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        close(m_master);
        m_master = -1;
        return;
    }
    if (const char* name = ptsname(m_master))
        m_path = name;
}

TPseudoTerminal::~TPseudoTerminal()
{
    if (m_master >= 0)
        close(m_master);
}
