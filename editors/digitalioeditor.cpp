#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::showDigitalIOPage() {}
void MainWindow::on_pushButtonDigitalIOSave_clicked() {}
void MainWindow::on_pushButtonDigitalIODelete_clicked() {}
