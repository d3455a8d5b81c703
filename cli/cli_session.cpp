#include "cli/cli_session.h"

#include "cli/cli_ports.h"
#include "cli/cli_report.h"
#include "files/atomic_file.h"
#include "files/monitor_log.h"
#include "files/output_paths.h"
#include "files/param_file.h"
#include "files/param_file_disk.h"
#include "files/param_listing.h"
#include "link/monitor_display.h"
#include "link/port_advice.h"
#include "link/transfer.h"
#include "params/editor.h"

#include <QByteArray>
#include <QJsonArray>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <thread>

#include <unistd.h>

namespace {

// The signal that asked the run to stop, 0 while none has.
volatile std::sig_atomic_t Interrupted = 0;

extern "C" void OnInterrupt(int signal)
{
    Interrupted = signal;
}

// Ctrl+C, a kill or a closed terminal ends the run between two exchanges,
// so the unit is never left guessing and the result says what it holds.
void CatchInterrupt()
{
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

QString SignalName(int signal)
{
    return signal == SIGINT    ? "SIGINT"
           : signal == SIGTERM ? "SIGTERM"
           : signal == SIGHUP  ? "SIGHUP"
                               : QString("signal %1").arg(signal);
}

double Milliseconds(qint64 nanoseconds)
{
    return std::round(static_cast<double>(nanoseconds) / 1e3) / 1e3;
}

// The unit stays silent this long before the monitor says so.
constexpr int SilenceReportMs = 1000;

QString ModeText(std::uint8_t mode, std::uint8_t command)
{
    const int block = command & FrameCode::BlockMask;
    const char* verb = mode == ModeRead      ? "Reading"
                       : mode == ModeProgram ? "Programming"
                                             : "Verifying";
    return QString("%1 block %2").arg(verb).arg(block);
}

} // namespace

TCliSession::TCliSession(const TCliOptions& options)
    : m_options(options), m_messages(BuildMessageTable(0))
{
    m_progress = ::isatty(STDERR_FILENO) == 1 && !options.Json;
}

void TCliSession::Report(const QString& message)
{
    Say(message);
    m_result["message"] = message;
}

void TCliSession::Say(const QString& message)
{
    Progress({});
    std::fprintf(stderr, "kolvane-cli: %s\n", qPrintable(message));
}

void TCliSession::Progress(const QString& text)
{
    if (!m_progress)
        return;
    // Rewrites one line of the terminal; an empty text clears it.
    std::fprintf(stderr, "\r\033[K%s", qPrintable(text));
    std::fflush(stderr);
}

int TCliSession::Fail(int status, const QString& message)
{
    Report(message);
    return status;
}

int TCliSession::Run()
{
    m_clock.start();
    CatchInterrupt();
    m_result["command"] = m_options.Command;
    int status = ExitUsage;
    const std::string twice =
        SameFileTwice({m_options.Trace.toStdString(), m_options.Csv.toStdString(),
                       m_options.Output.toStdString()});
    if (!twice.empty())
        status = Fail(ExitUsage, QString::fromStdString(twice));
    else if (m_options.Command == "ports")
        status = Ports();
    else if ((status = OpenLink()) == ExitDone) {
        if (m_options.Command == "read")
            status = Read();
        else if (m_options.Command == "verify")
            status = Verify();
        else if (m_options.Command == "diff")
            status = Diff();
        else if (m_options.Command == "program")
            status = Program();
        else
            status = Monitor();
    }
    status = FinishLogs(status);
    m_timing["total"] = Milliseconds(m_clock.nsecsElapsed());
    m_result["timing_ms"] = m_timing;
    if (m_link) {
        m_result["frames_sent"] = m_link->FramesSent();
        m_result["unit_holds"] = m_unitHolds;
    }
    m_result["status"] = status;
    return status;
}

bool TCliSession::LogFailed() const
{
    return !m_csvError.isEmpty() || (m_trace && m_trace->Failed());
}

// A log that could not be written makes the run a failure even when the
// unit did everything asked.
int TCliSession::FinishLogs(int status)
{
    QStringList errors;
    if (!m_csvError.isEmpty())
        errors << m_csvError;
    if (m_trace && m_trace->Failed())
        errors << QString::fromStdString(m_trace->Error());
    if (errors.isEmpty())
        return status;
    const QString error = errors.join("; ");
    Say("cannot write " + error);
    m_result["log_error"] = error;
    return status == ExitDone ? ExitUsage : status;
}

int TCliSession::OpenLink()
{
    QString device = m_options.Port;
    if (device.isEmpty()) {
        QString why;
        device = ChoosePort(ListPorts(), why);
        if (device.isEmpty())
            return Fail(ExitNoAnswer, why);
    }
    m_result["port"] = device;
    if (!m_options.Trace.isEmpty()) {
        m_trace = std::make_unique<TTraceFile>();
        const std::string error = m_trace->Open(m_options.Trace.toStdString(), m_options.Force);
        if (!error.empty()) {
            m_trace.reset(); // said here, not again at the end
            return Fail(ExitUsage, "cannot write the trace: " + QString::fromStdString(error));
        }
    }
    m_port = std::make_unique<TSerialPort>(std::vector<std::string>{device.toStdString()});
    if (!m_port->Open(1))
        return Fail(ExitNoAnswer, QString::fromStdString(OpenFailureText(*m_port, 0))); // English
    m_link = std::make_unique<TDirectLink>(*m_port, m_trace.get());
    m_link->OnCommand = [this](std::uint8_t mode, std::uint8_t command) {
        Progress(ModeText(mode, command) + " ...");
    };
    m_link->Abandon = [] { return Interrupted != 0; };
    return ExitDone;
}

int TCliSession::RunTransfer(TTransferMode mode, TParamImage& image, const char* timingKey)
{
    const qint64 start = m_clock.nsecsElapsed();
    const TTransferEnd end = m_link->Run(mode, image);
    m_timing[timingKey] = Milliseconds(m_clock.nsecsElapsed() - start);
    Progress({});
    const QString device = m_result["port"].toString();
    const QString what =
        end == TTransferEnd::Abandoned ? "Stopped by " + SignalName(Interrupted) + "."
        : end == TTransferEnd::Differs
            ? QString::fromStdString(m_messages[mode == ModeProgram ? MsgProgramError
                                                : mode == ModeRead  ? MsgReadError
                                                                    : MsgVerifyError]) +
                  " The unit's block 1 differs from what was " +
                  (mode == ModeProgram ? "sent." : "read.")
            : "No answer from the unit on " + device + ".";
    // Once block 1 is out the unit may have taken it, whatever came back.
    if (m_link->SentBlock1()) {
        m_unitHolds = end == TTransferEnd::Verified ? "verified" : "unverified";
        if (end != TTransferEnd::Verified)
            return Fail(ExitUnverified, what +
                                            " The unit may hold new values that were not "
                                            "verified: run 'kolvane-cli verify " +
                                            m_options.File + "'.");
    }
    switch (end) {
    case TTransferEnd::Verified:
        return ExitDone;
    case TTransferEnd::Abandoned:
        return Fail(ExitInterrupted + Interrupted, what + " The unit is unchanged.");
    case TTransferEnd::Differs:
        return Fail(ExitDiffers, what);
    case TTransferEnd::NoAnswer:
        return Fail(ExitNoAnswer, what);
    case TTransferEnd::VersionMismatch:
        m_result["unit"] = UnitJson(image);
        return Fail(ExitVersion, QString::fromStdString(
                                     VersionWarning(m_messages, image[ImageByte::ProgramVersion])));
    case TTransferEnd::ReadRefused:
        m_result["unit"] = UnitJson(image);
        return Fail(ExitReadRefused, QString::fromStdString(m_messages[MsgNoReading]) +
                                         " The unit refuses reading: its read lock is set.");
    }
    return ExitNoAnswer;
}

int TCliSession::Read()
{
    TParamImage image;
    image.SetDefaults();
    const int status = RunTransfer(ModeRead, image, "read");
    if (status != ExitDone)
        return status;
    m_result["unit"] = UnitJson(image);
    m_result["parameters"] = ParamsJson(image);
    if (!m_options.Output.isEmpty()) {
        const std::string error =
            WriteFileAtomically(m_options.Output, QByteArray::fromStdString(WriteParamFile(image)));
        if (!error.empty())
            return Fail(ExitUsage, QString::fromStdString(error));
        m_result["file"] = m_options.Output;
        Report("Saved to " + m_options.Output + ".");
    } else if (!m_options.Json) {
        std::printf("%s\n%s", qPrintable(UnitText(image)), qPrintable(ParamsText(image)));
    }
    return ExitDone;
}

int TCliSession::LoadFile(std::string& text)
{
    m_result["file"] = m_options.File;
    const TParamFileText file = ReadParamFileFromDisk(m_options.File);
    if (file.Status == TParamFileStatus::TooLarge)
        return Fail(ExitUsage, m_options.File + ": too large for a parameter file.");
    if (file.Status != TParamFileStatus::Ok)
        return Fail(ExitUsage, m_options.File + ": cannot be read.");
    TParamImage probe;
    if (!ReadParamFile(file.Text, probe))
        return Fail(ExitUsage, m_options.File + ": " +
                                   QString::fromStdString(m_messages[MsgUnmatchedFileVersion]));
    text = file.Text;
    return ExitDone;
}

int TCliSession::PrepareFileImage(TParamImage& unit, TParamImage& wanted)
{
    std::string text;
    int status = LoadFile(text);
    if (status != ExitDone)
        return status;
    unit.SetDefaults();
    status = RunTransfer(ModeRead, unit, "read");
    if (status != ExitDone)
        return status;
    m_result["unit"] = UnitJson(unit);
    // As the window's Open leaves it, then as its controls hand it over.
    wanted = unit;
    ApplyParamFile(text, wanted);
    // Said as the window's Open says it: the values the controls would limit.
    m_limited = ParamFileChanges(text, wanted);
    if (!m_limited.empty()) {
        Say(QString::fromStdString(ParamFileChangesText(m_limited, 0))); // English
        m_result["clamped"] = LimitedJson(m_limited);
    }
    TakeShownValues(wanted);
    return ExitDone;
}

void TCliSession::ShowChanges(const TParamImage& from, const TParamImage& to, const char* heading)
{
    const std::vector<TParamChange> changes = DiffParams(from, to);
    m_result["changes"] = ChangesJson(changes);
    if (m_options.Json)
        return;
    if (changes.empty())
        std::printf("%s: nothing\n", heading);
    else
        std::printf("%s:\n%s", heading, qPrintable(ChangesText(changes)));
    std::fflush(stdout);
}

int TCliSession::Verify()
{
    TParamImage unit, wanted;
    const int status = PrepareFileImage(unit, wanted);
    if (status != ExitDone)
        return status;
    if (Block1Matches(unit.Block(1), wanted)) {
        Report("The unit holds the values of " + m_options.File + ".");
        return ExitDone;
    }
    ShowChanges(unit, wanted, "Differences (unit -> file)");
    return Fail(ExitDiffers, "The unit differs from " + m_options.File + ".");
}

int TCliSession::Diff()
{
    TParamImage unit, wanted;
    const int status = PrepareFileImage(unit, wanted);
    if (status != ExitDone)
        return status;
    ShowChanges(unit, wanted, "Programming would change");
    return DiffParams(unit, wanted).empty() ? ExitDone : ExitDiffers;
}

int TCliSession::Program()
{
    TParamImage unit, wanted;
    int status = PrepareFileImage(unit, wanted);
    if (status != ExitDone)
        return status;
    if (!m_limited.empty() && !m_options.Force)
        return Fail(ExitUsage, m_options.File + " holds values the window would limit; nothing was "
                                                "programmed. --force programs them as limited.");
    ShowChanges(unit, wanted, "Programming changes");
    if (m_options.DryRun)
        return ExitDone;
    status = RunTransfer(ModeProgram, wanted, "program");
    if (status == ExitDone)
        Report("Programmed and verified.");
    return status;
}

int TCliSession::Monitor()
{
    TMonitorLog csv;
    const bool logging = !m_options.Csv.isEmpty();
    if (logging) {
        const std::string error = csv.Open(m_options.Csv.toStdString(), m_options.Force);
        if (!error.empty())
            return Fail(ExitUsage, "cannot write the log: " + QString::fromStdString(error));
    }
    using Clock = std::chrono::steady_clock;
    const auto interval = std::chrono::milliseconds(m_options.IntervalMs);
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration_cast<Clock::duration>(
                                 std::chrono::duration<double>(m_options.Seconds));
    auto lastAnswer = start;
    bool silenceSaid = false;
    int answers = 0;
    // A log that fails ends the run at once: an unwatched run would
    // otherwise go on for hours recording nothing.
    for (auto next = start;
         !Interrupted && !LogFailed() && (m_options.Seconds <= 0 || Clock::now() < end);
         next += interval) {
        if (!m_port->IsOpen())
            m_port->Open(1); // an adapter plugged back in
        if (const std::optional<TMonitorRecord> record = m_link->Poll()) {
            ++answers;
            lastAnswer = Clock::now();
            silenceSaid = false;
            m_result["last"] = MonitorJson(*record);
            if (!m_options.Json) {
                std::printf("%s  %s\n", IsoTimestamp(std::chrono::system_clock::now()).c_str(),
                            qPrintable(MonitorLine(*record, m_messages)));
                std::fflush(stdout);
            }
            if (logging && !csv.Add(*record))
                m_csvError = QString::fromStdString(csv.Error());
        } else if (!silenceSaid &&
                   Clock::now() - lastAnswer >= std::chrono::milliseconds(SilenceReportMs)) {
            Say("No answer from the unit on " + m_result["port"].toString() + ".");
            silenceSaid = true;
        }
        while (!Interrupted && !LogFailed() && Clock::now() < next + interval &&
               (m_options.Seconds <= 0 || Clock::now() < end))
            std::this_thread::sleep_for(std::min<Clock::duration>(next + interval - Clock::now(),
                                                                  std::chrono::milliseconds(50)));
    }
    m_result["answers"] = answers;
    if (LogFailed())
        return ExitUsage;
    if (Interrupted) // the usual end of a monitor run, still said
        Report("Stopped by " + SignalName(Interrupted) + ". The unit is unchanged.");
    return answers > 0 ? ExitDone : ExitNoAnswer;
}

int TCliSession::Ports()
{
    QJsonArray list;
    for (const TPortInfo& port : ListPorts()) {
        list.append(QJsonObject{{"path", port.Path},
                                {"usb_adapter", port.Adapter},
                                {"description", port.Description},
                                {"manufacturer", port.Manufacturer},
                                {"ids", port.Ids}});
        if (!m_options.Json)
            std::printf("%s\n", qPrintable(PortLine(port)));
    }
    m_result["ports"] = list;
    if (list.isEmpty())
        Say("No serial device found.");
    return ExitDone;
}
