#include "app/printpreview.h"
#include "dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "render/reportpdf.h"
#include "report/configurationreport.h"
#include "ui_mainwindow.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{

constexpr int noPrinterMessageMs = 10000;

// The report's paper, for printing and its preview alike: A4 landscape, the
// whole sheet, so that the report's own border is its only margin.
void setUpReportPrinter(QPrinter &printer)
{
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
}

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
    setUpReportPrinter(printer);
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
    setUpReportPrinter(printer);
    const QString report = buildConfigurationReport();
    showPrintPreview(
        printer, tr("Print Preview"), [&report](QPrinter *target) { printReport(report, target); },
        this);
}
