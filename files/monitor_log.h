#pragma once

#include "files/line_file.h"
#include "link/monitor_display.h"
#include "link/monitor_record.h"

#include <chrono>
#include <string>

// The live-data log: a CSV file with a header naming each column and its
// unit, then one row per monitor answer with the numbers the window shows.
std::string MonitorCsvHeader();
std::string MonitorCsvRow(const std::string& timestamp, const TMonitorReading& reading);
// ISO 8601 in UTC with milliseconds: 2026-12-09T15:01:49.123Z.
std::string IsoTimestamp(std::chrono::system_clock::time_point time);

class TMonitorLog {
public:
    // Creates the file with its header, as TLineFile::Open; empty on
    // success, otherwise why not.
    std::string Open(const std::string& path, bool force = false);
    // One row for the answer, on the disk before the call returns.
    bool Add(const TMonitorRecord& record,
             std::chrono::system_clock::time_point time = std::chrono::system_clock::now());
    bool Failed() const { return m_file.Failed(); }
    const std::string& Error() const { return m_file.Error(); }

private:
    TLineFile m_file;
};
