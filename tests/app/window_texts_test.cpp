#include "texts/form_texts.h"
#include "texts/language.h"
#include "ui/control_text.h"
#include "ui/hint_router.h"
#include "ui/radio_group.h"
#include "window_access.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

QString CaptionOf(QObject* control)
{
    if (auto* menu = qobject_cast<QMenu*>(control))
        return menu->title();
    if (auto* item = qobject_cast<QAction*>(control))
        return item->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return group->title();
    return qobject_cast<QWidget*>(control)->windowTitle();
}

QString HintOf(QObject* control)
{
    if (auto* menu = qobject_cast<QMenu*>(control))
        return THintRouter::Hint(menu->menuAction());
    return THintRouter::Hint(control);
}

QString TextOf(QObject* control, TTextKind kind)
{
    switch (kind) {
    case TTextKind::Caption:
        return CaptionOf(control);
    case TTextKind::Hint:
        return HintOf(control);
    case TTextKind::Items:
        return qobject_cast<TRadioGroup*>(control)->Items().join('\n');
    }
    return {};
}

void Enter(QWidget* widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &enter);
}

struct WindowTexts : testing::Test {
    TFakePort* port = nullptr;
    std::unique_ptr<TFormHlav> created = NewForm(port);
    TFormHlav& form = *created;

    void TearDown() override { LanguageIndex = 0; }

    // The Language menu's item of that language.
    void Switch(std::uint8_t language)
    {
        const char* const items[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};
        FindNamed<QAction>(form, QLatin1String(items[language]))->trigger();
    }

    QObject* Control(const std::string& name)
    {
        if (name == "FormHlav")
            return &form;
        return form.findChild<QObject*>(QString::fromStdString(name));
    }
    QString Caption(const char* name) { return CaptionOf(Control(name)); }
};

TEST_F(WindowTexts, EveryTableRowNamesAControlThatTakesItsText)
{
    for (std::uint8_t language = 0; language < LanguageCount; ++language) {
        const TMessageTable messages = BuildMessageTable(language);
        std::vector<TControlText> rows = BuildCaptionTable(language, messages);
        const std::vector<TControlText> live = LiveDisplayPlaceholders(messages);
        rows.insert(rows.end(), live.begin(), live.end());
        rows.insert(rows.end(), FormTexts().begin(), FormTexts().end());
        for (const TControlText& row : rows) {
            QObject* control = Control(row.Control);
            ASSERT_TRUE(control) << row.Control << " is no control of the window";
            EXPECT_TRUE(ApplyControlText(control, row.Kind, row.Text))
                << row.Control << " cannot take text kind " << int(row.Kind);
        }
    }
}

struct TListed {
    const char* Control;
    TTextKind Kind;
};

