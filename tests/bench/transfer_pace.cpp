// How many ticks and milliseconds Read, Verify and Program take from the
// command to the end of their transfer, against the simulated unit on a pty,
// on the window's own 55 ms timer. Figures only.
//
// Usage: kolvane_transfer_pace [repeats]   (default 10 of each command)
#include "app/hlav.h"
#include "link/serial_port.h"
#include "sim_process.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

namespace {

constexpr int TransferTimeoutMs = 5000;

struct TCommand {
    const char* Name;
    const char* Action;
    const char* Success; // the status text of a transfer that went well
};

struct TRun {
    int Ticks = 0;
    qint64 Ms = 0;
    int PollCounter = 0; // the idle poll counter when the command came
    QString EndText;     // the status on the tick that ended the transfer
};

template <class T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Lets the event loop, and so the window's timer, run for a while.
void Wait(int ms)
{
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configuration; // the window's settings stay out of the user's own
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    QApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    QTemporaryDir folder;
    const QString linkPath = folder.filePath(QStringLiteral("unit"));
    TSimProcess sim(linkPath);
    if (!folder.isValid() || !sim.Start()) {
        std::fprintf(stderr, "kolvane_transfer_pace: the simulator did not start\n");
        return 1;
    }
    TFormHlav form(std::make_unique<TSerialPort>(std::vector<std::string>{linkPath.toStdString()}));
    form.show();
    const TLinkState& state = form.Link().State();
    const QLabel* status = form.findChild<QLabel*>(QStringLiteral("LabelHlaseni"));

    int ticks = 0;
    bool running = false;
    QElapsedTimer clock;
    TRun run;
    QObject::connect(&form, &TFormHlav::Ticked, [&] {
        ++ticks;
        if (running && state.TransferMode == ModeIdle) {
            running = false;
            run.Ticks = ticks;
            run.Ms = clock.elapsed();
            run.EndText = status->text();
        }
    });
    if (!RunEventLoopUntil([&] { return form.Link().Monitor().Generation > 0; },
                           TransferTimeoutMs)) {
        std::fprintf(stderr, "kolvane_transfer_pace: the unit does not answer\n");
        return 1;
    }

    const TCommand commands[] = {{"Read", "MenuRead", "Verify: OK"},
                                 {"Verify", "MenuVerify", "Verify: OK"},
                                 {"Program", "MenuProgram", "Programing: OK"}};
    std::printf("%d runs of each command, the window's timer at 55 ms\n\n", repeats);
    std::printf("%-8s %5s  %-20s %-20s\n", "command", "fails", "ticks min/med/max",
                "ms min/med/max");
    std::map<std::string, std::map<int, std::set<int>>> ticksByCounter;
    for (const TCommand& command : commands) {
        auto* action = form.findChild<QAction*>(QString::fromLatin1(command.Action));
        std::vector<TRun> runs;
        for (int i = 0; i < repeats; ++i) {
            // After a programming the unit saves for a while, and the idle
            // tick would show that in place of the next result: wait for an
            // answer that says it is done. Then a pause that puts the command
            // at another point of the 330 ms poll cycle each time.
            const unsigned answered = form.Link().Monitor().Generation;
            RunEventLoopUntil(
                [&] {
                    return form.Link().Monitor().Generation > answered &&
                           state.SavingCountdown == 0;
                },
                TransferTimeoutMs);
            Wait(300 + 61 * i);
            run = {};
            run.PollCounter = state.TicksSinceSend;
            ticks = 0;
            running = true;
            clock.start();
            action->trigger();
            RunEventLoopUntil([&] { return !running; }, TransferTimeoutMs);
            runs.push_back(run);
            ticksByCounter[command.Name][run.PollCounter].insert(run.Ticks);
        }
        std::vector<int> tickCounts;
        std::vector<qint64> ms;
        int fails = 0;
        for (const TRun& r : runs) {
            tickCounts.push_back(r.Ticks);
            ms.push_back(r.Ms);
            if (r.EndText != QString::fromLatin1(command.Success)) {
                ++fails;
                std::fprintf(stderr, "%s ended in \"%s\"\n", command.Name,
                             r.EndText.toLocal8Bit().constData());
            }
        }
        const auto [minTicks, maxTicks] = std::minmax_element(tickCounts.begin(), tickCounts.end());
        const auto [minMs, maxMs] = std::minmax_element(ms.begin(), ms.end());
        std::printf("%-8s %5d  %4d / %4d / %4d    %4lld / %4lld / %4lld\n", command.Name, fails,
                    *minTicks, Median(tickCounts), *maxTicks, static_cast<long long>(*minMs),
                    static_cast<long long>(Median(ms)), static_cast<long long>(*maxMs));
    }

    std::printf("\nticks by the idle poll counter (0..5) when the command came:\n");
    for (const TCommand& command : commands) {
        std::printf("%-8s", command.Name);
        for (const auto& [counter, seen] : ticksByCounter[command.Name]) {
            std::printf("  %d:", counter);
            for (int t : seen)
                std::printf(" %d", t);
        }
        std::printf("\n");
    }
    return 0;
}
