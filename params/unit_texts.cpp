#include "params/param_image.h"

namespace {

char Digit(int value) { return static_cast<char>('0' + value); }

struct TMonthCode {
    std::uint8_t Code;
    const char* Text;
};

// Each code is the sum of the English three-letter abbreviation's character
// codes modulo 256, which is how the unit's build stamps its date.
constexpr TMonthCode MonthCodes[] = {
    {25, " 1"}, {13, " 2"}, {32, " 3"}, {35, " 4"}, {39, " 5"}, {45, " 6"},
    {43, " 7"}, {29, " 8"}, {40, " 9"}, {38, "10"}, {51, "11"}, {12, "12"},
};

} // namespace

std::string MonthText(std::uint8_t code)
{
    for (const TMonthCode& month : MonthCodes)
        if (month.Code == code)
            return month.Text;
    return "00";
}

void TParamImage::UpdateUnitTexts()
{
    const auto& b = Bytes;

    IdentText = {static_cast<char>(b[0]), static_cast<char>(b[1]), static_cast<char>(b[2]),
                 Digit(b[3] / 10), Digit(b[3] % 10)};

    DateText.clear();
    DateText += b[4] < 10 ? ' ' : Digit(b[4] / 10);
    DateText += Digit(b[4] % 10);
    DateText += '.';
    DateText += MonthText(b[5]);
    DateText += ".20";
    DateText += Digit(b[6] / 10);
    DateText += Digit(b[6] % 10);

    TimeText = {Digit(b[7] / 10), Digit(b[7] % 10), ':', Digit(b[8] / 10), Digit(b[8] % 10)};

    if (b[ImageByte::IdentText] != 0) {
        IdentText.clear();
        for (int i = 0; i < ImageByte::IdentTextLength && b[ImageByte::IdentText + i] != 0; ++i)
            IdentText += static_cast<char>(b[ImageByte::IdentText + i]);
    }
}
