#include "ui/control_text.h"
#include "ui/hint_router.h"
#include "ui/label.h"
#include "ui/radio_group.h"

#include <QAction>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
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
