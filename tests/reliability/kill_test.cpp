// Kills the window with SIGKILL at random moments while it starts on its
// saved files, while it is edited and while it closes, and checks what each
// kill leaves behind: each of the two files is either the version before or
// the complete new one, the next start takes exactly what they hold, and
// the real program then starts on them, runs and keeps their values. Prints
// the kills by phase and what they left; exits with 1 on any fault.
//
// Usage: kolvane_kill_test KILLS [SEED]
//        kolvane_kill_test --drive ROUNDS SEED [--check]   (the window it kills)
#include "app/hlav.h"
#include "kill_driver.h"
#include "saved_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int RoundsPerRun = 1000; // far more than a kill ever lets it do
constexpr int CalibrationRounds = 3;
constexpr int LineTimeoutMs = 30000;

// Where the window was when it died, by the last step it announced.
enum TPhase { StartUp, Editing, Closing, AfterClose, PhaseCount };
const char* const PhaseNames[PhaseCount] = {"start-up", "editing", "closing", "after the close"};
// The announcements the kills aim at; the delay after them decides where they land.
const char* const TargetSteps[] = {"start", "edit", "close"};

TPhase PhaseOf(const std::string& step)
{
    if (step == "edit")
        return Editing;
    if (step == "close")
        return Closing;
    if (step == "closed")
        return AfterClose;
    return StartUp; // also before the first announcement
}

// What one file was found to be after a kill.
enum TOutcome { Previous, New, Bad };

struct TFigures {
    int Kills = 0;
    int Settings[3] = {};
    int Image[3] = {};
};

// Follows what the window said: which step it was in, the files on disk
// (as of the last close that finished) and what the close under way writes.
struct TWindowRun {
    std::string Step = "launch";
    int Round = 0;
    std::string Settings, Image;       // on disk
    std::string NewSettings, NewImage; // the close under way
    std::vector<std::string> Faults;

    void Take(const std::string& line)
    {
        std::istringstream words(line);
        std::string step, which;
        int round = 0;
        words >> step >> round >> which;
        std::string value;
        std::getline(words >> std::ws, value);
        if (step == "expect") {
            (which == "settings" ? NewSettings : NewImage) = value;
        } else if (step == "loaded") {
            if (value != (which == "settings" ? Settings : Image))
                Faults.push_back("round " + std::to_string(round) + " started from other " + which +
                                 " than the file held: " + value);
        } else {
            Step = step;
            Round = round;
            if (step == "closed") {
                Settings = NewSettings;
                Image = NewImage;
            }
            if (step == "closed" || step == "start")
                NewSettings = NewImage = {};
        }
    }

    TOutcome Judge(const TSavedFile& file, const std::string& before, const std::string& written,
                   const char* name)
    {
        if (file.Whole && file.Text == before)
            return Previous;
        if (file.Whole && !written.empty() && file.Text == written)
            return New;
        Faults.push_back(std::string(name) +
                         " is neither the version before nor the new one: " + file.Text);
        return Bad;
    }
};

bool ReadLine(QProcess& process, std::string& line)
{
    while (!process.canReadLine())
        if (!process.waitForReadyRead(LineTimeoutMs))
            return false;
    line = process.readLine().trimmed().toStdString();
    return true;
}

void StartWindow(QProcess& window, int rounds, unsigned seed, bool check)
{
    QStringList arguments{QStringLiteral("--drive"), QString::number(rounds),
                          QString::number(seed)};
    if (check)
        arguments << QStringLiteral("--check");
    window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window.start(QCoreApplication::applicationFilePath(), arguments);
}

// Runs the window without a kill, which writes the first version of the
// files, checks that each close writes what it announced, and measures how
// long each step takes in each round: the kills aim within those times.
bool Calibrate(unsigned seed, std::vector<std::vector<double>>& stepMs)
{
    QProcess window;
    StartWindow(window, CalibrationRounds, seed, true);
    stepMs.assign(CalibrationRounds + 1, std::vector<double>(std::size(TargetSteps), 0));
    std::string line;
    std::string lastStep;
    int lastRound = 0;
    Clock::time_point lastAt = Clock::now();
    while (ReadLine(window, line)) {
        std::istringstream words(line);
        std::string step;
        int round = 0;
        words >> step >> round;
        if (step == "loaded" || step == "expect")
            continue;
        const Clock::time_point now = Clock::now();
        for (std::size_t s = 0; s < std::size(TargetSteps); ++s)
            if (lastStep == TargetSteps[s])
                stepMs[lastRound][s] =
                    std::chrono::duration<double, std::milli>(now - lastAt).count();
        lastStep = step;
        lastRound = round;
        lastAt = now;
    }
    // Already finished, as a rule: the last line came just before the end.
    window.waitForFinished(LineTimeoutMs);
    return window.state() == QProcess::NotRunning && window.exitStatus() == QProcess::NormalExit &&
           window.exitCode() == 0;
}

