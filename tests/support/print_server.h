#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cups/cups.h>

// A print server of the test's own: cupsd with its configuration, spool, logs and
// socket in a temporary folder, this process's print client pointed at the socket
// through CUPS_SERVER for the fixture's life. Until Start, the client sees no printer.
class TPrintServer {
public:
    TPrintServer() : m_previous(qgetenv("CUPS_SERVER"))
    {
        qputenv("CUPS_SERVER", Path("cups.sock").toLocal8Bit());
        cupsSetServer(nullptr); // the client reads CUPS_SERVER again
    }
    ~TPrintServer()
    {
        m_cupsd.kill();
        m_cupsd.waitForFinished();
        m_previous.isNull() ? qunsetenv("CUPS_SERVER") : qputenv("CUPS_SERVER", m_previous);
        cupsSetServer(nullptr);
    }

    // Empty when cupsd runs, otherwise why it does not. Anyone on the socket
    // may do anything, and file: devices are allowed.
    QString Start()
    {
        const auto Write = [this](const QString& name, const QString& text) {
            QFile file(Path(name));
            return file.open(QIODevice::WriteOnly) &&
                   file.write(text.arg(m_folder.path()).toUtf8());
        };
        Write("cupsd.conf", "Listen %1/cups.sock\nDefaultAuthType None\n<Policy default>\n"
                            "<Limit All>\nOrder allow,deny\nAllow all\n</Limit>\n</Policy>\n");
        Write("cups-files.conf", "ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                 "StateDir %1/state\nErrorLog stderr\nAccessLog %1/log\n"
                                 "PageLog %1/log\nFileDevice Yes\n");
        // The scheduler's filters run as its own user, who must reach the spool.
        QFile::setPermissions(m_folder.path(), QFile::permissions(m_folder.path()) |
                                                   QFile::ReadOther | QFile::ExeOther);
        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start("cupsd", {"-f", "-c", Path("cupsd.conf"), "-s", Path("cups-files.conf")});
        const bool up = QTest::qWaitFor([this] {
            return m_cupsd.state() == QProcess::NotRunning || QFile::exists(Path("cups.sock"));
        });
        return up && m_cupsd.state() == QProcess::Running
                   ? QString()
                   : "cupsd: " + m_cupsd.errorString() + " " + m_cupsd.readAll();
    }

    // Makes the default a PDF queue that writes what it prints to
    // Output(name), takes jobs or refuses them, and runs or is stopped.
    bool AddDefaultQueue(const QString& name, bool accepting, bool running)
    {
        const QString pdf = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";
        return QProcess::execute(
                   "lpadmin", {"-p", name, "-E", "-v", "file://" + Output(name), "-P", pdf}) == 0 &&
               (accepting || QProcess::execute("cupsreject", {name}) == 0) &&
               (running || QProcess::execute("cupsdisable", {name}) == 0) &&
               QProcess::execute("lpadmin", {"-d", name}) == 0;
    }

    QString Output(const QString& name) const { return Path(name + ".pdf"); }

private:
    QString Path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
    QProcess m_cupsd;
    QByteArray m_previous;
};
