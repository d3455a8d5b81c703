#pragma once

#include "cli/cli_options.h"
#include "files/param_file.h"
#include "files/trace_file.h"
#include "link/direct_link.h"
#include "link/serial_port.h"
#include "params/param_image.h"
#include "texts/message_table.h"

#include <QElapsedTimer>
#include <QJsonObject>

#include <memory>
#include <string>

// One run of kolvane-cli: opens what the command needs, runs it, says what
// happened on standard error and keeps the result for --json.
class TCliSession {
public:
    explicit TCliSession(const TCliOptions& options);
    // The exit status; output and messages are already printed.
    int Run();
    const QJsonObject& Result() const { return m_result; }

private:
    int Read();
    int Verify();
    int Diff();
    int Program();
    int Monitor();
    int Ports();

    // The file's values on top of the unit's: reads the file and the unit.
    int PrepareFileImage(TParamImage& unit, TParamImage& wanted);
    int LoadFile(std::string& text);
    int OpenLink();
    int RunTransfer(TTransferMode mode, TParamImage& image, const char* timingKey);
    void ShowChanges(const TParamImage& from, const TParamImage& to, const char* heading);
    int Fail(int status, const QString& message);
    void Say(const QString& message);
    // Said, and kept as the result's message.
    void Report(const QString& message);
    void Progress(const QString& text);
    int FinishLogs(int status);
    bool LogFailed() const;

    TCliOptions m_options;
    TMessageTable m_messages;
    std::unique_ptr<TSerialPort> m_port;
    std::unique_ptr<TTraceFile> m_trace;
    std::unique_ptr<TDirectLink> m_link;
    QJsonObject m_result;
    QJsonObject m_timing;
    QElapsedTimer m_clock;
    bool m_progress = false;
    QString m_csvError;
    // What the unit may now hold: "unchanged", "verified" or "unverified".
    QString m_unitHolds = "unchanged";
    // The file's values that the window's controls would have limited.
    std::vector<TParamFileChange> m_limited;
};