// Every place the caption and hint table writes, as the window's design lists them.
const std::vector<TListed> Listed{{"FormHlav", TTextKind::Caption},
                                  {"LabelSpojeni", TTextKind::Caption},
                                  {"CheckBoxIgnAll", TTextKind::Caption},
                                  {"CheckBoxProgHned", TTextKind::Caption},
                                  {"CheckBoxZakazCteni", TTextKind::Caption},
                                  {"LabelAdvance1", TTextKind::Caption},
                                  {"LabelAdvance2", TTextKind::Caption},
                                  {"LabelOmez1", TTextKind::Caption},
                                  {"LabelOmez2", TTextKind::Caption},
                                  {"LabelBaseAdv", TTextKind::Caption},
                                  {"LabelPocetBodu", TTextKind::Caption},
                                  {"LabelRetard", TTextKind::Caption},
                                  {"LabelLedRazeni", TTextKind::Caption},
                                  {"CheckBoxRevOutLedRazeni", TTextKind::Caption},
                                  {"RadioGroupPolarita", TTextKind::Caption},
                                  {"GroupBoxRpm", TTextKind::Caption},
                                  {"LabelRpmPulsu", TTextKind::Caption},
                                  {"LabelRpmKorekce", TTextKind::Caption},
                                  {"GroupBoxMonInput", TTextKind::Caption},
                                  {"RadioGroupPolarita", TTextKind::Items},
                                  {"RadioGroupInput1", TTextKind::Items},
                                  {"RadioGroupInput2", TTextKind::Items},
                                  {"MenuFile", TTextKind::Caption},
                                  {"MenuNew", TTextKind::Caption},
                                  {"MenuOpen", TTextKind::Caption},
                                  {"MenuSave", TTextKind::Caption},
                                  {"MenuPrint", TTextKind::Caption},
                                  {"MenuExit", TTextKind::Caption},
                                  {"MenuCom", TTextKind::Caption},
                                  {"MenuDevice", TTextKind::Caption},
                                  {"MenuTools", TTextKind::Caption},
                                  {"MenuLanguage", TTextKind::Caption},
                                  {"MenuEnglish", TTextKind::Caption},
                                  {"MenuGerman", TTextKind::Caption},
                                  {"MenuFrench", TTextKind::Caption},
                                  {"MenuCzech", TTextKind::Caption},
                                  {"MenuHelp", TTextKind::Caption},
                                  {"MenuContens", TTextKind::Caption},
                                  {"MenuAbout", TTextKind::Caption},
                                  {"MenuZpet", TTextKind::Caption},
                                  {"MenuZnovu", TTextKind::Caption},
                                  {"LabelVerze1", TTextKind::Hint},
                                  {"LabelVerze2", TTextKind::Hint},
                                  {"LabelVerze3", TTextKind::Hint},
                                  {"SpeedButton5", TTextKind::Hint},
                                  {"MenuOpen", TTextKind::Hint},
                                  {"SpeedButton6", TTextKind::Hint},
                                  {"MenuNew", TTextKind::Hint},
                                  {"SpeedButton7", TTextKind::Hint},
                                  {"MenuSave", TTextKind::Hint},
                                  {"SpeedButtonPrint", TTextKind::Hint},
                                  {"MenuPrint", TTextKind::Hint},
                                  {"ButtonProgram", TTextKind::Hint},
                                  {"MenuProgram", TTextKind::Hint},
                                  {"ButtonVerify", TTextKind::Hint},
                                  {"MenuVerify", TTextKind::Hint},
                                  {"BitBtnAdvMinus", TTextKind::Hint},
                                  {"BitBtnAdvPlus", TTextKind::Hint},
                                  {"ButtonRead", TTextKind::Hint},
                                  {"MenuRead", TTextKind::Hint},
                                  {"MenuExit", TTextKind::Hint},
                                  {"MenuLanguage", TTextKind::Hint},
                                  {"CheckBoxProgHned", TTextKind::Hint},
                                  {"MenuCom", TTextKind::Hint},
                                  {"LabelRpm1", TTextKind::Hint},
                                  {"LabelRpm2", TTextKind::Hint},
                                  {"MenuEnglish", TTextKind::Hint},
                                  {"MenuGerman", TTextKind::Hint},
                                  {"MenuFrench", TTextKind::Hint},
                                  {"MenuCzech", TTextKind::Hint},
                                  {"MenuRead", TTextKind::Caption},
                                  {"ButtonRead", TTextKind::Caption},
                                  {"MenuVerify", TTextKind::Caption},
                                  {"ButtonVerify", TTextKind::Caption},
                                  {"MenuProgram", TTextKind::Caption},
                                  {"ButtonProgram", TTextKind::Caption},
                                  {"MenuAdvanceMinus", TTextKind::Caption},
                                  {"MenuAdvancePlus", TTextKind::Caption},
                                  {"RadioGroupInput1", TTextKind::Caption},
                                  {"RadioGroupInput2", TTextKind::Caption},
                                  {"LabelMonInput1In", TTextKind::Caption},
                                  {"LabelMonInput2In", TTextKind::Caption},
                                  {"LabelFile1", TTextKind::Caption}};

