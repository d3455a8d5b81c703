// The printed sheet: the window itself in its print layout, on the default
// printer, or into a PDF file when the system has no printer at all.
#include "app/hlav.h"

#include "app/print_sheet.h"
#include "ui/file_dialog.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPrinterInfo>

namespace {

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
    std::string stamp =
        PrintStamp(m_messages[MsgPrintDate], QLocale(), QDateTime::currentDateTime());
    const QPrinterInfo printer = SheetPrinter();
    QString pdf;
    if (printer.isNull()) {
        pdf = AskSheetPdf(this, LastParamFile);
        if (pdf.isEmpty())
            return;
        stamp += "    " + QDir::toNativeSeparators(pdf).toStdString();
    }
    m_link.BeginPrinting(stamp);
    ShowLinkDisplay();
    RefreshDependents();
    const std::string failure = printer.isNull() ? WriteSheetPdf(*centralWidget(), pdf)
                                                 : PrintSheetOn(*centralWidget(), printer);
    m_link.EndPrinting();
    RefreshDependents();
    ShowLinkDisplay();
    if (!failure.empty())
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(failure));
}
