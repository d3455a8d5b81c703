#include "link/monitor_display.h"

#include <gtest/gtest.h>

namespace {

struct Monitor : ::testing::Test {
    TParamImage image;
    TMessageTable messages = BuildMessageTable(0);
    TMonitorRecord record;
    TMonitorDisplay display;

    void SetUp() override
    {
        image.SetDefaults();
        record.Bytes[0] = 0xB0;
        record.Bytes[50] = ExpectedUnitVersion;
        record.Bytes[31] = 100;
    }
    void SetWord(int offset, unsigned value)
    {
        record.Bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
        record.Bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    TMonitorValues Show() { return ShowMonitor(record, image, messages, display); }
};

} // namespace

TEST_F(Monitor, EngineStandingShowsNothingRunning)
{
    SetWord(1, 3000);
    const TMonitorValues values = Show();
    EXPECT_EQ(values.EngineSpeed, 0);
    EXPECT_EQ(display.LabelRpm.Text, "RPM = 0 ");
    EXPECT_EQ(display.CGaugeRpm, 0);
    EXPECT_EQ(display.LabelMon_Advance.Text, "Advance = Basic");
    EXPECT_EQ(display.LabelSnimac.Text, "Pick-up (CPS) -  no signal");
    EXPECT_EQ(display.LabelSnimac.Background, TColour::ButtonFace);
    EXPECT_EQ(display.LabelPolaritaMer.Text, "Polarity of CKPS: ---");
    EXPECT_EQ(display.LabelPolaritaMer.Background, TColour::ButtonFace);
    EXPECT_TRUE(FindHighlightRow(values.EngineSpeed, image).NoHighlight);
}

TEST_F(Monitor, RunningEngineShowsSpeedAdvanceAndPolarity)
{
    SetWord(1, 4500);
    record.Bytes[42] = 1;
    record.Bytes[31] = 112;
    record.Bytes[32] = 38;
    record.Bytes[33] = 1;
    const TMonitorValues values = Show();
    EXPECT_EQ(values.EngineSpeed, 4500);
    EXPECT_EQ(display.LabelRpm.Text, "RPM = 4500 ");
    EXPECT_EQ(display.CGaugeRpm, 50) << "half of the 9000 rpm limiter";
    EXPECT_EQ(display.LabelMon_Advance.Text, "Advance = 12\u00B0 /max 38\u00B0");
    EXPECT_EQ(display.LabelMon_Advance.Background, TColour::ButtonFace);
    EXPECT_EQ(display.LabelSnimac.Text, "Pick-up (CPS) -  is running");
    EXPECT_EQ(display.LabelSnimac.Background, TColour::Lime);
    EXPECT_EQ(display.LabelPolaritaMer.Text, "Polarity of CKPS: Negative");
    EXPECT_EQ(display.LabelPolaritaMer.Background, TColour::Red) << "polarity check clear";

    SetWord(1, 12000);
    record.Bytes[34] = 1;
    record.Bytes[33] = 0;
    Show();
    EXPECT_EQ(display.CGaugeRpm, 100);
    EXPECT_EQ(display.LabelPolaritaMer.Text, "Polarity of CKPS: Positive");
    EXPECT_EQ(display.LabelPolaritaMer.Background, TColour::ButtonFace);

    record.Bytes[43] = 1;
    Show();
    EXPECT_EQ(display.LabelMon_Advance.Text, "Advance = Basic");
}

TEST_F(Monitor, AdvanceAtItsMaximumIsYellow)
{
    record.Bytes[42] = 1;
    SetWord(1, 2000);
    record.Bytes[31] = 100;
    record.Bytes[32] = 0;
    Show();
    EXPECT_EQ(display.LabelMon_Advance.Text, "Advance = 0\u00B0 /max 0\u00B0");
    EXPECT_EQ(display.LabelMon_Advance.Background, TColour::Yellow);
}

TEST_F(Monitor, LimiterOfZeroDividesTheBarByOneHundred)
{
    image[ImageByte::Limiter] = 0;
    record.Bytes[42] = 1;
    SetWord(1, 5000);
    Show();
    EXPECT_EQ(display.CGaugeRpm, 50);
}

TEST(Voltage, ColourTableAtItsBoundaries)
{
    const std::pair<unsigned, TColour> cases[] = {
        {7000, TColour::Red},         {7001, TColour::Yellow},     {11000, TColour::Yellow},
        {11001, TColour::ButtonFace}, {14998, TColour::ButtonFace}, {14999, TColour::Yellow},
        {17998, TColour::Yellow},     {17999, TColour::Red},
    };
    for (const auto& [mv, colour] : cases)
        EXPECT_EQ(VoltageColour(mv), colour) << mv << " mV";
    EXPECT_EQ(VoltageText(12345), "U = 12.3 [V]");
    EXPECT_EQ(VoltageText(0), "U =  0.0 [V]");
    EXPECT_EQ(VoltageText(13800), "U = 13.8 [V]");
}

TEST_F(Monitor, StateLabelsTakeTheirColourOnlyWhenSet)
{
    struct Case {
        int Byte;
        TLabelModel TMonitorDisplay::*Label;
        const char* WhenSet;
        TColour Colour;
    };
    const Case cases[] = {
        {35, &TMonitorDisplay::LabelMonStartLimiterOut, "Start limiter: Yes", TColour::Fuchsia},
        {36, &TMonitorDisplay::LabelMonHardLimiter, "Limiter - Yes", TColour::Red},
        {39, &TMonitorDisplay::LabelMonLedRazeni, "Gear shift light - Yes", TColour::Yellow},
        {41, &TMonitorDisplay::LabelClutchMon, "Clutch master - Yes", TColour::Red},
        {40, &TMonitorDisplay::LabelMonRetard, "Retard - Yes", TColour::Aqua},
        {37, &TMonitorDisplay::LabelBlocking, "Motor off - Yes", TColour::Red},
        {38, &TMonitorDisplay::LabelKillSwitch, "Kill switch - Yes", TColour::Red},
        {29, &TMonitorDisplay::LabelMonInput1In, "Input 1: Yes", TColour::Fuchsia},
        {30, &TMonitorDisplay::LabelMonInput2In, "Input 2: Yes", TColour::Aqua},
    };
    for (const Case& c : cases) {
        record.Bytes[c.Byte] = 0;
        Show();
        EXPECT_EQ((display.*c.Label).Background, TColour::ButtonFace) << c.WhenSet;
        EXPECT_EQ((display.*c.Label).Text.substr((display.*c.Label).Text.size() - 2), "No");
        record.Bytes[c.Byte] = 7;
        Show();
        EXPECT_EQ((display.*c.Label).Text, c.WhenSet);
        EXPECT_EQ((display.*c.Label).Background, c.Colour) << c.WhenSet;
        record.Bytes[c.Byte] = 0;
    }
}

TEST_F(Monitor, VersionWarningCountsAndTestValues)
{
    Show();
    EXPECT_FALSE(display.LabelVersion.Visible);
    record.Bytes[50] = 71;
    SetWord(5, 1234);
    SetWord(7, 65535);
    SetWord(21, 8);
    record.Bytes[49] = 1;
    SetWord(47, 40);
    const TMonitorValues values = Show();
    EXPECT_TRUE(display.LabelVersion.Visible);
    EXPECT_EQ(display.LabelVersion.Text,
              "Unmatched version of PC and Ignition programs!  PC-72, IGN-71");
    EXPECT_EQ(display.LabelPocetProgramovani.Text, "Number of Programing= 1234");
    EXPECT_EQ(display.LabelTest[0], "Test1 = 65535 ");
    EXPECT_EQ(display.LabelTest[7], "Test8 = 8 ");
    EXPECT_TRUE(display.LabelEeDataErrVisible);
    EXPECT_EQ(values.SavingCountdown, 40);
}

TEST(Highlight, NearestCurveRowWithTiesGoingDown)
{
    TParamImage image;
    image.SetDefaults();
    image[ImageByte::PointCount] = 3;
    image[ImageByte::CurveSpeed + 0] = 10;
    image[ImageByte::CurveSpeed + 1] = 20;
    image[ImageByte::CurveSpeed + 2] = 30;
    const std::pair<int, int> cases[] = {{1400, 0}, {1500, 0}, {1600, 1}, {3500, 2}, {1000, 0}};
    for (const auto& [rpm, row] : cases) {
        const TCurveHighlight h = FindHighlightRow(static_cast<std::uint16_t>(rpm), image);
        EXPECT_FALSE(h.NoHighlight) << rpm;
        EXPECT_EQ(h.HighlightRow, row) << rpm;
    }
    EXPECT_TRUE(FindHighlightRow(900, image).NoHighlight);
    EXPECT_TRUE(FindHighlightRow(0, image).NoHighlight);
    // 25600 rpm wraps to 0 in the unit's 8-bit arithmetic.
    EXPECT_TRUE(FindHighlightRow(25600, image).NoHighlight);
}
