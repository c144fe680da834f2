#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::fillDndMurChoices(int, int, int, int, int, int) {}
void MainWindow::showDndMurPage() {}
void MainWindow::on_pushButtonDNDMURSave_clicked() {}
void MainWindow::on_pushButtonDNDMURDelete_clicked() {}
