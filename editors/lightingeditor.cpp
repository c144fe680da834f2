#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

using namespace EditorOps;

namespace
{

constexpr int lightingToolBoxIndex = 6;

} // namespace

Platform MainWindow::currentPlatform() const
{
    return platformFromIndex(ui->comboBox_PlatformType->currentIndex());
}

EditorOps::OutputBoxes MainWindow::lightingOutputBoxes() const
{
    return {ui->checkBox_LightingOutputC1, ui->checkBox_LightingOutputC2,
            ui->checkBox_LightingOutputC3, ui->checkBox_LightingOutputC4,
            ui->checkBox_LightingOutputC5, ui->checkBox_LightingOutputC6,
            ui->checkBox_LightingOutputC7, ui->checkBox_LightingOutputC8};
}

void MainWindow::setLightingOutputEnabled(int id, bool enabled)
{
    setOutputEnabled(lightingOutputBoxes(), id, enabled);
}

bool MainWindow::lightingIsOnOff() const
{
    return EditorRules::drivesOneOutput(ui->comboBox_LightingControlType->currentText());
}

// A claimed output: an "ON/OFF" function may keep only its own checked output;
// "PULSE" functions share outputs that only "PULSE" Lighting functions hold.
void MainWindow::applyLightingClaimRule(const OutputEntry &entry)
{
    QCheckBox *box = outputBox(lightingOutputBoxes(), entry.id);
    if (lightingIsOnOff())
        box->setEnabled(box->isChecked());
    else
        box->setEnabled(entry.pulseUseCount != 0);
}

void MainWindow::applyLightingClaimRules()
{
    disableAbsentOutputs(lightingOutputBoxes(), currentPlatform());
    for (const OutputEntry *entry : offeredOutputs(currentPlatform())) {
        if (entry->useCount != 0)
            applyLightingClaimRule(*entry);
    }
}

// An "ON/OFF" Lighting function drives exactly one output.
void MainWindow::applyLightingSingleOutputRule()
{
    if (currentPlatform() != Platform::MV211 || !lightingIsOnOff())
        return;
    const OutputBoxes boxes = lightingOutputBoxes();
    for (QCheckBox *box : boxes) {
        if (box->isChecked()) {
            for (QCheckBox *other : boxes)
                other->setEnabled(other == box);
            return;
        }
    }
}

void MainWindow::fillLightingChoices(int keepIndex)
{
    fillChoices(ui->comboBox_LightingInput, offeredInputs(currentPlatform()), keepIndex);
    disableAbsentOutputs(lightingOutputBoxes(), currentPlatform());
    for (const OutputEntry *entry : offeredOutputs(currentPlatform())) {
        if (entry->useCount == 0)
            setLightingOutputEnabled(entry->id, true);
        else
            applyLightingClaimRule(*entry);
    }
    applyLightingSingleOutputRule();
    if (lightingIsOnOff())
        ui->comboBox_LightingOutputControlPriority->setEnabled(false);
    ui->comboBox_LightingInput->setCurrentIndex(-1);
}

void MainWindow::resetLightingForm()
{
    ui->lineEditLightingName->setText(
        proposedName(QStringLiteral("Lighting-"), ui->listWidgetLighting));
    ui->comboBox_LightingControlType->setCurrentIndex(0);
    ui->comboBox_LightingDebounceTime->setCurrentIndex(defaultDebounceIndex);
    ui->comboBox_LightingOutputControlPriority->setCurrentIndex(0);
    uncheckAll(lightingOutputBoxes());
    fillLightingChoices(-1);
}

void MainWindow::showLightingPage()
{
    if (!lightingItemSelected) {
        resetLightingForm();
        return;
    }
    lightingItemSelected = false;
    const LightingRecord *record = lightingStore().find(selectedName(ui->listWidgetLighting));
    if (!record)
        return;
    // Copy: the handlers below must not see the stored record change under them.
    const LightingRecord shown = *record;
    const InputEntry *input = InputCatalogue::instance().find(shown.Input);
    const int inputIndex = input ? input->id - 1 : -1;

    ui->lineEditLightingName->setText(shown.name);
    ui->comboBox_LightingControlType->setCurrentText(shown.ControlType);
    ui->comboBox_LightingDebounceTime->setCurrentText(shown.DebounceTime);
    ui->comboBox_LightingOutputControlPriority->setCurrentText(shown.OutputControlPriority);
    const OutputBoxes boxes = lightingOutputBoxes();
    for (int n = 1; n <= 8; ++n)
        boxes[n - 1]->setChecked(shown.output(n) == QStringLiteral("C%1").arg(n));
    fillLightingChoices(inputIndex);
    ui->comboBox_LightingInput->setCurrentIndex(inputIndex);
}

