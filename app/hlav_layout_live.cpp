// The window's right and lower parts: options, live display, transfer status.
#include "app/hlav_controls.h"
#include "app/hlav_layout.h"
#include "params/binding.h"

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

void BuildOptions(THlavControls& ui, QWidget* client)
{
    ui.RadioGroupPolarita = new TRadioGroup(client);
    ui.RadioGroupPolarita->setObjectName(QStringLiteral("RadioGroupPolarita"));
    ui.RadioGroupPolarita->setGeometry(343, 153, 252, 90);

    ui.GroupBox2 = NewGroupBox(client, "GroupBox2", {343, 243, 252, 115});
    ui.EditOmez2 = NewEdit(ui.GroupBox2, "EditOmez2", 16, 28, 42);
    ui.UpDownOmez2 = NewBoundUpDown(SpinBinding("UpDownOmez2"), ui.EditOmez2);
    ui.LabelOmez2 = NewLabel(ui.GroupBox2, "LabelOmez2", 83, 32);
    ui.CheckBoxZakazCteni = NewCheckBox(ui.GroupBox2, "CheckBoxZakazCteni", {16, 66, 193, 17});
    ui.CheckBoxProgHned = NewCheckBox(ui.GroupBox2, "CheckBoxProgHned", {16, 91, 193, 16});
}

void BuildLiveDisplay(THlavControls& ui, QWidget* client)
{
    ui.LabelRpm = NewFontLabel(client, "LabelRpm", LiveLeft, 380, LiveFontPixels, true);
    ui.CGaugeRpm = NewGauge(client, "CGaugeRpm", {LiveLeft, 402, 241, 16}, 100,
                            ToQColor(TColour::Fuchsia), false);
    ui.LabelMon_Advance =
        NewFontLabel(client, "LabelMon_Advance", LiveLeft, 424, LiveFontPixels, true);
    ui.LabelSnimac = NewFontLabel(client, "LabelSnimac", LiveLeft, 447, LiveFontPixels, false);
    ui.LabelNapeti = NewFontLabel(client, "LabelNapeti", LiveLeft, 469, LiveFontPixels, true);
    ui.LabelKillSwitch =
        NewFontLabel(client, "LabelKillSwitch", LiveLeft, 492, LiveFontPixels, false);
    ui.LabelMonHardLimiter =
        NewFontLabel(client, "LabelMonHardLimiter", LiveLeft, 518, LiveFontPixels, false);
    ui.LabelPolaritaMer =
        NewFontLabel(client, "LabelPolaritaMer", LiveLeft, 544, LiveFontPixels, false);
    ui.LabelCom = NewFontLabel(client, "LabelCom", LiveLeft, 570, LiveFontPixels, false);

    constexpr std::array<int, 8> testTops{427, 449, 472, 494, 521, 543, 565, 587};
    for (std::size_t i = 0; i < testTops.size(); ++i) {
        const std::string name = "LabelTest" + std::to_string(i + 1);
        // The lower four sit two pixels further right, as they always have.
        const int left = i < 4 ? 652 : 654;
        ui.*HlavSlots::TestLabels[i] =
            NewFontLabel(client, name.c_str(), left, testTops[i], StatusFontPixels, true);
    }
}

void BuildStatusLabels(THlavControls& ui, QWidget* client)
{
    ui.LabelHlaseni = NewFontLabel(client, "LabelHlaseni", 9, 562, StatusFontPixels, true);
    QPalette black = ui.LabelHlaseni->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    ui.LabelHlaseni->setPalette(black);
    ui.CGaugeProgram = NewGauge(client, "CGaugeProgram", {8, 585, 273, 16}, TGaugeModel::MaxValue,
                                ToQColor(TColour::Aqua), true);
    ui.LabelVerze1 = NewLabel(client, "LabelVerze1", 13, 612);
    ui.LabelVerze2 = NewLabel(client, "LabelVerze2", 85, 612);
    ui.LabelVerze3 = NewLabel(client, "LabelVerze3", 158, 612);
    ui.LabelPocetProgramovani = NewLabel(client, "LabelPocetProgramovani", 13, 628);
    ui.LabelFile1 = NewLabel(client, "LabelFile1", 13, 648);
    ui.LabelFile2 = NewLabel(client, "LabelFile2", 60, 648);
    ui.LabelVersion = NewFontLabel(client, "LabelVersion", 13, 696, WarningFontPixels, true);
    SetBackground(ui.LabelVersion, TColour::Red);
    ui.LabelEeDataErr = NewFontLabel(client, "LabelEeDataErr", 13, 728, WarningFontPixels, true);
    SetBackground(ui.LabelEeDataErr, TColour::Red);
}
