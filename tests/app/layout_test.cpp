#include "params/binding.h"
#include "texts/number_text.h"
#include "window_access.h"

#include "ui/radio_group.h"
#include "ui/up_down.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LayoutTest : testing::Test {
    std::unique_ptr<TFormHlav> created = NewForm();
    TFormHlav& form = *created;

    QWidget* Control(const char* name) { return FindNamed<QWidget>(form, QLatin1String(name)); }
};

struct TPlace {
    const char* Name;
    QRect Geometry;
};

TEST_F(LayoutTest, RegionsSitWhereTheWindowPutsThem)
{
    const std::vector<TPlace> regions{
        {"GroupBoxToolBar", {4, 0, 437, 43}},        {"GrafAdv", {4, 49, 333, 103}},
        {"ImageLogo", {305, 42, 565, 112}},          {"GroupBox6", {4, 153, 333, 409}},
        {"RadioGroupPolarita", {343, 153, 252, 90}}, {"GroupBox2", {343, 243, 252, 115}},
        {"CGaugeRpm", {359, 402, 241, 16}},          {"CGaugeProgram", {8, 585, 273, 16}},
        {"RadioGroupInput1", {662, 149, 144, 85}},   {"RadioGroupInput2", {658, 254, 122, 84}},
        {"GroupBoxRpm", {834, 211, 135, 89}},        {"GroupBox1", {673, 344, 258, 65}},
        {"GroupBoxMonInput", {791, 427, 252, 65}}};
    for (const TPlace& place : regions)
        EXPECT_EQ(Control(place.Name)->geometry(), place.Geometry) << place.Name;
}

TEST_F(LayoutTest, ClientAreaIs870By780WithTheStatusBarAlongTheBottom)
{
    form.show();
    const int menuHeight = CONTROL(form, MainMenu1)->height();
    EXPECT_EQ(form.size(), QSize(870, 780 + menuHeight));
    EXPECT_EQ(form.centralWidget()->geometry(), QRect(0, menuHeight, 870, 761));
    EXPECT_EQ(CONTROL(form, StatusBar1)->geometry(), QRect(0, menuHeight + 761, 870, 19));

    // Resizing moves only the status bar.
    form.resize(1000, 900 + menuHeight);
    QApplication::processEvents();
    EXPECT_EQ(CONTROL(form, StatusBar1)->geometry(), QRect(0, menuHeight + 881, 1000, 19));
    EXPECT_EQ(CONTROL(form, GroupBox6)->pos(), QPoint(4, 153));
}

TEST_F(LayoutTest, ToolBarButtonsInALine)
{
    const std::vector<TPlace> buttons{
        {"SpeedButton6", {8, 0, 24, 23}},      {"SpeedButton5", {40, 0, 24, 23}},
        {"SpeedButton7", {73, 0, 24, 23}},     {"SpeedButtonPrint", {106, 0, 24, 23}},
        {"SpeedButtonZpet", {139, 0, 23, 22}}, {"SpeedButtonZnovu", {172, 0, 23, 22}},
        {"ButtonRead", {206, 0, 57, 23}},      {"ButtonVerify", {273, 0, 65, 23}},
        {"ButtonProgram", {348, 0, 81, 23}}};
    for (const TPlace& place : buttons) {
        QWidget* button = Control(place.Name);
        EXPECT_EQ(button->parentWidget(), CONTROL(form, GroupBoxToolBar)) << place.Name;
        EXPECT_EQ(button->x(), place.Geometry.x()) << place.Name;
        EXPECT_EQ(button->size(), place.Geometry.size()) << place.Name;
        EXPECT_TRUE(button->geometry().bottom() < 43 && button->y() > 0) << place.Name;
    }
}

