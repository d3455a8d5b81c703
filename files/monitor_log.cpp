#include "files/monitor_log.h"

#include <cstdio>
#include <ctime>

std::string MonitorCsvHeader()
{
    return "time (UTC),engine speed (rpm),advance (deg),supply voltage (V),pick-up (1/0),"
           "kill switch (1/0),limiter (1/0),polarity (+/-),saving countdown (steps),"
           "programming count";
}

std::string MonitorCsvRow(const std::string& timestamp, const TMonitorReading& reading)
{
    // Empty cells where the window shows no number: "Basic" and "---".
    const std::string advance = reading.AdvanceShown ? std::to_string(reading.Advance) : "";
    const char* polarity = !reading.PolarityShown ? "" : reading.NegativePolarity ? "-" : "+";
    char row[256];
    std::snprintf(row, sizeof row, "%s,%u,%s,%.1f,%d,%d,%d,%s,%u,%u", timestamp.c_str(),
                  unsigned{reading.EngineSpeed}, advance.c_str(),
                  static_cast<double>(reading.Volts), reading.PickUp, reading.KillSwitch,
                  reading.Limiter, polarity, unsigned{reading.SavingCountdown},
                  unsigned{reading.ProgrammingCount});
    return row;
}

std::string IsoTimestamp(std::chrono::system_clock::time_point time)
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(time.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(sinceEpoch / 1000);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(sinceEpoch % 1000));
    return text;
}

std::string TMonitorLog::Open(const std::string& path, bool force)
{
    std::string error = m_file.Open(path, force);
    if (error.empty() && !m_file.WriteLine(MonitorCsvHeader()))
        error = m_file.Error();
    return error;
}

bool TMonitorLog::Add(const TMonitorRecord& record, std::chrono::system_clock::time_point time)
{
    return m_file.WriteLine(MonitorCsvRow(IsoTimestamp(time), ReadMonitor(record)));
}
