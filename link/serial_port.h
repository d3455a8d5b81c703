#pragma once

#include "link/link_port.h"

#include <QSerialPort>
#include <chrono>
#include <string>
#include <vector>

// The real serial device behind the link: 57600 baud 8N1, no flow control,
// opened exclusively. COM n is the n-th entry of the port list.
class TSerialPort : public ILinkPort {
public:
    // With no explicit devices the list is what the machine has, re-read at every open.
    explicit TSerialPort(std::vector<std::string> explicitPorts = {});
    ~TSerialPort() override;

    bool Open(int portNumber) override;
    void Close() override;
    bool IsOpen() const override;
    std::size_t BytesAvailable() override;
    std::size_t Read(std::uint8_t* buffer, std::size_t maxBytes) override;
    bool Write(const std::uint8_t* data, std::size_t size) override;
    void Drain() override;
    bool WaitForBytes(std::size_t count, int timeoutMs) override;
    std::string OpenFailureReason() const override { return m_failure; }
    TPortAdvice OpenFailureAdvice() const override { return m_advice; }
    int NamedPortCount() const override { return static_cast<int>(m_explicitPorts.size()); }
    std::string DeviceName(int portNumber) const override;

    std::vector<std::string> PortList() const;
    // Where other programs' lock files are looked for after a failed open.
    void SetLockFolders(std::vector<std::string> folders) { m_lockFolders = std::move(folders); }
    const std::string& DevicePath() const { return m_path; }

private:
    void OnError(QSerialPort::SerialPortError error);
    // Takes the device for this port alone; closes it when another holds it.
    bool LockDevice();

    std::vector<std::string> m_explicitPorts;
    // The machine's ports, re-read at most every few seconds: "Com Auto"
    // asks for a new port on every tick while nothing answers.
    mutable std::vector<std::string> m_scanned;
    mutable std::chrono::steady_clock::time_point m_scannedAt{};
    QSerialPort m_serial;
    std::string m_path;
    std::string m_failure;
    TPortAdvice m_advice;
    std::vector<std::string> m_lockFolders;
};
