#include "mainwindow.h"

#include "ui_mainwindow.h"

QString MainWindow::buildConfigurationReport() const
{
    return QString();
}

void MainWindow::writeReportPdf(const QString &) const {}

void MainWindow::on_PrintButton_clicked() {}

void MainWindow::on_actionPrint_Project_triggered()
{
    on_PrintButton_clicked();
}
