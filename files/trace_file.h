#pragma once

#include "files/line_file.h"
#include "link/line_trace.h"

#include <chrono>
#include <string>

// The line trace as a file: one line per frame sent or received and per run
// of dropped bytes, timed from the moment the file was opened.
class TTraceFile : public ILineTrace {
public:
    // As TLineFile::Open.
    std::string Open(const std::string& path, bool force = false);
    void Trace(TTraceKind kind, const std::uint8_t* bytes, std::size_t count) override;
    bool Failed() const { return m_file.Failed(); }
    const std::string& Error() const { return m_file.Error(); }

private:
    TLineFile m_file;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
