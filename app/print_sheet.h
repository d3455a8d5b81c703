#pragma once

#include <QString>

#include <string>

class QDateTime;
class QLocale;
class QByteArray;
class QPageSize;
class QPaintDevice;
class QPrinterInfo;
class QWidget;

// The printed sheet is the window itself; these are its rules, apart from
// the window so that they can be tested without printing.

// prefix, the date in the locale's short format, four spaces, the time in
// its long format.
std::string PrintStamp(const std::string& prefix, const QLocale& locale, const QDateTime& when);

// The PDF proposed when there is no printer: beside the parameter file and
// named after it, or a name of its own when no file was used yet.
QString SheetPdfName(const std::string& paramFile);

// The printer to print on; null when the system has none.
QPrinterInfo SheetPrinter();

// Draws the widget onto the device's page, scaled to fit and keeping its
// proportions. False when the device cannot be painted on.
bool PaintSheet(QWidget& sheet, QPaintDevice& device);

// The sheet as a one-page PDF on that paper, turned to suit its shape, with
// the margins of the saved sheet. Empty when it cannot be drawn.
QByteArray SheetPdf(QWidget& sheet, const QPageSize& paper, const QString& title);

// One page on A4, put in place only once it is complete. An empty string on
// success, otherwise what went wrong.
std::string WriteSheetPdf(QWidget& sheet, const QString& path);
