#include "link/link_machine.h"
#include "link/serial_port.h"
#include "sim_process.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace {

constexpr int TickMs = 55;

// Ticks at the program's own pace until the condition holds; the far end is a
// real process, so real time has to pass between ticks.
int TickUntil(TLinkMachine& link, const std::function<bool()>& done, int maxTicks)
{
    for (int tick = 1; tick <= maxTicks; ++tick) {
        QElapsedTimer pace;
        pace.start();
        link.Tick();
        if (done())
            return tick;
        QEventLoop wait;
        QTimer::singleShot(std::max<qint64>(0, TickMs - pace.elapsed()), &wait, &QEventLoop::quit);
        wait.exec();
    }
    return -1;
}

} // namespace

TEST(LinkWithSimulatedUnit, PollsLosesAndRecoversTheUnitWithoutARestart)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString linkPath = folder.filePath(QStringLiteral("unit"));
    TSimProcess sim(linkPath);
    ASSERT_TRUE(sim.Start()) << "the simulator prints its device path";

    TParamImage image;
    image.SetDefaults();
    TSerialPort port({linkPath.toStdString()});
    TLinkMachine link(port, image);
    ASSERT_TRUE(link.OpenPort());

    const auto answered = [&] { return link.Monitor().Generation >= 3; };
    ASSERT_GT(TickUntil(link, answered, 100), 0) << "three monitor answers arrive";
    EXPECT_EQ(link.Monitor().LabelNapeti.Text.rfind("U = ", 0), 0u)
        << link.Monitor().LabelNapeti.Text;
    EXPECT_EQ(link.Monitor().LabelRpm.Text.rfind("RPM = ", 0), 0u);
    EXPECT_FALSE(link.Monitor().LabelVersion.Visible) << "the simulated unit runs version 72";
    EXPECT_FALSE(link.Display().LabelSpojeniVisible);

    std::set<std::uint16_t> speeds;
    const auto seenSpeeds = [&] {
        speeds.insert(link.State().EngineSpeed);
        return speeds.size() >= 3;
    };
    EXPECT_GT(TickUntil(link, seenSpeeds, 400), 0) << "the simulated engine's speed changes";

    EXPECT_EQ(sim.Stop(), 0);
    const auto warned = [&] { return link.Display().LabelSpojeniVisible; };
    const int silentTicks = TickUntil(link, warned, 60);
    EXPECT_GT(silentTicks, 0) << "the connection warning appears";
    EXPECT_LE(silentTicks, 25);

    ASSERT_TRUE(sim.Start()) << "started again on the same link path";
    const unsigned before = link.Monitor().Generation;
    const auto resumed = [&] {
        return link.Monitor().Generation > before && !link.Display().LabelSpojeniVisible;
    };
    EXPECT_GT(TickUntil(link, resumed, 200), 0) << "polling resumes through the re-open cycle";
}
