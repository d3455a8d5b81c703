#pragma once

#include "params/param_image.h"

#include <array>
#include <cstdint>
#include <string>

// How a spinner and its edit box show one image byte. The spinner shows
// byte × Scale + Offset and writes back (position − Offset) / Scale,
// truncated to a byte; its position stays within Min..Max.
struct TSpinBinding {
    std::string Spinner;
    std::string Edit;
    int Byte;
    int Scale;
    int Offset;
    int Min;
    int Max;
    int Step;
    // The position the window is built with, before an image is shown.
    int Start;
    // Speed-like values of 1000 and more show digit groups; the others never.
    bool Grouped;
};

constexpr int ScalarSpinnerCount = 10;

// The spinners that hold one value each, in the order they are shown.
const std::array<TSpinBinding, ScalarSpinnerCount>& ScalarBindings();
// The spinners of curve point 0..14.
const TSpinBinding& CurveSpeedBinding(int point);
const TSpinBinding& CurveAdvanceBinding(int point);
// The binding of the spinner of that name; throws when there is none.
const TSpinBinding& SpinBinding(const std::string& spinner);

// Byte → spinner position, before the spinner's range limits it.
int DisplayValue(const TSpinBinding& binding, std::uint8_t byte);
// Spinner position → byte.
std::uint8_t StoredValue(const TSpinBinding& binding, int position);
