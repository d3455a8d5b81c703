#include "ui/build_stamp.h"

namespace {
// "Mmm dd yyyy": the day's first character sits after the month and a space.
constexpr std::size_t DateLength = 11;
constexpr std::size_t DayAt = 4;
} // namespace

TBuildStamp BuildStampFrom(const char* date, const char* time)
{
    TBuildStamp stamp{date ? date : "", time ? time : ""};
    if (stamp.Date.size() == DateLength && stamp.Date[DayAt] == '0')
        stamp.Date[DayAt] = ' ';
    return stamp;
}
