#include "dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "report/configurationreport.h"
#include "ui_mainwindow.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace
{

// The report's 210-column lines only line up in a monospaced face; where
// "Consolas" is missing, ask the font matcher for any fixed-pitch family.
QFont reportFont()
{
    QFont font(QStringLiteral("Consolas"), 6);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// Printer and PDF share this rendering; the document paginates itself.
void printReport(const QString &report, QPagedPaintDevice *device)
{
    QTextDocument document;
    document.setPlainText(report);
    document.setDefaultFont(reportFont());
    document.print(device);
}

} // namespace

QString MainWindow::buildConfigurationReport() const
{
    return ::buildConfigurationReport(ReportSource::processStores(),
                                      ui->comboBox_PlatformType->currentText(), versionText,
                                      Clock::now());
}

void MainWindow::writeReportPdf(const QString &path) const
{
    const QString report = buildConfigurationReport();
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setTitle(QStringLiteral("ZAREN800"));
    printReport(report, &writer);
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
