#include "pseudo_terminal.h"

#include <algorithm>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int ByteWaitMs = 2000;
} // namespace

TPty::TPty()
{
    int slave = -1;
    char name[128] = {};
    if (::openpty(&Master, &slave, name, nullptr, nullptr) != 0)
        return;
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::close(slave);
    SlavePath = name;
}

TPty::~TPty()
{
    if (Master >= 0)
        ::close(Master);
}

void TPty::CloseMaster()
{
    ::close(Master);
    Master = -1;
}

std::vector<std::uint8_t> TPty::ReadMaster(std::size_t count)
{
    std::vector<std::uint8_t> got;
    while (got.size() < count) {
        pollfd fd{Master, POLLIN, 0};
        if (::poll(&fd, 1, ByteWaitMs) <= 0)
            break;
        std::uint8_t buffer[256];
        const ssize_t n = ::read(Master, buffer, std::min(sizeof buffer, count - got.size()));
        if (n <= 0)
            break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}
