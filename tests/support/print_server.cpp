#include "print_server.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <cups/cups.h>

namespace {

// A PDF printer made of CUPS's own PDF filter; cups-filters installs it.
const QString PdfModel = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");

// Anyone on the socket may do anything: the server is the test's alone.
const char* const ServerConfiguration = R"(Listen %1/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
Order allow,deny
Allow all
</Location>
<Policy default>
<Limit All>
Order allow,deny
Allow all
</Limit>
</Policy>
)";

// Printing to a file: device is allowed only where the files say so.
const char* const FilesConfiguration = R"(ServerRoot %1
RequestRoot %1/spool
TempDir %1/spool/tmp
CacheDir %1/cache
StateDir %1/state
AccessLog %1/log/access_log
ErrorLog %1/log/error_log
PageLog %1/log/page_log
FileDevice Yes
)";

bool WriteText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

bool Listening()
{
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                1000, nullptr);
    httpClose(http);
    return http != nullptr;
}

// The administration tools live in sbin, which a user's PATH may lack.
QString Tool(const QString& name)
{
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin")})
                           : found;
}

} // namespace

TPrintServer::TPrintServer() : m_previousServer(qgetenv("CUPS_SERVER"))
{
    qputenv("CUPS_SERVER", m_folder.filePath(QStringLiteral("cups.sock")).toLocal8Bit());
    cupsSetServer(nullptr); // forget a server already looked up: CUPS_SERVER is read again
}

TPrintServer::~TPrintServer()
{
    m_cupsd.terminate();
    m_cupsd.waitForFinished();
    if (m_previousServer.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", m_previousServer);
    cupsSetServer(nullptr);
}

bool TPrintServer::Start()
{
    const QString root = m_folder.path();
    // The scheduler's filters run as its own user, which must reach the spool.
    QFile::setPermissions(root, QFile::permissions(root) | QFile::ExeOther | QFile::ReadOther);
    for (const char* folder : {"spool/tmp", "cache", "state", "log", "out"})
        QDir(root).mkpath(QString::fromLatin1(folder));
    if (!QFile::exists(PdfModel)) {
        Error = "no PDF printer model at " + PdfModel;
        return false;
    }
    if (!WriteText(root + "/cupsd.conf", QString(ServerConfiguration).arg(root)) ||
        !WriteText(root + "/cups-files.conf", QString(FilesConfiguration).arg(root))) {
        Error = QStringLiteral("cannot write the configuration");
        return false;
    }
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(Tool(QStringLiteral("cupsd")),
                  {"-f", "-c", root + "/cupsd.conf", "-s", root + "/cups-files.conf"});
    const bool ended = QTest::qWaitFor(
        [this] { return m_cupsd.state() == QProcess::NotRunning || Listening(); }, 10000);
    if (ended && m_cupsd.state() == QProcess::Running)
        return true;
    Error = "cupsd did not start: " + m_cupsd.errorString() + " " +
            QString::fromLocal8Bit(m_cupsd.readAll());
    return false;
}

bool TPrintServer::AddQueue(const QString& name, bool accepting, bool running)
{
    return Run(QStringLiteral("lpadmin"),
               {"-p", name, "-E", "-v", "file://" + Output(name), "-P", PdfModel}) &&
           (accepting || Run(QStringLiteral("cupsreject"), {name})) &&
           (running || Run(QStringLiteral("cupsdisable"), {name}));
}

bool TPrintServer::MakeDefault(const QString& name)
{
    return Run(QStringLiteral("lpadmin"), {"-d", name});
}

QString TPrintServer::Output(const QString& name) const
{
    return m_folder.filePath("out/" + name + ".pdf");
}

bool TPrintServer::Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(Tool(program), arguments);
    const bool done = process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
                      process.exitCode() == 0;
    if (!done)
        Error = program + ": " + QString::fromLocal8Bit(process.readAllStandardError());
    return done;
}