TEST_F(LayoutTest, LabelsStartWhereTheWindowPutsThem)
{
    const std::vector<std::pair<const char*, QPoint>> labels{{"LabelSpojeni", {445, 9}},
                                                             {"LabelRpm1", {28, 20}},
                                                             {"LabelRpm2", {188, 20}},
                                                             {"LabelAdvance1", {98, 20}},
                                                             {"LabelAdvance2", {258, 20}},
                                                             {"LabelPocetBodu", {179, 292}},
                                                             {"LabelBaseAdv", {179, 346}},
                                                             {"LabelOmez2", {83, 32}},
                                                             {"LabelRpm", {359, 380}},
                                                             {"LabelMon_Advance", {359, 424}},
                                                             {"LabelSnimac", {359, 447}},
                                                             {"LabelNapeti", {359, 469}},
                                                             {"LabelKillSwitch", {359, 492}},
                                                             {"LabelMonHardLimiter", {359, 518}},
                                                             {"LabelPolaritaMer", {359, 544}},
                                                             {"LabelCom", {359, 570}},
                                                             {"LabelHlaseni", {9, 562}},
                                                             {"LabelVerze1", {13, 612}},
                                                             {"LabelVerze2", {85, 612}},
                                                             {"LabelVerze3", {158, 612}},
                                                             {"LabelPocetProgramovani", {13, 628}},
                                                             {"LabelFile1", {13, 648}},
                                                             {"LabelFile2", {60, 648}},
                                                             {"LabelVersion", {13, 696}},
                                                             {"LabelEeDataErr", {13, 728}}};
    for (const auto& [name, at] : labels)
        EXPECT_EQ(Control(name)->pos(), at) << name;

    const std::vector<int> testTops{427, 449, 472, 494, 521, 543, 565, 587};
    for (std::size_t i = 0; i < testTops.size(); ++i) {
        const std::string name = "LabelTest" + std::to_string(i + 1);
        const QPoint at = Control(name.c_str())->pos();
        EXPECT_EQ(at.y(), testTops[i]) << name;
        EXPECT_TRUE(at.x() == 652 || at.x() == 654) << name;
    }
}

TEST_F(LayoutTest, EditorControlsOfTheCurveAndOptions)
{
    const std::vector<TPlace> controls{
        {"EditPocetBodu", {179, 312, 26, 0}},   {"UpDownPocetBodu", {205, 312, 16, 0}},
        {"EditBaseAdv", {179, 369, 42, 0}},     {"UpDownBaseAdv", {221, 369, 16, 0}},
        {"EditOmez2", {16, 28, 42, 0}},         {"UpDownOmez2", {58, 28, 16, 0}},
        {"BitBtnAdvMinus", {181, 240, 20, 20}}, {"BitBtnAdvPlus", {229, 240, 20, 20}},
        {"CheckBoxIgnAll", {272, 242, 40, 17}}, {"CheckBoxZakazCteni", {16, 66, 193, 17}},
        {"CheckBoxProgHned", {16, 91, 193, 16}}};
    for (const TPlace& place : controls) {
        const QRect at = Control(place.Name)->geometry();
        EXPECT_EQ(at.topLeft(), place.Geometry.topLeft()) << place.Name;
        EXPECT_EQ(at.width(), place.Geometry.width()) << place.Name;
        if (place.Geometry.height() > 0) {
            EXPECT_EQ(at.height(), place.Geometry.height()) << place.Name;
        }
    }
    EXPECT_EQ(CONTROL(form, EditOmez2)->parentWidget(), CONTROL(form, GroupBox2));
    EXPECT_EQ(CONTROL(form, EditPocetBodu)->parentWidget(), CONTROL(form, GroupBox6));
}

TEST_F(LayoutTest, CurveRowsRunInTwoColumnPairs)
{
    const int tops[CurvePoints] = {49,  85,  120, 156, 191, 227, 262, 298,
                                   334, 370, 47,  83,  118, 154, 189};
    for (int i = 0; i < CurvePoints; ++i) {
        const int speedLeft = i < 10 ? 20 : 179;
        const int advanceLeft = i < 10 ? 99 : 258;
        const QString n = QString::number(i + 1);
        SCOPED_TRACE(("point " + n).toStdString());
        auto* rpmEdit = FindNamed<QLineEdit>(form, "EditRpmAdv" + n);
        auto* advanceEdit = FindNamed<QLineEdit>(form, "EditAdvance" + n);
        auto* rpmSpinner = FindNamed<TUpDown>(form, "UpDownRpmAdv" + n);
        auto* advanceSpinner = FindNamed<TUpDown>(form, "UpDownAdvance" + n);
        EXPECT_EQ(rpmEdit->geometry().topLeft(), QPoint(speedLeft, tops[i]));
        EXPECT_EQ(rpmEdit->width(), 40);
        EXPECT_EQ(rpmSpinner->geometry().topLeft(), QPoint(speedLeft + 40, tops[i]));
        EXPECT_EQ(rpmSpinner->width(), 16);
        EXPECT_EQ(advanceEdit->geometry().topLeft(), QPoint(advanceLeft, tops[i]));
        EXPECT_EQ(advanceEdit->width(), 30);
        EXPECT_EQ(advanceSpinner->x(), advanceLeft + 30);
        EXPECT_EQ(rpmSpinner->Associate(), rpmEdit);
        EXPECT_EQ(advanceSpinner->Associate(), advanceEdit);
    }
}

