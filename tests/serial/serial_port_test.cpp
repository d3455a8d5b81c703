#include "link/device_check.h"
#include "link/frame.h"
#include "link/serial_port.h"
#include "pseudo_terminal.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Waits for bytes to arrive on the port, giving Qt's notifier a chance to run.
std::size_t WaitForBytes(TSerialPort& port, std::size_t wanted)
{
    for (int i = 0; i < 200 && port.BytesAvailable() < wanted; ++i) {
        pollfd none{};
        ::poll(&none, 0, 5);
        QCoreApplication::processEvents();
    }
    return port.BytesAvailable();
}

} // namespace

TEST(SerialPort, TalksBothWaysOverAPseudoTerminal)
{
    TPty pty;
    ASSERT_FALSE(pty.SlavePath.empty());
    TSerialPort port({pty.SlavePath});
    ASSERT_TRUE(port.Open(1)) << pty.SlavePath;
    EXPECT_EQ(port.DevicePath(), pty.SlavePath);

    const TLinkFrame request = MakeFrame(FrameCode::Monitor, TFrameData{});
    ASSERT_TRUE(port.Write(request.Bytes.data(), FrameSize));
    port.Drain();
    const auto sent = pty.ReadMaster(FrameSize);
    EXPECT_EQ(sent, std::vector<std::uint8_t>(request.Bytes.begin(), request.Bytes.end()));

    const TLinkFrame answer = MakeFrame(FrameCode::MonitorAnswer, TFrameData{});
    ASSERT_EQ(::write(pty.Master, answer.Bytes.data(), FrameSize), FrameSize);
    ASSERT_GE(WaitForBytes(port, FrameSize), static_cast<std::size_t>(FrameSize));
    std::uint8_t buffer[FrameSize];
    EXPECT_EQ(port.Read(buffer, FrameSize), static_cast<std::size_t>(FrameSize));
    EXPECT_EQ(buffer[0], FrameCode::MonitorAnswer);
}

TEST(SerialPort, NumberBeyondTheListOrAMissingDeviceFailsToOpen)
{
    TSerialPort port({"/dev/kolvane-no-such-device"});
    EXPECT_FALSE(port.Open(1));
    EXPECT_FALSE(port.Open(2));
    EXPECT_FALSE(port.IsOpen());
    const std::string reason = port.OpenFailureReason();
    EXPECT_NE(reason.find("COM2"), std::string::npos) << "port 2 names no device: " << reason;
    EXPECT_FALSE(port.Open(1));
    EXPECT_EQ(port.OpenFailureReason().find("/dev/kolvane-no-such-device: "), 0u)
        << port.OpenFailureReason();
    EXPECT_EQ(port.OpenFailureReason().find("usermod"), std::string::npos)
        << "a missing device is not a permission problem";
    EXPECT_EQ(port.NamedPortCount(), 1);
    EXPECT_EQ(port.BytesAvailable(), 0u);
    std::uint8_t byte = 0;
    EXPECT_EQ(port.Read(&byte, 1), 0u);
    EXPECT_FALSE(port.Write(&byte, 1));
}

TEST(SerialPort, ADeviceThatVanishesClosesThePortWithoutACrash)
{
    TPty pty;
    TSerialPort port({pty.SlavePath});
    ASSERT_TRUE(port.Open(1));
    pty.CloseMaster(); // the far end goes away, as a pulled USB adapter does
    for (int i = 0; i < 100 && port.IsOpen(); ++i) {
        port.BytesAvailable();
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.BytesAvailable(), 0u);
    EXPECT_FALSE(port.Open(2));
}

TEST(SerialPort, AFileOnlyItsOwnerMayReadIsNoGroupToJoin)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may open any device, so there is no permission failure to advise on";
    char path[] = "/tmp/kolvane-noperm-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ::chmod(path, 0);
    const TPortAdvice advice = PermissionAdvice(path, {});
    ::unlink(path);
    // A group without read and write would not help, whoever is in it.
    EXPECT_EQ(advice.Kind, TPortAdviceKind::OwnerOnly);
    EXPECT_EQ(advice.Listing.rfind("---------- ", 0), 0u) << advice.Listing;
}

TEST(SerialPort, ADeviceLockedByARunningProgramIsInUse)
{
    TPty pty;
    QTemporaryDir locks;
    ASSERT_TRUE(locks.isValid());
    const std::string lock = locks.path().toStdString() + "/" + SerialLockName(pty.SlavePath);
    const auto writeLock = [&lock](long pid) {
        std::ofstream(lock) << pid << "\nsomeapp\nsomehost\n";
    };
    writeLock(::getpid());
    const TPortAdvice held = PermissionAdvice(pty.SlavePath, {locks.path().toStdString()});
    EXPECT_EQ(held.Kind, TPortAdviceKind::InUse);
    EXPECT_EQ(held.Pid, ::getpid());

    // A lock left behind by a program that has ended holds nothing.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    writeLock(ended);
    EXPECT_EQ(PermissionAdvice(pty.SlavePath, {locks.path().toStdString()}).Kind,
              TPortAdviceKind::None);
}

// Qt's own lock, where Qt puts it: the advice finds it under the name Qt gives it.
TEST(SerialPort, ADeviceThatAnotherPortHoldsIsInUseNotAPermissionError)
{
    TPty pty;
    TSerialPort first({pty.SlavePath});
    ASSERT_TRUE(first.Open(1));
    TSerialPort second({pty.SlavePath});
    EXPECT_FALSE(second.Open(1));
    EXPECT_EQ(second.OpenFailureAdvice().Kind, TPortAdviceKind::InUse)
        << second.OpenFailureReason();
    EXPECT_EQ(second.OpenFailureAdvice().Pid, ::getpid());
}

// Two programs must never drive one unit: a second name of an open device (a
// symbolic link, or the device's own path when a link was opened) is refused,
// even for root, whom the terminal's exclusive mode lets through.
class SecondName : public ::testing::TestWithParam<bool> {};

TEST_P(SecondName, OfAnOpenDeviceIsRefusedAsInUseByItsHolder)
{
    TPty pty;
    QTemporaryDir dir;
    const std::string link = dir.filePath("unit").toStdString();
    ASSERT_EQ(::symlink(pty.SlavePath.c_str(), link.c_str()), 0);
    const bool linkFirst = GetParam();
    TSerialPort first({linkFirst ? link : pty.SlavePath});
    ASSERT_TRUE(first.Open(1));
    TSerialPort second({linkFirst ? pty.SlavePath : link});
    EXPECT_FALSE(second.Open(1));
    EXPECT_EQ(second.OpenFailureAdvice().Kind, TPortAdviceKind::InUse)
        << second.OpenFailureReason();
    EXPECT_EQ(second.OpenFailureAdvice().Pid, ::getpid());
    // The refusal leaves the holder's exclusive mode in force (only root gets this far).
    const int probe = ::open(pty.SlavePath.c_str(), O_RDWR | O_NOCTTY);
    int exclusive = 0;
    EXPECT_TRUE(probe < 0 || (::ioctl(probe, TIOCGEXCL, &exclusive) == 0 && exclusive == 1));
    ::close(probe);
    first.Close();
    EXPECT_TRUE(second.Open(1)) << second.OpenFailureReason();
}

INSTANTIATE_TEST_SUITE_P(SerialPort, SecondName, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "LinkFirst" : "LinkSecond"; });

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
