#include "ui/control_text.h"
#include "ui/hint_router.h"
#include "ui/label.h"
#include "ui/radio_group.h"

#include "sample_text.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

TEST(ControlText, CaptionGoesWhereEachKindOfControlShowsIt)
{
    QMainWindow window;
    auto* label = new TLabel(&window);
    auto* button = new QPushButton(&window);
    auto* group = new QGroupBox(&window);
    QMenu* menu = window.menuBar()->addMenu(QString());
    QAction* item = menu->addAction(QString());

    EXPECT_TRUE(ApplyControlText(&window, TTextKind::Caption, "Programming of Kolvane unit"));
    EXPECT_TRUE(ApplyControlText(label, TTextKind::Caption, "Počet bodů"));
    EXPECT_TRUE(ApplyControlText(button, TTextKind::Caption, "&Programing"));
    EXPECT_TRUE(ApplyControlText(group, TTextKind::Caption, "Tachometer output"));
    EXPECT_TRUE(ApplyControlText(menu, TTextKind::Caption, "&Zündung"));
    EXPECT_TRUE(ApplyControlText(item, TTextKind::Caption, "Če&sky"));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Programming of Kolvane unit"));
    EXPECT_EQ(label->text(), QStringLiteral("Počet bodů"));
    EXPECT_EQ(button->text(), QStringLiteral("&Programing"));
    EXPECT_EQ(group->title(), QStringLiteral("Tachometer output"));
    EXPECT_EQ(menu->title(), QStringLiteral("&Zündung"));
    EXPECT_EQ(item->text(), QStringLiteral("Če&sky"));
}

TEST(ControlText, ALabelFitsItsNewCaption)
{
    TLabel label;
    ApplyControlText(&label, TTextKind::Caption, "Limiter [rpm]");
    const int shortWidth = label.width();
    ApplyControlText(&label, TTextKind::Caption, "Startovací omezovač [rpm]");
    EXPECT_GT(label.width(), shortWidth);
    EXPECT_EQ(label.size(), label.sizeHint());
}

TEST(ControlText, AnAccelMarkTakesNoRoomAndDoubledShowsOnce)
{
    TLabel marked;
    TLabel plain;
    TLabel doubled;
    SetCaption(&marked, QStringLiteral("&File:"));
    SetCaption(&plain, QStringLiteral("File:"));
    SetCaption(&doubled, QStringLiteral("A&&B"));
    EXPECT_EQ(marked.width(), plain.width());
    EXPECT_EQ(doubled.width(), doubled.fontMetrics().horizontalAdvance(QStringLiteral("A&B")));
}

// The width a button's caption may take: beside the indicator of a check box
// or radio button, inside the frame of a push button.
int CaptionRoom(const QAbstractButton& button)
{
    const QStyle* style = button.style();
    const auto metric = [&](QStyle::PixelMetric which) {
        return style->pixelMetric(which, nullptr, &button);
    };
    if (qobject_cast<const QCheckBox*>(&button))
        return button.width() - metric(QStyle::PM_IndicatorWidth) -
               metric(QStyle::PM_CheckBoxLabelSpacing);
    if (qobject_cast<const QRadioButton*>(&button))
        return button.width() - metric(QStyle::PM_ExclusiveIndicatorWidth) -
               metric(QStyle::PM_RadioButtonLabelSpacing);
    return button.width() - 2 * metric(QStyle::PM_DefaultFrameWidth);
}

TEST(ControlText, AButtonKeepsItsSizeAndItsCaptionNarrowsToFit)
{
    QWidget window;
    auto* check = new QCheckBox(&window);
    auto* radio = new QRadioButton(&window);
    auto* push = new QPushButton(&window);
    check->setGeometry(10, 10, 40, 17);
    radio->setGeometry(10, 40, 70, 19);
    push->setGeometry(10, 70, 57, 23);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{check, radio, push}) {
        const QRect place = button->geometry();
        const QFont own = button->font();
        const int room = CaptionRoom(*button);
        for (const QString& text : TextsAround(own, room)) {
            ApplyControlText(button, TTextKind::Caption, text.toStdString());
            EXPECT_EQ(button->geometry(), place);
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(text), room)
                << button->metaObject()->className() << ' ' << text.size();
        }
        // A shorter caption, as after going back to English, needs no squeezing.
        ApplyControlText(button, TTextKind::Caption, TextOfWidth(own, room / 2).toStdString());
        EXPECT_EQ(button->font(), own) << button->metaObject()->className();
    }
}

TEST(ControlText, HintOfAMenuBelongsToItsEntryInTheMenuBar)
{
    QMainWindow window;
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Com"));
    EXPECT_TRUE(ApplyControlText(menu, TTextKind::Hint, "Set number of com"));
    EXPECT_EQ(THintRouter::Hint(menu->menuAction()), QStringLiteral("Set number of com"));
}

TEST(ControlText, ItemsReplaceARadioGroupsButtonsOneALine)
{
    TRadioGroup group;
    EXPECT_TRUE(ApplyControlText(&group, TTextKind::Items, "Positiv\nNegativ\nAutomatisch"));
    EXPECT_EQ(group.Items(), QStringList({"Positiv", "Negativ", "Automatisch"}));
}

TEST(ControlText, RefusesAKindTheControlCannotTake)
{
    TLabel label;
    QObject plain;
    EXPECT_FALSE(ApplyControlText(&label, TTextKind::Items, "a\nb"));
    EXPECT_FALSE(ApplyControlText(&plain, TTextKind::Caption, "x"));
}

} // namespace
