#pragma once

#include "link/monitor_record.h"
#include "params/param_image.h"
#include "texts/display_model.h"
#include "texts/message_table.h"

#include <array>
#include <cstdint>
#include <string>

// The live display as the core decides it. Generation grows with every
// accepted answer, so the window rewrites its labels only then and leaves
// placeholder texts alone in between.
struct TMonitorDisplay {
    unsigned Generation = 0;
    TLabelModel LabelRpm;
    int CGaugeRpm = 0;
    TLabelModel LabelMon_Advance;
    TLabelModel LabelNapeti;
    TLabelModel LabelMonStartLimiterOut;
    TLabelModel LabelMonHardLimiter;
    TLabelModel LabelMonLedRazeni;
    TLabelModel LabelClutchMon;
    TLabelModel LabelMonRetard;
    TLabelModel LabelBlocking;
    TLabelModel LabelKillSwitch;
    TLabelModel LabelMonInput1In;
    TLabelModel LabelMonInput2In;
    TLabelModel LabelSnimac;
    TLabelModel LabelPolaritaMer;
    TLabelModel LabelPocetProgramovani;
    TLabelModel LabelVersion;
    bool LabelEeDataErrVisible = false;
    std::array<std::string, 8> LabelTest;
};

// What ShowMonitor hands to the tick besides the labels.
struct TMonitorValues {
    std::uint16_t EngineSpeed = 0;
    std::uint16_t SavingCountdown = 0;
};

// The numbers the live display shows, as the record gives them: the speed
// only while the pick-up sees the engine turn, the advance only while it
// turns on the curve, the polarity only at a speed above 0.
struct TMonitorReading {
    std::uint16_t EngineSpeed = 0;
    bool AdvanceShown = false; // otherwise the display reads "Basic"
    int Advance = 0;
    int MaxAdvance = 0;
    float Volts = 0;
    bool PickUp = false;
    bool KillSwitch = false;
    bool Limiter = false;
    bool PolarityShown = false;
    bool NegativePolarity = false;
    std::uint16_t SavingCountdown = 0;
    std::uint16_t ProgrammingCount = 0;
};
TMonitorReading ReadMonitor(const TMonitorRecord& record);

// Builds every live-display text and colour from one record.
TMonitorValues ShowMonitor(const TMonitorRecord& record, const TParamImage& image,
                           const TMessageTable& messages, TMonitorDisplay& display);

TColour VoltageColour(unsigned millivolts);
std::string VoltageText(unsigned millivolts);
// The voltage as VoltageText shows it, to the tenth of a volt.
double ShownVolts(unsigned millivolts);
std::string VersionWarning(const TMessageTable& messages, int unitVersion);

// The curve row nearest to the engine speed, or none.
struct TCurveHighlight {
    std::uint8_t HighlightRow = 0;
    bool NoHighlight = true;
};
TCurveHighlight FindHighlightRow(std::uint16_t engineSpeed, const TParamImage& image);
