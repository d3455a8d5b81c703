#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A print server of the test's own: cupsd with its configuration, spool,
// logs and socket in a temporary folder, and this process's print client
// pointed at that socket through CUPS_SERVER for the fixture's life. Until
// Start, nobody listens there, so the client sees no printer at all.
class TPrintServer {
public:
    TPrintServer();
    ~TPrintServer();

    // False, with Error saying why, when cupsd cannot run here.
    bool Start();
    // A queue that writes each sheet it prints, as a PDF, to Output(name);
    // it takes jobs or refuses them, and its printer runs or is stopped.
    bool AddQueue(const QString& name, bool accepting, bool running);
    bool MakeDefault(const QString& name);
    QString Output(const QString& name) const;

    QString Error;

private:
    bool Run(const QString& program, const QStringList& arguments);

    QTemporaryDir m_folder;
    QProcess m_cupsd;
    QByteArray m_previousServer;
};
