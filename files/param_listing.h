#pragma once

#include "params/param_image.h"

#include <string>
#include <vector>

// The values of the parameter image as a mechanic reads them: the advance
// curve, the point count, the base advance, the limiter, the polarity and
// the read lock, in the order of the parameter file.
struct TParamValue {
    std::string Name; // "point 3 speed", "limiter", ...
    std::string Unit; // "rpm", "deg" or empty
    int Value = 0;
    std::string Word; // a choice by its name ("selfsearch"); empty for a number
};
std::vector<TParamValue> ListParams(const TParamImage& image);

// What programming `to` over `from` changes in block 1: the named values
// first, then any other byte by its image offset ("byte 57").
struct TParamChange {
    std::string Name;
    std::string Unit;
    int From = 0;
    int To = 0;
    std::string FromWord; // as TParamValue::Word
    std::string ToWord;
};
std::vector<TParamChange> DiffParams(const TParamImage& from, const TParamImage& to);
