#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

using namespace EditorOps;

namespace
{

constexpr int energySavingToolBoxIndex = 2;
// Only one Energy Saving function may exist, so the proposed name is fixed.
const char *const energySavingName = "Energy Saving-1";

} // namespace

void MainWindow::fillEnergySavingChoices(int selectedIndex)
{
    fillChoices(ui->comboBox_CardHolder_DoorSensorInput, offeredInputs(currentPlatform()),
                selectedIndex);
}

void MainWindow::resetEnergySavingForm()
{
    ui->lineEditCardHolderName->setText(QString::fromLatin1(energySavingName));
    ui->checkBox_CardHolderEnableDisable->setChecked(false);
    ui->comboBox_CardHolderDebounceTime->setCurrentIndex(defaultDebounceIndex);
    ui->comboBox_CardHolderControlType->setCurrentIndex(0);
    ui->comboBox_CardHolderContactType->setCurrentIndex(0);
    ui->checkBox_EnergySavingPresenceSensorEnableDisable->setChecked(false);
    ui->comboBox_CardHolder_MotionContactType->setCurrentIndex(1);
    ui->comboBox_CardHolderMotionDebounceTime->setCurrentIndex(defaultDebounceIndex);
    ui->spinBoxMotionSensorPulseDuration->setValue(0);
    ui->comboBox_CardHolderDoorDebounceTime->setCurrentIndex(defaultDebounceIndex);
    ui->spinBoxCardHolderOnDelay->setValue(0);
    ui->spinBoxCardHolderOffDelay->setValue(0);
    fillEnergySavingChoices(-1);
}

void MainWindow::showEnergySavingPage()
{
    if (!energySavingItemSelected) {
        resetEnergySavingForm();
        return;
    }
    energySavingItemSelected = false;
    const EnergySavingRecord *record =
        energySavingStore().find(selectedName(ui->listWidget_CardHolder));
    if (!record)
        return;
    const int door = indexOfRow(offeredInputs(currentPlatform()), record->DoorSensorInput);

    // Texts of a group that was off are empty and leave their boxes as they are.
    ui->lineEditCardHolderName->setText(record->name);
    ui->comboBox_CardHolderControlType->setCurrentText(record->ControlType);
    ui->comboBox_CardHolderContactType->setCurrentText(record->ContactType);
    ui->comboBox_CardHolderDebounceTime->setCurrentText(record->CardHolderDebounceTime);
    ui->comboBox_CardHolderDoorDebounceTime->setCurrentText(record->DoorSensorDebounceTime);
    ui->comboBox_CardHolder_MotionContactType->setCurrentText(record->MotionSensorContactType);
    ui->comboBox_CardHolderMotionDebounceTime->setCurrentText(record->MotionSensorDebounceTime);
    ui->spinBoxMotionSensorPulseDuration->setValue(record->MotionSensorPulseDuration);
    ui->checkBox_CardHolderEnableDisable->setChecked(record->EnableDisable == enableText(true));
    ui->checkBox_EnergySavingPresenceSensorEnableDisable->setChecked(
        record->PresenceEnableDisable == enableText(true));
    ui->spinBoxCardHolderOnDelay->setValue(record->OnDelay);
    ui->spinBoxCardHolderOffDelay->setValue(record->OffDelay);
    fillEnergySavingChoices(door);
    ui->comboBox_CardHolder_DoorSensorInput->setCurrentIndex(door);
}

void MainWindow::on_checkBox_CardHolderEnableDisable_toggled(bool checked)
{
    setWidgetsEnabled({ui->label_137, ui->label_46, ui->label_47,
                       ui->comboBox_CardHolderDebounceTime, ui->comboBox_CardHolderContactType,
                       ui->comboBox_CardHolderControlType},
                      checked);
}

void MainWindow::on_checkBox_EnergySavingPresenceSensorEnableDisable_toggled(bool checked)
{
    setWidgetsEnabled(
        {ui->label_69, ui->label_80, ui->label_141, ui->label_71, ui->label_142, ui->label_68,
         ui->comboBox_CardHolder_MotionInput, ui->comboBox_CardHolder_MotionContactType,
         ui->comboBox_CardHolderMotionDebounceTime, ui->spinBoxMotionSensorPulseDuration,
         ui->comboBox_CardHolder_DoorSensorInput, ui->comboBox_CardHolderDoorDebounceTime},
        checked);
    if (!checked)
        ui->comboBox_CardHolder_DoorSensorInput->setCurrentIndex(-1);
}

