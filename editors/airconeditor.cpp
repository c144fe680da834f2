#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

using namespace EditorOps;

namespace
{

constexpr int airConToolBoxIndex = 4;

// The pulse delay shown before "ON/OFF" was chosen, given back with "PULSE".
// Kept for the life of the process: neither a restart nor Clear all resets it.
int &rememberedPulseDelay()
{
    static int delay = 0;
    return delay;
}

// "AIR C. IN1", "AIR C. IN2" and "AIR CON1", "AIR CON2" on every platform.
QVector<InputEntry *> balconyInputs()
{
    return inputRows({15, 16});
}

QVector<OutputEntry *> airConOutputs()
{
    return outputRows({11, 12});
}

} // namespace

void MainWindow::fillAirConChoices(int balconySelectedIndex, int outputSelectedIndex)
{
    fillChoices(ui->comboBox_AirConBalconyInput, balconyInputs(), balconySelectedIndex);
    fillChoices(ui->comboBox_AirConOutput, airConOutputs(), outputSelectedIndex);
}

void MainWindow::resetAirConBalconySettings()
{
    ui->comboBox_AirConBalconyContactType->setCurrentIndex(0);
    ui->comboBox_AirConBalconyDebounceTime->setCurrentIndex(defaultDebounceIndex);
}

void MainWindow::resetAirConMotionSettings()
{
    ui->comboBox_AirConMotionContactType->setCurrentIndex(1);
    ui->comboBox_AirConMotionDebounceTime->setCurrentIndex(defaultDebounceIndex);
}

void MainWindow::resetAirConForm()
{
    ui->lineEditAirConName->setText(proposedName(QStringLiteral("AirCon-"), ui->listWidget_AirCon));
    ui->checkBox_BalconySensorEnableDisable->setChecked(false);
    resetAirConBalconySettings();
    ui->checkBox_MotionSensorAirConEnableDisable->setChecked(false);
    resetAirConMotionSettings();
    ui->comboBox_AirConOutputControlType->setCurrentIndex(0);
    ui->comboBox_AirConOutputContactType->setCurrentIndex(0);
    ui->spinBoxAirConPulseDelay->setEnabled(false);
    ui->spinBoxAirConPulseDelay->setValue(0); // shown as the minimum, 130
    ui->spinBoxAirConOnDelay->setValue(0);
    ui->spinBoxAirConOffDelay->setValue(0);
    fillAirConChoices(-1, -1);
}

void MainWindow::showAirConPage()
{
    if (!airConItemSelected) {
        resetAirConForm();
        return;
    }
    airConItemSelected = false;
    const AirConRecord *found = airConStore().find(selectedName(ui->listWidget_AirCon));
    if (!found)
        return;
    // Copy: the handlers below must not see the stored record change under them.
    const AirConRecord record = *found;
    const int output = indexOfRow(airConOutputs(), record.Output);
    ui->lineEditAirConName->setText(record.name);

    const bool balcony = record.BalconySensorEnableDisable == enableText(true);
    ui->checkBox_BalconySensorEnableDisable->setChecked(balcony);
    if (balcony) {
        ui->comboBox_AirConBalconyContactType->setCurrentText(record.ContactType);
        ui->comboBox_AirConBalconyDebounceTime->setCurrentText(record.BalconySensorDebounceTime);
    } else {
        resetAirConBalconySettings();
    }
    const int balconyInput = balcony ? indexOfRow(balconyInputs(), record.Input) : -1;

    const bool motion = record.MotionSensorEnableDisable == enableText(true);
    ui->checkBox_MotionSensorAirConEnableDisable->setChecked(motion);
    if (motion) {
        ui->comboBox_AirConMotionContactType->setCurrentText(record.MotionSensorContactType);
        ui->comboBox_AirConMotionDebounceTime->setCurrentText(record.MotionSensorDebounceTime);
    } else {
        resetAirConMotionSettings();
    }

    ui->comboBox_AirConOutputControlType->setCurrentText(record.OutputControlType);
    ui->comboBox_AirConOutputContactType->setCurrentText(record.OutputContactType);
    if (record.OutputControlType == QLatin1String("ON/OFF"))
        ui->spinBoxAirConPulseDelay->setEnabled(false);
    ui->spinBoxAirConPulseDelay->setValue(record.PulseDelay);
    ui->spinBoxAirConOnDelay->setValue(record.OnDelay);
    ui->spinBoxAirConOffDelay->setValue(record.OffDelay);
    fillAirConChoices(balconyInput, output);
    ui->comboBox_AirConBalconyInput->setCurrentIndex(balconyInput);
    ui->comboBox_AirConOutput->setCurrentIndex(output);
}

// The motion sensor can only be used together with the balcony sensor.
void MainWindow::on_checkBox_BalconySensorEnableDisable_toggled(bool checked)
{
    setWidgetsEnabled({ui->label_56, ui->label_72, ui->label_138,
                       ui->comboBox_AirConBalconyContactType, ui->comboBox_AirConBalconyInput,
                       ui->comboBox_AirConBalconyDebounceTime},
                      checked);
    ui->checkBox_MotionSensorAirConEnableDisable->setEnabled(
        EditorRules::motionSensorUsable(checked));
    if (checked)
        return;
    resetAirConBalconySettings();
    ui->comboBox_AirConBalconyInput->setCurrentIndex(-1);
    ui->checkBox_MotionSensorAirConEnableDisable->setChecked(false);
    resetAirConMotionSettings();
}

