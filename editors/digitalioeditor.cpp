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
    ui->spinBoxDigitalIOOnDelay->setValue(0);
    ui->spinBoxDigitalIOOffDelay->setValue(0);
    ui->comboBox_DigitalIODebounceTime->setCurrentIndex(defaultDebounceIndex);
    ui->comboBox_DigitalIOContactType->setCurrentIndex(0);
    fillDigitalIOChoices(-1, -1);
}

void MainWindow::showDigitalIOPage()
{
    if (!digitalIOItemSelected) {
        resetDigitalIOForm();
        return;
    }
    digitalIOItemSelected = false;
    const DigitalIORecord *record = digitalIOStore().find(selectedName(ui->listWidget_Dgitialio));
    if (!record)
        return;
    ui->lineEditDigitalIOName->setText(record->name);
    ui->comboBox_DigitalIOContactType->setCurrentText(record->ContactType);
    ui->spinBoxDigitalIOOnDelay->setValue(record->OnDelay);
    ui->spinBoxDigitalIOOffDelay->setValue(record->OffDelay);
    ui->comboBox_DigitalIODebounceTime->setCurrentText(record->DebounceTime);
    const int input = indexOfRow(offeredInputs(currentPlatform()), record->Input);
    const int output = indexOfRow(offeredOutputs(currentPlatform()), record->Output);
    fillDigitalIOChoices(input, output);
    ui->comboBox_DigitalIOInput->setCurrentIndex(input);
    ui->comboBox_DigitalIOOutput->setCurrentIndex(output);
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
    const QComboBox *input = ui->comboBox_DigitalIOInput;
    const QComboBox *output = ui->comboBox_DigitalIOOutput;
    const QString name = ui->lineEditDigitalIOName->text();
    if (refuseEmptyName(name, info) ||
        refuse(input->count() == 0 || output->count() == 0, info,
               tr("No available Input Or Output!"), 2500) ||
        refuse(input->currentIndex() < 0 || output->currentIndex() < 0, info,
               tr("Please select input and output!"), 2500))
        return;
    const NameCheck check = checkItemName(this, list, info, name);
    if (check == NameCheck::Rejected)
        return;
    const bool update = check == NameCheck::Update;
    const DigitalIORecord record = digitalIORecordFromForm();
    if (refuse(!inputsAvailable({record.Input}, update ? digitalIOStore().find(name) : nullptr),
               info,
               tr("Selected input is already using in another function! Please select "
                  "differen input."),
               1500))
        return;

    commitRecord(digitalIOStore(), list, record, update, name);
    resetDigitalIOForm();
    finishSave(list, info, ui->toolBox, digitalIOToolBoxIndex, tr("Digital I/O ["));
}

void MainWindow::on_pushButtonDigitalIODelete_clicked()
{
    ClaimSet released;
    if (!removeCurrentRecord(digitalIOStore(), ui->listWidget_Dgitialio, released))
        return;
    pruneReleasedOutputs(released);
    resetDigitalIOForm();
    setCountTitle(ui->toolBox, digitalIOToolBoxIndex, tr("Digital I/O ["),
                  ui->listWidget_Dgitialio->count());
}
