#include "kill_driver.h"

#include "app/hlav.h"
#include "fake_port.h"
#include "files/atomic_file.h"
#include "files/settings_ranges.h"
#include "saved_files.h"
#include "texts/language.h"
#include "window_edits.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>

#include <cstdio>
#include <memory>

namespace {

const char* const Languages[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};

void Say(const char* step, int round, const std::string& what = {})
{
    std::printf("%s %d%s%s\n", step, round, what.empty() ? "" : " ", what.c_str());
    std::fflush(stdout);
}

// The folder of the last parameter file: no edit here changes it.
std::string LastFileFolder()
{
    std::string text;
    ReadSmallFile(SettingsFilePath(), 1024 * 1024, text);
    return ReadSettings(TProfileFile(text), {}).IniDir;
}

// What the close will write, from what the window holds; the close's
// normalisation brings the ports back into range first.
TSettings ExpectedSettings(const TFormHlav& form, const std::string& folder)
{
    std::uint8_t port = form.Link().State().PortIndex;
    std::uint8_t autoPort = form.Link().State().AutoPortIndex;
    std::uint8_t language = LanguageIndex;
    ClampSettingsRanges(port, autoPort, language);
    TSettings settings;
    settings.Left = form.x();
    settings.Top = form.y();
    settings.Width = form.width();
    settings.Height = form.height();
    settings.ComPort = port + 1;
    settings.ComPortAuto = autoPort + 1;
    settings.Language = language;
    settings.File = form.findChild<QLabel*>(QStringLiteral("LabelFile2"))->text().toStdString();
    settings.IniDir = folder;
    settings.IgnAllChecked =
        form.findChild<QCheckBox*>(QStringLiteral("CheckBoxIgnAll"))->isChecked();
    return settings;
}

void Edit(TFormHlav& form, std::mt19937& random)
{
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    for (int edits = pick(1, 3); edits > 0; --edits)
        EditAdvance(form, random);
    if (pick(0, 1) == 1)
        form.findChild<QCheckBox*>(QStringLiteral("CheckBoxIgnAll"))->click();
    form.findChild<QAction*>(QLatin1String(Languages[pick(0, 3)]))->trigger();
    // Somewhere the title bar stays on the screen, so the next start keeps it.
    form.move(pick(0, 300), pick(0, 200));
    RunTicks(form, 2);
}

} // namespace

int DriveWindow(int rounds, unsigned seed, bool selfCheck)
{
    // No arguments reach the window: it would take a language word from them.
    int argc = 1;
    char name[] = "kolvane_kill_test";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    std::mt19937 random(seed);
    for (int round = 1; round <= rounds; ++round) {
        Say("start", round);
        const std::string folder = LastFileFolder();
        // A port that never opens: nothing is sent, no box asks anything.
        auto form = std::make_unique<TFormHlav>(std::make_unique<TFakePort>(std::set<int>{}));
        form->show();
        RunTicks(*form, 3);
        // What it started from, which must be what the files held.
        Say("loaded", round, "settings " + DescribeSettings(ExpectedSettings(*form, folder)));
        Say("loaded", round, "image " + DescribeImage(form->Image().Bytes));

        Say("edit", round);
        Edit(*form, random);
        const std::string settings = DescribeSettings(ExpectedSettings(*form, folder));
        const std::string image = DescribeImage(form->Image().Bytes);
        Say("expect", round, "settings " + settings);
        Say("expect", round, "image " + image);

        Say("close", round);
        form->close();
        Say("closed", round);
        if (selfCheck) {
            const TSavedFiles saved = ReadSavedFiles();
            if (saved.Settings.Text != settings || saved.Image.Text != image) {
                std::fprintf(stderr, "round %d wrote\n  %s\n  %s\n", round,
                             saved.Settings.Text.c_str(), saved.Image.Text.c_str());
                return 1;
            }
        }
    }
    return 0;
}
