#pragma once

#include <QString>

class QIODevice;
class QPagedPaintDevice;

// The configuration report on paper and as a PDF. Needs Qt Gui (a
// QGuiApplication, which may run on the offscreen platform) but no window.

// Lays the report text out in the report font on the device's pages (a PDF
// writer or a printer) and draws it page by page. False when the device
// could not be drawn on.
bool printReport(const QString &report, QPagedPaintDevice *device);

// Writes the report as an A4 landscape PDF titled "ZAREN800", replacing an
// existing file of that name in one step. False, with the system's reason in
// errorText, when it could not be written; an old file is then left as it was.
bool writeReportPdf(const QString &report, const QString &path, QString &errorText);
// The same PDF into an open device. False when the PDF writer could not draw
// on it.
bool writeReportPdf(const QString &report, QIODevice *device);