void MainWindow::on_checkBox_MotionSensorAirConEnableDisable_toggled(bool checked)
{
    setWidgetsEnabled({ui->label_79, ui->label_78, ui->label_143, ui->comboBox_AirConMotionInput,
                       ui->comboBox_AirConMotionContactType, ui->comboBox_AirConMotionDebounceTime},
                      checked);
    if (!checked)
        resetAirConMotionSettings();
}

// "ON/OFF" needs no pulse delay: the box rests at its minimum (130) until
// "PULSE" brings back the value it showed before.
void MainWindow::on_comboBox_AirConOutputControlType_currentIndexChanged(int index)
{
    QSpinBox *delay = ui->spinBoxAirConPulseDelay;
    const bool pulse =
        EditorRules::usesPulseDelay(ui->comboBox_AirConOutputControlType->itemText(index));
    if (!pulse) {
        rememberedPulseDelay() = delay->value();
        delay->setValue(0);
    } else {
        delay->setValue(rememberedPulseDelay());
    }
    delay->setEnabled(pulse);
}

// Every field is read from its widget, whether or not its group is enabled.
AirConRecord MainWindow::airConRecordFromForm() const
{
    AirConRecord record;
    record.MotionSensorDebounceTime = ui->comboBox_AirConMotionDebounceTime->currentText();
    record.MotionSensorContactType = ui->comboBox_AirConMotionContactType->currentText();
    record.name = ui->lineEditAirConName->text();
    record.BalconySensorEnableDisable =
        enableText(ui->checkBox_BalconySensorEnableDisable->isChecked());
    record.Input = ui->comboBox_AirConBalconyInput->currentText();
    record.ContactType = ui->comboBox_AirConBalconyContactType->currentText();
    record.BalconySensorDebounceTime = ui->comboBox_AirConBalconyDebounceTime->currentText();
    record.MotionSensorEnableDisable =
        enableText(ui->checkBox_MotionSensorAirConEnableDisable->isChecked());
    record.MotionSensorInput = ui->comboBox_AirConMotionInput->currentText();
    record.Output = ui->comboBox_AirConOutput->currentText();
    record.OutputControlType = ui->comboBox_AirConOutputControlType->currentText();
    record.OutputContactType = ui->comboBox_AirConOutputContactType->currentText();
    record.PulseDelay = ui->spinBoxAirConPulseDelay->value();
    record.OnDelay = ui->spinBoxAirConOnDelay->value();
    record.OffDelay = ui->spinBoxAirConOffDelay->value();
    return record;
}

void MainWindow::on_pushButtonAirConSave_clicked()
{
    QLabel *info = ui->label_AirConUI_Info;
    QListWidget *list = ui->listWidget_AirCon;
    const QComboBox *balcony = ui->comboBox_AirConBalconyInput;
    const QComboBox *output = ui->comboBox_AirConOutput;
    const QString name = ui->lineEditAirConName->text();
    const FunctionType type = FunctionType::AirCon;
    if (refuseInvalidName(type, name, info) ||
        refuse(balcony->count() == 0 || output->count() == 0, info, type,
               Refusal::NothingToChoose) ||
        refuse(EditorRules::inputMissing(ui->checkBox_BalconySensorEnableDisable->isChecked(),
                                         balcony->currentText()),
               info, type, Refusal::SensorInputMissing) ||
        refuse(output->currentIndex() < 0, info, type, Refusal::ChoiceMissing) ||
        refuse(ui->comboBox_AirConBalconyContactType->currentIndex() < 0 ||
                   ui->comboBox_AirConOutputControlType->currentIndex() < 0 ||
                   ui->comboBox_AirConOutputContactType->currentIndex() < 0,
               info, type, Refusal::SettingMissing))
        return;
    const NameCheck check = checkItemName(this, type, list, info, name);
    if (check == NameCheck::Rejected)
        return;
    const bool update = check == NameCheck::Update;
    const AirConRecord record = airConRecordFromForm();
    // Refused before the motion sensor settings are copied: a refused save changes nothing.
    if (refuseHeldChoices(type, record, update ? airConStore().find(name) : nullptr, info))
        return;
    // The motion settings count only while the sensor can be used: one left
    // on without the balcony sensor (only a hand-made file does that) is ignored.
    if (MotionSensor::usesSensor(record) &&
        !keepMotionSensorInStep(this, MotionSensor::Owner::AirCon, name,
                                MotionSensor::settingsOf(record),
                                name + tr(" Same Motion Sensor used and saved in Energy Saving "
                                          "and/or Air Con. function.\n Motion debounce time "
                                          "object has been modified.")))
        return;

    commitRecord(airConStore(), list, record, update, name);
    resetAirConForm();
    finishSave(list, info, ui->toolBox, airConToolBoxIndex, tr("AirCon ["));
}

// The air-conditioner outputs are never controlled by Master Off or Welcome:
// nothing to prune.
void MainWindow::on_pushButtonAirConDelete_clicked()
{
    ClaimSet released;
    if (!removeCurrentRecord(airConStore(), ui->listWidget_AirCon, released))
        return;
    resetAirConForm();
    finishDelete(ui->listWidget_AirCon, ui->label_AirConUI_Info, ui->toolBox, airConToolBoxIndex,
                 tr("Air Conditioner ["));
}
