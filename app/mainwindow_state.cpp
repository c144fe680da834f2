#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>

// Called for every change to the saved functions (ProjectChange): a save or
// delete, Clear all, a platform change, a motion sensor rewrite, the emptying
// and rebuilding of an import, undo and redo. The user action around it makes
// the step (app/mainwindow_history.cpp); import starts the history anew.
void MainWindow::noteProjectChanged()
{
    projectChanged = true;
    endAgreed = false;
    unexportedWorkChanged();
}

// Called whenever hasUnexportedWork() may have changed (the history moved or
// was marked exported), and for every change to the saved functions, which
// the recovery copy must then follow.
void MainWindow::unexportedWorkChanged()
{
    updateTitle();
    updateRecoveryCopy();
}

// Unexported work is the history's: it is clean where the project was last
// exported or imported, so undoing back to there takes the marker away.
bool MainWindow::hasUnexportedWork() const
{
    return !history->isClean() && savedFunctionCount() > 0;
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
    fileLeft = recorded.fileLeft = false;
    history->setClean();
    unexportedWorkChanged();
}

// The file is kept for the title of an undo back to its project.
void MainWindow::showPlainTitle()
{
    fileLeft = true;
    updateTitle();
}

QString MainWindow::titleFilePath() const
{
    return fileLeft ? QString() : shownFilePath;
}

QString MainWindow::titleFileName() const
{
    const QString filePath = titleFilePath();
    return filePath.isEmpty() ? tr("Untitled") : QFileInfo(filePath).fileName();
}

// A project that was never exported or imported shows the plain title until
// it holds work that could be lost.
void MainWindow::updateTitle()
{
    const QString filePath = titleFilePath();
    setWindowFilePath(filePath);
    if (filePath.isEmpty() && !hasUnexportedWork()) {
        setWindowTitle(plainTitle);
        setWindowModified(false);
        return;
    }
    // "[*][*]" shows as "[*]": a file name may hold the placeholder itself.
    QString name = titleFileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*] \u2013 ") + plainTitle);
    setWindowModified(!history->isClean());
}
