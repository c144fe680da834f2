#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::fillAirConChoices(int, int) {}
void MainWindow::showAirConPage() {}
void MainWindow::on_pushButtonAirConSave_clicked() {}
void MainWindow::on_pushButtonAirConDelete_clicked() {}
void MainWindow::on_checkBox_BalconySensorEnableDisable_toggled(bool) {}
void MainWindow::on_checkBox_MotionSensorAirConEnableDisable_toggled(bool) {}
void MainWindow::on_comboBox_AirConOutputControlType_currentIndexChanged(int) {}
