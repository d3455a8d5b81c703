#include "params/binding.h"

#include <stdexcept>

namespace {

std::array<TSpinBinding, CurvePoints> MakeCurveSpeeds()
{
    // Rows 11..15 start again at 3000 rpm: they sit in the second column.
    constexpr std::array<int, CurvePoints> starts{1000, 2000,  3000, 4000, 5000, 6000, 7000, 8000,
                                                  9000, 10000, 3000, 4000, 5000, 6000, 7000};
    std::array<TSpinBinding, CurvePoints> bindings;
    for (int i = 0; i < CurvePoints; ++i) {
        const std::string n = std::to_string(i + 1);
        bindings[i] = {"UpDownRpmAdv" + n,
                       "EditRpmAdv" + n,
                       ImageByte::CurveSpeed + i,
                       100,
                       0,
                       600,
                       20100,
                       100,
                       starts[i],
                       true};
    }
    return bindings;
}

std::array<TSpinBinding, CurvePoints> MakeCurveAdvances()
{
    std::array<TSpinBinding, CurvePoints> bindings;
    for (int i = 0; i < CurvePoints; ++i) {
        const std::string n = std::to_string(i + 1);
        bindings[i] = {"UpDownAdvance" + n,
                       "EditAdvance" + n,
                       ImageByte::CurveAdvance + i,
                       1,
                       0,
                       0,
                       60,
                       1,
                       20,
                       false};
    }
    return bindings;
}

const std::array<TSpinBinding, CurvePoints>& CurveSpeeds()
{
    static const auto bindings = MakeCurveSpeeds();
    return bindings;
}

const std::array<TSpinBinding, CurvePoints>& CurveAdvances()
{
    static const auto bindings = MakeCurveAdvances();
    return bindings;
}

} // namespace

const std::array<TSpinBinding, ScalarSpinnerCount>& ScalarBindings()
{
    static const std::array<TSpinBinding, ScalarSpinnerCount> bindings{{
        {"UpDownPocetBodu", "EditPocetBodu", ImageByte::PointCount, 1, 0, 1, 15, 1, 3, false},
        {"UpDownBaseAdv", "EditBaseAdv", ImageByte::BaseAdvance, 1, 0, 0, 40, 1, 40, false},
        {"UpDownOmez1", "EditOmez1", ImageByte::StartLimiter, 100, 0, 999, 25000, 100, 15000, true},
        {"UpDownOmez2", "EditOmez2", ImageByte::Limiter, 100, 0, 999, 25000, 100, 15000, true},
        {"UpDownRetard", "EditRetard", ImageByte::Retard, 1, 0, 0, 25, 1, 0, false},
        {"UpDownLedRazeni", "EditLedRazeni", ImageByte::ShiftLight, 100, 0, 1000, 25000, 100, 15000,
         true},
        {"UpDownClutch1", "EditClutch1", ImageByte::ClutchTime, 10, 0, 0, 2500, 10, 2500, true},
        {"UpDownClutch2", "EditClutch2", ImageByte::ClutchPause, 10, 0, 0, 2500, 10, 2500, true},
        {"UpDownRpmPulsu", "EditRpmPulsu", ImageByte::TachPulses, 1, 0, 1, 6, 1, 1, false},
        // The correction is stored as percent plus 100.
        {"UpDownRpmKorekce", "EditRpmKorekce", ImageByte::TachCorrection, 1, -100, -60, 60, 1, 0,
         false},
    }};
    return bindings;
}

const TSpinBinding& CurveSpeedBinding(int point)
{
    return CurveSpeeds().at(point);
}
const TSpinBinding& CurveAdvanceBinding(int point)
{
    return CurveAdvances().at(point);
}

const TSpinBinding& SpinBinding(const std::string& spinner)
{
    for (const auto* table : {&CurveSpeeds(), &CurveAdvances()})
        for (const TSpinBinding& binding : *table)
            if (binding.Spinner == spinner)
                return binding;
    for (const TSpinBinding& binding : ScalarBindings())
        if (binding.Spinner == spinner)
            return binding;
    throw std::invalid_argument("no spinner named " + spinner);
}

int DisplayValue(const TSpinBinding& binding, std::uint8_t byte)
{
    return byte * binding.Scale + binding.Offset;
}

std::uint8_t StoredValue(const TSpinBinding& binding, int position)
{
    return static_cast<std::uint8_t>((position - binding.Offset) / binding.Scale);
}
