#include "app/devicepictureview.h"
#include "app/printpreview.h"
#include "dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "project/projectdocument.h"
#include "project/projectsave.h"
#include "render/wiringsheet.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPrinter>
#include <QStandardPaths>

void MainWindow::setUpWiring()
{
    devicePicture = new DevicePictureView(ui->toolButton_DevPic_2,
                                          [this] { return terminalView(currentPlatform()); });
    auto *action = new QAction(QIcon(QStringLiteral(":/icons/wiring_sheet.png")),
                               tr("Export &Wiring Sheet\u2026"), this);
    action->setObjectName(QStringLiteral("actionExport_Wiring_Sheet"));
    action->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+E")));
    action->setStatusTip(tr("Writes the project terminal by terminal as a PDF"));
    ui->menuFile->insertAction(ui->actionPrint_Project, action);
    connect(action, &QAction::triggered, this, &MainWindow::exportWiringSheet);
}

// The window's project has no file of its own: the heading names the sheet
// and the time it was made, as export would stamp the project.
void MainWindow::exportWiringSheet()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString chosenPath =
        DialogSeam::getSaveFileName(this, tr("Export Wiring Sheet"),
                                    desktop + QStringLiteral("/wiring.pdf"), tr("PDF (*.pdf)"));
    if (chosenPath.isEmpty())
        return;
    // The save dialog confirmed only the name as typed.
    const QString path = chosenPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                             ? chosenPath
                             : chosenPath + QStringLiteral(".pdf");
    if (path != chosenPath && QFileInfo::exists(path) &&
        !DialogSeam::askReplace(this, tr("Export Wiring Sheet"), path))
        return;
    const WiringSheet sheet = wiringSheet(QFileInfo(path).fileName());
    QString errorText;
    const bool written = ProjectSave::write(
        path, [&sheet](QIODevice *file) { return writeWiringSheet(sheet, file); }, errorText);
    if (!written)
        DialogSeam::showFileBox(tr("File Error"), tr("The wiring sheet was not saved!"),
                                tr("%1: %2").arg(QDir::toNativeSeparators(path), errorText));
}

WiringSheet MainWindow::wiringSheet(const QString &fileName) const
{
    return {fileName, ui->comboBox_PlatformType->currentText(), createTimeText(Clock::now()),
            terminalView(currentPlatform())};
}

// On paper the sheet names the project it shows: the file last exported or
// imported, else "Untitled", as the title does.
void MainWindow::previewWiringSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    setUpA4Printer(printer, QPageLayout::Portrait);
    const WiringSheet sheet = wiringSheet(titleFileName());
    showPrintPreview(
        printer, tr("Preview Wiring Sheet"),
        [&sheet](QPrinter *target) { printWiringSheet(sheet, target); }, this);
}
