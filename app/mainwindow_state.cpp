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
    unexportedChanges = true;
    endAgreed = false;
    unexportedWorkChanged();
}

// Called whenever hasUnexportedWork() may have changed, and for every change
// to the saved functions, which the recovery copy must then follow.
void MainWindow::unexportedWorkChanged()
{
    updateTitle();
    updateRecoveryCopy();
}

bool MainWindow::hasUnexportedWork() const
{
    return unexportedChanges && savedFunctionCount() > 0;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (endAgreed || mayDiscardProject())
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
        discardRecoveryCopy();
        return true;
    default:
        return false;
    }
}

void MainWindow::showProjectFile(const QString &path)
{
    shownFilePath = path;
    unexportedChanges = false;
    unexportedWorkChanged();
}

void MainWindow::showPlainTitle()
{
    shownFilePath.clear();
    updateTitle();
}

// A project that was never exported or imported shows the plain title until
// it holds work that could be lost.
void MainWindow::updateTitle()
{
    setWindowFilePath(shownFilePath);
    if (shownFilePath.isEmpty() && !hasUnexportedWork()) {
        setWindowTitle(plainTitle);
        setWindowModified(false);
        return;
    }
    // "[*][*]" shows as "[*]": a file name may hold the placeholder itself.
    QString name = shownFilePath.isEmpty() ? tr("Untitled") : QFileInfo(shownFilePath).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*] \u2013 ") + plainTitle);
    setWindowModified(unexportedChanges);
}
