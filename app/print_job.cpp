#include "app/print_job.h"

#include <cups/cups.h>

#include <memory>

namespace {

struct TIppFree {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using TIpp = std::unique_ptr<ipp_t, TIppFree>;

// Jobs go to the queue, not to one of its saved option sets ("name/instance").
std::string QueueName(const std::string& printer)
{
    return printer.substr(0, printer.find('/'));
}

std::string Text(ipp_t* response, const char* name)
{
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    const char* text = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
    return text ? text : "";
}

// The message when there is one, else the reasons' keyword.
TJobStatus Failed(ipp_t* response, const char* message, const char* reasons)
{
    const std::string said = Text(response, message);
    return {TJobProgress::Failed, said.empty() ? Text(response, reasons) : said};
}

TJobStatus Refused()
{
    return {TJobProgress::Failed, cupsLastErrorString()};
}

// The attributes named, of the job or the printer the uri names.
TIpp Ask(ipp_op_t operation, const char* uriName, const std::string& uri,
         std::initializer_list<const char*> wanted)
{
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(wanted.size()), nullptr, wanted.begin());
    TIpp response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE ? std::move(response) : nullptr;
}

int State(ipp_t* response, const char* name)
{
    return ippGetInteger(ippFindAttribute(response, name, IPP_TAG_ENUM), 0);
}

} // namespace

TPrintJob::TPrintJob(std::string printer) : m_printer(QueueName(printer)) {}

TJobStatus TPrintJob::Submit(const QByteArray& pdf, const std::string& title)
{
    const char* queue = m_printer.c_str();
    m_id = cupsCreateJob(CUPS_HTTP_DEFAULT, queue, title.c_str(), 0, nullptr);
    if (m_id == 0)
        return Refused();
    const bool started = cupsStartDocument(CUPS_HTTP_DEFAULT, queue, m_id, title.c_str(),
                                           CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE;
    const bool written =
        started && cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                        static_cast<size_t>(pdf.size())) == HTTP_STATUS_CONTINUE;
    // The request is closed whether or not the data went through.
    const bool finished = started && cupsFinishDocument(CUPS_HTTP_DEFAULT, queue) == IPP_STATUS_OK;
    if (written && finished)
        return {};
    const TJobStatus failed = Refused();
    cupsCancelJob2(CUPS_HTTP_DEFAULT, queue, m_id, 0);
    return failed;
}

TJobStatus TPrintJob::Check() const
{
    const TIpp job =
        Ask(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", "ipp://localhost/jobs/" + std::to_string(m_id),
            {"job-state", "job-state-reasons", "job-printer-state-message"});
    if (!job)
        return {};
    const int state = State(job.get(), "job-state");
    if (state == IPP_JSTATE_COMPLETED)
        return {TJobProgress::Done, {}};
    if (state == IPP_JSTATE_STOPPED || state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED)
        return Failed(job.get(), "job-printer-state-message", "job-state-reasons");
    // A stopped printer keeps the job pending for as long as it stays stopped.
    const TIpp printer =
        Ask(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", "ipp://localhost/printers/" + m_printer,
            {"printer-state", "printer-state-message", "printer-state-reasons"});
    if (!printer || State(printer.get(), "printer-state") != IPP_PSTATE_STOPPED)
        return {};
    return Failed(printer.get(), "printer-state-message", "printer-state-reasons");
}