// The window's spinners take their ranges from the core's binding table and,
// once started, show the image's bytes in them.
TEST_F(LayoutTest, SpinnersFollowTheBindingTableAndShowTheImage)
{
    std::vector<TSpinBinding> bindings(ScalarBindings().begin(), ScalarBindings().end());
    for (int i = 0; i < CurvePoints; ++i) {
        bindings.push_back(CurveSpeedBinding(i));
        bindings.push_back(CurveAdvanceBinding(i));
    }
    for (const TSpinBinding& binding : bindings) {
        auto* spinner = FindNamed<TUpDown>(form, QString::fromStdString(binding.Spinner));
        ASSERT_TRUE(spinner);
        EXPECT_EQ(spinner->Min(), binding.Min) << binding.Spinner;
        EXPECT_EQ(spinner->Max(), binding.Max) << binding.Spinner;
        EXPECT_EQ(spinner->Increment(), binding.Step) << binding.Spinner;
        EXPECT_EQ(spinner->Associate()->objectName().toStdString(), binding.Edit);
        const int shown =
            std::clamp(DisplayValue(binding, form.Image()[binding.Byte]), binding.Min, binding.Max);
        EXPECT_EQ(spinner->Position(), shown) << binding.Spinner;
        EXPECT_EQ(spinner->Associate()->text().toStdString(),
                  GroupDigits(shown, binding.Grouped, ","))
            << binding.Spinner;
    }
}

TEST_F(LayoutTest, SpeedFromItsSpinnerReadsWithADigitGroupAdvanceNever)
{
    CONTROL(form, UpDownRpmAdv9)->SetPosition(9900);
    CONTROL(form, UpDownRpmAdv9)->Click(TUpDown::TButton::Next);
    EXPECT_EQ(CONTROL(form, EditRpmAdv9)->text(), QStringLiteral("10,000"));
    for (int i = 0; i < 61; ++i)
        CONTROL(form, UpDownAdvance9)->Click(TUpDown::TButton::Next);
    EXPECT_EQ(CONTROL(form, EditAdvance9)->text(), QStringLiteral("60"));
    EXPECT_FALSE(CONTROL(form, UpDownAdvance9)->Thousands());
}

TEST_F(LayoutTest, VisibleAtStartAndHiddenAtStart)
{
    form.show();
    for (const char* name :
         {"GroupBoxToolBar",  "LabelSpojeni",        "GrafAdv",          "ImageLogo",
          "GroupBox6",        "EditRpmAdv1",         "UpDownAdvance1",   "RadioGroupPolarita",
          "GroupBox2",        "EditOmez2",           "UpDownOmez2",      "CheckBoxZakazCteni",
          "CheckBoxProgHned", "CheckBoxIgnAll",      "BitBtnAdvMinus",   "LabelRpm",
          "CGaugeRpm",        "LabelMon_Advance",    "LabelSnimac",      "LabelNapeti",
          "LabelKillSwitch",  "LabelMonHardLimiter", "LabelPolaritaMer", "LabelCom",
          "LabelVerze1",      "LabelVerze2",         "LabelVerze3",      "LabelPocetProgramovani",
          "LabelFile1",       "LabelFile2",          "StatusBar1"})
        EXPECT_TRUE(Control(name)->isVisible()) << name;
    for (const char* name : {"LabelHlaseni",
                             "CGaugeProgram",
                             "LabelEeDataErr",
                             "LabelVersion",
                             "LabelTest1",
                             "LabelTest8",
                             "GroupBoxMonInput",
                             "LabelMonInput1In",
                             "EditOmez1",
                             "UpDownOmez1",
                             "LabelOmez1",
                             "EditRetard",
                             "LabelRetard",
                             "EditClutch1",
                             "LabelClutch2",
                             "RadioGroupInput1",
                             "RadioGroupInput2",
                             "GroupBoxRpm",
                             "EditRpmPulsu",
                             "GroupBox1",
                             "EditLedRazeni",
                             "CheckBoxRevOutLedRazeni",
                             "LabelMonLedRazeni",
                             "LabelMonRetard",
                             "LabelClutchMon",
                             "LabelBlocking",
                             "LabelMonStartLimiterOut"})
        EXPECT_FALSE(Control(name)->isVisible()) << name;
}

