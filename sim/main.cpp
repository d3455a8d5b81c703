// kolvane-unit-sim: a simulated ignition unit on a pseudo-terminal, so the
// program can be run and tried without the hardware.

#include "sim/sim_options.h"
#include "sim/unit_model.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t StopRequested = 0;
volatile std::sig_atomic_t MemoryRequested = 0;

extern "C" void OnStopSignal(int)
{
    StopRequested = 1;
}

extern "C" void OnMemorySignal(int)
{
    MemoryRequested = 1;
}

// Short enough that answers go out well within one tick of the program.
constexpr int PollTimeoutMs = 5;
// A serial line does not buffer for ever; if nobody reads, old bytes go.
constexpr std::size_t MaxQueuedOutput = 64 * 1024;

void Complain(const char* what)
{
    std::fprintf(stderr, "kolvane-unit-sim: %s: %s\n", what, std::strerror(errno));
}

bool InstallSignalHandlers()
{
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: poll must return on a signal
    for (int stopSignal : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigaction(stopSignal, &action, nullptr) != 0)
            return false;
    }
    action.sa_handler = OnMemorySignal;
    return sigaction(SIGUSR1, &action, nullptr) == 0;
}

// Master side plus the slave's path; the slave stays open here too so the
// pty does not hang up whenever the program closes its side to re-open it.
struct TPty {
    int Master = -1;
    int Slave = -1;
    std::string SlavePath;
};

bool OpenPty(TPty& pty)
{
    pty.Master = posix_openpt(O_RDWR | O_NOCTTY);
    if (pty.Master < 0) {
        Complain("posix_openpt");
        return false;
    }
    if (grantpt(pty.Master) != 0 || unlockpt(pty.Master) != 0) {
        Complain("grantpt/unlockpt");
        return false;
    }
    const char* name = ptsname(pty.Master);
    if (name == nullptr) {
        Complain("ptsname");
        return false;
    }
    pty.SlavePath = name;

    pty.Slave = open(pty.SlavePath.c_str(), O_RDWR | O_NOCTTY);
    if (pty.Slave < 0) {
        Complain("open slave");
        return false;
    }
    termios tio{};
    if (tcgetattr(pty.Slave, &tio) != 0) {
        Complain("tcgetattr");
        return false;
    }
    cfmakeraw(&tio);
    // The speed means nothing on a pty; set for the sake of programs that look.
    cfsetispeed(&tio, B57600);
    cfsetospeed(&tio, B57600);
    if (tcsetattr(pty.Slave, TCSANOW, &tio) != 0) {
        Complain("tcsetattr");
        return false;
    }

    const int flags = fcntl(pty.Master, F_GETFL);
    if (flags < 0 || fcntl(pty.Master, F_SETFL, flags | O_NONBLOCK) != 0) {
        Complain("fcntl");
        return false;
    }
    return true;
}

void ClosePty(TPty& pty)
{
    if (pty.Slave >= 0)
        close(pty.Slave);
    if (pty.Master >= 0)
        close(pty.Master);
    pty.Slave = pty.Master = -1;
}

// Replaces whatever is at `path` by a link to `target` in one step.
bool CreateLink(const std::string& target, const std::string& path)
{
    const std::string temp = path + ".tmp." + std::to_string(getpid());
    unlink(temp.c_str());
    if (symlink(target.c_str(), temp.c_str()) != 0) {
        Complain("symlink");
        return false;
    }
    if (rename(temp.c_str(), path.c_str()) != 0) {
        Complain("rename link");
        unlink(temp.c_str());
        return false;
    }
    return true;
}

// Removes the link only while it is still ours.
void RemoveLink(const std::string& target, const std::string& path)
{
    std::vector<char> buffer(target.size() + 2);
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    if (length >= 0 && std::string(buffer.data(), static_cast<std::size_t>(length)) == target)
        unlink(path.c_str());
}

void PauseMs(int ms)
{
    timespec pause{};
    pause.tv_nsec = static_cast<long>(ms) * 1000000L;
    nanosleep(&pause, nullptr);
}

