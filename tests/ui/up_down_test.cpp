#include "ui/up_down.h"

#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A speed point's editor: an edit with a 600..20100 spinner stepping by 100.
struct SpeedEditor : testing::Test {
    QWidget parent;
    QLineEdit* edit = new QLineEdit(&parent);
    TUpDown* spinner = new TUpDown(&parent);

    SpeedEditor()
    {
        edit->setGeometry(20, 49, 40, 21);
        spinner->SetRange(600, 20100);
        spinner->SetIncrement(100);
        spinner->SetAssociate(edit);
        spinner->SetPosition(9900);
    }
};

TEST_F(SpeedEditor, SitsAtTheEditsRightEdgeWithItsHeight)
{
    EXPECT_EQ(spinner->geometry(), QRect(60, 49, 16, 21));
}

TEST_F(SpeedEditor, ClickWritesTheValueWithItsDigitGroup)
{
    EXPECT_EQ(edit->text(), QStringLiteral("9,900"));
    spinner->Click(TUpDown::TButton::Next);
    EXPECT_EQ(spinner->Position(), 10000);
    EXPECT_EQ(edit->text(), QStringLiteral("10,000"));
}

TEST_F(SpeedEditor, StopsAtBothEnds)
{
    spinner->SetPosition(20000);
    spinner->Click(TUpDown::TButton::Next);
    spinner->Click(TUpDown::TButton::Next);
    EXPECT_EQ(spinner->Position(), 20100);
    spinner->SetPosition(700);
    spinner->Click(TUpDown::TButton::Prev);
    spinner->Click(TUpDown::TButton::Prev);
    EXPECT_EQ(spinner->Position(), 600);
    EXPECT_EQ(edit->text(), QStringLiteral("600"));
}

TEST_F(SpeedEditor, StepsFromANumberTypedButNotConfirmed)
{
    edit->setText(QStringLiteral("5000"));
    spinner->Click(TUpDown::TButton::Next);
    EXPECT_EQ(spinner->Position(), 5100);
}

TEST_F(SpeedEditor, IgnoresTypedTextThatIsNoValidPosition)
{
    for (const char* typed : {"abc", "", "50000", "100"}) {
        spinner->SetPosition(3000);
        edit->setText(QString::fromLatin1(typed));
        spinner->Click(TUpDown::TButton::Prev);
        EXPECT_EQ(spinner->Position(), 2900) << typed;
    }
}

TEST_F(SpeedEditor, ReportsEveryClickWithItsArrow)
{
    QSignalSpy clicks(spinner, &TUpDown::Clicked);
    spinner->Click(TUpDown::TButton::Prev);
    spinner->SetPosition(20100);
    spinner->Click(TUpDown::TButton::Next); // at the limit, still a click
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks[0][0].value<TUpDown::TButton>(), TUpDown::TButton::Prev);
    EXPECT_EQ(clicks[1][0].value<TUpDown::TButton>(), TUpDown::TButton::Next);
}

TEST_F(SpeedEditor, ArrowKeysInTheEditStepToo)
{
    QSignalSpy clicks(spinner, &TUpDown::Clicked);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(spinner->Position(), 10000);
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(spinner->Position(), 9800);
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(SpeedEditor, TheArrowButtonsClick)
{
    QSignalSpy clicks(spinner, &TUpDown::Clicked);
    parent.show();
    QWidget* up = spinner->childAt(8, 3);
    QWidget* down = spinner->childAt(8, 17);
    ASSERT_TRUE(up && down && up != down);
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(spinner->Position(), 9800);
}

// A speed typed with digit groups in each language's locale, parted by each
// separator a user may type: the locale's own (empty here) and the three spaces.
class TypedGroupsTest : public testing::TestWithParam<std::tuple<QLocale::Language, const char*>> {
};

TEST_P(TypedGroupsTest, TakesTheNumber)
{
    QWidget parent;
    auto* edit = new QLineEdit(&parent);
    auto* spinner = new TUpDown(&parent);
    spinner->SetRange(999, 25000);
    spinner->SetAssociate(edit);
    const auto [language, separator] = GetParam();
    const QString own = QLocale(language).groupSeparator();
    spinner->SetGroupSeparator(own);
    edit->setText(QStringLiteral("14") + (*separator ? QString::fromUtf8(separator) : own) +
                  QStringLiteral("000"));
    spinner->TakeTypedValue();
    EXPECT_EQ(spinner->Position(), 14000) << edit->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, TypedGroupsTest,
                         testing::Combine(testing::Values(QLocale::English, QLocale::German,
                                                          QLocale::French, QLocale::Czech),
                                          testing::Values("", " ", "\u00a0", "\u202f")));

TEST(UpDown, AdvanceSpinnerNeverGroups)
{
    QWidget parent;
    auto* edit = new QLineEdit(&parent);
    auto* spinner = new TUpDown(&parent);
    spinner->SetThousands(false);
    spinner->SetRange(0, 60);
    spinner->SetAssociate(edit);
    spinner->SetPosition(75);
    EXPECT_EQ(edit->text(), QStringLiteral("60"));

    spinner->SetThousands(false);
    spinner->SetRange(0, 20000);
    spinner->SetPosition(15000);
    EXPECT_EQ(edit->text(), QStringLiteral("15000"));
}

TEST(UpDown, NegativeRangeStepsThroughZero)
{
    QWidget parent;
    auto* edit = new QLineEdit(&parent);
    auto* spinner = new TUpDown(&parent);
    spinner->SetRange(-60, 60);
    spinner->SetAssociate(edit);
    spinner->SetPosition(1);
    spinner->Click(TUpDown::TButton::Prev);
    spinner->Click(TUpDown::TButton::Prev);
    EXPECT_EQ(edit->text(), QStringLiteral("-1"));
}

} // namespace
