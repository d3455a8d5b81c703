#include "link/serial_port.h"

#include "link/device_check.h"
#include "link/port_names.h"

#include <QSerialPortInfo>

#include <cerrno>
#include <cstring>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr qint64 ReceiveQueueBytes = 10000;
constexpr int DrainTimeoutMs = 100;
constexpr std::chrono::seconds RescanAfter{2};
} // namespace

TSerialPort::TSerialPort(std::vector<std::string> explicitPorts)
    : m_explicitPorts(std::move(explicitPorts)), m_lockFolders(SerialLockFolders())
{
    QObject::connect(&m_serial, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError error) { OnError(error); });
}

TSerialPort::~TSerialPort()
{
    Close();
}

std::vector<std::string> TSerialPort::PortList() const
{
    if (!m_explicitPorts.empty())
        return m_explicitPorts;
    const auto now = std::chrono::steady_clock::now();
    if (m_scannedAt == std::chrono::steady_clock::time_point{} ||
        now - m_scannedAt >= RescanAfter) {
        std::vector<std::string> found;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            found.push_back(info.systemLocation().toStdString());
        m_scanned = OrderPortNames(found);
        m_scannedAt = now;
    }
    return m_scanned;
}

std::string TSerialPort::DeviceName(int portNumber) const
{
    return PortPath(PortList(), portNumber);
}

bool TSerialPort::Open(int portNumber)
{
    Close();
    m_failure.clear();
    m_advice = {};
    m_path = PortPath(PortList(), portNumber);
    if (m_path.empty()) {
        m_failure = "COM" + std::to_string(portNumber) + ": no such serial port.";
        return false;
    }
    m_serial.setPortName(QString::fromStdString(m_path));
    m_serial.setReadBufferSize(ReceiveQueueBytes);
    if (!m_serial.open(QIODevice::ReadWrite)) {
        m_failure = m_path + ": " + m_serial.errorString().toStdString();
        m_advice = PermissionAdvice(m_path, m_lockFolders);
        return false;
    }
    if (!LockDevice())
        return false;
    const bool configured =
        m_serial.setBaudRate(QSerialPort::Baud57600) && m_serial.setDataBits(QSerialPort::Data8) &&
        m_serial.setParity(QSerialPort::NoParity) && m_serial.setStopBits(QSerialPort::OneStop) &&
        m_serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        m_failure = m_path + ": " + m_serial.errorString().toStdString();
        m_serial.close();
        return false;
    }
    m_serial.clear();
    return true;
}

// Qt's lock file is keyed by the name, so a symbolic link or the device's own
// path would open the device a second time (root passes the terminal's
// exclusive mode too). A lock on the device itself holds under every name.
bool TSerialPort::LockDevice()
{
    const int fd = static_cast<int>(m_serial.handle());
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    const int error = errno;
    // Closing clears the terminal's exclusive mode, which is the holder's:
    // set it again through a copy of the descriptor.
    const int copy = ::dup(fd);
    m_serial.close();
    if (copy >= 0) {
        ::ioctl(copy, TIOCEXCL);
        ::close(copy);
    }
    if (error != EWOULDBLOCK) {
        m_failure = m_path + ": " + std::strerror(error);
        return false;
    }
    m_failure = m_path + ": in use by another program";
    m_advice.Kind = TPortAdviceKind::InUse;
    m_advice.Device = m_path;
    m_advice.Pid = LockHolder(m_path, m_lockFolders);
    return false;
}

void TSerialPort::Close()
{
    if (m_serial.isOpen())
        m_serial.close();
}

bool TSerialPort::IsOpen() const
{
    return m_serial.isOpen();
}

std::size_t TSerialPort::BytesAvailable()
{
    if (!m_serial.isOpen())
        return 0;
    // Pick up what the driver holds without waiting, so the count is current.
    m_serial.waitForReadyRead(0);
    if (!m_serial.isOpen())
        return 0;
    return static_cast<std::size_t>(m_serial.bytesAvailable());
}

std::size_t TSerialPort::Read(std::uint8_t* buffer, std::size_t maxBytes)
{
    if (!m_serial.isOpen())
        return 0;
    const qint64 got =
        m_serial.read(reinterpret_cast<char*>(buffer), static_cast<qint64>(maxBytes));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool TSerialPort::Write(const std::uint8_t* data, std::size_t size)
{
    if (!m_serial.isOpen())
        return false;
    const qint64 written =
        m_serial.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    m_serial.flush(); // hand it to the driver now, not at the next event-loop turn
    return written == static_cast<qint64>(size);
}

bool TSerialPort::WaitForBytes(std::size_t count, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (m_serial.isOpen() && static_cast<std::size_t>(m_serial.bytesAvailable()) < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !m_serial.waitForReadyRead(static_cast<int>(left.count())))
            break;
    }
    return m_serial.isOpen() && static_cast<std::size_t>(m_serial.bytesAvailable()) >= count;
}

void TSerialPort::Drain()
{
    if (!m_serial.isOpen())
        return;
    while (m_serial.bytesToWrite() > 0 && m_serial.waitForBytesWritten(DrainTimeoutMs)) {
    }
    if (m_serial.isOpen())
        ::tcdrain(static_cast<int>(m_serial.handle()));
}

void TSerialPort::OnError(QSerialPort::SerialPortError error)
{
    // A vanished device (adapter pulled out, far end of a pty gone) reports
    // I/O errors on every read: close it so nothing spins on a dead handle;
    // the silence watch re-opens it.
    const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
                      error == QSerialPort::WriteError;
    if (lost && m_serial.isOpen())
        m_serial.close();
}
