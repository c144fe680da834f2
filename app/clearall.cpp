#include "app/dialogseam.h"
#include "app/typeviews.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

#include <QMessageBox>

namespace
{

bool confirmClearAll()
{
    QMessageBox box;
    box.setText(MainWindow::tr("You will lose all unsaved changes!"));
    box.setInformativeText(MainWindow::tr("Are you sure want to delete all changes? "));
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(MainWindow::tr("Caution"));
    return DialogSeam::execMessageBox(box) != QMessageBox::Cancel;
}

} // namespace

// Returns 0 when everything was cleared, 1 when the user declined.
int MainWindow::on_SettingsButton_clicked()
{
    if (!confirmClearAll())
        return 1;
    releaseAllRecords();
    emptyLists(ui->toolBox, typeViews(ui), &TypeView::clearedTitle);
    refillAllChoices();
    returnToHomePage();
    showPlainTitle();
    return 0;
}

// Every page again offers all that is free on the current platform.
void MainWindow::refillAllChoices()
{
    fillWelcomeChoices();
    fillMasterOffChoices(-1, -1);
    fillLightingChoices(-1);
    fillLogicChoices(-1, -1, -1, -1);
    fillShutterChoices(-1, -1, -1, -1);
    fillVoltageInputChoices(-1, -1);
    fillAirConChoices(-1, -1);
    fillEnergySavingChoices(-1);
    fillDigitalIOChoices(-1, -1);
    fillDndMurChoices(-1, -1, -1, -1, -1, -1);
}

// A change by the user always goes with a confirmed Clear all; a declined one
// puts the old platform back, whose re-entry here asks nothing.
void MainWindow::on_comboBox_PlatformType_currentIndexChanged(int index)
{
    const bool byUser = platformChangeByProgram == 0;
    if (byUser && on_SettingsButton_clicked() == 1) {
        platformChangeByProgram = 1;
        ui->comboBox_PlatformType->setCurrentIndex(index == 0 ? 1 : 0);
        return;
    }
    platformChangeByProgram = 0;
    applyPlatform(platformFromIndex(index));
    if (byUser)
        endStep(tr("DeviceType %1").arg(ui->comboBox_PlatformType->itemText(index)), 0);
}

// The small controller has no Voltage Input and no Shutter/Blind functions.
void MainWindow::applyPlatform(Platform platform)
{
    const bool large = platform == Platform::MV211;
    ui->AcInputButton->setEnabled(large);
    ui->shutterButton->setEnabled(large);
}
