#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::showDndMurPage() {}
void MainWindow::on_pushButtonDNDMURSave_clicked() {}
void MainWindow::on_pushButtonDNDMURDelete_clicked() {}
