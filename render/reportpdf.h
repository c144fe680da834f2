#pragma once

#include <QString>

class QIODevice;
class QPagedPaintDevice;

// The configuration report on paper and as a PDF. Needs Qt Gui (a
// QGuiApplication, which may run on the offscreen platform) but no window.

// Lays the report text out in the report font on the device's pages (a PDF
// writer or a printer) and draws it page by page.
void printReport(const QString &report, QPagedPaintDevice *device);

// Writes the report as an A4 landscape PDF titled "ZAREN800"; an existing
// file of that name is replaced. A file that cannot be written is not reported.
void writeReportPdf(const QString &report, const QString &path);
// The same PDF into an open device (a save file that replaces its target in one step).
void writeReportPdf(const QString &report, QIODevice *device);
