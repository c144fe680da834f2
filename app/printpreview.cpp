#include "app/printpreview.h"

#include "app/dialogseam.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>

namespace
{

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// The preview's own Print action, which Qt gives no name.
QAction *printAction(QPrintPreviewDialog &dialog)
{
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : dialog.findChildren<QAction *>()) {
        if (action->text() == print)
            return action;
    }
    return nullptr;
}

// Without a printer, Qt's Print would write a PDF past the program's own
// writer: it is greyed, and a note beside it says why.
void sayNoPrinter(QPrintPreviewDialog &dialog)
{
    QAction *print = printAction(dialog);
    auto *toolBar = dialog.findChild<QToolBar *>();
    if (!print || !toolBar)
        return;
    const QString note = translated("No printer is installed");
    print->setEnabled(false);
    print->setText(translated("Print (no printer is installed)"));
    auto *label = new QLabel(QStringLiteral(" %1 ").arg(note), toolBar);
    label->setObjectName(QStringLiteral("noPrinterNote"));
    label->setAccessibleName(note);
    const QList<QAction *> actions = toolBar->actions();
    const int after = actions.indexOf(print) + 1;
    toolBar->insertWidget(actions.value(after), label);
}

} // namespace

void setUpA4Printer(QPrinter &printer, QPageLayout::Orientation orientation)
{
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setFullPage(true);
}

void showPrintPreview(QPrinter &printer, const QString &title,
                      const std::function<void(QPrinter *)> &paint, QWidget *parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printPreview"));
    dialog.setWindowTitle(title);
    dialog.setAccessibleName(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        sayNoPrinter(dialog);
    // As large as the window it previews for, and never narrower than its tool bar.
    if (parent)
        dialog.resize(dialog.sizeHint().expandedTo(parent->window()->size()));
    DialogSeam::execDialog(dialog);
}
