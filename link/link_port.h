#pragma once

#include "link/port_advice.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The serial port as the tick machine sees it. One adapter owns the real
// device; tests use a fake.
class ILinkPort {
public:
    virtual ~ILinkPort() = default;

    // portNumber is 1-based: 1 is COM1.
    virtual bool Open(int portNumber) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual std::size_t BytesAvailable() = 0;
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t maxBytes) = 0;
    virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
    // Blocks until everything written has left the port.
    virtual void Drain() = 0;
    // Blocks until at least count bytes are queued or timeoutMs has passed;
    // true when they are there. Only a caller with its own pace waits: the
    // tick never does.
    virtual bool WaitForBytes(std::size_t count, int /*timeoutMs*/)
    {
        return BytesAvailable() >= count;
    }
    // The device behind a 1-based port number, for the user to see; may be empty.
    virtual std::string DeviceName(int /*portNumber*/) const { return {}; }
    // Why the last open failed and, where the user can fix it, how; or empty.
    virtual std::string OpenFailureReason() const { return {}; }
    // After a failed open: how the user may get at the device, where that is
    // the trouble (permission, another program holding it).
    virtual TPortAdvice OpenFailureAdvice() const { return {}; }
    // How many devices the user named for ports 1, 2, ...; 0 when the ports
    // are the machine's own.
    virtual int NamedPortCount() const { return 0; }
};
