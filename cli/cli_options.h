#pragma once

#include <QString>
#include <QStringList>

// What kolvane-cli exits with; scripts rely on these numbers.
enum TCliExit {
    ExitDone = 0,          // done (and verified, where the command verifies)
    ExitDiffers = 1,       // the unit differs from the file (verify, diff)
    ExitUsage = 2,         // a bad command line, or a file that cannot be used
    ExitNoAnswer = 3,      // no port, or no answer from a unit that took nothing
    ExitVersion = 4,       // the unit runs another program version
    ExitReadRefused = 5,   // the unit refuses reading
    ExitUnverified = 6,    // program sent block 1: the unit may hold new values, not verified
    ExitInterrupted = 128, // + the signal's number: stopped before the unit took anything
};

struct TCliOptions {
    QString Command; // read, verify, diff, program, monitor or ports
    QString File;    // the .ign file of verify, diff and program
    QString Port;
    QString Trace;
    QString Output;     // read -o
    QString Csv;        // monitor --csv
    double Seconds = 0; // monitor: 0 runs until interrupted
    int IntervalMs = 330;
    bool Json = false;
    bool DryRun = false;
    bool Force = false; // overwrite outputs; program values beyond the window's limits
    bool Help = false;
    bool Version = false;
    QString Error; // set when the command line cannot be used
};

// A command and whether it takes the .ign file; null for a word that names none.
struct TCliCommand {
    const char* Name;
    bool TakesFile;
};
const TCliCommand* FindCliCommand(const QString& name);

// arguments include the program's name first, as QCoreApplication gives them.
TCliOptions ParseCliOptions(const QStringList& arguments);

// What --help prints: the options, the commands and the exit statuses.
QString CliHelpText();
