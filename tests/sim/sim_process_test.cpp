// Runs the real simulator on a pseudo-terminal and talks to it like the
// program would. poll() with generous timeouts is the wait for I/O here,
// a bounded loop on process state the wait for an orphan to end.

#include "link/frame.h"
#include "sim/unit_model.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int GenerousMs = 10000;

// A child process with its stdout on a pipe; killed if the test bails out.
class TChild {
public:
    // quietErrors: send the child's stderr to /dev/null (expected complaints).
    explicit TChild(const std::vector<std::string>& args, bool quietErrors = false)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addclose(&actions, fds[1]);
        if (quietErrors)
            posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

        std::vector<char*> argv;
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (posix_spawn(&Pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            Pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        Out = fds[0];
    }
    ~TChild()
    {
        if (Pid > 0) {
            kill(Pid, SIGKILL);
            waitpid(Pid, nullptr, 0);
        }
        if (Out >= 0)
            close(Out);
    }

    bool Started() const { return Pid > 0 && Out >= 0; }
    bool Signal(int signal) const { return Pid > 0 && kill(Pid, signal) == 0; }

    // Reads stdout up to the first newline (or its end).
    std::string ReadLine()
    {
        std::string line;
        char c = 0;
        while (WaitReadable(Out) && read(Out, &c, 1) == 1 && c != '\n')
            line += c;
        return line;
    }

    std::string ReadAll()
    {
        std::string text;
        char buffer[512];
        ssize_t got = 0;
        while (WaitReadable(Out) && (got = read(Out, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        return text;
    }

    // Exit status, or -1 when it did not exit normally.
    int Stop(int signal)
    {
        if (signal != 0)
            kill(Pid, signal);
        return Wait();
    }

    int Wait()
    {
        int status = 0;
        const pid_t done = waitpid(Pid, &status, 0);
        Pid = -1;
        if (done < 0 || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }

    static bool WaitReadable(int fd)
    {
        pollfd p{fd, POLLIN, 0};
        return poll(&p, 1, GenerousMs) == 1;
    }

private:
    pid_t Pid = -1;
    int Out = -1;
};

int OpenRaw(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return -1;
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

// Sends the monitor request and collects the 52-byte answer.
std::vector<std::uint8_t> AskMonitor(int fd)
{
    std::uint8_t request[FrameSize] = {0x30};
    request[FrameSize - 1] = 0xCF;
    if (write(fd, request, sizeof request) != static_cast<ssize_t>(sizeof request))
        return {};
    std::vector<std::uint8_t> answer;
    std::uint8_t buffer[FrameSize];
    while (answer.size() < static_cast<std::size_t>(FrameSize) && TChild::WaitReadable(fd)) {
        const ssize_t got = read(fd, buffer, FrameSize - answer.size());
        if (got <= 0)
            break;
        answer.insert(answer.end(), buffer, buffer + got);
    }
    return answer;
}

std::string TempDir()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kolvane-sim-XXXXXX";
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

// True once `pid` has ended: no such process, or a zombie left for whoever
// reaps orphans (possibly us, if we happen to be a subreaper).
bool Gone(pid_t pid)
{
    if (waitpid(pid, nullptr, WNOHANG) == pid)
        return true;
    if (kill(pid, 0) != 0 && errno == ESRCH)
        return true;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return true;
    const std::size_t afterName = line.rfind(')');
    return afterName != std::string::npos && line.compare(afterName, 3, ") Z") == 0;
}

bool GoneWithin(pid_t pid, int ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!Gone(pid)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace

TEST(SimulatorProgram, AnswersAMonitorRequestOnItsPtyAndCleansUpOnSigterm)
{
    const std::string dir = TempDir();
    ASSERT_FALSE(dir.empty());
    const std::string link = dir + "/ttyUNIT";

    TChild sim({KOLVANE_UNIT_SIM, "--link", link, "--seed", "3"});
    ASSERT_TRUE(sim.Started());
    const std::string ptyPath = sim.ReadLine();
    ASSERT_FALSE(ptyPath.empty()) << "no pty path printed";

    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0) << "no link at " << link;
    EXPECT_EQ(ptyPath, target);

    // Twice, closing in between: the program re-opens its port like that.
    for (int round = 0; round < 2; ++round) {
        const int fd = OpenRaw(link);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        const std::vector<std::uint8_t> answer = AskMonitor(fd);
        close(fd);
        ASSERT_EQ(answer.size(), static_cast<std::size_t>(FrameSize)) << "round " << round;
        TLinkFrame frame;
        std::copy(answer.begin(), answer.end(), frame.Bytes.begin());
        EXPECT_EQ(frame.Code(), 0xB0);
        EXPECT_TRUE(frame.Intact());
        EXPECT_EQ(frame.Bytes[50], 72);
    }

    // Asked for its memory, it prints it and goes on serving.
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(sim.Signal(SIGUSR1));
        EXPECT_EQ(sim.ReadLine(), TUnitModel().MemoryLine()) << "round " << round;
    }

    EXPECT_EQ(sim.Stop(SIGTERM), 0);
    struct stat info {};
    EXPECT_NE(lstat(link.c_str(), &info), 0) << "link left behind";
    EXPECT_EQ(errno, ENOENT);
    rmdir(dir.c_str());
}

TEST(SimulatorProgram, HelpVersionAndBadOptions)
{
    {
        TChild help({KOLVANE_UNIT_SIM, "--help"});
        ASSERT_TRUE(help.Started());
        const std::string text = help.ReadAll();
        EXPECT_NE(text.find("--silent-after"), std::string::npos) << text;
        EXPECT_EQ(help.Wait(), 0);
    }
    {
        // Ends at once, before any terminal is opened: no path, just the name.
        TChild version({KOLVANE_UNIT_SIM, "--version"});
        ASSERT_TRUE(version.Started());
        EXPECT_EQ(version.ReadAll(), std::string("kolvane-unit-sim ") + KOLVANE_VERSION + "\n");
        EXPECT_EQ(version.Wait(), 0);
    }
    {
        TChild wrong({KOLVANE_UNIT_SIM, "--unit-version", "abc"}, true);
        ASSERT_TRUE(wrong.Started());
        EXPECT_TRUE(wrong.ReadAll().empty()) << "no pty path on a usage error";
        EXPECT_EQ(wrong.Wait(), 2);
    }
}

// From a shell it stays when the shell goes; with --exit-with-parent, as the
// window starts it, it ends with its parent.
class SimulatorParent : public testing::TestWithParam<const char*> {};

TEST_P(SimulatorParent, EndsWithItsParentOnlyWhenAskedAndCleansUp)
{
    const std::string dir = TempDir();
    ASSERT_FALSE(dir.empty());
    const std::string link = dir + "/ttyUNIT";

    // A shell stands in for the program: it starts the simulator, says its
    // pid and waits. Both lines share the pipe, in either order.
    TChild parent({"/bin/sh", "-c", "\"$0\" --link \"$1\" $2 & echo $!; wait", KOLVANE_UNIT_SIM,
                   link, GetParam()});
    ASSERT_TRUE(parent.Started());
    pid_t simPid = -1;
    std::string ptyPath;
    for (int i = 0; i < 2; ++i) {
        const std::string line = parent.ReadLine();
        if (!line.empty() && line[0] == '/')
            ptyPath = line;
        else if (!line.empty())
            simPid = static_cast<pid_t>(std::atol(line.c_str()));
    }
    ASSERT_GT(simPid, 0) << "no simulator pid";
    // The path comes once the simulator is serving, so the parent dies late.
    if (ptyPath.empty())
        kill(simPid, SIGKILL);
    ASSERT_FALSE(ptyPath.empty()) << "no pty path printed";

    EXPECT_EQ(parent.Stop(SIGKILL), -1);
    if (*GetParam() == '\0') {
        const int fd = OpenRaw(ptyPath);
        EXPECT_EQ(AskMonitor(fd).size(), std::size_t{FrameSize}) << "ended with its shell";
        close(fd);
        kill(simPid, SIGTERM);
    }
    const bool gone = GoneWithin(simPid, GenerousMs);
    if (!gone) {
        kill(simPid, SIGKILL);
        waitpid(simPid, nullptr, WNOHANG);
    }
    EXPECT_TRUE(gone) << "simulator outlived its parent";
    struct stat info {};
    EXPECT_NE(lstat(link.c_str(), &info), 0) << "link left behind";
    unlink(link.c_str());
    rmdir(dir.c_str());
}

INSTANTIATE_TEST_SUITE_P(Flag, SimulatorParent, testing::Values("", "--exit-with-parent"));
