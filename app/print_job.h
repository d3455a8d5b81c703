#pragma once

#include <QByteArray>

#include <string>

// How a sheet handed to the print system stands.
enum class TJobProgress { Waiting, Done, Failed };

struct TJobStatus {
    TJobProgress Progress = TJobProgress::Waiting;
    // The print system's own words on why it failed.
    std::string Reason;
};

// One sheet handed to the print system (CUPS) and followed until it is
// printed or has failed. Qt's own printing hands the job over and forgets
// it, so a queue that refuses it or a stopped printer would go unnoticed.
class TPrintJob {
public:
    // The printer's name as the print system lists it.
    explicit TPrintJob(std::string printer);

    // Hands the PDF to the queue: Failed when the queue does not take it
    // (it rejects jobs, it does not exist), otherwise Waiting.
    TJobStatus Submit(const QByteArray& pdf, const std::string& title);
    // Asks once how the job stands. Failed when it was cancelled or aborted,
    // or when the printer stopped before the job was done; Waiting also when
    // the print system does not answer.
    TJobStatus Check() const;

    const std::string& Printer() const { return m_printer; }

private:
    std::string m_printer;
    int m_id = 0;
};
