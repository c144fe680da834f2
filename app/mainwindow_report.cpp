#include "app/printpreview.h"
#include "dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "render/reportpdf.h"
#include "report/configurationreport.h"
#include "ui_mainwindow.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{

constexpr int noPrinterMessageMs = 10000;

} // namespace

QString MainWindow::buildConfigurationReport() const
{
    return ::buildConfigurationReport(ReportSource::processStores(),
                                      ui->comboBox_PlatformType->currentText(), versionText,
                                      Clock::now());
}

bool MainWindow::writeReportPdf(const QString &path, QString &errorText) const
{
    return ::writeReportPdf(buildConfigurationReport(), path, errorText);
}

void MainWindow::on_PrintButton_clicked()
{
    QPrinter printer(QPrinter::HighResolution);
    setUpA4Printer(printer, QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (DialogSeam::execDialog(dialog) == QDialog::Rejected) {
        // Windows shows no print dialog at all where no printer is installed.
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            ui->statusbar->showMessage(tr("No printer is installed"), noPrinterMessageMs);
        return;
    }
    printReport(buildConfigurationReport(), &printer);
}

void MainWindow::on_actionPrint_Project_triggered()
{
    on_PrintButton_clicked();
}

// The report as it is now, once: the preview and what it prints bear the same time.
void MainWindow::previewReport()
{
    QPrinter printer(QPrinter::HighResolution);
    setUpA4Printer(printer, QPageLayout::Landscape);
    const QString report = buildConfigurationReport();
    showPrintPreview(
        printer, tr("Print Preview"), [&report](QPrinter *target) { printReport(report, target); },
        this);
}