// A group that is off leaves its fields empty.
EnergySavingRecord MainWindow::energySavingRecordFromForm() const
{
    EnergySavingRecord record;
    record.name = ui->lineEditCardHolderName->text();
    const bool cardHolder = ui->checkBox_CardHolderEnableDisable->isChecked();
    record.EnableDisable = enableText(cardHolder);
    if (cardHolder) {
        record.Input = EditorRules::cardHolderInput();
        record.CardHolderDebounceTime = ui->comboBox_CardHolderDebounceTime->currentText();
        record.ControlType = ui->comboBox_CardHolderControlType->currentText();
        record.ContactType = ui->comboBox_CardHolderContactType->currentText();
    }
    const bool presence = ui->checkBox_EnergySavingPresenceSensorEnableDisable->isChecked();
    record.PresenceEnableDisable = enableText(presence);
    if (presence) {
        record.MotionSensorInput = EditorRules::energySavingMotionInput();
        record.MotionSensorContactType = ui->comboBox_CardHolder_MotionContactType->currentText();
        record.MotionSensorDebounceTime = ui->comboBox_CardHolderMotionDebounceTime->currentText();
        record.MotionSensorPulseDuration = ui->spinBoxMotionSensorPulseDuration->value();
        const QString door = ui->comboBox_CardHolder_DoorSensorInput->currentText();
        if (InputCatalogue::instance().find(door))
            record.DoorSensorInput = door;
        record.DoorSensorDebounceTime = ui->comboBox_CardHolderDoorDebounceTime->currentText();
    }
    record.OnDelay = ui->spinBoxCardHolderOnDelay->value();
    record.OffDelay = ui->spinBoxCardHolderOffDelay->value();
    return record;
}

void MainWindow::on_pushButtonCardHolderSave_clicked()
{
    QLabel *info = ui->label_EnergySavingUI_Info;
    QListWidget *list = ui->listWidget_CardHolder;
    const QString name = ui->lineEditCardHolderName->text();
    const bool presence = ui->checkBox_EnergySavingPresenceSensorEnableDisable->isChecked();
    const QString door = ui->comboBox_CardHolder_DoorSensorInput->currentText();
    const FunctionType type = FunctionType::EnergySaving;
    if (refuseInvalidName(type, name, info) ||
        refuse(
            !EditorRules::hasFeature(ui->checkBox_CardHolderEnableDisable->isChecked(), presence),
            info, type, Refusal::NoFeature) ||
        refuse(EditorRules::inputMissing(presence, door), info, type, Refusal::SensorInputMissing))
        return;
    const NameCheck check = checkItemName(this, type, list, info, name);
    if (check == NameCheck::Rejected)
        return;
    const bool update = check == NameCheck::Update;
    // Refused before the motion sensor settings are copied: a refused save changes nothing.
    if (refuse(!update && !EditorRules::roomForAnother(type, list->count()), info, type,
               Refusal::TooMany))
        return;
    const EnergySavingRecord record = energySavingRecordFromForm();
    if (MotionSensor::usesSensor(record) &&
        !keepMotionSensorInStep(this, MotionSensor::Owner::EnergySaving, name,
                                MotionSensor::settingsOf(record),
                                name + tr(" Same Motion Sensor used and saved in Air Con. "
                                          "function.\n Motion debounce time object has been "
                                          "modified.")))
        return;

    commitRecord(energySavingStore(), list, record, update, name);
    resetEnergySavingForm();
    finishSave(list, info, ui->toolBox, energySavingToolBoxIndex, tr("Energy Saving ["));
}

void MainWindow::on_pushButtonCardHolderDelete_clicked()
{
    ClaimSet released;
    if (!removeCurrentRecord(energySavingStore(), ui->listWidget_CardHolder, released))
        return;
    resetEnergySavingForm();
    finishDelete(ui->listWidget_CardHolder, ui->label_EnergySavingUI_Info, ui->toolBox,
                 energySavingToolBoxIndex, tr("Energy Saving ["));
}