TEST_F(WindowTexts, EveryListedPlaceReceivesItsTextInEveryLanguage)
{
    for (std::uint8_t language = 0; language < LanguageCount; ++language) {
        for (const TListed& listed : Listed) {
            QObject* control = Control(listed.Control);
            ASSERT_TRUE(control) << listed.Control;
            if (listed.Kind == TTextKind::Items)
                qobject_cast<TRadioGroup*>(control)->SetItems({});
            else
                ApplyControlText(control, listed.Kind, "");
        }
        Switch(language);
        for (const TListed& listed : Listed)
            EXPECT_FALSE(TextOf(Control(listed.Control), listed.Kind).isEmpty())
                << listed.Control << " kind " << int(listed.Kind) << " language " << int(language);
    }
}

TEST_F(WindowTexts, EnglishAsTheWindowShowsIt)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Programming of Kolvane unit"));
    EXPECT_EQ(CONTROL(form, ButtonProgram)->text(), QStringLiteral("&Programing"));
    EXPECT_EQ(CONTROL(form, ButtonProgram)->toolTip(),
              QStringLiteral("Programing  set parametrs to ignition"));
    EXPECT_EQ(CONTROL(form, MenuRead)->text(), QStringLiteral("&Read"));
    EXPECT_EQ(CONTROL(form, MenuAdvanceMinus)->text(), QStringLiteral("Advance -"));
    EXPECT_EQ(CONTROL(form, MenuTools)->title(), QStringLiteral("Tools"));
    EXPECT_EQ(CONTROL(form, LabelFile1)->text(), QStringLiteral("&File:"));
    EXPECT_EQ(CONTROL(form, LabelSpojeni)->text(), QStringLiteral("No connection with PC"));
    EXPECT_EQ(CONTROL(form, RadioGroupPolarita)->Items(),
              QStringList({"Positive", "Negative", "Selfsearch"}));
    EXPECT_EQ(CONTROL(form, RadioGroupInput1)->title(), QStringLiteral("Input 1"));
    EXPECT_EQ(CONTROL(form, LabelMon_Advance)->text(), QStringLiteral("Advance= --- [°]"));
    EXPECT_EQ(CONTROL(form, LabelPocetProgramovani)->text(),
              QStringLiteral("Number of Programing=  ---"));
    EXPECT_EQ(CONTROL(form, LabelRpm1)->text(), QStringLiteral("RPM"));
    EXPECT_EQ(CONTROL(form, LabelKillSwitch)->text(), QStringLiteral("Kill switch = ---"));
    EXPECT_EQ(CONTROL(form, LabelTest3)->text(), QStringLiteral("Test3 = ---"));
}

