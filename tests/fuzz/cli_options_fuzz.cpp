// Any bytes as kolvane-cli's command line, split at NUL bytes into
// arguments, the first the program's name. Unless the line is refused or
// asks for help or the version, it must name a known command, with a file
// exactly when the command takes one, options only of that command and
// numbers in their ranges; and the options, written out as a command line
// of their own, must parse to themselves.
#include "cli/cli_options.h"
#include "fuzz_input.h"

#include <QByteArray>

#include <cmath>

namespace {

void Check(bool holds, const char* what)
{
    FuzzCheck(holds, "cli options", what);
}

bool Same(const TCliOptions& a, const TCliOptions& b)
{
    return a.Command == b.Command && a.File == b.File && a.Port == b.Port && a.Trace == b.Trace &&
           a.Output == b.Output && a.Csv == b.Csv && a.Seconds == b.Seconds &&
           a.IntervalMs == b.IntervalMs && a.Json == b.Json && a.DryRun == b.DryRun &&
           a.Help == b.Help && a.Version == b.Version && a.Error == b.Error;
}

// The options as one "--name=value" per value given, and the words after
// "--" so that neither can pass for an option.
QStringList CommandLineOf(const TCliOptions& options)
{
    QStringList words{"kolvane-cli"};
    const auto value = [&words](const char* name, const QString& text) {
        if (!text.isEmpty())
            words << QString("--%1=%2").arg(name, text);
    };
    value("port", options.Port);
    value("trace", options.Trace);
    value("output", options.Output);
    value("csv", options.Csv);
    if (options.Seconds != TCliOptions().Seconds)
        value("seconds", QString::number(options.Seconds, 'g', 17));
    if (options.IntervalMs != TCliOptions().IntervalMs)
        value("interval", QString::number(options.IntervalMs));
    if (options.Json)
        words << "--json";
    if (options.DryRun)
        words << "--dry-run";
    words << "--" << options.Command;
    if (!options.File.isEmpty())
        words << options.File;
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList arguments;
    for (const QByteArray& word :
         QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0'))
        arguments << QString::fromUtf8(word);
    const TCliOptions options = ParseCliOptions(arguments);
    if (!options.Error.isEmpty() || options.Help || options.Version)
        return 0;

    const TCliCommand* command = FindCliCommand(options.Command);
    Check(command != nullptr, "accepted an unknown command");
    Check(options.File.isEmpty() != command->TakesFile,
          "a file for a command without one, or none for a command that needs one");
    const auto only = [&options](const char* name) { return options.Command == name; };
    Check(options.Output.isEmpty() || only("read"), "-o for another command than read");
    Check(!options.DryRun || only("program"), "--dry-run for another command than program");
    Check((options.Csv.isEmpty() && options.Seconds == TCliOptions().Seconds &&
           options.IntervalMs == TCliOptions().IntervalMs) ||
              only("monitor"),
          "a monitor option for another command");
    Check(std::isfinite(options.Seconds) && options.Seconds >= 0, "seconds out of range");
    Check(options.IntervalMs > 0, "interval out of range");

    Check(Same(ParseCliOptions(CommandLineOf(options)), options),
          "the options written as a command line parse to other options");
    return 0;
}
