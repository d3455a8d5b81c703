#pragma once

#include "link/link_port.h"

// A port that never opens, for a window that has no device to talk to.
class TNullPort : public ILinkPort {
public:
    bool Open(int) override { return false; }
    void Close() override {}
    bool IsOpen() const override { return false; }
    std::size_t BytesAvailable() override { return 0; }
    std::size_t Read(std::uint8_t*, std::size_t) override { return 0; }
    bool Write(const std::uint8_t*, std::size_t) override { return false; }
    void Drain() override {}
};
