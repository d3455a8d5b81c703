// kolvane-cli: reads, verifies and programs the ignition unit from a shell,
// at the pace of the line rather than of the window's timer.
#include "cli/cli_options.h"
#include "cli/cli_session.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("kolvane-cli");
    QCoreApplication::setApplicationVersion(KOLVANE_VERSION);
    const TCliOptions options = ParseCliOptions(QCoreApplication::arguments());
    if (options.Help) {
        std::fputs(qPrintable(CliHelpText()), stdout);
        return ExitDone;
    }
    if (options.Version) {
        std::printf("kolvane-cli %s\n", KOLVANE_VERSION);
        return ExitDone;
    }
    if (!options.Error.isEmpty()) {
        std::fprintf(stderr, "kolvane-cli: %s\nTry 'kolvane-cli --help'.\n",
                     qPrintable(options.Error));
        return ExitUsage;
    }
    TCliSession session(options);
    const int status = session.Run();
    if (options.Json)
        std::fputs(QJsonDocument(session.Result()).toJson(QJsonDocument::Compact).append('\n'),
                   stdout);
    return status;
}
