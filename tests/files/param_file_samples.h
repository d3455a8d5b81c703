#pragma once

#include "params/param_image.h"

#include <random>
#include <string>
#include <vector>

// The eight lines that the default parameters make: the format's own example.
inline std::vector<std::string> DefaultFileLines()
{
    return {
        "VARNOTEK_KEY   72 ",
        "RPM_ADV      1000  1800  2500  3500  4000  4600  4700  5500  5700  7500  7800  9000 "
        "13000 14000 15000 ",
        "ADVANCE        12    13    16    19    21    21    21    15    12    18    18    18 "
        "   18    18    18 ",
        "POCET_BODU     12 ",
        "BASE_ADV       13 ",
        "LIMITER        90 ",
        "POLARITA        2 ",
        "NO_READING      0",
    };
}

inline std::string Joined(const std::vector<std::string>& lines, const std::string& between)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : between) + line;
    return text;
}

// The bytes a parameter file carries; opening one leaves every other byte.
inline bool InParamFile(int offset)
{
    using namespace ImageByte;
    return offset == PointCount || offset == BaseAdvance || offset == Limiter ||
           offset == Polarity || offset == ReadLock ||
           (offset >= CurveSpeed && offset < CurveAdvance + CurvePoints);
}

inline TParamImage RandomImage(std::mt19937& random)
{
    TParamImage image;
    for (auto& byte : image.Bytes)
        byte = static_cast<std::uint8_t>(random());
    return image;
}
