#pragma once

#include "model/terminals.h"

#include <QString>
#include <QVector>

class QIODevice;
class QPagedPaintDevice;

// The wiring sheet: A4 pages with a heading, the drawn controller and the
// wiring table, numbered. Needs Qt Gui (a QGuiApplication, which may run on
// the offscreen platform) but no window.
struct WiringSheet {
    QString fileName; // of the project, for the heading
    QString platform; // "MV211"
    QString created;  // the project's creation time, as text
    QVector<Terminal> terminals;
};

// Lays the sheet out on the device's pages (a PDF writer or a printer). False
// when the device could not be drawn on.
bool printWiringSheet(const WiringSheet &sheet, QPagedPaintDevice *device);
// Writes the sheet as an A4 portrait PDF into an open device.
bool writeWiringSheet(const WiringSheet &sheet, QIODevice *device);
