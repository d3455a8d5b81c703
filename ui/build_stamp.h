#pragma once

#include <string>

// When the program was built, as the About window shows it: "Apr 28 2009"
// (the day padded with a space to two characters) and "10:33:52".
struct TBuildStamp {
    std::string Date;
    std::string Time;
};

// The stamp from the compiler's __DATE__ and __TIME__. Those already read
// this way; a day padded with a zero instead, as some toolchains write it, is
// padded with a space, and a text of another shape is shown as it came.
TBuildStamp BuildStampFrom(const char* date, const char* time);
