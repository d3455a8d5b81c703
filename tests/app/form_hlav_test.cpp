#include "app/hlav.h"
#include "app/null_port.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <gtest/gtest.h>

TEST(FormHlav, CreatesTicksAndClosesCleanly)
{
    TFormHlav form(std::make_unique<TNullPort>());
    EXPECT_EQ(form.Timer1->interval(), 55);
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(form.Image[51], 12) << "defaults loaded";
    EXPECT_EQ(form.Link().State.PortIndex, AutoPortEntry) << "with nothing stored: Com Auto";
    EXPECT_EQ(form.Link().State.AutoPortIndex, 0) << "starting at COM1";

    form.show();
    EXPECT_TRUE(form.LabelSpojeni->isVisible()) << "visible until the first tick";
    EXPECT_FALSE(form.LabelHlaseni->isVisible());
    EXPECT_FALSE(form.CGaugeProgram->isVisible());
    EXPECT_FALSE(form.LabelVersion->isVisible());
    EXPECT_FALSE(form.LabelEeDataErr->isVisible());

    for (int i = 0; i < 18; ++i)
        form.Timer1Timer();
    EXPECT_FALSE(form.LabelSpojeni->isVisible());
    form.Timer1Timer();
    EXPECT_TRUE(form.LabelSpojeni->isVisible()) << "no unit answers a null port";

    form.Link().State.StatusTicks = 5;
    form.Link().Display.LabelHlaseni.Text = "Read:";
    form.Timer1Timer();
    EXPECT_TRUE(form.LabelHlaseni->isVisible());
    EXPECT_EQ(form.LabelHlaseni->text(), QStringLiteral("Read:"));

    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
}

TEST(FormHlav, TimerDrivesTheTickThroughTheEventLoop)
{
    TFormHlav form(std::make_unique<TNullPort>());
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, qApp, &QApplication::quit);
    stop.start(55 * 25);
    QApplication::exec();
    EXPECT_GE(form.Link().State.NoReplyTicks, 18) << "the 55 ms timer has been ticking";
}
