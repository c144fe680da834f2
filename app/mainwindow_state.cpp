#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

// Called for every change to the saved functions (ProjectChange): a save or
// delete, Clear all, a platform change, a motion sensor rewrite, and the
// emptying and rebuilding of an import, which then marks itself exported.
void MainWindow::noteProjectChanged()
{
    if (unexportedChanges)
        return;
    unexportedChanges = true;
    updateTitle();
}

bool MainWindow::hasUnexportedWork() const
{
    return unexportedChanges && savedFunctionCount() > 0;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (mayDiscardProject())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::mayDiscardProject()
{
    if (!hasUnexportedWork())
        return true;
    QMessageBox box(this);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(tr("Unexported changes"));
    box.setText(tr("The project has changes that are not exported."));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(tr("Export…"));
    box.setDefaultButton(QMessageBox::Cancel);
    switch (DialogSeam::execMessageBox(box)) {
    case QMessageBox::Save:
        return exportProject();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void MainWindow::showProjectFile(const QString &path)
{
    shownFilePath = path;
    unexportedChanges = false;
    updateTitle();
}

void MainWindow::showPlainTitle()
{
    shownFilePath.clear();
    updateTitle();
}

// The modified marker belongs to a named file; the plain title has no place for it.
void MainWindow::updateTitle()
{
    setWindowFilePath(shownFilePath);
    if (shownFilePath.isEmpty()) {
        setWindowTitle(plainTitle);
        setWindowModified(false);
        return;
    }
    // "[*][*]" shows as "[*]": a file name may hold the placeholder itself.
    QString name = QFileInfo(shownFilePath).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*] \u2013 ") + plainTitle);
    setWindowModified(unexportedChanges);
}