TEST_F(WindowTexts, GermanAndBackAgain)
{
    Switch(1);
    EXPECT_EQ(CONTROL(form, ButtonProgram)->text(), QStringLiteral("&Programmieren"));
    EXPECT_EQ(CONTROL(form, ButtonProgram)->toolTip(),
              QStringLiteral("Kenndaten in die Zündung programmieren"));
    EXPECT_EQ(CONTROL(form, LabelFile1)->text(), QStringLiteral("&Datei:"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Programmierung der Kolvane Zündbox"));
    EXPECT_EQ(form.Link().Messages()[MsgProgramError], "Programmierfehler!");
    EXPECT_EQ(CONTROL(form, LabelRpm1)->text(), QStringLiteral("RPM")) << "no row changes it";
    Switch(0);
    EXPECT_EQ(CONTROL(form, ButtonProgram)->text(), QStringLiteral("&Programing"));
    EXPECT_EQ(CONTROL(form, ButtonProgram)->toolTip(),
              QStringLiteral("Programing  set parametrs to ignition"));
}

TEST_F(WindowTexts, CzechAndFrenchPeculiarities)
{
    Switch(3);
    EXPECT_EQ(CONTROL(form, MenuCzech)->text(), QStringLiteral("Če&sky"));
    EXPECT_EQ(CONTROL(form, MenuFrench)->text(), QStringLiteral("Francouzky"));
    EXPECT_EQ(CONTROL(form, MenuHelp)->title(), QStringLiteral("Nápověda"));
    EXPECT_FALSE(CONTROL(form, MenuTools)->title().contains('&'));
    Switch(2);
    EXPECT_EQ(CONTROL(form, CheckBoxRevOutLedRazeni)->text(),
              QStringLiteral("Reverse otput polarity"));
    EXPECT_EQ(CONTROL(form, RadioGroupInput1)->Items()[2], QStringLiteral("par embeillage"));
}

TEST_F(WindowTexts, ExactlyTheChosenLanguageIsChecked)
{
    const std::vector<QAction*> items{CONTROL(form, MenuEnglish), CONTROL(form, MenuGerman),
                                      CONTROL(form, MenuFrench), CONTROL(form, MenuCzech)};
    const auto checked = [&items] {
        std::vector<int> on;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i]->isChecked())
                on.push_back(static_cast<int>(i));
        return on;
    };
    EXPECT_EQ(checked(), std::vector<int>{0}) << "at start";
    for (int language : {2, 3, 1, 0, 0}) {
        items[static_cast<std::size_t>(language)]->trigger();
        EXPECT_EQ(LanguageIndex, language);
        EXPECT_EQ(checked(), std::vector<int>{language});
    }
    Switch(3);
    EXPECT_EQ(checked(), std::vector<int>{3});
}

TEST_F(WindowTexts, LanguageItemHintsNeverChange)
{
    for (std::uint8_t language = 0; language < LanguageCount; ++language) {
        Switch(language);
        EXPECT_EQ(HintOf(CONTROL(form, MenuEnglish)), QStringLiteral("Set English menu"));
        EXPECT_EQ(HintOf(CONTROL(form, MenuGerman)), QStringLiteral("Deutsches Menü"));
        EXPECT_EQ(HintOf(CONTROL(form, MenuFrench)), QStringLiteral("Installer en Francais "));
        EXPECT_EQ(HintOf(CONTROL(form, MenuCzech)), QStringLiteral("Nastavit české menu"));
    }
}

TEST_F(WindowTexts, RadioGroupsKeepTheirSelectionAcrossLanguages)
{
    CONTROL(form, RadioGroupPolarita)->SetItemIndex(2);
    CONTROL(form, RadioGroupInput1)->SetItemIndex(3);
    Switch(1);
    EXPECT_EQ(CONTROL(form, RadioGroupPolarita)->ItemIndex(), 2);
    EXPECT_EQ(CONTROL(form, RadioGroupPolarita)->Items()[2], QStringLiteral("Automatisch"));
    EXPECT_EQ(CONTROL(form, RadioGroupInput1)->ItemIndex(), 3);
    EXPECT_EQ(CONTROL(form, RadioGroupInput2)->ItemIndex(), 0);
}

TEST_F(WindowTexts, PlaceholdersOnlyWhileTheUnitIsSilent)
{
    Switch(3); // no answer yet
    EXPECT_EQ(CONTROL(form, LabelMonHardLimiter)->text(), QStringLiteral("Omezovač: ---"));
    EXPECT_EQ(CONTROL(form, LabelMonInput1In)->text(), QStringLiteral("Vstup 1: ---"));
    EXPECT_EQ(CONTROL(form, LabelPolaritaMer)->text(), QStringLiteral("Polarita CKPS: ---"));

    TFrameData data{};
    data[MonitorByte::Input1 - 1] = 1;
    data[MonitorByte::Version - 1] = ExpectedUnitVersion;
    const TLinkFrame answer = MakeFrame(FrameCode::MonitorAnswer, data);
    port->Queue({answer.Bytes.begin(), answer.Bytes.end()});
    Tick(form); // the unit answers; its values are on the labels
    EXPECT_EQ(CONTROL(form, LabelMonHardLimiter)->text(), QStringLiteral("Omezovač - Ne"));
    Switch(1);
    EXPECT_EQ(CONTROL(form, LabelMonHardLimiter)->text(), QStringLiteral("Omezovač - Ne"));
    EXPECT_EQ(CONTROL(form, LabelMonInput1In)->text(), QStringLiteral("Vstup 1: Ano"));
    EXPECT_EQ(CONTROL(form, RadioGroupInput1)->title(), QStringLiteral("Eingang 1"))
        << "captions still follow";
}

