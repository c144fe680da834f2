#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

using namespace EditorOps;

namespace
{
constexpr int digitalIOToolBoxIndex = 8;
} // namespace

void MainWindow::fillDigitalIOChoices(int keepInput, int keepOutput)
{
    fillChoices(ui->comboBox_DigitalIOInput, offeredInputs(currentPlatform()), keepInput);
    fillChoices(ui->comboBox_DigitalIOOutput, offeredOutputs(currentPlatform()), keepOutput);
}

void MainWindow::resetDigitalIOForm()
{
    ui->lineEditDigitalIOName->setText(
        proposedName(QStringLiteral("Digital I/O-"), ui->listWidget_Dgitialio));
    setValues({ui->spinBoxDigitalIOOnDelay, ui->spinBoxDigitalIOOffDelay}, 0);
    ui->comboBox_DigitalIODebounceTime->setCurrentIndex(defaultDebounceIndex);
    ui->comboBox_DigitalIOContactType->setCurrentIndex(0);
    fillDigitalIOChoices(-1, -1);
}

void MainWindow::showDigitalIOPage()
{
    const DigitalIORecord *record =
        recordToShow(digitalIOItemSelected, digitalIOStore(), ui->listWidget_Dgitialio);
    if (!record) {
        resetDigitalIOForm();
        return;
    }
    ui->lineEditDigitalIOName->setText(record->name);
    ui->comboBox_DigitalIOContactType->setCurrentText(record->ContactType);
    ui->spinBoxDigitalIOOnDelay->setValue(record->OnDelay);
    ui->spinBoxDigitalIOOffDelay->setValue(record->OffDelay);
    ui->comboBox_DigitalIODebounceTime->setCurrentText(record->DebounceTime);
    const int input = indexOfRow(offeredInputs(currentPlatform()), record->Input);
    const int output = indexOfRow(offeredOutputs(currentPlatform()), record->Output);
    fillDigitalIOChoices(input, output);
    selectChoices({{ui->comboBox_DigitalIOInput, input}, {ui->comboBox_DigitalIOOutput, output}});
}

DigitalIORecord MainWindow::digitalIORecordFromForm() const
{
    DigitalIORecord record;
    record.name = ui->lineEditDigitalIOName->text();
    record.Input = ui->comboBox_DigitalIOInput->currentText();
    record.DebounceTime = ui->comboBox_DigitalIODebounceTime->currentText();
    record.Output = ui->comboBox_DigitalIOOutput->currentText();
    record.ContactType = ui->comboBox_DigitalIOContactType->currentText();
    record.OnDelay = ui->spinBoxDigitalIOOnDelay->value();
    record.OffDelay = ui->spinBoxDigitalIOOffDelay->value();
    return record;
}

void MainWindow::on_pushButtonDigitalIOSave_clicked()
{
    QLabel *info = ui->label_DigitalIOUI_Info;
    QListWidget *list = ui->listWidget_Dgitialio;
    ClaimSet released;
    const FunctionType type = FunctionType::DigitalIO;
    if (refuseInvalidName(type, ui->lineEditDigitalIOName->text(), info) ||
        refuseMissingChoices(type, info,
                             {ui->comboBox_DigitalIOInput, ui->comboBox_DigitalIOOutput}) ||
        !saveRecord(this, type, digitalIOStore(), list, info, digitalIORecordFromForm(), released))
        return;
    pruneReleasedOutputs(released);
    resetDigitalIOForm();
    finishSave(list, info, ui->toolBox, digitalIOToolBoxIndex, tr("Digital I/O ["));
}

void MainWindow::on_pushButtonDigitalIODelete_clicked()
{
    if (!deleteCurrentFunction(digitalIOStore(), ui->listWidget_Dgitialio))
        return;
    resetDigitalIOForm();
    finishDelete(ui->listWidget_Dgitialio, ui->label_DigitalIOUI_Info, ui->toolBox,
                 digitalIOToolBoxIndex, tr("Digital I/O ["));
}
