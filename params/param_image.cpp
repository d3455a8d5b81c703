#include "params/param_image.h"

#include <stdexcept>

namespace {

constexpr std::array<std::uint8_t, CurvePoints> DefaultSpeeds{10, 18, 25, 35, 40, 46, 47, 55,
                                                              57, 75, 78, 90, 130, 140, 150};
constexpr std::array<std::uint8_t, CurvePoints> DefaultAdvances{12, 13, 16, 19, 21, 21, 21, 15,
                                                                12, 18, 18, 18, 18, 18, 18};

void CheckBlockNumber(int block)
{
    if (block != 0 && block != 1)
        throw std::out_of_range("image block number must be 0 or 1");
}

} // namespace

void TParamImage::SetDefaults()
{
    // Block 0 and bytes 50, 57, 58, 63, 64 and 69 are deliberately left alone.
    Bytes[ImageByte::PointCount] = 12;
    Bytes[ImageByte::BaseAdvance] = 13;
    Bytes[ImageByte::StartLimiter] = 60;
    Bytes[ImageByte::Limiter] = 90;
    Bytes[ImageByte::Retard] = 6;
    Bytes[ImageByte::FixedTwo] = 2;
    Bytes[ImageByte::ShiftLight] = 120;
    Bytes[ImageByte::ClutchTime] = 20;
    Bytes[ImageByte::ClutchPause] = 100;
    Bytes[ImageByte::Polarity] = 2;
    for (int i = 0; i < CurvePoints; ++i) {
        Speed(i) = DefaultSpeeds[i];
        Advance(i) = DefaultAdvances[i];
    }
    Bytes[ImageByte::ReadLock] = 0;
    Bytes[ImageByte::ShiftLightReversed] = 0;
    Bytes[ImageByte::TachPulses] = 1;
    Bytes[ImageByte::TachCorrection] = 100;
}

void TParamImage::ResetPushMemory()
{
    ClearPushMemory();
    ChangedPoint = SeveralPoints;
}

void TParamImage::ClearPushMemory()
{
    PointPushed.fill(false);
    PointHome.fill(0);
}

TBlock TParamImage::Block(int block) const
{
    CheckBlockNumber(block);
    TBlock data{};
    for (int i = 0; i < BlockSize; ++i)
        data[i] = Bytes[block * BlockSize + i];
    return data;
}

void TParamImage::StoreBlock(int block, const TBlock& data)
{
    CheckBlockNumber(block);
    for (int i = 0; i < BlockSize; ++i)
        Bytes[block * BlockSize + i] = data[i];
}
