#pragma once

#include <QProcess>
#include <QStringList>
#include <string>

// The simulated unit that --demo talks to: a child process serving a
// pseudo-terminal, stopped with the program.
class TDemoUnit {
public:
    ~TDemoUnit();

    // Starts the simulator and returns its device path, or empty with Error set.
    std::string Start(const QStringList& arguments = {});
    void Stop();
    QString Error;

    // Where the simulator is looked for: beside the program, in the build
    // tree's sim/ folder, then on PATH.
    static QString FindProgram();

private:
    QProcess m_process;
};