// Reads everything the program has sent so far.
bool DrainInput(int fd, TUnitModel& unit)
{
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0) {
            unit.Receive(buffer, static_cast<std::size_t>(got));
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EIO))
            return true;
        if (got == 0)
            return true;
        Complain("read");
        return false;
    }
}

bool FlushOutput(int fd, std::vector<std::uint8_t>& queued)
{
    while (!queued.empty()) {
        const ssize_t sent = write(fd, queued.data(), queued.size());
        if (sent > 0) {
            queued.erase(queued.begin(), queued.begin() + sent);
            continue;
        }
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        Complain("write");
        return false;
    }
    if (queued.size() > MaxQueuedOutput)
        queued.erase(queued.begin(), queued.end() - MaxQueuedOutput);
    return true;
}

bool Serve(const TPty& pty, TUnitModel& unit)
{
    using Clock = std::chrono::steady_clock;
    std::vector<std::uint8_t> queued;
    auto last = Clock::now();

    while (!StopRequested) {
        pollfd watch{};
        watch.fd = pty.Master;
        watch.events = static_cast<short>(POLLIN | (queued.empty() ? 0 : POLLOUT));
        const int ready = poll(&watch, 1, PollTimeoutMs);
        if (ready < 0 && errno != EINTR) {
            Complain("poll");
            return false;
        }
        if (ready > 0) {
            if ((watch.revents & POLLIN) && !DrainInput(pty.Master, unit))
                return false;
            // Should not happen while we hold the slave open; avoid spinning if it does.
            if ((watch.revents & (POLLHUP | POLLERR)) && !(watch.revents & POLLIN))
                PauseMs(PollTimeoutMs);
        }

        const auto now = Clock::now();
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - last);
        if (elapsed.count() > 0) {
            unit.Step(static_cast<int>(std::min<long long>(elapsed.count(), 60000)));
            last += elapsed;
        }

        // Asked for from outside, so a test can compare the unit's memory
        // with what the program showed. The signal may have cut the poll
        // short: take what was sent before it first.
        if (MemoryRequested) {
            MemoryRequested = 0;
            if (!DrainInput(pty.Master, unit))
                return false;
            std::printf("%s\n", unit.MemoryLine().c_str());
            std::fflush(stdout);
        }

        const std::vector<std::uint8_t> answers = unit.TakeOutput();
        queued.insert(queued.end(), answers.begin(), answers.end());
        if (!FlushOutput(pty.Master, queued))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string programName = argc > 0 ? argv[0] : "kolvane-unit-sim";
    const TSimOptionsResult parsed =
        ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.Ok) {
        std::fprintf(stderr, "kolvane-unit-sim: %s\n%s", parsed.Error.c_str(),
                     SimUsage(programName).c_str());
        return 2;
    }
    const TSimOptions& options = parsed.Options;
    if (options.Help) {
        std::fputs(SimUsage(programName).c_str(), stdout);
        return 0;
    }
    if (options.ShowVersion) {
        std::printf("kolvane-unit-sim %s\n", KOLVANE_VERSION);
        return 0;
    }

    if (!InstallSignalHandlers()) {
        Complain("sigaction");
        return 1;
    }

    // A parent that is killed outright (demo mode) cannot stop us; have the
    // kernel send SIGTERM so the normal path still removes the link. Only
    // when asked: started from a shell, the unit is meant to stay.
    if (options.ExitWithParent) {
        const pid_t parent = getppid();
        if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0) {
            Complain("prctl");
            return 1;
        }
        // The parent may have died before the call above took effect.
        if (getppid() != parent)
            return 0;
    }

    TPty pty;
    if (!OpenPty(pty)) {
        ClosePty(pty);
        return 1;
    }
    if (!options.LinkPath.empty() && !CreateLink(pty.SlavePath, options.LinkPath)) {
        ClosePty(pty);
        return 1;
    }

    std::printf("%s\n", pty.SlavePath.c_str());
    std::fflush(stdout);

    TUnitModel unit(options.Faults, options.Seed);
    const bool ok = Serve(pty, unit);

    if (!options.LinkPath.empty())
        RemoveLink(pty.SlavePath, options.LinkPath);
    ClosePty(pty);
    return ok ? 0 : 1;
}