TEST_F(LayoutTest, FontsOfTheLargeAndBoldLabels)
{
    struct TFontCase {
        const char* Name;
        int Pixels;
        bool Bold;
    };
    for (const TFontCase& c : std::vector<TFontCase>{{"LabelSpojeni", 23, true},
                                                     {"LabelRpm", 16, true},
                                                     {"LabelMon_Advance", 16, true},
                                                     {"LabelSnimac", 16, false},
                                                     {"LabelNapeti", 16, true},
                                                     {"LabelKillSwitch", 16, false},
                                                     {"LabelMonHardLimiter", 16, false},
                                                     {"LabelPolaritaMer", 16, false},
                                                     {"LabelCom", 16, false},
                                                     {"LabelHlaseni", 13, true},
                                                     {"LabelVersion", 19, true},
                                                     {"LabelEeDataErr", 19, true},
                                                     {"LabelTest5", 13, true},
                                                     {"BitBtnAdvPlus", 19, false},
                                                     {"LabelMonInput1In", 16, false},
                                                     {"LabelMonRetard", 16, false},
                                                     {"EditRpmAdv1", 11, false},
                                                     {"LabelRpm1", 11, false},
                                                     {"LabelVerze2", 11, false},
                                                     {"CheckBoxProgHned", 11, false}}) {
        const QFont font = Control(c.Name)->font();
        EXPECT_EQ(font.pixelSize(), c.Pixels) << c.Name;
        EXPECT_EQ(font.bold(), c.Bold) << c.Name;
    }
}

QColor Centre(QWidget* widget)
{
    return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
}

TEST_F(LayoutTest, ColoursOfTheWarningsAndGauges)
{
    form.show();
    EXPECT_EQ(CONTROL(form, LabelSpojeni)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(CONTROL(form, LabelSpojeni)->autoFillBackground());
    EXPECT_EQ(CONTROL(form, LabelVersion)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(CONTROL(form, LabelEeDataErr)->palette().color(QPalette::Window), QColor(255, 0, 0));

    CONTROL(form, CGaugeRpm)->setValue(100);
    EXPECT_EQ(Centre(CONTROL(form, CGaugeRpm)), QColor(255, 0, 255));
    EXPECT_FALSE(CONTROL(form, CGaugeRpm)->isTextVisible());
    EXPECT_EQ(CONTROL(form, CGaugeProgram)->maximum(), 3);
    EXPECT_TRUE(CONTROL(form, CGaugeProgram)->isTextVisible());
    CONTROL(form, CGaugeProgram)->setValue(3);
    CONTROL(form, CGaugeProgram)
        ->setTextVisible(false); // the percentage would sit on the sampled pixel
    EXPECT_EQ(Centre(CONTROL(form, CGaugeProgram)), QColor(0, 255, 255));
}

TEST_F(LayoutTest, TabWalksTheCurvePointByPointThenTheOtherEdits)
{
    Activate(form);
    CONTROL(form, EditRpmAdv1)->setFocus();
    const int points = form.Image()[ImageByte::PointCount]; // the rows after them are hidden
    std::vector<QString> visited;
    for (int i = 0; i < 2 * points + 3; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus);
        visited.push_back(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    std::vector<QString> expected;
    for (int i = 1; i <= points; ++i) {
        expected.push_back(QStringLiteral("EditRpmAdv%1").arg(i));
        expected.push_back(QStringLiteral("EditAdvance%1").arg(i));
    }
    expected.insert(expected.end(), {"EditPocetBodu", "EditBaseAdv", "EditOmez2"});
    EXPECT_EQ(visited, expected);
    // Then the polarity group's chosen item; nothing in the tool bar takes Tab.
    TRadioGroup* polarity = CONTROL(form, RadioGroupPolarita);
    EXPECT_EQ(QApplication::focusWidget(), polarity->Button(polarity->ItemIndex()));
}

TEST_F(LayoutTest, TabSkipsSpinnersCheckBoxesAndButtons)
{
    std::vector<QWidget*> skipped{
        CONTROL(form, CheckBoxIgnAll),   CONTROL(form, CheckBoxZakazCteni),
        CONTROL(form, CheckBoxProgHned), CONTROL(form, BitBtnAdvMinus),
        CONTROL(form, BitBtnAdvPlus),    CONTROL(form, ButtonRead),
        CONTROL(form, ButtonVerify),     CONTROL(form, ButtonProgram),
        CONTROL(form, SpeedButton6),     CONTROL(form, SpeedButtonZnovu),
        CONTROL(form, UpDownBaseAdv)};
    for (int i = 1; i <= CurvePoints; ++i)
        skipped.push_back(FindNamed<QWidget>(form, QStringLiteral("UpDownRpmAdv%1").arg(i)));
    for (QWidget* widget : skipped)
        EXPECT_FALSE(widget->focusPolicy() & Qt::TabFocus) << widget->objectName().toStdString();
}

TEST_F(LayoutTest, EnterMovesToTheNextPointsEdit)
{
    Activate(form);
    CONTROL(form, EditRpmAdv1)->setFocus();
    QTest::keyClick(CONTROL(form, EditRpmAdv1), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), CONTROL(form, EditAdvance1));
    QTest::keyClick(CONTROL(form, EditAdvance1), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), CONTROL(form, EditRpmAdv2));
}

} // namespace
