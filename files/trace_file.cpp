#include "files/trace_file.h"

std::string TTraceFile::Open(const std::string& path, bool force)
{
    m_start = std::chrono::steady_clock::now();
    return m_file.Open(path, force);
}

void TTraceFile::Trace(TTraceKind kind, const std::uint8_t* bytes, std::size_t count)
{
    const std::chrono::duration<double, std::milli> since =
        std::chrono::steady_clock::now() - m_start;
    m_file.WriteLine(TraceLine(since.count(), kind, bytes, count));
}
