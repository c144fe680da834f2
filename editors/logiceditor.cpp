#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::fillLogicChoices(int, int, int, int) {}
void MainWindow::showLogicPage() {}
void MainWindow::on_pushButtonLogicSave_clicked() {}
void MainWindow::on_pushButtonLogicDelete_clicked() {}
