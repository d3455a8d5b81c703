#include "link/line_trace.h"

#include <cstdio>

std::string TraceLine(double milliseconds, TTraceKind kind, const std::uint8_t* bytes,
                      std::size_t count)
{
    const char* direction = kind == TTraceKind::Sent       ? "TX"
                            : kind == TTraceKind::NotSent  ? "NOTSENT"
                            : kind == TTraceKind::Received ? "RX"
                                                           : "NOISE";
    char head[48];
    std::snprintf(head, sizeof head, "%10.3f %s", milliseconds, direction);
    std::string line = head;
    line.reserve(line.size() + 3 * count);
    static const char digits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < count; ++i) {
        line += ' ';
        line += digits[bytes[i] >> 4];
        line += digits[bytes[i] & 0x0F];
    }
    return line;
}
