// Controls that hold parameter values or monitor texts but are never shown.
#include "app/hlav_controls.h"
#include "app/hlav_layout.h"
#include "params/binding.h"

#include "ui/form_builder.h"
#include "ui/label.h"
#include "ui/radio_group.h"
#include "ui/up_down.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

namespace {
constexpr int MonitorFontPixels = 16;

TLabel* NewMonitorLabel(QWidget* parent, const char* name, int left, int top)
{
    TLabel* label = NewLabel(parent, name, left, top);
    SetFontPixels(label, MonitorFontPixels, false);
    return label;
}

TRadioGroup* NewRadioGroup(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* group = new TRadioGroup(parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    return group;
}

void BuildHiddenGroups(THlavControls& ui, QWidget* client)
{
    ui.RadioGroupInput1 = NewRadioGroup(client, "RadioGroupInput1", {662, 149, 144, 85});
    ui.RadioGroupInput2 = NewRadioGroup(client, "RadioGroupInput2", {658, 254, 122, 84});

    ui.GroupBoxRpm = NewGroupBox(client, "GroupBoxRpm", {834, 211, 135, 89});
    ui.EditRpmPulsu = NewEdit(ui.GroupBoxRpm, "EditRpmPulsu", 8, 20, 30);
    ui.UpDownRpmPulsu = NewBoundUpDown(SpinBinding("UpDownRpmPulsu"), ui.EditRpmPulsu);
    ui.LabelRpmPulsu = NewLabel(ui.GroupBoxRpm, "LabelRpmPulsu", 60, 24);
    ui.EditRpmKorekce = NewEdit(ui.GroupBoxRpm, "EditRpmKorekce", 8, 52, 30);
    ui.UpDownRpmKorekce = NewBoundUpDown(SpinBinding("UpDownRpmKorekce"), ui.EditRpmKorekce);
    ui.LabelRpmKorekce = NewLabel(ui.GroupBoxRpm, "LabelRpmKorekce", 60, 56);

    ui.GroupBox1 = NewGroupBox(client, "GroupBox1", {673, 344, 258, 65});
    ui.EditLedRazeni = NewEdit(ui.GroupBox1, "EditLedRazeni", 8, 16, 42);
    ui.UpDownLedRazeni = NewBoundUpDown(SpinBinding("UpDownLedRazeni"), ui.EditLedRazeni);
    ui.LabelLedRazeni = NewLabel(ui.GroupBox1, "LabelLedRazeni", 74, 20);
    ui.CheckBoxRevOutLedRazeni =
        NewCheckBox(ui.GroupBox1, "CheckBoxRevOutLedRazeni", {8, 42, 200, 17});

    ui.GroupBoxMonInput = NewGroupBox(client, "GroupBoxMonInput", {791, 427, 252, 65});
    ui.LabelMonInput1In = NewMonitorLabel(ui.GroupBoxMonInput, "LabelMonInput1In", 8, 16);
    ui.LabelMonInput2In = NewMonitorLabel(ui.GroupBoxMonInput, "LabelMonInput2In", 8, 38);
}

} // namespace

// They lie below the visible part of their group.
void BuildHiddenControls(THlavControls& ui, QWidget* client)
{
    QWidget* box = ui.GroupBox2;
    ui.EditOmez1 = NewEdit(box, "EditOmez1", 16, 130, 42);
    ui.UpDownOmez1 = NewBoundUpDown(SpinBinding("UpDownOmez1"), ui.EditOmez1);
    ui.LabelOmez1 = NewLabel(box, "LabelOmez1", 83, 134);
    ui.EditRetard = NewEdit(box, "EditRetard", 16, 160, 42);
    ui.UpDownRetard = NewBoundUpDown(SpinBinding("UpDownRetard"), ui.EditRetard);
    ui.LabelRetard = NewLabel(box, "LabelRetard", 83, 164);
    ui.EditClutch1 = NewEdit(box, "EditClutch1", 16, 190, 42);
    ui.UpDownClutch1 = NewBoundUpDown(SpinBinding("UpDownClutch1"), ui.EditClutch1);
    ui.LabelClutch1 = NewLabel(box, "LabelClutch1", 83, 194);
    ui.EditClutch2 = NewEdit(box, "EditClutch2", 16, 220, 42);
    ui.UpDownClutch2 = NewBoundUpDown(SpinBinding("UpDownClutch2"), ui.EditClutch2);
    ui.LabelClutch2 = NewLabel(box, "LabelClutch2", 83, 224);

    ui.LabelMonLedRazeni = NewMonitorLabel(client, "LabelMonLedRazeni", 662, 612);
    ui.LabelMonRetard = NewMonitorLabel(client, "LabelMonRetard", 662, 634);
    ui.LabelClutchMon = NewMonitorLabel(client, "LabelClutchMon", 662, 656);
    ui.LabelBlocking = NewMonitorLabel(client, "LabelBlocking", 662, 678);
    ui.LabelMonStartLimiterOut = NewMonitorLabel(client, "LabelMonStartLimiterOut", 662, 700);
    BuildHiddenGroups(ui, client);

    for (QWidget* hidden : std::initializer_list<QWidget*>{ui.EditOmez1,
                                                           ui.UpDownOmez1,
                                                           ui.LabelOmez1,
                                                           ui.EditRetard,
                                                           ui.UpDownRetard,
                                                           ui.LabelRetard,
                                                           ui.EditClutch1,
                                                           ui.UpDownClutch1,
                                                           ui.LabelClutch1,
                                                           ui.EditClutch2,
                                                           ui.UpDownClutch2,
                                                           ui.LabelClutch2,
                                                           ui.RadioGroupInput1,
                                                           ui.RadioGroupInput2,
                                                           ui.GroupBoxRpm,
                                                           ui.GroupBox1,
                                                           ui.GroupBoxMonInput,
                                                           ui.LabelMonInput2In,
                                                           ui.LabelMonLedRazeni,
                                                           ui.LabelMonRetard,
                                                           ui.LabelClutchMon,
                                                           ui.LabelBlocking,
                                                           ui.LabelMonStartLimiterOut})
        hidden->hide();
}
