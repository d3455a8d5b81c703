#include "ui/radio_group.h"

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

} // namespace
