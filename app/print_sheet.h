#pragma once

#include <QString>

#include <string>

class QDateTime;
class QLocale;
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

// Both return an empty string on success, otherwise what went wrong.
std::string PrintSheetOn(QWidget& sheet, const QPrinterInfo& printer);
// One page, put in place only once it is complete.
std::string WriteSheetPdf(QWidget& sheet, const QString& path);
