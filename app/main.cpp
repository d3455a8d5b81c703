#include "app/command_line.h"
#include "app/demo_unit.h"
#include "app/guarded_application.h"
#include "app/hlav.h"
#include "app/screenshot.h"
#include "link/serial_port.h"
#include "ui/form_about.h"

#include <cstdio>
#include <exception>

namespace {
// Long enough for the silence watch to show "No connection with PC".
constexpr int ScreenshotTicks = 20;
} // namespace

int main(int argc, char** argv)
{
    TGuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolvane"));
    const TStartOptions options = ParseStartOptions(ProgramArguments());
    if (!options.Error.empty()) {
        std::fprintf(stderr, "kolvane: %s\n", options.Error.c_str());
        return 2;
    }
    try {
        TDemoUnit demo;
        std::vector<std::string> ports = options.Ports;
        if (options.Demo) {
            const std::string device = demo.Start();
            if (device.empty()) {
                ShowExceptionBox(demo.Error);
                return 1;
            }
            ports = {device};
        }
        TFormHlav FormHlav(std::make_unique<TSerialPort>(ports));
        TFormAbout FormAbout(&FormHlav);
        if (!options.ScreenshotPath.empty())
            new TScreenshot(FormHlav, QString::fromStdString(options.ScreenshotPath),
                            ScreenshotTicks);
        FormHlav.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        ShowExceptionBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowExceptionBox(QStringLiteral("Unknown exception"));
    }
    return 0;
}
