#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// Shows a document's pages as the printer would print them, drawn by the
// document's own painting routine (the one the printer and the PDF use), in
// Qt's print preview, from which they can be printed. With no printer
// installed the preview opens all the same and says so beside its greyed
// Print button. Modal, through the dialog seam.
void showPrintPreview(QPrinter &printer, const QString &title,
                      const std::function<void(QPrinter *)> &paint, QWidget *parent);
