#include "ui/label.h"

#include "sample_text.h"

#include <QGroupBox>
#include <gtest/gtest.h>

namespace {

bool TextFits(const QLabel& label)
{
    const QFontMetrics metrics(label.font());
    return metrics.horizontalAdvance(label.text()) <= label.width() &&
           metrics.height() <= label.height();
}

// A label of fixed size in a large bold font, like the window's warnings.
struct FixedLabel : testing::Test {
    QWidget window;
    TLabel* label = new TLabel(&window);
    const QRect place{40, 10, 170, 30};
    QFont own;

    FixedLabel()
    {
        QFont font = label->font();
        font.setPixelSize(23);
        font.setBold(true);
        label->setFont(font);
        own = label->font();
        label->setGeometry(place);
        label->SetAutoSize(false);
    }
};

TEST_F(FixedLabel, KeepsItsPlaceFitsEveryTextAndGetsItsFontBack)
{
    for (const QString& text : TextsAround(own, place.width())) {
        SetCaption(label, text);
        EXPECT_EQ(label->geometry(), place) << text.size();
        EXPECT_TRUE(TextFits(*label)) << text.size();
    }
    SetCaption(label, TextOfWidth(own, place.width() / 2));
    EXPECT_EQ(label->font(), own);
}

TEST_F(FixedLabel, NarrowsTheFontBeforeMakingItSmaller)
{
    SetCaption(label, TextOfWidth(own, place.width() * 11 / 10));
    EXPECT_NE(label->font().stretch(), own.stretch());
    EXPECT_LT(label->font().stretch(), 100);
    EXPECT_EQ(label->font().pixelSize(), own.pixelSize());

    SetCaption(label, TextOfWidth(own, place.width() * 3));
    EXPECT_LT(label->font().pixelSize(), own.pixelSize());
}

TEST_F(FixedLabel, FitsAgainWhenMadeNarrowerOrGivenALargerFont)
{
    window.show(); // a hidden label hears of its new size only when shown
    SetCaption(label, TextOfWidth(own, place.width() * 9 / 10));
    label->resize(place.width() / 2, place.height());
    EXPECT_TRUE(TextFits(*label));

    QFont larger = own;
    larger.setPixelSize(28);
    label->resize(place.size());
    label->setFont(larger);
    EXPECT_EQ(label->size(), place.size());
    EXPECT_TRUE(TextFits(*label));
}

TEST(Label, AnInheritedFontFollowsItsParentAgainAfterSqueezing)
{
    QWidget window;
    TLabel* label = new TLabel(&window);
    label->setGeometry(0, 0, 60, 30);
    label->SetAutoSize(false);
    SetCaption(label, TextOfWidth(window.font(), 100));
    SetCaption(label, TextOfWidth(window.font(), 30));
    QFont larger = window.font();
    larger.setPixelSize(20);
    window.setFont(larger);
    EXPECT_EQ(label->font().pixelSize(), 20);
}

// An auto-sized label near the right of a group box, like a column heading.
struct LabelInGroup : testing::Test {
    QWidget window;
    QGroupBox* group = new QGroupBox(&window);
    TLabel* label = new TLabel(group);
    const QPoint place{140, 20};
    const QFont own = label->font();

    LabelInGroup()
    {
        group->setGeometry(4, 4, 200, 120);
        label->move(place);
    }
};

TEST_F(LabelInGroup, NarrowsItsFontRatherThanCrossTheGroupsFrame)
{
    for (const QString& text : TextsAround(own, group->contentsRect().right() - place.x())) {
        SetCaption(label, text);
        EXPECT_EQ(label->pos(), place);
        EXPECT_LT(label->geometry().right(), group->contentsRect().right()) << text.size();
        EXPECT_TRUE(TextFits(*label)) << text.size();
    }
    SetCaption(label, QStringLiteral("RPM"));
    EXPECT_EQ(label->font(), own);
    EXPECT_EQ(label->size(), label->sizeHint());
}

TEST_F(LabelInGroup, BelowTheGroupsVisiblePartItKeepsItsFont)
{
    label->move(place.x(), group->height() + 10);
    SetCaption(label, TextOfWidth(own, 300));
    EXPECT_EQ(label->font(), own);
}

} // namespace
