#include "app/print_sheet.h"

#include "files/atomic_file.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

namespace {
constexpr qreal SheetMarginMm = 10;
}

std::string PrintStamp(const std::string& prefix, const QLocale& locale, const QDateTime& when)
{
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    const QString time = locale.toString(when.time(), QLocale::LongFormat);
    return prefix + (date + QStringLiteral("    ") + time).toStdString();
}

QString SheetPdfName(const std::string& paramFile)
{
    const QFileInfo file(QString::fromStdString(paramFile));
    if (paramFile.empty() || file.completeBaseName().isEmpty())
        return QStringLiteral("kolvane-sheet.pdf");
    const QString name = file.completeBaseName() + QStringLiteral(".pdf");
    return file.path() == QStringLiteral(".") ? name : file.dir().filePath(name);
}

QPrinterInfo SheetPrinter()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull())
        return printer;
    // Printers but none marked as the default: the first one serves.
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    return printers.isEmpty() ? QPrinterInfo() : printers.constFirst();
}

bool PaintSheet(QWidget& sheet, QPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QSize size = sheet.size();
    if (!size.isEmpty()) {
        const qreal scale =
            std::min(qreal(device.width()) / size.width(), qreal(device.height()) / size.height());
        painter.scale(scale, scale);
        sheet.render(&painter, QPoint(), QRegion(),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return painter.end();
}

QByteArray SheetPdf(QWidget& sheet, const QPageSize& paper, const QString& title)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QStringLiteral("Kolvane"));
        writer.setTitle(title);
        if (paper.isValid())
            writer.setPageSize(paper);
        writer.setPageOrientation(sheet.width() > sheet.height() ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(SheetMarginMm, SheetMarginMm, SheetMarginMm, SheetMarginMm),
                              QPageLayout::Millimeter);
        if (!PaintSheet(sheet, writer))
            return {};
    }
    return pdf.data();
}

std::string WriteSheetPdf(QWidget& sheet, const QString& path)
{
    // Drawn into memory first, so that the file on disk is written in one step.
    const QByteArray pdf =
        SheetPdf(sheet, QPageSize(QPageSize::A4), QFileInfo(path).completeBaseName());
    if (pdf.isEmpty())
        return "The sheet could not be drawn for " + QDir::toNativeSeparators(path).toStdString() +
               ".";
    return WriteFileAtomically(path, pdf);
}
