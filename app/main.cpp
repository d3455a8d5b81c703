#include "app/command_line.h"
#include "app/demo_unit.h"
#include "app/guarded_application.h"
#include "app/hlav.h"
#include "app/screenshot.h"
#include "app/signal_closer.h"
#include "files/monitor_log.h"
#include "files/output_paths.h"
#include "files/trace_file.h"
#include "link/serial_port.h"
#include "ui/form_about.h"
#include "ui/startup_probe.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {
// Long enough for the silence watch to show "No connection with PC".
constexpr int ScreenshotTicks = 20;

// A start-up that fails says why on standard error and, where someone can
// see it, in a box; either way the program ends with a failure status.
int StartupFailed(const QString& reason)
{
    std::fprintf(stderr, "kolvane: %s\n", qPrintable(reason));
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        ShowExceptionBox(reason);
    return 1;
}
} // namespace

int main(int argc, char** argv)
{
    // Read before the application exists, so --help and --version work
    // without a display.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const TStartOptions options = ParseStartOptions(arguments);
    if (!options.Error.empty()) {
        std::fprintf(stderr, "kolvane: %s\n\n%s", options.Error.c_str(), UsageText().c_str());
        return 2;
    }
    if (options.Help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (options.Version) {
        std::printf("kolvane %s\n", KOLVANE_VERSION);
        return 0;
    }

    // Opened before anything shows, so a wrong path ends the run like a
    // wrong option; the window only writes to them.
    TMonitorLog monitorLog;
    TTraceFile lineTrace;
    const auto openFailed = [](const std::string& error) {
        if (!error.empty())
            std::fprintf(stderr, "kolvane: %s\n", error.c_str());
        return !error.empty();
    };
    if (openFailed(SameFileTwice({options.LogPath, options.TracePath, options.ScreenshotPath})))
        return 2;
    if (!options.LogPath.empty() && openFailed(monitorLog.Open(options.LogPath, options.Force)))
        return 2;
    if (!options.TracePath.empty() && openFailed(lineTrace.Open(options.TracePath, options.Force)))
        return 2;

    TGuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolvane"));
    QApplication::setApplicationVersion(QStringLiteral(KOLVANE_VERSION));
    // Lets the desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kolvane.Kolvane"));
    try {
        TDemoUnit demo;
        std::vector<std::string> ports = options.Ports;
        if (options.Demo) {
            const std::string device = demo.Start();
            if (device.empty())
                throw std::runtime_error(demo.Error.toStdString());
            ports = {device};
        }
        TFormHlav FormHlav(std::make_unique<TSerialPort>(ports));
        // The time this file was compiled: the build of the program itself.
        TFormAbout FormAbout(BuildStampFrom(__DATE__, __TIME__), &FormHlav);
        FormHlav.SetAboutWindow(&FormAbout);
        if (!options.LogPath.empty())
            FormHlav.SetMonitorLog(&monitorLog);
        if (!options.TracePath.empty())
            FormHlav.SetLineTrace(&lineTrace);
        TSignalCloser stopSignals;
        QObject::connect(&stopSignals, &TSignalCloser::Received, &FormHlav,
                         &TFormHlav::CloseForSignal);
        if (!options.ScreenshotPath.empty())
            new TScreenshot(FormHlav, QString::fromStdString(options.ScreenshotPath),
                            ScreenshotTicks);
        InstallStartupProbe(FormHlav);
        FormHlav.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        return StartupFailed(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return StartupFailed(QStringLiteral("Unknown exception"));
    }
}
