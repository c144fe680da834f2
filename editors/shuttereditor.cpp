#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::fillShutterChoices(int, int, int, int) {}
void MainWindow::showShutterPage() {}
void MainWindow::on_pushButtonShutterSave_clicked() {}
void MainWindow::on_pushButtonShutterDelete_clicked() {}
