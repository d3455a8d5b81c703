// The window on a noisy, slow line for as long as asked: the simulated unit
// puts stray bytes before some of its answers and holds every answer back,
// while the window polls and runs Read, Program and Verify over and over,
// with edits between them. Prints what became of the commands. Exits with 1
// when a command ended neither in its success text nor in its error text,
// when polling stopped, when a failed command changed the image, or when the
// unit held other parameters than the window showed after a command that
// succeeded.
//
// Usage: kolvane_noisy_line SECONDS [--stray-percent P] [--slow MS] [--seed N]
#include "app/hlav.h"
#include "link/serial_port.h"
#include "sim_process.h"
#include "ui/widget_paint.h"
#include "window_edits.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>

namespace {

// A command on this line takes a few seconds at worst: three blocks, each
// up to five sends 220 ms apart.
constexpr int CommandTimeoutMs = 10000;
// Long enough for many polls, each with its own chance to get through.
constexpr int PollTimeoutMs = 10000;

// What a command that failed leaves of the image: a Program may have taken
// the unit's own description, a Read may have taken either block.
enum TKept { WholeImage, Block1, Block1OrUnits };

struct TCommand {
    const char* Name;
    const char* Action;
    const char* Done;
    // Its own error text; a Read or a Program that fails in the verify that
    // ends it shows the verify's.
    const char* Error;
    bool Edited; // edits come first, so there is something to program
    TKept Kept;
};

const TCommand Commands[] = {
    {"Read", "MenuRead", "Verify: OK", "Read error!", false, Block1OrUnits},
    {"Verify", "MenuVerify", "Verify: OK", "Verify error!", false, WholeImage},
    {"Program", "MenuProgram", "Programing: OK", "Program error!", true, Block1},
};

const QLatin1String VerifyError("Verify error!");

bool SameBlock1(const std::optional<std::array<std::uint8_t, ImageSize>>& memory,
                const TParamImage& image)
{
    return memory &&
           std::equal(memory->begin() + BlockSize, memory->end(), image.Bytes.begin() + BlockSize);
}

// Whether a failed command left the image as it may.
bool KeptAsItMay(const TCommand& command, const TParamImage& before, const TParamImage& after,
                 TSimProcess& sim)
{
    if (after.Block(1) != before.Block(1) &&
        !(command.Kept == Block1OrUnits && SameBlock1(sim.Memory(), after)))
        return false;
    return command.Kept != WholeImage || after.Block(0) == before.Block(0);
}

struct TCounts {
    int Run = 0;
    int Completed = 0;
    int Failed = 0; // ended in its error text
    int Other = 0;  // ended any other way, or never
};

struct TOptions {
    int Seconds = 0;
    int StrayPercent = 50;
    int SlowMs = 150;
    unsigned Seed = 1;
};

bool ParseOptions(int argc, char** argv, TOptions& options)
{
    if (argc < 2 || (options.Seconds = std::atoi(argv[1])) <= 0)
        return false;
    for (int i = 2; i + 1 < argc; i += 2) {
        const int value = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--stray-percent") == 0)
            options.StrayPercent = value;
        else if (std::strcmp(argv[i], "--slow") == 0)
            options.SlowMs = value;
        else if (std::strcmp(argv[i], "--seed") == 0)
            options.Seed = static_cast<unsigned>(value);
        else
            return false;
    }
    return (argc - 2) % 2 == 0;
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
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: kolvane_noisy_line SECONDS [--stray-percent P] [--slow MS] "
                             "[--seed N]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configuration; // the window's settings stay out of the user's own
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    QApplication application(argc, argv);

    QTemporaryDir folder;
    const QString linkPath = folder.filePath(QStringLiteral("unit"));
    TSimProcess sim(linkPath);
    if (!folder.isValid() || !configuration.isValid() ||
        !sim.Start({QStringLiteral("--stray-percent"), QString::number(options.StrayPercent),
                    QStringLiteral("--slow"), QString::number(options.SlowMs),
                    QStringLiteral("--seed"), QString::number(options.Seed)})) {
        std::fprintf(stderr, "kolvane_noisy_line: the simulator did not start\n");
        return 1;
    }
    TFormHlav form(std::make_unique<TSerialPort>(std::vector<std::string>{linkPath.toStdString()}));
    form.show();
    QApplication::setActiveWindow(&form);
    const TLinkState& state = form.Link().State();
    const QLabel* status = form.findChild<QLabel*>(QStringLiteral("LabelHlaseni"));

    // The status on the tick that ended the transfer, before the idle tick
    // can change it.
    bool running = false;
    QString endText;
    bool endRed = false;
    QObject::connect(&form, &TFormHlav::Ticked, [&] {
        if (running && state.TransferMode == ModeIdle) {
            running = false;
            endText = status->text();
            endRed = status->palette().color(QPalette::Window) == ToQColor(TColour::Red);
        }
    });

    std::mt19937 random(options.Seed);
    TCounts counts[std::size(Commands)];
    int mismatches = 0;
    int damaged = 0;
    int stalls = 0;
    const unsigned firstAnswer = form.Link().Monitor().Generation;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < options.Seconds * 1000LL) {
        // Polling goes on between commands: a new answer, and one that says
        // the unit is not saving, since the idle tick would show that in
        // place of the next command's result.
        const unsigned answered = form.Link().Monitor().Generation;
        if (!RunEventLoopUntil(
                [&] {
                    return form.Link().Monitor().Generation > answered &&
                           state.SavingCountdown == 0;
                },
                PollTimeoutMs)) {
            ++stalls;
            std::fprintf(stderr, "no monitor answer for %d ms\n", PollTimeoutMs);
            continue;
        }
        // Somewhere else in the poll cycle each time.
        Wait(std::uniform_int_distribution<int>(0, 400)(random));

        const std::size_t which = std::uniform_int_distribution<std::size_t>(0, 2)(random);
        const TCommand& command = Commands[which];
        TCounts& count = counts[which];
        if (command.Edited)
            for (int edits = std::uniform_int_distribution<int>(1, 3)(random); edits > 0; --edits)
                EditAdvance(form, random);

        ++count.Run;
        running = true;
        form.findChild<QAction*>(QLatin1String(command.Action))->trigger();
        // What the window shows once the command has taken the controls.
        const TParamImage before = form.Image();
        if (!RunEventLoopUntil([&] { return !running; }, CommandTimeoutMs)) {
            running = false;
            ++count.Other;
            std::fprintf(stderr, "%s did not end\n", command.Name);
            continue;
        }
        if (endRed && (endText == QLatin1String(command.Error) || endText == VerifyError)) {
            ++count.Failed;
            if (!KeptAsItMay(command, before, form.Image(), sim)) {
                ++damaged;
                std::fprintf(stderr, "%s failed and changed the image\n", command.Name);
            }
            continue;
        }
        if (endText != QLatin1String(command.Done) || endRed) {
            ++count.Other;
            std::fprintf(stderr, "%s ended in \"%s\"\n", command.Name, qPrintable(endText));
            continue;
        }
        ++count.Completed;
        if (!SameBlock1(sim.Memory(), form.Image())) {
            ++mismatches;
            std::fprintf(stderr, "after %s the unit holds other parameters than the window\n",
                         command.Name);
        }
    }

