#include "ui/radio_group.h"

#include <QImage>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList English{"Positive", "Negative", "Selfsearch"};
const QStringList German{"Positiv", "Negativ", "Automatisch"};

TEST(RadioGroup, KeepsItsSelectionWhenItsItemsAreReplaced)
{
    TRadioGroup group;
    group.resize(252, 90);
    group.SetItems(English);
    group.SetItemIndex(2);
    group.SetItems(German);
    EXPECT_EQ(group.Items(), German);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_TRUE(group.Button(2)->isChecked());
    EXPECT_FALSE(group.Button(0)->isChecked());
}

TEST(RadioGroup, ReusesItsButtonsSoTheTabOrderSurvives)
{
    TRadioGroup group;
    group.SetItems(English);
    QRadioButton* first = group.Button(0);
    group.SetItems(German);
    EXPECT_EQ(group.Button(0), first);
}

TEST(RadioGroup, LosesTheSelectionOnlyWhenItsItemIsGone)
{
    TRadioGroup group;
    group.SetItems({"Off", "Kill switch", "Clutch master", "Retard", "Start Limiter"});
    group.SetItemIndex(4);
    group.SetItems(English);
    EXPECT_EQ(group.ItemIndex(), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(group.Button(i)->isChecked());
}

TEST(RadioGroup, AUserChoiceSetsTheIndexAndReportsIt)
{
    TRadioGroup group;
    group.resize(252, 90);
    group.SetItems(English);
    group.SetItemIndex(0);
    group.show();
    QSignalSpy clicks(&group, &TRadioGroup::Clicked);
    group.Button(1)->click();
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(clicks.count(), 1);
    group.SetItemIndex(2); // the program's own choice is no click
    EXPECT_EQ(clicks.count(), 1);
}

TEST(RadioGroup, ButtonsShareTheHeightBelowTheCaption)
{
    TRadioGroup group;
    group.resize(252, 90);
    group.SetItems(English);
    const int top0 = group.Button(0)->y();
    const int top1 = group.Button(1)->y();
    const int top2 = group.Button(2)->y();
    EXPECT_GT(top0, 0);
    EXPECT_EQ(top1 - top0, top2 - top1);
    EXPECT_LE(group.Button(2)->geometry().bottom(), 90);
}

void ExpectButtonsInsideTheFrame(const TRadioGroup& group)
{
    const QRect room = group.contentsRect();
    EXPECT_GE(room.top(), group.fontMetrics().height()) << "below the caption";
    for (int i = 0; i < group.Items().size(); ++i) {
        EXPECT_TRUE(room.contains(group.Button(i)->geometry())) << i;
        EXPECT_GT(group.Button(i)->height(), 0) << i;
    }
}

TEST(RadioGroup, ButtonsLieInsideTheFrameBelowTheCaption)
{
    // A roomy group and a crowded one.
    const QStringList five{"One", "Two", "Three", "Four", "Five"};
    for (const auto& [size, items] :
         {std::pair{QSize(250, 90), English}, std::pair{QSize(120, 84), five}}) {
        const QRect place(QPoint(10, 20), size);
        TRadioGroup group;
        group.setGeometry(place);
        group.setTitle(QStringLiteral("Caption"));
        group.SetItems(items);
        ExpectButtonsInsideTheFrame(group);
        // A new language sets the caption again after the items.
        group.setTitle(QStringLiteral("Another caption"));
        ExpectButtonsInsideTheFrame(group);
        QFont larger = group.font();
        larger.setPixelSize(13);
        group.setFont(larger);
        ExpectButtonsInsideTheFrame(group);
        EXPECT_EQ(group.geometry(), place);
    }
}

TEST(RadioGroup, CaptionSitsOnTheFramesTopLine)
{
    TRadioGroup group;
    group.resize(250, 90);
    group.setTitle(QStringLiteral("Caption"));
    group.SetItems(English);
    const QImage image = group.grab().toImage();
    // Right of the caption, the first row unlike the background is the line.
    const int column = image.width() - 10;
    int line = 0;
    while (line < image.height() && image.pixel(column, line) == image.pixel(column, 0))
        ++line;
    EXPECT_GT(line, 0);
    EXPECT_LT(line, group.fontMetrics().height());
    EXPECT_GT(group.Button(0)->y(), line);
}

} // namespace
