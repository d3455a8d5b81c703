#include "link/monitor_display.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

std::string Format(const char* format, int a)
{
    char text[64];
    std::snprintf(text, sizeof text, format, a);
    return text;
}

std::string Format(const char* format, int a, int b)
{
    char text[96];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

void ShowState(TLabelModel& label, const std::string& caption, bool set, TColour whenSet,
               const TMessageTable& messages)
{
    label.Text = caption + (set ? messages[MsgYes] : messages[MsgNo]);
    label.Background = set ? whenSet : TColour::ButtonFace;
}

constexpr int FullBar = 100;
constexpr int DefaultBarDivisor = 100;

} // namespace

TColour VoltageColour(unsigned millivolts)
{
    if (millivolts >= 17999 || millivolts <= 7000)
        return TColour::Red;
    if (millivolts >= 14999 || millivolts <= 11000)
        return TColour::Yellow;
    return TColour::ButtonFace;
}

namespace {
// Single precision, as the unit's value has always been shown.
float Volts(unsigned millivolts)
{
    return static_cast<float>(millivolts * 0.001);
}
} // namespace

std::string VoltageText(unsigned millivolts)
{
    char text[32];
    std::snprintf(text, sizeof text, "U = %4.1f [V]", static_cast<double>(Volts(millivolts)));
    return text;
}

double ShownVolts(unsigned millivolts)
{
    // Read back from the same digits, so a value on a half rounds as shown.
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(Volts(millivolts)));
    return std::strtod(text, nullptr);
}

TMonitorReading ReadMonitor(const TMonitorRecord& record)
{
    using namespace MonitorByte;
    TMonitorReading reading;
    reading.PickUp = record.PickUp();
    reading.EngineSpeed = reading.PickUp ? record.Speed() : 0;
    reading.AdvanceShown = reading.PickUp && !record.BasicAdvance();
    reading.Advance = record.Advance();
    reading.MaxAdvance = record.MaxAdvance();
    reading.Volts = Volts(record.Millivolts());
    reading.KillSwitch = record.Flag(KillSwitch);
    reading.Limiter = record.Flag(Limiter);
    reading.PolarityShown = reading.EngineSpeed != 0;
    reading.NegativePolarity = record.Flag(MeasuredPolarity);
    reading.SavingCountdown = record.SavingCountdown();
    reading.ProgrammingCount = record.ProgrammingCount();
    return reading;
}

std::string VersionWarning(const TMessageTable& messages, int unitVersion)
{
    return messages[MsgUnmatchedVersion] +
           Format("  PC-%d, IGN-%d", ExpectedUnitVersion, unitVersion);
}

