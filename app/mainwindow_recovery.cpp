#include "app/accessibility.h"
#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "project/envelope.h"
#include "project/projectdocument.h"
#include "project/recovery.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSessionManager>
#include <QTimer>
#include <QUndoStack>

namespace
{

// A change to the saved functions reaches the copy at most this long after it is made.
constexpr int recoveryDelayMs = 2000;
// How often a program holding a copy leaves a sign of life in it, so that the
// next start can tell when it ended.
constexpr int heartbeatMs = 60000;
constexpr int statusMessageMs = 10000;

} // namespace

void MainWindow::setUpRecovery()
{
    recoveryProblem = new QLabel(this);
    recoveryProblem->setObjectName(QStringLiteral("labelRecoveryProblem"));
    recoveryProblem->setProperty("statusMessage", true);
    recoveryProblem->hide();
    ui->statusbar->addPermanentWidget(recoveryProblem);
    QString errorText;
    recovery = RecoveryCopy::takeFreePlace(RecoveryCopy::defaultFolder(), &errorText);
    if (!recovery)
        showRecoveryProblem(errorText);
    recoveryTimer = new QTimer(this);
    recoveryTimer->setSingleShot(true);
    recoveryTimer->setInterval(recoveryDelayMs);
    connect(recoveryTimer, &QTimer::timeout, this, &MainWindow::writeRecoveryCopy);
    heartbeatTimer = new QTimer(this);
    heartbeatTimer->setInterval(heartbeatMs);
    connect(heartbeatTimer, &QTimer::timeout, this, [this] {
        if (recovery && recovery->exists())
            recovery->touch();
    });
    heartbeatTimer->start();
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::commitSessionData,
            Qt::DirectConnection);
    qApp->installEventFilter(this);
}

void MainWindow::updateRecoveryCopy()
{
    if (recoveryFrozen)
        return;
    // Not restarted by later changes, so that steady work is still kept.
    if (hasUnexportedWork()) {
        if (!recoveryTimer->isActive())
            recoveryTimer->start();
        return;
    }
    discardRecoveryCopy();
}

// A program that has no place yet (its folder could not be made) tries again.
void MainWindow::writeRecoveryCopy()
{
    recoveryTimer->stop();
    if (recoveryFrozen || !hasUnexportedWork())
        return;
    QString errorText;
    if (!recovery)
        recovery = RecoveryCopy::takeFreePlace(RecoveryCopy::defaultFolder(), &errorText);
    // As export writes it, without export's copy on the debug stream.
    QByteArray bytes = projectText(projectDocument());
    encryptProjectDataQuietly(bytes);
    const bool kept = recovery && recovery->save(bytes, {titleFilePath(), Clock::now()}, errorText);
    showRecoveryProblem(kept ? QString() : errorText);
}

void MainWindow::discardRecoveryCopy()
{
    recoveryTimer->stop();
    QString errorText;
    if (recovery && !recoveryFrozen && !recovery->remove(errorText))
        showRecoveryFailure(errorText);
}

// In the status bar: a box every two seconds would stop the work it protects.
void MainWindow::showRecoveryFailure(const QString &errorText)
{
    ui->statusbar->showMessage(
        tr("Unexported work could not be kept for recovery: %1").arg(errorText), statusMessageMs);
}

// Beside any other message, until a copy is kept again: work is at risk for
// as long as it stands. A screen reader hears it when it comes and goes.
void MainWindow::showRecoveryProblem(const QString &errorText)
{
    const QString text =
        errorText.isEmpty()
            ? QString()
            : tr("Unexported work is not kept for recovery: %1: %2")
                  .arg(QDir::toNativeSeparators(RecoveryCopy::defaultFolder()), errorText);
    if (text == recoveryProblem->text())
        return;
    recoveryProblem->setText(text);
    if (!text.isEmpty())
        recoveryProblem->show();
    Accessibility::announceStatus(recoveryProblem);
    if (text.isEmpty())
        recoveryProblem->hide();
}

void MainWindow::offerRecovery()
{
    std::unique_ptr<RecoveryCopy> leftOver = RecoveryCopy::takeLeftOver();
    if (!leftOver)
        return;
    if (!leftOver->damage().isEmpty()) {
        offerDamagedCopy(std::move(leftOver));
        return;
    }
    QMessageBox box(this);
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(tr("Recover unexported work"));
    box.setText(tr("The program ended with work that was not exported."));
    box.setInformativeText(leftOver->summary());
    box.setStandardButtons(QMessageBox::Open | QMessageBox::Discard);
    box.button(QMessageBox::Open)->setText(tr("Recover"));
    box.setDefaultButton(QMessageBox::Open);
    switch (DialogSeam::execMessageBox(box)) {
    case QMessageBox::Open:
        recoverProject(std::move(leftOver));
        break;
    case QMessageBox::Discard: {
        QString errorText;
        if (!leftOver->remove(errorText))
            showRecoveryFailure(errorText);
        break;
    }
    default: // not answered (the program is ending): asked again at the next start
        break;
    }
}

// Nothing in it can be read back; it is kept, for someone who may mend it,
// unless the user lets it go.
void MainWindow::offerDamagedCopy(std::unique_ptr<RecoveryCopy> copy)
{
    QMessageBox box(this);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(tr("Recover unexported work"));
    box.setText(tr("The program ended with work that was not exported, but its recovery copy "
                   "is damaged."));
    box.setInformativeText(copy->summary());
    box.setDetailedText(QDir::toNativeSeparators(copy->projectPath()));
    box.setStandardButtons(QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Cancel)->setText(tr("Keep"));
    box.setDefaultButton(QMessageBox::Discard);
    QString errorText;
    if (DialogSeam::execMessageBox(box) == QMessageBox::Discard && !copy->remove(errorText))
        showRecoveryFailure(errorText);
}

// Read as import reads a file; the work stays unexported, under the name of
// the file it came from, in the copy's place, which becomes this program's.
void MainWindow::recoverProject(std::unique_ptr<RecoveryCopy> copy)
{
    const QString summary = copy->summary();
    const QString source = copy->note().sourcePath;
    if (!loadProjectFile(copy->projectPath()))
        return;
    recovery = std::move(copy);
    shownFilePath = source;
    history->resetClean();
    unexportedWorkChanged();
    ui->statusbar->showMessage(tr("Recovered %1").arg(summary), statusMessageMs);
}

void MainWindow::endWithoutQuestion()
{
    writeRecoveryCopy();
    // Dialogs open now return unanswered; nothing they go on to do may touch the copy.
    recoveryFrozen = true;
    QCoreApplication::exit(0);
}

// The logout goes on unless the user cancels it; the session manager ends
// the program afterwards, and its close then asks nothing more.
void MainWindow::commitSessionData(QSessionManager &manager)
{
    if (!manager.allowsInteraction()) {
        writeRecoveryCopy();
        endAgreed = true;
        return;
    }
    const bool mayEnd = mayDiscardProject();
    manager.release();
    if (mayEnd)
        endAgreed = true;
    else
        manager.cancel();
}

// A session manager that ends the session without a chance to ask first (a
// logout that only saves the session's state) quits the application, which
// then closes the window: too late for a question, so the work waits in the
// copy. A quit after the window closed, or after the user answered, changes nothing.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::Quit && isVisible() && !endAgreed) {
        writeRecoveryCopy();
        endAgreed = true;
    }
    return QMainWindow::eventFilter(watched, event);
}
