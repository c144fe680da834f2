#include "mainwindow.h"

#include "ui_mainwindow.h"

void MainWindow::on_ExportButton_clicked() {}

void MainWindow::on_actionExport_Project_triggered()
{
    on_ExportButton_clicked();
}

void MainWindow::on_ImportButton_clicked() {}

void MainWindow::on_actionImport_Project_triggered()
{
    on_ImportButton_clicked();
}