TEST_F(WindowTexts, StatusBarShowsTheLongHintOfTheControlUnderTheMouse)
{
    form.show();
    Enter(CONTROL(form, LabelRpm1));
    EXPECT_EQ(CONTROL(form, StatusBar1)->currentMessage(),
              QStringLiteral("Speed - Round per Minute"));
    Enter(CONTROL(form, SpeedButtonZpet));
    EXPECT_TRUE(CONTROL(form, StatusBar1)->currentMessage().isEmpty()) << "Undo has no hint";
    Enter(CONTROL(form, ButtonVerify));
    EXPECT_EQ(CONTROL(form, StatusBar1)->currentMessage(),
              QStringLiteral("Compare set parametrs  with parametrs of ignition"));
    CONTROL(form, MenuAdvanceMinus)->hover();
    EXPECT_EQ(CONTROL(form, StatusBar1)->currentMessage(),
              QStringLiteral("Take off 1 degree of curve A"));

    Switch(3);
    Enter(CONTROL(form, LabelRpm2));
    EXPECT_EQ(CONTROL(form, StatusBar1)->currentMessage(),
              QStringLiteral("Rychlost - Otáčky za minutu"));
    Switch(1);
    Enter(CONTROL(form, LabelRpm2));
    EXPECT_EQ(CONTROL(form, StatusBar1)->currentMessage(),
              QStringLiteral("Umdrehungen pro Minute"));
}

TEST_F(WindowTexts, TooltipsOnlyWhereTheWindowShowsThem)
{
    const std::set<QString> marked{
        "SpeedButton6", "SpeedButton5",  "SpeedButton7",   "SpeedButtonPrint", "ButtonRead",
        "ButtonVerify", "ButtonProgram", "BitBtnAdvMinus", "BitBtnAdvPlus",    "CheckBoxProgHned",
        "LabelVerze1",  "LabelVerze2",   "LabelVerze3"};
    std::set<QString> withTooltip;
    for (const QWidget* widget : form.findChildren<QWidget*>())
        if (!widget->toolTip().isEmpty())
            withTooltip.insert(widget->objectName());
    EXPECT_EQ(withTooltip, marked);
    EXPECT_EQ(CONTROL(form, SpeedButton6)->toolTip(), QStringLiteral("Set default parametrs"));
    EXPECT_EQ(CONTROL(form, LabelVerze2)->toolTip(), QStringLiteral("Date of program in ignition"));
}

} // namespace

TEST_F(WindowTexts, FixedSizeTextsFitTheirControlsInEveryLanguage)
{
    for (std::uint8_t language = 0; language < LanguageCount; ++language) {
        Switch(language);
        QLabel* spojeni = CONTROL(form, LabelSpojeni);
        EXPECT_EQ(spojeni->size(), QSize(174, 29)) << int(language);
        EXPECT_LE(QFontMetrics(spojeni->font()).horizontalAdvance(spojeni->text()), 174)
            << int(language);
        QCheckBox* all = CONTROL(form, CheckBoxIgnAll);
        QStyleOptionButton option;
        option.initFrom(all);
        const QRect caption = all->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, all);
        EXPECT_LE(QFontMetrics(all->font()).horizontalAdvance(all->text()), caption.width())
            << all->text().toStdString();
    }
}