void MainWindow::onLightingOutputToggled(int id, int state)
{
    const OutputBoxes boxes = lightingOutputBoxes();
    if (lightingIsOnOff()) {
        for (int other = 1; other <= 8; ++other) {
            if (other != id)
                setOutputEnabled(boxes, other, state == Qt::Unchecked);
        }
    }
    applyLightingClaimRules();
    applyLightingSingleOutputRule();
}

void MainWindow::on_checkBox_LightingOutputC1_stateChanged(int arg1)
{
    onLightingOutputToggled(1, arg1);
}
void MainWindow::on_checkBox_LightingOutputC2_stateChanged(int arg1)
{
    onLightingOutputToggled(2, arg1);
}
void MainWindow::on_checkBox_LightingOutputC3_stateChanged(int arg1)
{
    onLightingOutputToggled(3, arg1);
}
void MainWindow::on_checkBox_LightingOutputC4_stateChanged(int arg1)
{
    onLightingOutputToggled(4, arg1);
}
void MainWindow::on_checkBox_LightingOutputC5_stateChanged(int arg1)
{
    onLightingOutputToggled(5, arg1);
}
void MainWindow::on_checkBox_LightingOutputC6_stateChanged(int arg1)
{
    onLightingOutputToggled(6, arg1);
}
void MainWindow::on_checkBox_LightingOutputC7_stateChanged(int arg1)
{
    onLightingOutputToggled(7, arg1);
}
void MainWindow::on_checkBox_LightingOutputC8_stateChanged(int arg1)
{
    onLightingOutputToggled(8, arg1);
}

void MainWindow::on_comboBox_LightingControlType_currentIndexChanged(int index)
{
    for (QCheckBox *box : lightingOutputBoxes()) {
        box->setEnabled(true);
        box->setChecked(false);
    }
    applyLightingClaimRules();
    ui->comboBox_LightingOutputControlPriority->setEnabled(index == 1);
    ui->comboBox_LightingOutputControlPriority->setCurrentIndex(0);
}

LightingRecord MainWindow::lightingRecordFromForm() const
{
    LightingRecord record;
    record.name = ui->lineEditLightingName->text();
    record.Input = ui->comboBox_LightingInput->currentText();
    record.DebounceTime = ui->comboBox_LightingDebounceTime->currentText();
    record.ControlType = ui->comboBox_LightingControlType->currentText();
    if (ui->comboBox_LightingControlType->currentIndex() == 1)
        record.OutputControlPriority = ui->comboBox_LightingOutputControlPriority->currentText();
    const OutputBoxes boxes = lightingOutputBoxes();
    for (int n = 1; n <= 8; ++n) {
        if (boxes[n - 1]->isChecked())
            record.output(n) = QStringLiteral("C%1").arg(n);
    }
    return record;
}

void MainWindow::on_pushButtonLightingSave_clicked()
{
    QLabel *info = ui->label_LightingUI_Info;
    QListWidget *list = ui->listWidgetLighting;
    ClaimSet released;
    const QComboBox *input = ui->comboBox_LightingInput;
    const FunctionType type = FunctionType::Lighting;
    if (refuseInvalidName(type, ui->lineEditLightingName->text(), info) ||
        refuse(input->count() == 0, info, type, Refusal::NothingToChoose) ||
        refuse(input->currentIndex() < 0, info, type, Refusal::ChoiceMissing) ||
        refuse(!anyChecked(lightingOutputBoxes()), info, type, Refusal::NoControlledOutput) ||
        !saveRecord(this, type, lightingStore(), list, info, lightingRecordFromForm(), released))
        return;
    pruneReleasedOutputs(released);
    resetLightingForm();
    finishSave(list, info, ui->toolBox, lightingToolBoxIndex, tr("Lighting ["));
}

void MainWindow::on_pushButtonLightingDelete_clicked()
{
    if (!deleteCurrentFunction(lightingStore(), ui->listWidgetLighting))
        return;
    resetLightingForm();
    finishDelete(ui->listWidgetLighting, ui->label_LightingUI_Info, ui->toolBox,
                 lightingToolBoxIndex, tr("Lighting ["));
}
