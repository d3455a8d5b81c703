#include "params/editor.h"

#include <algorithm>

namespace {

constexpr std::uint8_t MaxAdvance = 60;
constexpr std::uint8_t FixedVariant = 0;
constexpr std::uint8_t FixedTwo = 2;
constexpr std::uint8_t FixedInput1 = 1; // kill switch
constexpr std::uint8_t FixedInput2 = 0; // off

void StoreFixedBytes(TParamImage& image)
{
    image[ImageByte::Variant] = FixedVariant;
    image[ImageByte::FixedTwo] = FixedTwo;
    image[ImageByte::Input1] = FixedInput1;
    image[ImageByte::Input2] = FixedInput2;
}

int Shown(const TSpinBinding& binding, std::uint8_t byte)
{
    return std::clamp(DisplayValue(binding, byte), binding.Min, binding.Max);
}

// Controls that are never shown, whatever the image holds.
const char* const AlwaysHidden[] = {
    "RadioGroupInput1", "RadioGroupInput2", "GroupBoxRpm",       "LabelMonInput2In",
    "EditOmez1",        "UpDownOmez1",      "LabelOmez1",        "EditRetard",
    "UpDownRetard",     "LabelRetard",      "EditClutch1",       "UpDownClutch1",
    "LabelClutch1",     "EditClutch2",      "UpDownClutch2",     "LabelClutch2",
    "GroupBox1",        "LabelBlocking",    "LabelMonRetard",    "LabelMonStartLimiterOut",
    "LabelMonLedRazeni", "LabelClutchMon"};

// Controls that the printed sheet leaves out.
const char* const EditingAids[] = {
    "CGaugeRpm",     "CheckBoxProgHned", "CheckBoxZakazCteni", "StatusBar1",
    "ImageLogo",     "GroupBoxToolBar",  "UpDownBaseAdv",      "UpDownOmez2",
    "UpDownLedRazeni", "BitBtnAdvMinus", "BitBtnAdvPlus",      "CheckBoxIgnAll",
    "UpDownPocetBodu", "LabelSnimac"};

TControlLook Visible(const std::string& control, bool visible)
{
    return {control, visible, std::nullopt, std::nullopt};
}

TControlLook Enabled(const std::string& control, bool enabled)
{
    return {control, std::nullopt, enabled, std::nullopt};
}

TControlLook Red(const std::string& control, bool red)
{
    return {control, std::nullopt, std::nullopt, red};
}

} // namespace

void WriteBackValues(const TEditorValues& values, TParamImage& image)
{
    const auto& scalars = ScalarBindings();
    StoreFixedBytes(image);
    for (int i = 0; i < ScalarSpinnerCount; ++i)
        image[scalars[i].Byte] = StoredValue(scalars[i], values.Scalars[i]);
    image[ImageByte::ReadLock] = values.ReadLock ? 1 : 0;
    image[ImageByte::ShiftLightReversed] = values.ShiftLightReversed ? 1 : 0;

    int changed = 0;
    for (int i = 0; i < CurvePoints; ++i) {
        const std::uint8_t speed = StoredValue(CurveSpeedBinding(i), values.Speeds[i]);
        const std::uint8_t advance = StoredValue(CurveAdvanceBinding(i), values.Advances[i]);
        if (speed != image.Speed(i) || advance != image.Advance(i)) {
            ++changed;
            if (image.ChangedPoint == EditStarted)
                image.ChangedPoint = i;
        }
        image.Speed(i) = speed;
        image.Advance(i) = advance;
    }
    if (changed > 1)
        image.ChangedPoint = SeveralPoints;
}

