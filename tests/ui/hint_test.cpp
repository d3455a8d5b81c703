#include "texts/hint_text.h"
#include "ui/hint_router.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct THintCase {
    const char* Hint;
    const char* Short;
    const char* Long;
};

void PrintTo(const THintCase& c, std::ostream* out)
{
    *out << '"' << c.Hint << '"';
}

class SplitHintTest : public testing::TestWithParam<THintCase> {};

TEST_P(SplitHintTest, ShortIsBeforeTheFirstBarLongAfterIt)
{
    const THintCase& c = GetParam();
    const THintParts parts = SplitHint(c.Hint);
    EXPECT_EQ(parts.Short, c.Short);
    EXPECT_EQ(parts.Long, c.Long);
}

INSTANTIATE_TEST_SUITE_P(Hints, SplitHintTest,
                         testing::Values(THintCase{"Round per Minute|Speed - Round per Minute",
                                                   "Round per Minute", "Speed - Round per Minute"},
                                         THintCase{"Print parametrs", "Print parametrs",
                                                   "Print parametrs"},
                                         THintCase{"", "", ""}, THintCase{"a|b|c", "a", "b|c"},
                                         THintCase{"|only long", "", "only long"}),
                         [](const testing::TestParamInfo<THintCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

void Enter(QWidget* widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &enter);
}

void Leave(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

// A window with a hinted group holding an unhinted label, a hinted button
// and an unhinted button.
struct HintWindow : testing::Test {
    QMainWindow window;
    QStatusBar* bar = window.statusBar();
    THintRouter* router = new THintRouter(&window, bar);
    QWidget* client = new QWidget(&window);
    QWidget* group = new QWidget(client);
    QLabel* inGroup = new QLabel(group);
    QPushButton* hinted = new QPushButton(client);
    QPushButton* plain = new QPushButton(client);

    HintWindow()
    {
        window.setCentralWidget(client);
        THintRouter::SetHint(group, QStringLiteral("Group|Group long"));
        THintRouter::SetHint(hinted, QStringLiteral("Round per Minute|Speed - Round per Minute"));
        router->Install();
    }
};

TEST_F(HintWindow, StatusBarShowsTheLongPartOfTheControlUnderTheMouse)
{
    Enter(hinted);
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Speed - Round per Minute"));
}

TEST_F(HintWindow, AControlWithoutHintShowsItsNearestHintedParent)
{
    Enter(inGroup);
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Group long"));
}

TEST_F(HintWindow, StatusBarEmptiesWhereNoControlHasAHint)
{
    Enter(hinted);
    Enter(plain);
    EXPECT_TRUE(bar->currentMessage().isEmpty());
}

TEST_F(HintWindow, LeavingAControlShowsTheParentsHint)
{
    Enter(hinted);
    Leave(hinted);
    EXPECT_TRUE(bar->currentMessage().isEmpty());
    Enter(inGroup);
    Leave(inGroup);
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Group long"));
}

TEST_F(HintWindow, WidgetsOfOtherWindowsAreNotFollowed)
{
    Enter(hinted);
    QPushButton stranger;
    Enter(&stranger);
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Speed - Round per Minute"));
}

TEST_F(HintWindow, TooltipIsTheShortPartAndOnlyOnMarkedControls)
{
    EXPECT_TRUE(hinted->toolTip().isEmpty());
    THintRouter::SetShowHint(hinted, true);
    EXPECT_EQ(hinted->toolTip(), QStringLiteral("Round per Minute"));
    THintRouter::SetHint(hinted, QStringLiteral("Print parametrs"));
    EXPECT_EQ(hinted->toolTip(), QStringLiteral("Print parametrs"));
}

TEST_F(HintWindow, HighlightedMenuItemShowsItsLongHint)
{
    QAction item(&window);
    THintRouter::SetHint(&item, QStringLiteral("Curve A minus|Take off 1 degree of curve A"));
    router->Watch(&item);
    item.hover();
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Take off 1 degree of curve A"));
    EXPECT_EQ(item.statusTip(), QStringLiteral("Take off 1 degree of curve A"));

    QAction bare(&window);
    router->Watch(&bare);
    bare.hover();
    EXPECT_TRUE(bar->currentMessage().isEmpty());
}

// A menu whose entry and first item have hints, and whose second item has
// none and comes after the menu was watched, as the port items do.
struct MenuHintWindow : HintWindow {
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Tools"));
    QAction* first = menu->addAction(QStringLiteral("Advance -"));
    const QString firstHint = QStringLiteral("Take off 1 degree of curve A");

    MenuHintWindow()
    {
        THintRouter::SetHint(menu->menuAction(), QStringLiteral("Tools of the curve"));
        THintRouter::SetHint(first, "Curve A minus|" + firstHint);
        router->Watch(menu->menuAction());
        router->Watch(first);
        menu->addAction(QStringLiteral("Com Auto"));
        window.show();
        QApplication::setActiveWindow(&window); // for the menu bar's accelerators
    }
    ~MenuHintWindow() override { menu->close(); }
};

TEST_F(MenuHintWindow, OpenedByItsAcceleratorItShowsTheFirstItemsHint)
{
    Enter(hinted); // where the pointer rests
    QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
    ASSERT_EQ(menu->activeAction(), first);
    EXPECT_EQ(bar->currentMessage(), firstHint);
    // Then the window system reports the pointer leaving the control, taken
    // by the open menu, and perhaps entering the menu.
    Leave(hinted);
    Enter(menu);
    EXPECT_EQ(bar->currentMessage(), firstHint);
    QTest::keyClick(menu, Qt::Key_Down);
    EXPECT_TRUE(bar->currentMessage().isEmpty());
}

TEST_F(MenuHintWindow, TheMenuBarsKeyboardModeShowsTheEntryThenTheFirstItem)
{
    QTest::keyPress(&window, Qt::Key_Alt);
    QTest::keyRelease(&window, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Tools of the curve"));
    QTest::keyClick(window.menuBar(), Qt::Key_Down);
    ASSERT_EQ(menu->activeAction(), first);
    Leave(window.menuBar());
    EXPECT_EQ(bar->currentMessage(), firstHint);
}

} // namespace
