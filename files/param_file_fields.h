#pragma once

#include "params/param_image.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

// One key of the parameter file and the image bytes its numbers go to. The
// file holds a byte times Scale.
struct TParamFileField {
    std::string_view Key;
    int FirstByte;
    int Count;
    unsigned Scale;
};

inline constexpr std::string_view ParamFileKey = "VARNOTEK_KEY";

// In the order they are written.
inline constexpr std::array<TParamFileField, 7> ParamFileFields{{
    {"RPM_ADV", ImageByte::CurveSpeed, CurvePoints, 100},
    {"ADVANCE", ImageByte::CurveAdvance, CurvePoints, 1},
    {"POCET_BODU", ImageByte::PointCount, 1, 1},
    {"BASE_ADV", ImageByte::BaseAdvance, 1, 1},
    {"LIMITER", ImageByte::Limiter, 1, 1},
    {"POLARITA", ImageByte::Polarity, 1, 1},
    {"NO_READING", ImageByte::ReadLock, 1, 1},
}};

// One number after a key, as the file writes it and as it reads.
struct TParamFileNumber {
    const TParamFileField* Field;
    int Index; // 0 .. Field->Count - 1
    std::string_view Word;
    unsigned long Value;
};

// Hands each number that follows the file's key to `take`, in file order, by
// the rules of ReadParamFile; false, having handed none, without the key.
bool ReadParamFileNumbers(std::string_view text,
                          const std::function<void(const TParamFileNumber&)>& take);

// The byte a number is stored as: speeds in hundreds, at most 255.
std::uint8_t StoredByte(const TParamFileNumber& number);
