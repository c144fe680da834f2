#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::fillVoltageInputChoices(int, int) {}
void MainWindow::showVoltageInputPage() {}
void MainWindow::on_pushButtonACInputSave_clicked() {}
void MainWindow::on_pushButtonACInputDelete_clicked() {}