TMonitorValues ShowMonitor(const TMonitorRecord& record, const TParamImage& image,
                           const TMessageTable& messages, TMonitorDisplay& display)
{
    using namespace MonitorByte;
    ++display.Generation;
    TMonitorValues values;
    const TMonitorReading reading = ReadMonitor(record);
    const bool running = reading.PickUp;

    values.EngineSpeed = reading.EngineSpeed;
    display.LabelRpm.Text = Format("RPM = %d ", values.EngineSpeed);

    const int divisor = image[ImageByte::Limiter] != 0 ? image[ImageByte::Limiter] : DefaultBarDivisor;
    display.CGaugeRpm = std::min(values.EngineSpeed / divisor, FullBar);

    const int advance = reading.Advance;
    const int maxAdvance = reading.MaxAdvance;
    if (reading.AdvanceShown)
        display.LabelMon_Advance.Text =
            messages[MsgAdvance] + Format(" = %d\u00B0 /max %d\u00B0", advance, maxAdvance);
    else
        display.LabelMon_Advance.Text = messages[MsgAdvance] + " = " + messages[MsgBasic];
    display.LabelMon_Advance.Background =
        advance >= maxAdvance ? TColour::Yellow : TColour::ButtonFace;

    display.LabelNapeti.Text = VoltageText(record.Millivolts());
    display.LabelNapeti.Background = VoltageColour(record.Millivolts());

    ShowState(display.LabelMonStartLimiterOut, messages[MsgStartLimiter] + ": ",
              record.Flag(StartLimiter), TColour::Fuchsia, messages);
    ShowState(display.LabelMonHardLimiter, messages[MsgLimiter] + " - ", record.Flag(Limiter),
              TColour::Red, messages);
    ShowState(display.LabelMonLedRazeni, messages[MsgGearShiftLight] + " - ",
              record.Flag(ShiftLight), TColour::Yellow, messages);
    ShowState(display.LabelClutchMon, messages[MsgClutchMaster] + " - ",
              record.Flag(ClutchMaster), TColour::Red, messages);
    ShowState(display.LabelMonRetard, messages[MsgRetard] + " - ", record.Flag(Retard),
              TColour::Aqua, messages);
    ShowState(display.LabelBlocking, messages[MsgMotorOff] + " - ", record.Flag(Blocking),
              TColour::Red, messages);
    ShowState(display.LabelKillSwitch, "Kill switch - ", record.Flag(KillSwitch), TColour::Red,
              messages);
    ShowState(display.LabelMonInput1In, messages[MsgInput] + " 1: ", record.Flag(Input1),
              TColour::Fuchsia, messages);
    ShowState(display.LabelMonInput2In, messages[MsgInput] + " 2: ", record.Flag(Input2),
              TColour::Aqua, messages);

    display.LabelSnimac.Text =
        messages[MsgPickUp] + " - " + (running ? messages[MsgIsRunning] : messages[MsgNoSignal]);
    display.LabelSnimac.Background = running ? TColour::Lime : TColour::ButtonFace;

    if (!reading.PolarityShown)
        display.LabelPolaritaMer.Text = messages[MsgPolarityOfCkps] + ": ---";
    else
        display.LabelPolaritaMer.Text =
            messages[MsgPolarityOfCkps] + ": " +
            (reading.NegativePolarity ? messages[MsgNegative] : messages[MsgPositive]);
    display.LabelPolaritaMer.Background =
        !record.Flag(PolarityCheck) && values.EngineSpeed != 0 ? TColour::Red : TColour::ButtonFace;

    display.LabelVersion.Visible = record.Version() != ExpectedUnitVersion;
    if (display.LabelVersion.Visible)
        display.LabelVersion.Text = VersionWarning(messages, record.Version());
    display.LabelVersion.Background = TColour::Red;

    values.SavingCountdown = reading.SavingCountdown;
    display.LabelEeDataErrVisible = record.DataError();
    display.LabelPocetProgramovani.Text =
        messages[MsgNumberOfPrograming] + std::to_string(record.ProgrammingCount());
    for (int k = 1; k <= 8; ++k)
        display.LabelTest[k - 1] =
            "Test" + std::to_string(k) + " = " + std::to_string(record.TestValue(k)) + " ";
    return values;
}

TCurveHighlight FindHighlightRow(std::uint16_t engineSpeed, const TParamImage& image)
{
    const std::uint8_t s = static_cast<std::uint8_t>(engineSpeed / 100); // wraps at 25600 rpm
    const int n = std::min<int>(image[ImageByte::PointCount], CurvePoints);
    int i = 0;
    while (i < n && image[ImageByte::CurveSpeed + i] <= s)
        ++i;
    TCurveHighlight highlight;
    if (i == 0)
        return highlight;
    highlight.NoHighlight = false;
    if (i == n)
        highlight.HighlightRow = static_cast<std::uint8_t>(n - 1);
    else if (image[ImageByte::CurveSpeed + i - 1] + image[ImageByte::CurveSpeed + i] >= 2 * s)
        highlight.HighlightRow = static_cast<std::uint8_t>(i - 1);
    else
        highlight.HighlightRow = static_cast<std::uint8_t>(i);
    return highlight;
}
