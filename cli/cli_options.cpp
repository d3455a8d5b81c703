#include "cli/cli_options.h"

#include <QCommandLineParser>

namespace {

constexpr TCliCommand Commands[] = {{"read", false},   {"verify", true},   {"diff", true},
                                    {"program", true}, {"monitor", false}, {"ports", false}};

constexpr int MinIntervalMs = 20;
constexpr int MaxIntervalMs = 60000;

struct TParser {
    QCommandLineParser Parser;
    QCommandLineOption Port{"port", "Use this serial device.", "DEVICE"};
    QCommandLineOption Json{"json", "Print one JSON result object on standard output."};
    QCommandLineOption Trace{"trace", "Write every frame sent and received to FILE.", "FILE"};
    QCommandLineOption Output{QStringList{"o", "output"},
                              "read: save the parameters as a .ign file.", "FILE.ign"};
    QCommandLineOption DryRun{"dry-run", "program: show what would change, then stop."};
    QCommandLineOption Force{"force", "Overwrite a file that holds something already, and "
                                      "program values the window would have limited."};
    QCommandLineOption Csv{"csv", "monitor: also write each answer as a CSV row to FILE.", "FILE"};
    QCommandLineOption Seconds{"seconds", "monitor: stop after N seconds.", "N"};
    QCommandLineOption Interval{"interval",
                                "monitor: ask for live data every MS milliseconds "
                                "(330 by default, as the window does).",
                                "MS"};
    QCommandLineOption Help{QStringList{"h", "help"}, "Show this text."};
    QCommandLineOption Version{QStringList{"v", "version"}, "Show the program's version."};

    TParser()
    {
        Parser.setApplicationDescription(
            "Reads, verifies and programs the parameters of an ignition unit on a serial\n"
            "port, and logs the live data it reports.");
        Parser.addOptions(
            {Port, Json, Trace, Output, DryRun, Force, Csv, Seconds, Interval, Help, Version});
        Parser.addPositionalArgument("command", "read, verify, diff, program, monitor or ports.",
                                     "COMMAND");
        Parser.addPositionalArgument("file", "The .ign file of verify, diff and program.",
                                     "[FILE.ign]");
    }
};

} // namespace

const TCliCommand* FindCliCommand(const QString& name)
{
    for (const TCliCommand& command : Commands)
        if (name == QLatin1String(command.Name))
            return &command;
    return nullptr;
}

TCliOptions ParseCliOptions(const QStringList& arguments)
{
    TParser p;
    TCliOptions options;
    if (!p.Parser.parse(arguments)) {
        options.Error = p.Parser.errorText();
        return options;
    }
    options.Help = p.Parser.isSet(p.Help);
    options.Version = p.Parser.isSet(p.Version);
    if (options.Help || options.Version)
        return options;

    const QStringList words = p.Parser.positionalArguments();
    if (words.isEmpty()) {
        options.Error = "No command given.";
        return options;
    }
    options.Command = words.first();
    const TCliCommand* command = FindCliCommand(options.Command);
    if (!command) {
        options.Error = "Unknown command '" + options.Command + "'.";
        return options;
    }
    // An empty name would only fail later, as a file that cannot be read.
    if (command->TakesFile && (words.size() != 2 || words.at(1).isEmpty())) {
        options.Error = options.Command + " needs one .ign file.";
        return options;
    }
    if (!command->TakesFile && words.size() != 1) {
        options.Error = options.Command + " takes no file: '" + words.at(1) + "'.";
        return options;
    }
    if (command->TakesFile)
        options.File = words.at(1);

    options.Port = p.Parser.value(p.Port);
    options.Trace = p.Parser.value(p.Trace);
    options.Output = p.Parser.value(p.Output);
    options.Csv = p.Parser.value(p.Csv);
    options.Json = p.Parser.isSet(p.Json);
    options.DryRun = p.Parser.isSet(p.DryRun);
    options.Force = p.Parser.isSet(p.Force);

    // "--trace=" would otherwise quietly trace nothing, and "--port=" pick a port.
    for (const QCommandLineOption* option : {&p.Port, &p.Trace, &p.Output, &p.Csv})
        if (p.Parser.isSet(*option) && p.Parser.value(*option).isEmpty()) {
            options.Error = "--" + option->names().last() + " needs " +
                            (option == &p.Port ? "a device path." : "a file name.");
            return options;
        }

    // An option meant for another command is a mistake worth saying.
    const auto onlyFor = [&](const QCommandLineOption& option, const char* name) {
        if (options.Error.isEmpty() && p.Parser.isSet(option) &&
            options.Command != QLatin1String(name))
            options.Error = "--" + option.names().last() + " belongs to the " + name + " command.";
    };
    onlyFor(p.Output, "read");
    onlyFor(p.DryRun, "program");
    onlyFor(p.Csv, "monitor");
    onlyFor(p.Seconds, "monitor");
    onlyFor(p.Interval, "monitor");
    if (!options.Error.isEmpty())
        return options;

    bool ok = true;
    if (p.Parser.isSet(p.Seconds)) {
        options.Seconds = p.Parser.value(p.Seconds).toDouble(&ok);
        if (!ok || !(options.Seconds > 0) || options.Seconds > 1e7)
            options.Error = "--seconds needs a number of seconds above 0.";
    }
    if (p.Parser.isSet(p.Interval)) {
        options.IntervalMs = p.Parser.value(p.Interval).toInt(&ok);
        if (!ok || options.IntervalMs < MinIntervalMs || options.IntervalMs > MaxIntervalMs)
            options.Error = QString("--interval needs %1..%2 milliseconds.")
                                .arg(MinIntervalMs)
                                .arg(MaxIntervalMs);
    }
    return options;
}

QString CliHelpText()
{
    TParser p;
    return p.Parser.helpText() +
           "\nCommands:\n"
           "  read [-o FILE.ign]      read the unit; print its parameters, or save them\n"
           "  verify FILE.ign         compare the unit with the file's values\n"
           "  diff FILE.ign           show, value by value, what programming the file\n"
           "                          would change\n"
           "  program FILE.ign        read the unit, put the file's values on top of its\n"
           "                          own, program them and verify (--dry-run: only show\n"
           "                          what would change)\n"
           "  monitor [--csv FILE] [--seconds N] [--interval MS]\n"
           "                          live data, one line per answer\n"
           "  ports                   list the serial devices\n"
           "\n"
           "Without --port the one serial device present is used (a USB adapter when\n"
           "there are others too); with several, the program lists them.\n"
           "\n"
           "Exit status:\n"
           "  0  done (and verified)\n"
           "  1  the unit differs from the file (verify, diff)\n"
           "  2  a bad command line, or a file that cannot be read or written; program:\n"
           "     a file with values the window would limit (each is listed), unless --force\n"
           "  3  no serial device, or no answer from a unit that was sent nothing to keep\n"
           "  4  the unit's program version is not 72\n"
           "  5  the unit refuses reading\n"
           "  6  the unit may hold new values that were not verified (program sent them,\n"
           "     then was interrupted, lost the device or had no answer that verified\n"
           "     them): run 'kolvane-cli verify FILE.ign'\n"
           "  128+N  stopped by signal N (130 for Ctrl+C, 143 SIGTERM, 129 SIGHUP) before\n"
           "     the unit took anything; the unit is unchanged\n";
}
