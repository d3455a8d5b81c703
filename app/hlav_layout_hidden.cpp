// Controls that hold parameter values or monitor texts but are never shown.
#include "app/hlav.h"

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
} // namespace

// They lie below the visible part of their group.
void TFormHlav::BuildHiddenControls(QWidget* client)
{
    QWidget* box = GroupBox2;
    EditOmez1 = NewEdit(box, "EditOmez1", 16, 130, 42);
    UpDownOmez1 = NewUpDown("UpDownOmez1", EditOmez1, {999, 25000, 100, 15000}, true);
    LabelOmez1 = NewLabel(box, "LabelOmez1", 83, 134);
    EditRetard = NewEdit(box, "EditRetard", 16, 160, 42);
    UpDownRetard = NewUpDown("UpDownRetard", EditRetard, {0, 25, 1, 0}, true);
    LabelRetard = NewLabel(box, "LabelRetard", 83, 164);
    EditClutch1 = NewEdit(box, "EditClutch1", 16, 190, 42);
    UpDownClutch1 = NewUpDown("UpDownClutch1", EditClutch1, {0, 2500, 10, 2500}, true);
    LabelClutch1 = NewLabel(box, "LabelClutch1", 83, 194);
    EditClutch2 = NewEdit(box, "EditClutch2", 16, 220, 42);
    UpDownClutch2 = NewUpDown("UpDownClutch2", EditClutch2, {0, 2500, 10, 2500}, true);
    LabelClutch2 = NewLabel(box, "LabelClutch2", 83, 224);

    LabelMonLedRazeni = NewMonitorLabel(client, "LabelMonLedRazeni", 662, 612);
    LabelMonRetard = NewMonitorLabel(client, "LabelMonRetard", 662, 634);
    LabelClutchMon = NewMonitorLabel(client, "LabelClutchMon", 662, 656);
    LabelBlocking = NewMonitorLabel(client, "LabelBlocking", 662, 678);
    LabelMonStartLimiterOut = NewMonitorLabel(client, "LabelMonStartLimiterOut", 662, 700);
    BuildHiddenGroups(client);

    for (QWidget* hidden : std::initializer_list<QWidget*>{EditOmez1,
                                                           UpDownOmez1,
                                                           LabelOmez1,
                                                           EditRetard,
                                                           UpDownRetard,
                                                           LabelRetard,
                                                           EditClutch1,
                                                           UpDownClutch1,
                                                           LabelClutch1,
                                                           EditClutch2,
                                                           UpDownClutch2,
                                                           LabelClutch2,
                                                           RadioGroupInput1,
                                                           RadioGroupInput2,
                                                           GroupBoxRpm,
                                                           GroupBox1,
                                                           GroupBoxMonInput,
                                                           LabelMonInput2In,
                                                           LabelMonLedRazeni,
                                                           LabelMonRetard,
                                                           LabelClutchMon,
                                                           LabelBlocking,
                                                           LabelMonStartLimiterOut})
        hidden->hide();
}

void TFormHlav::BuildHiddenGroups(QWidget* client)
{
    RadioGroupInput1 = NewRadioGroup(client, "RadioGroupInput1", {662, 149, 144, 85});
    RadioGroupInput2 = NewRadioGroup(client, "RadioGroupInput2", {658, 254, 122, 84});

    GroupBoxRpm = NewGroupBox(client, "GroupBoxRpm", {834, 211, 135, 89});
    EditRpmPulsu = NewEdit(GroupBoxRpm, "EditRpmPulsu", 8, 20, 30);
    UpDownRpmPulsu = NewUpDown("UpDownRpmPulsu", EditRpmPulsu, {1, 6, 1, 1}, true);
    LabelRpmPulsu = NewLabel(GroupBoxRpm, "LabelRpmPulsu", 60, 24);
    EditRpmKorekce = NewEdit(GroupBoxRpm, "EditRpmKorekce", 8, 52, 30);
    UpDownRpmKorekce = NewUpDown("UpDownRpmKorekce", EditRpmKorekce, {-60, 60, 1, 0}, true);
    LabelRpmKorekce = NewLabel(GroupBoxRpm, "LabelRpmKorekce", 60, 56);

    GroupBox1 = NewGroupBox(client, "GroupBox1", {673, 344, 258, 65});
    EditLedRazeni = NewEdit(GroupBox1, "EditLedRazeni", 8, 16, 42);
    UpDownLedRazeni = NewUpDown("UpDownLedRazeni", EditLedRazeni, {1000, 25000, 100, 15000}, true);
    LabelLedRazeni = NewLabel(GroupBox1, "LabelLedRazeni", 74, 20);
    CheckBoxRevOutLedRazeni = NewCheckBox(GroupBox1, "CheckBoxRevOutLedRazeni", {8, 42, 200, 17});

    GroupBoxMonInput = NewGroupBox(client, "GroupBoxMonInput", {791, 427, 252, 65});
    LabelMonInput1In = NewMonitorLabel(GroupBoxMonInput, "LabelMonInput1In", 8, 16);
    LabelMonInput2In = NewMonitorLabel(GroupBoxMonInput, "LabelMonInput2In", 8, 38);
}
