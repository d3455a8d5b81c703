#include "link/serial_port.h"
#include "sim_process.h"
#include "window_access.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The window, given the simulator's device as its only port, polls it on its
// own timer and shows the simulated engine in its labels.
TEST(WindowWithSimulatedUnit, ShowsLiveValuesFromTheUnit)
{
    QTemporaryDir folder;
    const QString linkPath = folder.filePath(QStringLiteral("unit"));
    TSimProcess sim(linkPath);
    ASSERT_TRUE(sim.Start());

    TFormHlav form(std::make_unique<TSerialPort>(std::vector<std::string>{linkPath.toStdString()}));
    form.show();
    EXPECT_EQ(CONTROL(form, LabelCom)->text(), QStringLiteral("COM= COM1"));

    const auto showing = [&] {
        return CONTROL(form, LabelNapeti)->text().contains(QStringLiteral(" [V]")) &&
               !CONTROL(form, LabelNapeti)->text().contains(QStringLiteral("---"));
    };
    EXPECT_TRUE(RunEventLoopUntil(showing, 5000))
        << CONTROL(form, LabelNapeti)->text().toStdString();
    EXPECT_TRUE(CONTROL(form, LabelRpm)->text().startsWith(QStringLiteral("RPM = ")));
    EXPECT_FALSE(CONTROL(form, LabelSpojeni)->isVisible());
    EXPECT_FALSE(CONTROL(form, LabelVersion)->isVisible());
    EXPECT_TRUE(form.close());
}