// The real program starts on the files, runs a few ticks, closes and so
// writes them again: exit status 0 and the same values.
bool RealProgramKeeps(const TSavedFiles& files, const QString& shot, std::string& why)
{
    QProcess program;
    program.start(QStringLiteral(KOLVANE_PROGRAM), {QStringLiteral("--screenshot"), shot});
    program.waitForFinished(LineTimeoutMs);
    if (program.state() != QProcess::NotRunning || program.exitStatus() != QProcess::NormalExit ||
        program.exitCode() != 0) {
        program.kill();
        why = "kolvane did not start and end normally: " +
              program.readAllStandardError().toStdString();
        return false;
    }
    const TSavedFiles after = ReadSavedFiles();
    if (after.Settings.Text != files.Settings.Text || after.Image.Text != files.Image.Text) {
        why = "kolvane did not keep the values:\n  " + after.Settings.Text + "\n  " +
              after.Image.Text;
        return false;
    }
    return true;
}

// Cut-short copies of both files under the names a save gives its temporary
// file where the file system cannot keep it nameless; a kill there would
// leave them, and no start may take them for the real ones.
bool PlantTemporaryCopies()
{
    for (const QString& path : {SettingsFilePath(), ImageCopyPath()}) {
        QFile real(path);
        QFile copy(path + QStringLiteral(".kl1Ab2"));
        if (!real.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly))
            return false;
        const QByteArray text = real.readAll();
        if (copy.write(text.left(text.size() / 2)) != text.size() / 2)
            return false;
    }
    return true;
}

QStringList LeftOver(const QDir& folder)
{
    QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(QString::fromStdString(SettingsFileName(ExpectedUnitVersion)));
    names.removeAll(QString::fromStdString(ImageCopyFileName(ExpectedUnitVersion)));
    return names;
}

