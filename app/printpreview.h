#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// The paper of the report and the wiring sheet, for printing and previews
// alike: A4, the whole sheet, so that the document's own border is its only margin.
void setUpA4Printer(QPrinter &printer, QPageLayout::Orientation orientation);

// Shows a document's pages as the printer would print them, drawn by the
// document's own painting routine (the one the printer and the PDF use), in
// Qt's print preview, from which they can be printed. With no printer
// installed the preview opens all the same and says so beside its greyed
// Print button. Modal, through the dialog seam.
void showPrintPreview(QPrinter &printer, const QString &title,
                      const std::function<void(QPrinter *)> &paint, QWidget *parent);
