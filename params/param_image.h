#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int ImageSize = 100;
constexpr int BlockSize = 50;
constexpr int CurvePoints = 15;

// Image offsets of the bytes that the program reads or writes by name.
namespace ImageByte {
constexpr int ReadAllowed = 9;
constexpr int ProgramVersion = 10;
constexpr int IdentText = 16;
constexpr int IdentTextLength = 30;
constexpr int Variant = 50;
constexpr int PointCount = 51;
constexpr int BaseAdvance = 52;
constexpr int StartLimiter = 53;
constexpr int Limiter = 54;
constexpr int Retard = 55;
constexpr int Polarity = 56;
constexpr int FixedTwo = 59;
constexpr int ShiftLight = 60;
constexpr int ClutchTime = 61;
constexpr int ClutchPause = 62;
constexpr int Input1 = 63;
constexpr int Input2 = 64;
constexpr int ReadLock = 65;
constexpr int TachPulses = 66;
constexpr int TachCorrection = 67;
constexpr int ShiftLightReversed = 68;
constexpr int CurveSpeed = 70;
constexpr int CurveAdvance = 85;
} // namespace ImageByte

// The variant byte value that caps every advance at the base advance.
constexpr std::uint8_t CappedVariant = 7;

// ChangedPoint values besides a point index 0..14.
constexpr int EditStarted = -2;
constexpr int SeveralPoints = -1;

using TBlock = std::array<std::uint8_t, BlockSize>;

// The unit's parameter memory as the PC holds it, with the state that
// normalisation keeps between calls and the texts decoded from block 0.
class TParamImage {
public:
    std::array<std::uint8_t, ImageSize> Bytes{};

    int ChangedPoint = SeveralPoints;
    int LastChangedPoint = 0;
    std::array<bool, CurvePoints> PointPushed{};
    std::array<int, CurvePoints> PointHome{};

    // Empty until block 0 first arrives from the unit.
    std::string IdentText;
    std::string DateText;
    std::string TimeText;

    std::uint8_t& operator[](int offset) { return Bytes.at(offset); }
    std::uint8_t operator[](int offset) const { return Bytes.at(offset); }

    std::uint8_t& Speed(int point) { return Bytes.at(ImageByte::CurveSpeed + point); }
    std::uint8_t& Advance(int point) { return Bytes.at(ImageByte::CurveAdvance + point); }
    std::uint8_t Speed(int point) const { return Bytes.at(ImageByte::CurveSpeed + point); }
    std::uint8_t Advance(int point) const { return Bytes.at(ImageByte::CurveAdvance + point); }

    void SetDefaults();
    void Normalise();
    void ResetPushMemory();
    void UpdateUnitTexts();

    TBlock Block(int block) const;
    void StoreBlock(int block, const TBlock& data);

private:
    void ClearPushMemory();
    void NormaliseSinglePoint(int k);
    void NormaliseAllPoints();
    void RestorePushedPoints();
};

// The two characters that stand for a month code of block 0; "00" when unknown.
std::string MonthText(std::uint8_t code);
