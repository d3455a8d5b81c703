// Editing the parameters the way a user does: arrows, typing, Enter, the
// boxes and the Advance buttons, checked against the image they reach.
#include "ui/radio_group.h"
#include "ui/up_down.h"
#include "window_access.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Editing : testing::Test {
    TFakePort* port = nullptr;
    std::unique_ptr<TFormHlav> created = NewForm(port);
    TFormHlav& form = *created;
    const TParamImage& image = form.Image();

    void SetUp() override
    {
        Activate(form);
        CONTROL(form, EditRpmAdv1)->setFocus();
    }

    // Types into an edit box and leaves it for another one.
    void Type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        CONTROL(form, EditBaseAdv)->setFocus();
    }
};

} // namespace

TEST_F(Editing, AnArrowChangesItsPointAndPushesTheNeighbours)
{
    for (int i = 0; i < 11; ++i) // 2500 to 3600 rpm, past point 4 at 3500
        CONTROL(form, UpDownRpmAdv3)->Click(TUpDown::TButton::Next);
    EXPECT_EQ(image.Speed(2), 36);
    EXPECT_EQ(image.ChangedPoint, 2);
    EXPECT_EQ(image.Speed(3), 37) << "pushed up";
    EXPECT_EQ(CONTROL(form, EditRpmAdv4)->text(), QStringLiteral("3,700")) << "and shown";
    for (int i = 0; i < 11; ++i)
        CONTROL(form, UpDownRpmAdv3)->Click(TUpDown::TButton::Prev);
    EXPECT_EQ(image.Speed(3), 35) << "and back home while the same point is edited";
}

TEST_F(Editing, TypedNumbersAreTakenWithOrWithoutDigitGroupsAndNothingElse)
{
    QLineEdit* edit = CONTROL(form, EditRpmAdv3);
    Type(edit, QStringLiteral("2,700"));
    EXPECT_EQ(image.Speed(2), 27);
    Type(edit, QStringLiteral(" 2800 "));
    EXPECT_EQ(image.Speed(2), 28);
    EXPECT_EQ(edit->text(), QStringLiteral("2,800"));
    for (const char* refused : {"abc", "", "99999", "2.9", "-", "3000x", "1e3"}) {
        Type(edit, QString::fromLatin1(refused));
        EXPECT_EQ(image.Speed(2), 28) << refused;
        EXPECT_EQ(edit->text(), QStringLiteral("2,800")) << "rewritten: " << refused;
    }
    Type(CONTROL(form, EditAdvance3), QStringLiteral("61"));
    EXPECT_EQ(image.Advance(2), 16) << "beyond the spinner's range";
    Type(CONTROL(form, EditAdvance3), QStringLiteral("60"));
    EXPECT_EQ(image.Advance(2), 60);
}

TEST_F(Editing, EnterAppliesMovesOnAndTheSecondPassFindsNoChange)
{
    QLineEdit* edit = CONTROL(form, EditAdvance1);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("14"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(image.Advance(0), 14);
    EXPECT_EQ(QApplication::focusWidget(), CONTROL(form, EditRpmAdv2));
    EXPECT_EQ(image.ChangedPoint, 0) << "recorded by leaving the edit, kept by the key";
}

TEST_F(Editing, AdvanceButtonsActOnAllPointsOrTheHighlightedRow)
{
    const TParamImage before = image;
    CONTROL(form, BitBtnAdvPlus)->click();
    EXPECT_EQ(image.Bytes, before.Bytes) << "no highlighted row, nothing to raise";

    CONTROL(form, CheckBoxIgnAll)->setChecked(true);
    CONTROL(form, BitBtnAdvMinus)->click();
    for (int i = 0; i < CurvePoints; ++i)
        EXPECT_EQ(image.Advance(i), before.Advance(i) - 1) << i;

    // An engine at 4600 rpm highlights point 6.
    TFrameData data{};
    data[0] = 4600 & 0xFF;
    data[1] = 4600 >> 8;
    data[MonitorByte::PickUp - 1] = 1;
    data[MonitorByte::Version - 1] = ExpectedUnitVersion;
    const TLinkFrame answer = MakeFrame(FrameCode::MonitorAnswer, data);
    port->Queue({answer.Bytes.begin(), answer.Bytes.end()});
    Tick(form);
    CONTROL(form, CheckBoxIgnAll)->setChecked(false);
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_EQ(image.Advance(5), before.Advance(5)) << "F5 raised it back";
    EXPECT_EQ(image.Advance(4), before.Advance(4) - 1);
}

TEST_F(Editing, TheReadLockBoxTurnsRedWithTheByte)
{
    QCheckBox* box = CONTROL(form, CheckBoxZakazCteni);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    ASSERT_TRUE(box->isChecked());
    EXPECT_EQ(image[ImageByte::ReadLock], 1);
    EXPECT_TRUE(box->autoFillBackground());
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(255, 0, 0));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_EQ(image[ImageByte::ReadLock], 0);
    EXPECT_FALSE(box->autoFillBackground());
}