int RunKills(int kills, unsigned seed)
{
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir(folder.path()).mkdir(QStringLiteral("runtime")))
        return 2;
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", folder.filePath(QStringLiteral("runtime")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString shot = folder.filePath(QStringLiteral("shot.png"));

    std::vector<std::vector<double>> stepMs;
    if (!Calibrate(seed, stepMs)) {
        std::fprintf(stderr, "the window did not write what it announced, or did not run\n");
        return 1;
    }
    TSavedFiles onDisk = ReadSavedFiles();
    const QDir configuration(QFileInfo(SettingsFilePath()).path());
    if (!onDisk.Settings.Whole || !onDisk.Image.Whole || !PlantTemporaryCopies())
        return 1;
    const int planted = static_cast<int>(LeftOver(configuration).size());

    std::mt19937 random(seed);
    TFigures figures[PhaseCount];
    std::vector<std::string> faults;
    int programStarts = 0;
    int leftOverMost = 0;
    for (int kill = 0; kill < kills && faults.empty(); ++kill) {
        const std::size_t target = static_cast<std::size_t>(kill) % std::size(TargetSteps);
        const int round = std::uniform_int_distribution<int>(1, 2)(random);
        const double spanUs = 1600 * stepMs[round][target];
        const auto delay = std::chrono::microseconds(
            static_cast<long long>(std::uniform_real_distribution<double>(0, spanUs)(random)));
        const std::string aim = std::string(TargetSteps[target]) + " " + std::to_string(round);

        TWindowRun run;
        run.Settings = onDisk.Settings.Text;
        run.Image = onDisk.Image.Text;
        QProcess window;
        StartWindow(window, RoundsPerRun, seed + static_cast<unsigned>(kill), false);
        std::string line;
        bool aimed = false;
        while (!aimed && ReadLine(window, line)) {
            run.Take(line);
            aimed = line == aim;
        }
        // Spinning, not sleeping: a sleep would wake a scheduler tick late and
        // miss most of a close that takes a few milliseconds.
        if (aimed) {
            for (const Clock::time_point until = Clock::now() + delay; Clock::now() < until;) {
            }
        }
        window.kill();
        window.waitForFinished(LineTimeoutMs);
        if (!aimed) {
            faults.push_back("the window never reached \"" + aim + "\"");
            break;
        }
        for (const QByteArray& rest : window.readAllStandardOutput().split('\n'))
            if (!rest.trimmed().isEmpty())
                run.Take(rest.trimmed().toStdString());

        const TSavedFiles found = ReadSavedFiles();
        TFigures& phase = figures[PhaseOf(run.Step)];
        ++phase.Kills;
        ++phase.Settings[run.Judge(found.Settings, run.Settings, run.NewSettings,
                                   "the settings file")];
        ++phase.Image[run.Judge(found.Image, run.Image, run.NewImage, "the image copy")];
        leftOverMost =
            std::max(leftOverMost, static_cast<int>(LeftOver(configuration).size()) - planted);

        std::string why;
        if (run.Faults.empty() && !RealProgramKeeps(found, shot, why))
            run.Faults.push_back(why);
        programStarts += run.Faults.empty();
        for (const std::string& fault : run.Faults)
            faults.push_back("kill " + std::to_string(kill + 1) + " (" +
                             PhaseNames[PhaseOf(run.Step)] + ", round " +
                             std::to_string(run.Round) + "): " + fault);
        onDisk = found;
    }

    std::printf("SIGKILL at random moments, seed %u; aimed at the first two rounds of each run\n"
                "(a step takes about: start %.1f / %.1f ms, edit %.1f / %.1f ms, close %.2f / "
                "%.2f ms)\n\n",
                seed, stepMs[1][0], stepMs[2][0], stepMs[1][1], stepMs[2][1], stepMs[1][2],
                stepMs[2][2]);
    std::printf("%-16s %6s   %-22s %-22s\n", "killed during", "kills", "settings file",
                "image copy");
    TFigures all;
    for (int p = 0; p < PhaseCount; ++p) {
        const TFigures& f = figures[p];
        std::printf("%-16s %6d   %4d before %4d new %s %4d before %4d new %s\n", PhaseNames[p],
                    f.Kills, f.Settings[Previous], f.Settings[New], f.Settings[Bad] ? "BAD" : "   ",
                    f.Image[Previous], f.Image[New], f.Image[Bad] ? "BAD" : "   ");
        all.Kills += f.Kills;
        for (int o = 0; o < 3; ++o) {
            all.Settings[o] += f.Settings[o];
            all.Image[o] += f.Image[o];
        }
    }
    std::printf("%-16s %6d   %4d before %4d new     %4d before %4d new\n", "all", all.Kills,
                all.Settings[Previous], all.Settings[New], all.Image[Previous], all.Image[New]);
    std::printf("(before: as the last close that finished left it;\n"
                " new: complete, as the close that was cut short wrote it)\n");
    std::printf("\nfiles cut short or damaged: %d\n", all.Settings[Bad] + all.Image[Bad]);
    std::printf("temporary files left in the folder by the kills: at most %d, at the end %d\n"
                "(besides %d cut-short copies put there under temporary names, which no start "
                "took)\n",
                leftOverMost, static_cast<int>(LeftOver(configuration).size()) - planted, planted);
    std::printf("kolvane started on what the kill left, exited 0 and kept the values: %d of %d\n",
                programStarts, all.Kills);
    for (const std::string& fault : faults)
        std::printf("FAULT %s\n", fault.c_str());
    const bool sound = faults.empty() && all.Kills == kills;
    std::printf("\n%s\n", sound ? "sound" : "FAULTS FOUND");
    return sound ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--drive") == 0)
        return DriveWindow(std::atoi(argv[2]), static_cast<unsigned>(std::atol(argv[3])),
                           argc > 4 && std::strcmp(argv[4], "--check") == 0);
    const int kills = argc > 1 ? std::atoi(argv[1]) : 0;
    if (kills <= 0) {
        std::fprintf(stderr, "usage: kolvane_kill_test KILLS [SEED]\n");
        return 2;
    }
    const unsigned seed =
        argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : std::random_device{}();
    QCoreApplication application(argc, argv);
    return RunKills(kills, seed);
}