    const unsigned monitorAnswers = form.Link().Monitor().Generation - firstAnswer;
    const double minutes = clock.elapsed() / 60000.0;
    std::printf("noisy line: %d s, stray bytes before %d %% of the answers, every answer %d ms "
                "late, seed %u\n\n",
                options.Seconds, options.StrayPercent, options.SlowMs, options.Seed);
    std::printf("%-8s %6s %10s %11s %6s\n", "command", "run", "completed", "error text", "other");
    TCounts all;
    for (std::size_t i = 0; i < std::size(Commands); ++i) {
        const TCounts& c = counts[i];
        std::printf("%-8s %6d %10d %11d %6d\n", Commands[i].Name, c.Run, c.Completed, c.Failed,
                    c.Other);
        all.Run += c.Run;
        all.Completed += c.Completed;
        all.Failed += c.Failed;
        all.Other += c.Other;
    }
    std::printf("%-8s %6d %10d %11d %6d\n\n", "all", all.Run, all.Completed, all.Failed, all.Other);
    const auto figure = [](const char* what, long long count) {
        std::printf("%-40s %6lld\n", what, count);
    };
    figure("monitor answers", monitorAnswers);
    std::printf("%-40s %6.0f\n", "monitor answers a minute",
                monitorAnswers / std::max(minutes, 1e-9));
    figure("polling stalled", stalls);
    figure("unit unlike the window after a success", mismatches);
    figure("failed commands that changed the image", damaged);
    const bool sound =
        all.Other == 0 && stalls == 0 && mismatches == 0 && damaged == 0 && all.Completed > 0;
    std::printf("\n%s\n", sound ? "sound" : "FAULTS FOUND");
    return sound ? 0 : 1;
}
