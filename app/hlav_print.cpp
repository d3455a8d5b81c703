// The printed sheet: the window itself in its print layout, on the default
// printer, or into a PDF file when the system has no printer at all.
#include "app/hlav.h"

#include "app/print_job.h"
#include "app/print_sheet.h"
#include "texts/language.h"
#include "texts/notice_table.h"
#include "ui/file_dialog.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPageSize>
#include <QPointer>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTimer>

namespace {

// How often the print system is asked about the sheet, and for how long:
// a job still unfinished after ten minutes is left to the print system.
constexpr int PrintCheckMs = 250;
constexpr int PrintChecks = 10 * 60 * 1000 / PrintCheckMs;

const std::string SheetTitle = "Kolvane";

// Printing to no printer would succeed and leave nothing; a PDF is asked for
// instead. Empty when the user cancels.
QString AskSheetPdf(QWidget* owner, const std::string& paramFile)
{
    TFileDialog dialog(TFileDialog::TKind::Save, owner);
    dialog.setObjectName(QStringLiteral("SaveDialogPdf"));
    dialog.DefaultExt = QStringLiteral("pdf");
    dialog.Filters = {QStringLiteral("PDF (*.pdf)")};
    dialog.OverwritePrompt = true;
    dialog.FileName = SheetPdfName(paramFile);
    return dialog.Execute(owner) ? dialog.FileName : QString();
}

} // namespace

// The file name is asked for before the print layout, so the ticks that run
// while the dialog is open never see it, and a cancel has nothing to undo.
void TFormHlav::SpeedButtonPrintClick()
{
    const std::string stamp =
        PrintStamp(m_messages[MsgPrintDate], QLocale(), QDateTime::currentDateTime());
    const QPrinterInfo printer = SheetPrinter();
    if (!printer.isNull()) {
        QByteArray pdf;
        RenderSheet(stamp, [&](QWidget& sheet) {
            pdf = SheetPdf(sheet, printer.defaultPageSize(), QString::fromStdString(SheetTitle));
        });
        return SendSheet(printer, pdf);
    }
    const QString path = AskSheetPdf(this, LastParamFile);
    if (path.isEmpty())
        return;
    std::string failure;
    RenderSheet(stamp, [&](QWidget& sheet) { failure = WriteSheetPdf(sheet, path); });
    if (!failure.empty())
        return ReportPrintFailure(failure);
    // On the stamp the path would cover the sheet; the status bar has room.
    const std::string saved = FormatNotice(TNotice::SheetSavedAs, LanguageIndex,
                                           {QDir::toNativeSeparators(path).toStdString()});
    m_ui.StatusBar1->showMessage(QString::fromStdString(saved));
}

// Draws the sheet in the print layout, which exists only while this runs.
// Paper shows no caret and no focus frame: the focus is taken away for the
// drawing, without counting as leaving the edit, and given back.
void TFormHlav::RenderSheet(const std::string& stamp, const std::function<void(QWidget&)>& draw)
{
    const TProgramFocus programMoves(m_programMovesFocus);
    const QPointer<QWidget> focused = focusWidget();
    m_printStamp = stamp;
    m_link.BeginPrinting(stamp);
    ShowLinkDisplay();
    RefreshDependents();
    if (QWidget* now = QApplication::focusWidget())
        now->clearFocus();
    draw(*centralWidget());
    m_link.EndPrinting();
    RefreshDependents();
    ShowLinkDisplay();
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
}

// A queue that refuses the sheet says so at once; what becomes of it after
// that is asked by a timer of its own, never by the tick.
void TFormHlav::SendSheet(const QPrinterInfo& printer, const QByteArray& pdf)
{
    m_printJob = std::make_unique<TPrintJob>(printer.printerName().toStdString());
    if (pdf.isEmpty())
        return ReportPrintFailure("The sheet could not be drawn for " + m_printJob->Printer() +
                                  ".");
    const TJobStatus status = m_printJob->Submit(pdf, SheetTitle);
    if (status.Progress == TJobProgress::Failed)
        return ReportPrintFailure(FormatNotice(TNotice::PrintJobRefused, LanguageIndex,
                                               {m_printJob->Printer(), status.Reason}));
    if (!m_printWatch) {
        m_printWatch = new QTimer(this);
        m_printWatch->setObjectName(QStringLiteral("PrintWatch"));
        m_printWatch->setInterval(PrintCheckMs);
        connect(m_printWatch, &QTimer::timeout, this, &TFormHlav::WatchPrintJob);
    }
    m_printChecksLeft = PrintChecks;
    m_printWatch->start();
}

void TFormHlav::WatchPrintJob()
{
    const TJobStatus status = m_printJob->Check();
    if (status.Progress == TJobProgress::Waiting && --m_printChecksLeft > 0)
        return;
    m_printWatch->stop();
    if (status.Progress == TJobProgress::Failed)
        ReportPrintFailure(FormatNotice(TNotice::PrintFailed, LanguageIndex,
                                        {m_printJob->Printer(), status.Reason}));
}

// The stamp would say the sheet was printed.
void TFormHlav::ReportPrintFailure(const std::string& text)
{
    m_link.WithdrawStamp(m_printStamp);
    ShowLinkDisplay();
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(text));
}
