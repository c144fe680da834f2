#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

using namespace EditorOps;

namespace
{

constexpr int voltageInputToolBoxIndex = 5;

// The two voltage-sensing channels, "CH1" and "CH2", on either platform.
QVector<InputEntry *> channelRows()
{
    return inputRows({19, 20});
}

} // namespace

void MainWindow::fillVoltageInputChoices(int keepInput, int keepOutput)
{
    fillChoices(ui->comboBox_ACInputInput, channelRows(), keepInput);
    fillChoices(ui->comboBox_ACInputOutput, offeredOutputs(currentPlatform()), keepOutput);
}

void MainWindow::resetVoltageInputForm()
{
    ui->lineEditACInputName->setText(
        proposedName(QStringLiteral("VoltageInput-"), ui->listWidget_Acinput));
    setValues({ui->spinBoxACInputOnDelay, ui->spinBoxACInputOffDelay}, 0);
    ui->comboBox_ACInputDebounceTime->setCurrentIndex(defaultDebounceIndex);
    fillVoltageInputChoices(-1, -1);
}

void MainWindow::showVoltageInputPage()
{
    const VoltageInputRecord *record =
        recordToShow(voltageInputItemSelected, voltageInputStore(), ui->listWidget_Acinput);
    if (!record) {
        resetVoltageInputForm();
        return;
    }
    ui->lineEditACInputName->setText(record->name);
    ui->spinBoxACInputOnDelay->setValue(record->OnDelay);
    ui->spinBoxACInputOffDelay->setValue(record->OffDelay);
    ui->comboBox_ACInputDebounceTime->setCurrentText(record->DebounceTime);
    const int input = indexOfRow(channelRows(), record->Input);
    const int output = indexOfRow(offeredOutputs(currentPlatform()), record->Output);
    fillVoltageInputChoices(input, output);
    selectChoices({{ui->comboBox_ACInputInput, input}, {ui->comboBox_ACInputOutput, output}});
}

VoltageInputRecord MainWindow::voltageInputRecordFromForm() const
{
    VoltageInputRecord record;
    record.name = ui->lineEditACInputName->text();
    record.Input = ui->comboBox_ACInputInput->currentText();
    record.DebounceTime = ui->comboBox_ACInputDebounceTime->currentText();
    record.Output = ui->comboBox_ACInputOutput->currentText();
    record.OnDelay = ui->spinBoxACInputOnDelay->value();
    record.OffDelay = ui->spinBoxACInputOffDelay->value();
    return record;
}

void MainWindow::on_pushButtonACInputSave_clicked()
{
    QLabel *info = ui->label_ACInputUI_Info;
    QListWidget *list = ui->listWidget_Acinput;
    ClaimSet released;
    const FunctionType type = FunctionType::VoltageInput;
    if (refuseInvalidName(type, ui->lineEditACInputName->text(), info) ||
        refuseMissingChoices(type, info, {ui->comboBox_ACInputInput, ui->comboBox_ACInputOutput}) ||
        !saveRecord(this, type, voltageInputStore(), list, info, voltageInputRecordFromForm(),
                    released))
        return;
    pruneReleasedOutputs(released);
    resetVoltageInputForm();
    finishSave(list, info, ui->toolBox, voltageInputToolBoxIndex, tr("Voltage Input ["));
}

// The page is named ACInput in the form; its delete titles the toolbox so.
void MainWindow::on_pushButtonACInputDelete_clicked()
{
    if (!deleteCurrentFunction(voltageInputStore(), ui->listWidget_Acinput))
        return;
    resetVoltageInputForm();
    finishDelete(ui->listWidget_Acinput, ui->label_ACInputUI_Info, ui->toolBox,
                 voltageInputToolBoxIndex, tr("ACInput ["));
}
