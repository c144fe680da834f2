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
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (DialogSeam::execDialog(dialog) == QDialog::Rejected)
        return;
    printReport(buildConfigurationReport(), &printer);
}

void MainWindow::on_actionPrint_Project_triggered()
{
    on_PrintButton_clicked();
}
