#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::fillEnergySavingChoices(int) {}
void MainWindow::showEnergySavingPage() {}
void MainWindow::on_pushButtonCardHolderSave_clicked() {}
void MainWindow::on_pushButtonCardHolderDelete_clicked() {}
void MainWindow::on_checkBox_CardHolderEnableDisable_toggled(bool) {}
void MainWindow::on_checkBox_EnergySavingPresenceSensorEnableDisable_toggled(bool) {}