// The two warnings are drawn red, as the user sees them, not only set in a
// palette that the box's style never paints with.
class RedWarning : public Editing, public testing::WithParamInterface<const char*> {};

TEST_P(RedWarning, IsDrawnRedWhileTickedAndNotOtherwise)
{
    auto* box = FindNamed<QCheckBox>(form, QLatin1String(GetParam()));
    const auto redShare = [box] {
        const QImage picture = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int red = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                red += picture.pixel(x, y) == qRgb(255, 0, 0);
        return double(red) / (picture.width() * picture.height());
    };
    EXPECT_EQ(redShare(), 0.0);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    ASSERT_TRUE(box->isChecked());
    EXPECT_GT(redShare(), 0.25) << "most of the box's face is red";
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_EQ(redShare(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, RedWarning,
                         testing::Values("CheckBoxProgHned", "CheckBoxZakazCteni"));

TEST_F(Editing, FewerPointsHideTheirRowsButKeepTheirValues)
{
    Type(CONTROL(form, EditPocetBodu), QStringLiteral("5"));
    EXPECT_EQ(image[ImageByte::PointCount], 5);
    EXPECT_TRUE(CONTROL(form, EditAdvance5)->isVisible());
    EXPECT_FALSE(CONTROL(form, EditAdvance6)->isVisible());
    EXPECT_FALSE(CONTROL(form, UpDownRpmAdv15)->isVisible());
    EXPECT_EQ(image.Speed(14), 150) << "still stored";
}

// The clutch and gear-shift light controls are never shown; what they hold
// reaches the image with the next write-back made for another reason.
TEST_F(Editing, ControlsWithoutAHandlerWaitForTheNextWriteBack)
{
    CONTROL(form, EditClutch1)->setText(QStringLiteral("500"));
    CONTROL(form, UpDownLedRazeni)->Click(TUpDown::TButton::Next);
    EXPECT_EQ(image[ImageByte::ClutchTime], 20) << "leaving it runs nothing";
    EXPECT_EQ(image[ImageByte::ShiftLight], 120) << "its arrows run nothing";

    QTest::mouseClick(CONTROL(form, LabelRpm), Qt::LeftButton); // a control, not the window
    EXPECT_EQ(image[ImageByte::ClutchTime], 20);
    QTest::mousePress(form.centralWidget(), Qt::LeftButton, {}, QPoint(200, 720));
    EXPECT_EQ(image[ImageByte::ClutchTime], 50) << "a press on the window writes back";
    EXPECT_EQ(image[ImageByte::ShiftLight], 121);
}

TEST_F(Editing, PolarityIsStoredByItsClickAndSurvivesALanguageSwitch)
{
    CONTROL(form, RadioGroupPolarita)->Button(0)->click();
    EXPECT_EQ(image[ImageByte::Polarity], 0);
    CONTROL(form, EditAdvance2)->setText(QStringLiteral("nonsense"));
    CONTROL(form, MenuCzech)->trigger();
    EXPECT_EQ(CONTROL(form, RadioGroupPolarita)->ItemIndex(), 0);
    EXPECT_EQ(CONTROL(form, EditAdvance2)->text(), QStringLiteral("13")) << "shown again";
    CONTROL(form, MenuEnglish)->trigger();
}
