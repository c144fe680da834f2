#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

using namespace EditorOps;

namespace
{
constexpr int shutterToolBoxIndex = 7;
constexpr int defaultMoveDuration = 50; // seconds
constexpr int defaultStepTime = 2000;   // milliseconds
} // namespace

// Claimed outputs are grey like claimed inputs: a motor output is never shared.
void MainWindow::fillShutterChoices(int keepUpInput, int keepUpOutput, int keepDownInput,
                                    int keepDownOutput)
{
    fillChoices({{ui->comboBox_ShutterUpInput, keepUpInput},
                 {ui->comboBox_ShutterDownInput, keepDownInput}},
                offeredInputs(currentPlatform()));
    fillChoices({{ui->comboBox_ShutterUpOutput, keepUpOutput},
                 {ui->comboBox_ShutterDownOutput, keepDownOutput}},
                offeredOutputs(currentPlatform()));
}

void MainWindow::resetShutterForm()
{
    ui->lineEditShutterName->setText(
        proposedName(QStringLiteral("Shutter-"), ui->listWidget_Shutter));
    ui->spinBoxShutterMoveDur->setValue(defaultMoveDuration);
    ui->spinBoxShutterStepTime->setValue(defaultStepTime);
    setIndexes({ui->comboBox_ShutterUpDebounceTime, ui->comboBox_ShutterDownDebounceTime},
               defaultDebounceIndex);
    fillShutterChoices(-1, -1, -1, -1);
}

void MainWindow::showShutterPage()
{
    const ShutterRecord *record =
        recordToShow(shutterItemSelected, shutterStore(), ui->listWidget_Shutter);
    if (!record) {
        resetShutterForm();
        return;
    }
    ui->lineEditShutterName->setText(record->name);
    ui->spinBoxShutterMoveDur->setValue(record->MoveDuration);
    ui->spinBoxShutterStepTime->setValue(record->StepTime);
    ui->comboBox_ShutterUpDebounceTime->setCurrentText(record->UpDebounceTime);
    ui->comboBox_ShutterDownDebounceTime->setCurrentText(record->DownDebounceTime);
    const QVector<InputEntry *> inputs = offeredInputs(currentPlatform());
    const QVector<OutputEntry *> outputs = offeredOutputs(currentPlatform());
    const int upInput = indexOfRow(inputs, record->UpInput);
    const int upOutput = indexOfRow(outputs, record->UpOutput);
    const int downInput = indexOfRow(inputs, record->DownInput);
    const int downOutput = indexOfRow(outputs, record->DownOutput);
    fillShutterChoices(upInput, upOutput, downInput, downOutput);
    selectChoices({{ui->comboBox_ShutterUpInput, upInput},
                   {ui->comboBox_ShutterUpOutput, upOutput},
                   {ui->comboBox_ShutterDownInput, downInput},
                   {ui->comboBox_ShutterDownOutput, downOutput}});
}

ShutterRecord MainWindow::shutterRecordFromForm() const
{
    ShutterRecord record;
    record.name = ui->lineEditShutterName->text();
    record.UpInput = ui->comboBox_ShutterUpInput->currentText();
    record.UpDebounceTime = ui->comboBox_ShutterUpDebounceTime->currentText();
    record.UpOutput = ui->comboBox_ShutterUpOutput->currentText();
    record.DownInput = ui->comboBox_ShutterDownInput->currentText();
    record.DownDebounceTime = ui->comboBox_ShutterDownDebounceTime->currentText();
    record.DownOutput = ui->comboBox_ShutterDownOutput->currentText();
    record.MoveDuration = ui->spinBoxShutterMoveDur->value();
    record.StepTime = ui->spinBoxShutterStepTime->value();
    return record;
}

void MainWindow::on_pushButtonShutterSave_clicked()
{
    QLabel *info = ui->label_ShutterUI_Info;
    QListWidget *list = ui->listWidget_Shutter;
    ClaimSet released;
    const QComboBox *upInput = ui->comboBox_ShutterUpInput;
    const QComboBox *upOutput = ui->comboBox_ShutterUpOutput;
    const QComboBox *downInput = ui->comboBox_ShutterDownInput;
    const QComboBox *downOutput = ui->comboBox_ShutterDownOutput;
    const FunctionType type = FunctionType::Shutter;
    if (refuseInvalidName(type, ui->lineEditShutterName->text(), info) ||
        refuseMissingChoices(type, info, {upInput, upOutput, downInput, downOutput}) ||
        refuse(sameChoice({upInput, downInput}) || sameChoice({upOutput, downOutput}), info, type,
               Refusal::SameChoiceTwice) ||
        !saveRecord(this, type, shutterStore(), list, info, shutterRecordFromForm(), released))
        return;
    pruneReleasedOutputs(released);
    resetShutterForm();
    finishSave(list, info, ui->toolBox, shutterToolBoxIndex, tr("Shutter ["));
}

// Its outputs are locked against Master Off and Welcome, so the prune only
// matters for a hand-made file that lets them control a motor output.
void MainWindow::on_pushButtonShutterDelete_clicked()
{
    if (!deleteCurrentFunction(shutterStore(), ui->listWidget_Shutter))
        return;
    resetShutterForm();
    finishDelete(ui->listWidget_Shutter, ui->label_ShutterUI_Info, ui->toolBox, shutterToolBoxIndex,
                 tr("Shutter ["));
}
