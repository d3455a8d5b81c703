// The window's right and lower parts: options, live display, transfer status.
#include "app/hlav.h"

#include "texts/display_model.h"
#include "ui/form_builder.h"
#include "ui/label.h"
#include "ui/radio_group.h"
#include "ui/up_down.h"
#include "ui/widget_paint.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>

namespace {
constexpr int LiveFontPixels = 16;
constexpr int WarningFontPixels = 19;
constexpr int StatusFontPixels = 13;
constexpr int LiveLeft = 359;

TLabel* NewFontLabel(QWidget* parent, const char* name, int left, int top, int pixels, bool bold)
{
    TLabel* label = NewLabel(parent, name, left, top);
    SetFontPixels(label, pixels, bold);
    return label;
}
} // namespace

void TFormHlav::BuildOptions(QWidget* client)
{
    RadioGroupPolarita = new TRadioGroup(client);
    RadioGroupPolarita->setObjectName(QStringLiteral("RadioGroupPolarita"));
    RadioGroupPolarita->setGeometry(343, 153, 252, 90);

    GroupBox2 = NewGroupBox(client, "GroupBox2", {343, 243, 252, 115});
    EditOmez2 = NewEdit(GroupBox2, "EditOmez2", 16, 28, 42);
    UpDownOmez2 = NewUpDown("UpDownOmez2", EditOmez2, {999, 25000, 100, 15000}, true);
    LabelOmez2 = NewLabel(GroupBox2, "LabelOmez2", 83, 32);
    CheckBoxZakazCteni = NewCheckBox(GroupBox2, "CheckBoxZakazCteni", {16, 66, 193, 17});
    CheckBoxProgHned = NewCheckBox(GroupBox2, "CheckBoxProgHned", {16, 91, 193, 16});
}

void TFormHlav::BuildLiveDisplay(QWidget* client)
{
    LabelRpm = NewFontLabel(client, "LabelRpm", LiveLeft, 380, LiveFontPixels, true);
    CGaugeRpm = NewGauge(client, "CGaugeRpm", {LiveLeft, 402, 241, 16}, 100,
                         ToQColor(TColour::Fuchsia), false);
    LabelMon_Advance =
        NewFontLabel(client, "LabelMon_Advance", LiveLeft, 424, LiveFontPixels, true);
    LabelSnimac = NewFontLabel(client, "LabelSnimac", LiveLeft, 447, LiveFontPixels, false);
    LabelNapeti = NewFontLabel(client, "LabelNapeti", LiveLeft, 469, LiveFontPixels, true);
    LabelKillSwitch = NewFontLabel(client, "LabelKillSwitch", LiveLeft, 492, LiveFontPixels, false);
    LabelMonHardLimiter =
        NewFontLabel(client, "LabelMonHardLimiter", LiveLeft, 518, LiveFontPixels, false);
    LabelPolaritaMer =
        NewFontLabel(client, "LabelPolaritaMer", LiveLeft, 544, LiveFontPixels, false);
    LabelCom = NewFontLabel(client, "LabelCom", LiveLeft, 570, LiveFontPixels, false);

    constexpr std::array<int, 8> testTops{427, 449, 472, 494, 521, 543, 565, 587};
    for (std::size_t i = 0; i < testTops.size(); ++i) {
        const std::string name = "LabelTest" + std::to_string(i + 1);
        // The lower four sit two pixels further right, as they always have.
        const int left = i < 4 ? 652 : 654;
        this->*HlavSlots::TestLabels[i] =
            NewFontLabel(client, name.c_str(), left, testTops[i], StatusFontPixels, true);
    }
}

void TFormHlav::BuildStatusLabels(QWidget* client)
{
    LabelHlaseni = NewFontLabel(client, "LabelHlaseni", 9, 562, StatusFontPixels, true);
    QPalette black = LabelHlaseni->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    LabelHlaseni->setPalette(black);
    CGaugeProgram = NewGauge(client, "CGaugeProgram", {8, 585, 273, 16}, TGaugeModel::MaxValue,
                             ToQColor(TColour::Aqua), true);
    LabelVerze1 = NewLabel(client, "LabelVerze1", 13, 612);
    LabelVerze2 = NewLabel(client, "LabelVerze2", 85, 612);
    LabelVerze3 = NewLabel(client, "LabelVerze3", 158, 612);
    LabelPocetProgramovani = NewLabel(client, "LabelPocetProgramovani", 13, 628);
    LabelFile1 = NewLabel(client, "LabelFile1", 13, 648);
    LabelFile2 = NewLabel(client, "LabelFile2", 60, 648);
    LabelVersion = NewFontLabel(client, "LabelVersion", 13, 696, WarningFontPixels, true);
    SetBackground(LabelVersion, TColour::Red);
    LabelEeDataErr = NewFontLabel(client, "LabelEeDataErr", 13, 728, WarningFontPixels, true);
    SetBackground(LabelEeDataErr, TColour::Red);
}
