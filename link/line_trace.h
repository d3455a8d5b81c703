#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What passed on the serial line, for a trace a user can attach to a report.
enum class TTraceKind {
    Sent,     // a frame the program wrote
    NotSent,  // a frame the port did not take: closed, or a failed write
    Received, // the 52 bytes examined as a frame
    Noise,    // received bytes that were dropped without being examined
};

class ILineTrace {
public:
    virtual ~ILineTrace() = default;
    virtual void Trace(TTraceKind kind, const std::uint8_t* bytes, std::size_t count) = 0;
};

// One trace line: milliseconds since the trace began, the direction and the
// bytes in hex, e.g. "   12.345 TX 30 00 ... CF".
std::string TraceLine(double milliseconds, TTraceKind kind, const std::uint8_t* bytes,
                      std::size_t count);
