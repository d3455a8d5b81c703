#pragma once

#include "link/link_port.h"

#include <algorithm>
#include <deque>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// A port for tick-level tests and benchmarks: records opens and writes, hands
// out queued bytes. With no openable ports it is a port that never opens.
class TFakePort : public ILinkPort {
public:
    explicit TFakePort(std::set<int> openable = {1}) : OpenablePorts(std::move(openable)) {}

    std::set<int> OpenablePorts;
    // A benchmark turns this off so that millions of writes keep no memory.
    bool KeepWrites = true;
    // What OpenFailureReason says after a failed open.
    std::string FailureReason;
    // What OpenFailureAdvice says after a failed open.
    TPortAdvice Advice;
    int NamedPorts = 0;
    std::vector<int> OpenAttempts;
    int CloseCount = 0;
    int DrainCount = 0;
    std::vector<std::vector<std::uint8_t>> Written;
    // Every write, also those into a closed port.
    int WriteAttempts = 0;
    // When set, each monitor request written is answered with these bytes.
    std::vector<std::uint8_t> MonitorReply;
    // The next look at the port throws, as a broken driver might.
    bool ThrowNextRead = false;
    std::deque<std::uint8_t> Incoming;

    bool Open(int portNumber) override
    {
        OpenAttempts.push_back(portNumber);
        m_open = OpenablePorts.count(portNumber) > 0;
        return m_open;
    }
    void Close() override
    {
        ++CloseCount;
        m_open = false;
    }
    bool IsOpen() const override { return m_open; }
    std::size_t BytesAvailable() override
    {
        if (ThrowNextRead) {
            ThrowNextRead = false;
            throw std::runtime_error("the fake port broke");
        }
        return m_open ? Incoming.size() : 0;
    }
    std::size_t Read(std::uint8_t* buffer, std::size_t maxBytes) override
    {
        const std::size_t n = std::min(maxBytes, BytesAvailable());
        for (std::size_t i = 0; i < n; ++i) {
            buffer[i] = Incoming.front();
            Incoming.pop_front();
        }
        return n;
    }
    bool Write(const std::uint8_t* data, std::size_t size) override
    {
        ++WriteAttempts;
        if (!m_open)
            return false;
        if (KeepWrites)
            Written.emplace_back(data, data + size);
        if (size > 0 && data[0] == 0x30 && !MonitorReply.empty())
            Queue(MonitorReply);
        return true;
    }
    void Drain() override { ++DrainCount; }
    std::string DeviceName(int portNumber) const override
    {
        return "/dev/fake" + std::to_string(portNumber);
    }
    std::string OpenFailureReason() const override { return m_open ? "" : FailureReason; }
    TPortAdvice OpenFailureAdvice() const override { return m_open ? TPortAdvice{} : Advice; }
    int NamedPortCount() const override { return NamedPorts; }

    void Queue(const std::vector<std::uint8_t>& bytes)
    {
        Incoming.insert(Incoming.end(), bytes.begin(), bytes.end());
    }

private:
    bool m_open = false;
};
