#include "window_access.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <gtest/gtest.h>

TEST(FormHlav, CreatesTicksAndClosesCleanly)
{
    TFakePort* port = nullptr;
    auto created = NewForm(port, {});
    TFormHlav& form = *created;
    auto* timer = FindNamed<QTimer>(form, QStringLiteral("Timer1"));
    EXPECT_EQ(timer->interval(), 55);
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer) << "a coarse timer fires up to 5 % early";
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(form.Image()[51], 12) << "defaults loaded";
    EXPECT_TRUE(FindNamed<QAction>(form, QStringLiteral("MenuComItem21"))->isChecked())
        << "with nothing stored: Com Auto";
    EXPECT_EQ(port->OpenAttempts, std::vector<int>{1}) << "starting at COM1";

    form.show();
    EXPECT_TRUE(CONTROL(form, LabelSpojeni)->isVisible()) << "visible until the first tick";
    EXPECT_FALSE(CONTROL(form, LabelHlaseni)->isVisible());
    EXPECT_FALSE(CONTROL(form, CGaugeProgram)->isVisible());
    EXPECT_FALSE(CONTROL(form, LabelVersion)->isVisible());
    EXPECT_FALSE(CONTROL(form, LabelEeDataErr)->isVisible());

    Tick(form, 18);
    EXPECT_FALSE(CONTROL(form, LabelSpojeni)->isVisible());
    Tick(form);
    EXPECT_TRUE(CONTROL(form, LabelSpojeni)->isVisible()) << "no unit answers";

    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
}

TEST(FormHlav, TimerDrivesTheTickThroughTheEventLoop)
{
    auto form = NewForm();
    int ticks = 0;
    QObject::connect(form.get(), &TFormHlav::Ticked, [&ticks] { ++ticks; });
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, qApp, &QApplication::quit);
    stop.start(55 * 25);
    QApplication::exec();
    EXPECT_GE(ticks, 18) << "the 55 ms timer has been ticking";
    EXPECT_GE(form->Link().State().NoReplyTicks, 18);
}