TEditorValues ShowValues(TParamImage& image)
{
    StoreFixedBytes(image);
    TEditorValues values;
    const auto& scalars = ScalarBindings();
    for (int i = 0; i < ScalarSpinnerCount; ++i)
        values.Scalars[i] = Shown(scalars[i], image[scalars[i].Byte]);
    for (int i = 0; i < CurvePoints; ++i) {
        values.Speeds[i] = Shown(CurveSpeedBinding(i), image.Speed(i));
        values.Advances[i] = Shown(CurveAdvanceBinding(i), image.Advance(i));
    }
    values.Polarity = image[ImageByte::Polarity];
    values.ReadLock = image[ImageByte::ReadLock] != 0;
    values.ShiftLightReversed = image[ImageByte::ShiftLightReversed] != 0;
    return values;
}

void TakeShownValues(TParamImage& image)
{
    WriteBackValues(ShowValues(image), image);
    image.Normalise();
}

void StepAdvances(TParamImage& image, int step, bool allPoints, bool noHighlight,
                  int highlightRow)
{
    const auto stepOne = [&image, step](int point) {
        std::uint8_t& advance = image.Advance(point);
        if (step < 0 && advance > 0)
            --advance;
        else if (step > 0 && advance < MaxAdvance)
            ++advance;
    };
    if (allPoints) {
        for (int i = 0; i < CurvePoints; ++i)
            stepOne(i);
    } else if (!noHighlight && highlightRow >= 0 && highlightRow < CurvePoints) {
        stepOne(highlightRow);
    } else {
        return;
    }
    image.Normalise();
}

TEditorLook DependentsLook(const TParamImage& image, const TEditorState& state)
{
    const bool printing = state.Printing;
    const int points = image[ImageByte::PointCount];
    const std::uint8_t input1 = image[ImageByte::Input1];
    const std::uint8_t input2 = image[ImageByte::Input2];
    const auto either = [input1, input2](std::uint8_t function) {
        return input1 == function || input2 == function;
    };
    const bool killSwitch = input1 == 1;
    const bool blocking = input2 == 1;
    const bool clutch = either(2);
    const bool retard = either(3);
    const bool startLimiter = either(4);

    TEditorLook look;
    look.WindowWhite = printing;
    auto& controls = look.Controls;
    for (const char* control : AlwaysHidden)
        controls.push_back(Visible(control, false));
    for (int i = 0; i < CurvePoints; ++i) {
        const bool used = i < points;
        controls.push_back(Visible(CurveSpeedBinding(i).Spinner, used && !printing));
        controls.push_back(Visible(CurveAdvanceBinding(i).Spinner, used && !printing));
        controls.push_back(Visible(CurveSpeedBinding(i).Edit, used));
        controls.push_back(Visible(CurveAdvanceBinding(i).Edit, used));
    }
    controls.push_back(Red("CheckBoxProgHned", state.ProgHnedChecked));
    controls.push_back(Red("CheckBoxZakazCteni", state.ZakazCteniChecked));
    for (const char* control : EditingAids)
        controls.push_back(Visible(control, !printing));

    controls.push_back(Enabled("LabelKillSwitch", killSwitch));
    controls.push_back(Enabled("LabelMonRetard", retard));
    controls.push_back(Enabled("LabelBlocking", blocking));
    controls.push_back(Enabled("LabelMonStartLimiterOut", startLimiter));
    controls.push_back(Enabled("LabelClutchMon", clutch));
    for (const char* control : {"EditOmez1", "LabelOmez1"})
        controls.push_back(Enabled(control, startLimiter));
    controls.push_back(Visible("UpDownOmez1", startLimiter && !printing));
    for (const char* control : {"EditRetard", "LabelRetard"})
        controls.push_back(Enabled(control, retard));
    controls.push_back(Visible("UpDownRetard", retard && !printing));
    for (const char* control : {"EditClutch1", "LabelClutch1", "EditClutch2", "LabelClutch2"})
        controls.push_back(Enabled(control, clutch));
    for (const char* control : {"UpDownClutch1", "UpDownClutch2"})
        controls.push_back(Visible(control, clutch && !printing));

    controls.push_back(Red("CheckBoxZakazCteni", image[ImageByte::ReadLock] != 0));
    look.Verze1 = image.IdentText;
    look.Verze2 = image.DateText;
    look.Verze3 = image.TimeText;
    return look;
}
