#include "mainwindow.h"
#include "ui_mainwindow.h"

// Clearing the whole project and choosing the platform type arrive with their editors.
int MainWindow::on_SettingsButton_clicked()
{
    return 1;
}

void MainWindow::on_comboBox_PlatformType_currentIndexChanged(int) {}
