#include "app/window_place.h"

#include <gtest/gtest.h>

TEST(WindowPlace, TheTitleBarStaysWithinReachWhereverTheWindowWouldGo)
{
    const QRect screen(0, 0, 1024, 600);
    const QRect available(0, 24, 1024, 576); // a panel along the top
    for (const QSize frame : {QSize(870, 830), QSize(1500, 900), QSize(300, 200)}) {
        const QPoint centred = CentredTopLeft(frame, screen);
        for (const QPoint wanted :
             {centred, QPoint(-3000, -40), QPoint(5000, 4000), QPoint(10, 30)}) {
            const QPoint placed = KeepTitleBarOnScreen(wanted, available);
            EXPECT_GE(placed.y(), available.top());
            EXPECT_GE(placed.x(), available.left());
            EXPECT_LT(placed.x(), available.right() - 50) << "enough of the bar to take hold of";
            EXPECT_LT(placed.y(), available.bottom() - 50);
            if (available.contains(QRect(wanted, frame))) {
                EXPECT_EQ(placed, wanted) << "a window that fits stays put";
            }
        }
    }
    EXPECT_EQ(CentredTopLeft(QSize(870, 830), screen), QPoint(77, -115))
        << "larger than the screen";
}

TEST(WindowPlace, APlaceOnAScreenThatIsGoneIsNotShown)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080)};
    EXPECT_TRUE(TitleBarShown(QRect(100, 100, 870, 800), screens));
    EXPECT_TRUE(TitleBarShown(QRect(-700, 0, 870, 800), screens)) << "enough of it still shows";
    EXPECT_FALSE(TitleBarShown(QRect(2000, 100, 870, 800), screens)) << "a second monitor, gone";
    EXPECT_FALSE(TitleBarShown(QRect(100, -500, 870, 800), screens)) << "the bar above the top";
    EXPECT_TRUE(
        TitleBarShown(QRect(2000, 100, 870, 800), screens + QList{QRect(1920, 0, 1280, 1024)}));
}
